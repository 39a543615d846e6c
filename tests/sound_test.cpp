#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "engine/sound.h"
#include "engine/sound_decode.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/random.h"
#include "shell/paths.h"

namespace fs = std::filesystem;

namespace {
// A silent mono WAV of the given length (2 kHz: only the length matters here).
std::vector<uint8_t> Wav(float seconds) {
    uint32_t frames = static_cast<uint32_t>(seconds * 2000), bytes = frames * 2;
    std::vector<uint8_t> w;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            w.push_back(static_cast<uint8_t>(t[i]));
    };
    tag("RIFF");
    u32(36 + bytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u32(1 | 1 << 16); // PCM, mono
    u32(2000);
    u32(4000);
    u32(2 | 16 << 16); // block 2, 16 bits
    tag("data");
    u32(bytes);
    w.resize(w.size() + bytes, 0);
    return w;
}

// Writes stand-in sounds under every name the manager loads into a folder of their own, so
// the tests know their lengths whatever content the test program has registered.
struct Temp_Folder {
    std::string path;
    ~Temp_Folder() {
        if (!path.empty()) fs::remove_all(path);
    }
};

const std::string& Stand_In_Folder() {
    static Temp_Folder folder;
    std::string& dir = folder.path;
    if (!dir.empty()) return dir;
    char tmpl[] = "/tmp/orbivale_snd_XXXXXX";
    dir = mkdtemp(tmpl);
    fs::create_directory(dir + "/sounds");
    auto add = [&](const char* file, float seconds) {
        std::vector<uint8_t> w = Wav(seconds);
        std::ofstream(dir + "/sounds/" + file, std::ios::binary)
            .write(reinterpret_cast<const char*>(w.data()), static_cast<std::streamsize>(w.size()));
    };
    for (int i = 0; i < kSfxSlots; ++i)
        if (Sfx_File(i)) add(Sfx_File(i), 0.5f);
    for (int i = 0; i < 6; ++i)
        add(Ambience_File(i), 60.0f);
    for (int i = 0; i < 4; ++i)
        add(Music_File(i), 30.0f);
    return dir;
}

class SoundTest : public ::testing::Test {
  protected:
    Audio_Out* out = nullptr;
    std::string saved_content;
    void SetUp() override {
        saved_content = Paths_ContentDir();
        Paths_SetContentDir(Stand_In_Folder());
        AssetPrefix = "";
        Players_Reset();
        Players.fx_volume[0] = 0.8f;
        Players.music_volume[0] = 0.9f;
        Players.ambient_volume[0] = 0.5f;
        Frame(16);
        Rand_Seed(3);
        Sound_Reset();
        Audio_ForceSilent(true);
        Audio_Init();
        out = Sound_Output();
    }
    void TearDown() override {
        Sound_Reset();
        Paths_SetContentDir(saved_content);
        AssetPrefix = "incbin::";
    }
    static void Frame(float ms) {
        FrameTime = ms;
        FrameDt = ms / 1000.0f;
    }
    // Runs the three per-frame audio updates for the given time in 100 ms frames.
    static void Run(float seconds) {
        Frame(100);
        for (int i = 0; i < static_cast<int>(seconds * 10 + 0.5f); ++i) {
            MatchRate_Update();
            Music_Update();
            Ambience_Update();
        }
    }
    int Effects_Playing() const {
        int n = 0;
        for (int c = 0; c < kAudioEffectChannels; ++c)
            n += out->Is_Playing(c);
        return n;
    }
    Audio_Channel_State Music(int index) const { return out->State(kAudioMusicBase + index); }
    Audio_Channel_State Amb(int index) const { return out->State(kAudioAmbienceBase + index); }
};
} // namespace

TEST_F(SoundTest, EveryTableSoundIsLoaded) {
    Sound_Debug d = Sound_GetDebug();
    for (int i = 0; i < kSfxSlots; ++i)
        EXPECT_EQ(d.effect_buffer[i] != 0, i < 25 || i > 27) << i;
    EXPECT_EQ(d.ambience_buffer[6], d.ambience_buffer[4]);
    EXPECT_NE(d.ambience_buffer[3], d.ambience_buffer[4]);
}

TEST_F(SoundTest, FxVolumeZeroPlaysNothing) {
    Players.fx_volume[0] = 0;
    Sfx_Play(kSfxClick, 1.0f, 1.0f, 400, 300);
    Sfx_PlayMatch(400, 300);
    EXPECT_EQ(Effects_Playing(), 0);
}

TEST_F(SoundTest, PanFollowsTheScreenX) {
    const struct { float x, pan; } cases[] = {{0, -1}, {400, 0}, {800, 1}};
    for (int i = 0; i < 3; ++i) {
        Sfx_Play(kSfxHammer, 0.6f, 1.0f, cases[i].x, 0);
        Audio_Channel_State s = out->State(i);
        EXPECT_TRUE(s.playing);
        EXPECT_FLOAT_EQ(s.pan, cases[i].pan);
        EXPECT_FLOAT_EQ(s.volume, 0.6f);
    }
}

TEST_F(SoundTest, MatchSoundsRiseThenFallBackAfterTwoSeconds) {
    Run(0.1f); // a first update arms the timer
    float expect = 0.5f;
    for (int n = 0; n < 10; ++n) {
        Sfx_PlayMatch(400, 300);
        int fresh = -1;
        for (int c = 0; c < kAudioEffectChannels; ++c)
            if (out->Is_Playing(c) && out->Position(c) == 0) fresh = c;
        ASSERT_GE(fresh, 0);
        EXPECT_FLOAT_EQ(out->State(fresh).rate, expect) << n;
        expect += (1 - expect) * 0.25f;
        Run(0.1f);
    }
    EXPECT_GT(MatchRate, 0.9f);
    Run(2.5f);
    EXPECT_FLOAT_EQ(MatchRate, 0.5f);
}

TEST_F(SoundTest, SixtyFifthEffectStopsEveryEffect) {
    for (int i = 0; i < 64; ++i)
        Sfx_PlayAt(kSfxLevelWin, 400);
    EXPECT_EQ(Effects_Playing(), 64);
    Sfx_PlayAt(kSfxClick, 400);
    EXPECT_EQ(Effects_Playing(), 0);
    Sfx_PlayAt(kSfxClick, 400);
    EXPECT_EQ(Effects_Playing(), 1);
}

TEST_F(SoundTest, FirstPlayOfATrackCrossFadesLaterPlaysCut) {
    Music_Load(0, 1);
    ASSERT_TRUE(Music_Play(0));
    EXPECT_EQ(Sound_GetDebug().music_current, 0); // loaded beforehand: no swap
    Run(6);
    EXPECT_FLOAT_EQ(Music(0).volume, 0.9f);

    ASSERT_TRUE(Music_Play(1)); // first play: swaps channels and cross-fades
    EXPECT_EQ(Sound_GetDebug().music_current, 1);
    EXPECT_EQ(MusicSlot, 1);
    Run(2.5f);
    EXPECT_NEAR(Music(1).volume, 0.2f * 2.4f, 0.01f);        // fading in at 0.2 per second
    EXPECT_NEAR(Music(0).volume, 0.9f - 0.2f * 2.4f, 0.01f); // fading out at 0.2 per second
    Run(5);
    EXPECT_FLOAT_EQ(Music(1).volume, 0.9f);
    EXPECT_FALSE(Music(0).playing);

    ASSERT_TRUE(Music_Play(0)); // played before: replaces the music at once, same channel
    EXPECT_EQ(Sound_GetDebug().music_current, 1);
    EXPECT_EQ(Music(1).volume, 0.0f);
    Run(0.1f);
    EXPECT_FLOAT_EQ(Music(1).volume, 0.9f);
    EXPECT_FALSE(Music(0).playing);
}

TEST_F(SoundTest, MusicRestartsAtItsEndAndWaitsForAVolume) {
    Music_Load(0, 1);
    Music_Play(0);
    float len = out->Buffer_Seconds(Music(0).buffer);
    Run(len + 0.05f);
    EXPECT_TRUE(Music(0).playing);
    EXPECT_LT(Music(0).position, 0.5f);
    Players.music_volume[0] = 0;
    out->Stop(kAudioMusicBase);
    Run(1);
    EXPECT_FALSE(Music(0).playing);
    Players.music_volume[0] = 0.5f;
    Run(0.1f);
    EXPECT_TRUE(Music(0).playing);
}

TEST_F(SoundTest, NewPackSwapsAmbiencePairsAndFadesOldOut) {
    Ambience_StartMenu();
    Sound_Debug d = Sound_GetDebug();
    EXPECT_EQ(d.amb_cur0, 2);
    EXPECT_TRUE(Amb(2).playing);
    Run(1); // the very first ambience fades in at 0.05 per second
    EXPECT_NEAR(Amb(2).volume, 0.05f * 0.5f, 1e-4f);
    Run(20);
    EXPECT_FLOAT_EQ(Amb(2).volume, 0.5f);

    Ambience_StartLevel(1); // rain with wind; the menu wind becomes the old pair
    d = Sound_GetDebug();
    EXPECT_EQ(d.amb_cur0, 0);
    EXPECT_EQ(d.amb_old0, 2);
    EXPECT_EQ(Amb(0).buffer, d.ambience_buffer[2]);
    EXPECT_EQ(Amb(1).buffer, d.ambience_buffer[3]);
    WeatherSoundFactor = 0.5f;
    Run(0.1f);
    EXPECT_FLOAT_EQ(Amb(0).volume, 0.5f * 0.5f); // later ambiences are at full level at once
    EXPECT_FLOAT_EQ(Amb(1).volume, 0.5f);        // the secondary ignores the weather
    Run(4.9f);                                   // old pair: 0.1 per second
    EXPECT_TRUE(!Amb(2).playing || Amb(2).volume < 0.001f);
    EXPECT_NEAR(Sound_GetDebug().amb_old_volume, 0.0f, 1e-4f);
    Run(1);
    EXPECT_EQ(Amb(2).volume, 0.0f);

    Ambience_StartLevel(1); // same pack: nothing changes
    EXPECT_EQ(Sound_GetDebug().amb_cur0, 0);
    EXPECT_EQ(Amb(0).buffer, d.ambience_buffer[2]);
}

TEST_F(SoundTest, MenuMusicRepeatsAsSecondaryWithPauses) {
    Music_Load(0, 1);
    Ambience_StartLevel(4);
    const int second = Sound_GetDebug().amb_cur1;
    ASSERT_TRUE(Amb(second).playing);
    EXPECT_EQ(Amb(second).buffer, Sound_GetDebug().music_buffer[0]);
    float len = out->Buffer_Seconds(Amb(second).buffer);
    Run(len + 0.1f);
    EXPECT_FALSE(Amb(second).playing); // a pause of 3 to 6 s follows
    Run(2.5f);
    EXPECT_FALSE(Amb(second).playing);
    Run(3.6f);
    EXPECT_TRUE(Amb(second).playing);
}

TEST_F(SoundTest, MuteSilencesMusicAndAmbienceUntilTheNextUpdate) {
    Music_Load(0, 1);
    Music_Play(0);
    Ambience_StartMenu();
    Run(30);
    Audio_Mute();
    EXPECT_EQ(Music(0).volume, 0.0f);
    EXPECT_EQ(Amb(2).volume, 0.0f);
    Run(0.1f);
    EXPECT_FLOAT_EQ(Music(0).volume, 0.9f);
    EXPECT_FLOAT_EQ(Amb(2).volume, 0.5f);
}

TEST(SoundDecodeTest, DamagedFilesDecodeToFalse) {
    std::ifstream in(std::string(ORBIVALE_FIXTURES) + "/sound_tone.ogg", std::ios::binary);
    std::vector<uint8_t> ogg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(ogg.size(), 1000u);
    Sound_Pcm pcm;
    ASSERT_TRUE(Sound_Decode(ogg.data(), ogg.size(), "tone", pcm));
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_NEAR(pcm.Seconds(), 0.3f, 0.01f);

    std::vector<uint8_t> flipped = ogg;
    for (size_t i = ogg.size() / 3; i < ogg.size() / 3 + 300; ++i)
        flipped[i] ^= 0x5A;
    std::vector<uint8_t> wav = Wav(0.1f), long_chunk = wav, no_channels = wav;
    long_chunk[40] = 0xFF; // data chunk claims more than the file holds
    no_channels[22] = 0;
    std::vector<uint8_t> junk(500);
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<uint8_t>(i * 37 + 11);
    std::vector<std::pair<const char*, std::vector<uint8_t>>> bad = {
        {"cut ogg", std::vector<uint8_t>(ogg.begin(), ogg.begin() + ogg.size() * 2 / 3)},
        {"flipped ogg", flipped},
        {"ogg header only", std::vector<uint8_t>(ogg.begin(), ogg.begin() + 60)},
        {"long chunk", long_chunk},
        {"no channels", no_channels},
        {"cut wav", std::vector<uint8_t>(wav.begin(), wav.begin() + 30)},
        {"junk", junk},
    };
    Log_SetQuiet(true);
    for (auto& [what, bytes] : bad)
        EXPECT_FALSE(Sound_Decode(bytes.data(), bytes.size(), what, pcm)) << what;
    Log_SetQuiet(false);
    EXPECT_TRUE(Sound_Decode(wav.data(), wav.size(), "wav", pcm));
}
