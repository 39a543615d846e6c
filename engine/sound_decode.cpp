// Ogg Vorbis through ov_open_callbacks over a memory span; WAV through a chunk reader that
// accepts 8/16/24/32-bit PCM and 32-bit float, mono or stereo.
#include "engine/sound_decode.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vorbis/vorbisfile.h>
#include "shell/log.h"
#include "shell/resource.h"

namespace {
struct Mem_Span {
    const uint8_t* data;
    size_t size, pos;
};

size_t Mem_Read(void* out, size_t size, size_t count, void* src) {
    Mem_Span* m = static_cast<Mem_Span*>(src);
    if (size == 0) return 0;
    size_t left = m->size - m->pos;
    size_t n = std::min(count, left / size);
    std::memcpy(out, m->data + m->pos, n * size);
    m->pos += n * size;
    return n;
}

int Mem_Seek(void* src, ogg_int64_t offset, int whence) {
    Mem_Span* m = static_cast<Mem_Span*>(src);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<ogg_int64_t>(m->pos)
                                            : static_cast<ogg_int64_t>(m->size);
    ogg_int64_t to = base + offset;
    if (to < 0 || to > static_cast<ogg_int64_t>(m->size)) return -1;
    m->pos = static_cast<size_t>(to);
    return 0;
}

long Mem_Tell(void* src) {
    return static_cast<long>(static_cast<Mem_Span*>(src)->pos);
}

bool Fail(const std::string& name, const std::string& why) {
    Log_Line("Can't decode sound " + name + ": " + why);
    return false;
}

// A complete stream ends with a page flagged end-of-stream; a cut file does not.
bool Has_End_Page(const uint8_t* data, size_t size) {
    for (size_t i = size >= 27 ? size - 27 : 0; i-- > 0;)
        if (std::memcmp(data + i, "OggS", 4) == 0) return (data[i + 5] & 0x04) != 0;
    return false;
}

bool Sane_Format(int rate, int channels) {
    return rate >= 1000 && rate <= 192000 && channels >= 1 && channels <= 2;
}

uint32_t U32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

struct Wav_Format {
    int tag = 0, channels = 0, rate = 0, bits = 0, block = 0;
};

// One sample of the data chunk as 16-bit.
int16_t Wav_Sample(const uint8_t* p, const Wav_Format& f) {
    switch (f.bits) {
    case 8:
        return static_cast<int16_t>((p[0] - 128) << 8);
    case 16:
        return static_cast<int16_t>(U16(p));
    case 24:
        return static_cast<int16_t>(U16(p + 1));
    default:
        if (f.tag == 3) {
            float v;
            uint32_t u = U32(p);
            std::memcpy(&v, &u, 4);
            if (std::isnan(v)) v = 0;
            return static_cast<int16_t>(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        }
        return static_cast<int16_t>(U16(p + 2));
    }
}

bool Wav_Format_Ok(const Wav_Format& f) {
    if (!Sane_Format(f.rate, f.channels)) return false;
    if (f.tag == 3) return f.bits == 32 && f.block == 4 * f.channels;
    if (f.tag != 1) return false;
    if (f.bits != 8 && f.bits != 16 && f.bits != 24 && f.bits != 32) return false;
    return f.block == f.bits / 8 * f.channels;
}
} // namespace

bool Sound_DecodeOgg(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out) {
    out = Sound_Pcm();
    if (!data || size < 28) return Fail(name, "too short");
    if (!Has_End_Page(data, size)) return Fail(name, "cut short (no end-of-stream page)");
    Mem_Span span{data, size, 0};
    ov_callbacks cb{Mem_Read, Mem_Seek, nullptr, Mem_Tell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&span, &vf, nullptr, 0, cb) != 0) return Fail(name, "not an Ogg Vorbis stream");
    vorbis_info* vi = ov_info(&vf, -1);
    if (!vi || !Sane_Format(static_cast<int>(vi->rate), vi->channels)) {
        ov_clear(&vf);
        return Fail(name, "unsupported format");
    }
    out.rate = static_cast<int>(vi->rate);
    out.channels = vi->channels;
    const size_t max_samples = static_cast<size_t>(kSoundMaxSeconds * out.rate) * out.channels;
    ogg_int64_t total = ov_pcm_total(&vf, -1);
    if (total > 0) out.samples.reserve(std::min(max_samples, static_cast<size_t>(total) * out.channels));
    char buf[8192];
    int section = 0;
    bool ok = true;
    for (;;) {
        long n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
        if (n == 0) break;
        if (n == OV_HOLE) continue;
        if (n < 0) {
            ok = Fail(name, "damaged data");
            break;
        }
        vorbis_info* now = ov_info(&vf, section);
        if (!now || now->channels != out.channels || now->rate != out.rate) {
            ok = Fail(name, "format changes inside the stream");
            break;
        }
        size_t count = static_cast<size_t>(n) / 2;
        if (out.samples.size() + count > max_samples) {
            ok = Fail(name, "longer than " + std::to_string(static_cast<int>(kSoundMaxSeconds)) + " s");
            break;
        }
        size_t at = out.samples.size();
        out.samples.resize(at + count);
        std::memcpy(out.samples.data() + at, buf, count * 2);
    }
    ov_clear(&vf);
    if (ok && out.samples.empty()) ok = Fail(name, "no samples");
    if (!ok) out = Sound_Pcm();
    return ok;
}

bool Sound_DecodeWav(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out) {
    out = Sound_Pcm();
    if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return Fail(name, "not a WAV file");
    Wav_Format f;
    bool have_fmt = false;
    size_t at = 12;
    while (at + 8 <= size) {
        const uint8_t* chunk = data + at;
        size_t len = U32(chunk + 4);
        size_t body = at + 8;
        if (len > size - body) return Fail(name, "chunk runs past the end of the file");
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (len < 16) return Fail(name, "short format chunk");
            const uint8_t* p = data + body;
            f = {U16(p), U16(p + 2), static_cast<int>(U32(p + 4)), U16(p + 14), U16(p + 12)};
            if (f.tag == 0xFFFE && len >= 26) f.tag = U16(p + 24); // extensible: the sub-format
            if (!Wav_Format_Ok(f)) return Fail(name, "unsupported format");
            have_fmt = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!have_fmt) return Fail(name, "data before format");
            size_t frames = len / f.block;
            if (frames == 0) return Fail(name, "no samples");
            if (frames > static_cast<size_t>(kSoundMaxSeconds * f.rate)) return Fail(name, "too long");
            out.rate = f.rate;
            out.channels = f.channels;
            out.samples.resize(frames * f.channels);
            const int step = f.bits / 8;
            for (size_t i = 0; i < out.samples.size(); ++i)
                out.samples[i] = Wav_Sample(data + body + i * step, f);
            return true;
        }
        at = body + len + (len & 1); // chunks are padded to even sizes
    }
    return Fail(name, "no data chunk");
}

bool Sound_Decode(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out) {
    if (data && size >= 4 && std::memcmp(data, "OggS", 4) == 0) return Sound_DecodeOgg(data, size, name, out);
    if (data && size >= 12 && std::memcmp(data, "RIFF", 4) == 0)
        return Sound_DecodeWav(data, size, name, out);
    out = Sound_Pcm();
    return Fail(name, "unknown file type");
}

bool Sound_Load(const std::string& path, Sound_Pcm& out) {
    Resource_Stream s;
    if (!Stream_Open(path, s)) {
        out = Sound_Pcm();
        Log_Line("Can't open sound " + path);
        return false;
    }
    return Sound_Decode(s.data, s.size, path, out);
}
