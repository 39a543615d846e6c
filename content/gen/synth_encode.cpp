// Ogg Vorbis (libvorbisenc) and 16-bit PCM WAV writers for synthesised buffers. The Ogg
// stream serial number is fixed so the same samples always give the same bytes.
#include <algorithm>
#include <cstring>
#include <vorbis/vorbisenc.h>
#include "content/gen/synth.h"

namespace {
void Append_Page(const ogg_page& og, std::vector<uint8_t>& out) {
    out.insert(out.end(), og.header, og.header + og.header_len);
    out.insert(out.end(), og.body, og.body + og.body_len);
}

struct Vorbis_Encoder {
    vorbis_info vi;
    vorbis_comment vc;
    vorbis_dsp_state vd;
    vorbis_block vb;
    ogg_stream_state os;

    // Moves every finished block through the bitrate manager into Ogg pages.
    void Drain(std::vector<uint8_t>& out) {
        ogg_packet op;
        ogg_page og;
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og))
                    Append_Page(og, out);
            }
        }
    }
};

void Put_U32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put_U16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
} // namespace

bool Synth_EncodeOgg(const Synth_Buf& buf, float quality, std::vector<uint8_t>& out) {
    out.clear();
    Vorbis_Encoder e;
    vorbis_info_init(&e.vi);
    if (vorbis_encode_init_vbr(&e.vi, buf.channels, buf.rate, quality) != 0) {
        vorbis_info_clear(&e.vi);
        return false;
    }
    vorbis_comment_init(&e.vc);
    vorbis_analysis_init(&e.vd, &e.vi);
    vorbis_block_init(&e.vd, &e.vb);
    ogg_stream_init(&e.os, 0x4f524256);

    ogg_packet h0, h1, h2;
    vorbis_analysis_headerout(&e.vd, &e.vc, &h0, &h1, &h2);
    ogg_stream_packetin(&e.os, &h0);
    ogg_stream_packetin(&e.os, &h1);
    ogg_stream_packetin(&e.os, &h2);
    ogg_page og;
    while (ogg_stream_flush(&e.os, &og))
        Append_Page(og, out);

    const int frames = buf.Frames();
    const int kChunk = 2048;
    for (int at = 0; at < frames; at += kChunk) {
        int n = std::min(kChunk, frames - at);
        float** in = vorbis_analysis_buffer(&e.vd, n);
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < buf.channels; ++c)
                in[c][i] = std::clamp(buf.s[static_cast<size_t>(at + i) * buf.channels + c], -1.0f, 1.0f);
        vorbis_analysis_wrote(&e.vd, n);
        e.Drain(out);
    }
    vorbis_analysis_wrote(&e.vd, 0);
    e.Drain(out);
    while (ogg_stream_flush(&e.os, &og))
        Append_Page(og, out);

    ogg_stream_clear(&e.os);
    vorbis_block_clear(&e.vb);
    vorbis_dsp_clear(&e.vd);
    vorbis_comment_clear(&e.vc);
    vorbis_info_clear(&e.vi);
    return !out.empty();
}

void Synth_EncodeWav(const Synth_Buf& buf, std::vector<uint8_t>& out) {
    out.clear();
    uint32_t data_bytes = static_cast<uint32_t>(buf.s.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put_U32(out, 36 + data_bytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put_U32(out, 16);
    Put_U16(out, 1);
    Put_U16(out, static_cast<uint16_t>(buf.channels));
    Put_U32(out, static_cast<uint32_t>(buf.rate));
    Put_U32(out, static_cast<uint32_t>(buf.rate * buf.channels * 2));
    Put_U16(out, static_cast<uint16_t>(buf.channels * 2));
    Put_U16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put_U32(out, data_bytes);
    for (float v : buf.s) {
        int q = static_cast<int>(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        Put_U16(out, static_cast<uint16_t>(static_cast<int16_t>(q)));
    }
}
