// Weather: the pool stays bounded whatever the strength, the wind stays in its range, the
// pointer stirs snow and rain, each pack sets its sound factor, and the weather keeps moving
// while the level is paused.
#include <gtest/gtest.h>
#include <cmath>
#include "engine/sound.h"
#include "fx/weather.h"
#include "harness.h"
#include "log_capture.h"
#include "play/level_state.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
class WeatherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Log_Capture_Start();
        Rand_Seed(77);
        FrameTime = 16;
        FrameDt = 0.016f;
        InstFps = AvgFps = 62;
        PtrX = PtrY = -5000;
        Weather_Init();
    }
    void TearDown() override { Log_Capture_Stop(); }
};

void Frames(int n) {
    for (int i = 0; i < n; ++i)
        Weather_Frame();
}

TEST_F(WeatherTest, EmittersKeepThePoolBoundedEvenWithHostileStrengths) {
    for (int pack = 0; pack <= 5; ++pack) {
        SCOPED_TRACE(pack);
        Weather_LevelStart(pack);
        Frames(2);
        // Out-of-range strengths and spacings, as a broken setting could leave them.
        Weather.FogIntensity = 1000;
        Weather.RainIntensity = -7;
        Weather.SnowIntensity = 1e9f;
        Weather.ParticleSpacing = Weather.RainSpacing = -3;
        Weather.EmitCountdown = Weather.RainCountdown = 0;
        Weather.SnowCountdown = 0;
        for (int i = 0; i < 900; ++i) {
            Weather_Frame();
            ASSERT_LE(Weather.ActiveCount, WEATHER_POOL_MAX);
            ASSERT_GE(Weather.ActiveCount, 0);
        }
    }
}

TEST_F(WeatherTest, AFullPoolDropsTheRequestAndCompacts) {
    Weather_LevelStart(2);
    for (int i = 0; i < WEATHER_POOL_MAX; ++i)
        Particle_CreateFall(400, 300, 1, 1, 90, 10, 0, 600, PART_SNOW);
    for (int i = 0; i < 100; ++i)
        Weather.slots[i * 7].state = 0;
    Particle_CreateFall(400, 300, 1, 1, 90, 10, 0, 600, PART_SNOW); // meets the full pool
    EXPECT_EQ(Weather.ActiveCount, WEATHER_POOL_MAX - 100);
    EXPECT_EQ(Weather_LivingCount(), WEATHER_POOL_MAX - 100);
    ASSERT_FALSE(g_log.empty());
    EXPECT_EQ(g_log.back().rfind("remaining parts 99 real part, ", 0), 0u) << g_log.back();
}

TEST_F(WeatherTest, TheWindTurnsAndGustsWithinItsRange) {
    float lo = 1e9f, hi = -1e9f;
    for (int i = 0; i < 60 * 60 * 10; ++i) { // ten minutes
        Wind_Update();
        const Weather_State& w = Weather;
        ASSERT_GE(w.WindStrength, -1e-3f);
        ASSERT_LE(w.WindStrength, 120.0f);
        ASSERT_GE(w.WindAngle, -15.0f);
        ASSERT_LE(w.WindAngle, 195.0f);
        ASSERT_NEAR(std::hypot(w.WindX, w.WindY), w.WindStrength, 1e-2f);
        lo = std::min(lo, w.WindStrength);
        hi = std::max(hi, w.WindStrength);
    }
    EXPECT_GT(hi - lo, 5.0f) << "the wind changes";
}

TEST_F(WeatherTest, SnowAndRainNearThePointerAreBlownAwayFromIt) {
    for (int kind : {PART_SNOW, PART_RAIN}) {
        SCOPED_TRACE(kind);
        Weather_LevelReset();
        PtrX = 400, PtrY = 300;
        Particle_CreateFall(420, 300, 1, 1, 90, 0, 0, 600, kind); // close to the pointer, downwind
        Particle_CreateFall(100, 300, 1, 1, 90, 0, 0, 600, kind); // far from it
        for (int i = 0; i < 2; ++i)
            Weather.slots[i].speed = 0;
        Weather.WindX = 30, Weather.WindY = 0;
        for (int f = 0; f < 20; ++f)
            Weather_DrawPass(0, 999);
        float near_moved = Weather.slots[0].x - 420, far_moved = Weather.slots[1].x - 100;
        EXPECT_GT(far_moved, 0.0f);
        EXPECT_GT(near_moved, 5 * far_moved);
        EXPECT_GT(std::hypot(Weather.slots[0].x - 400, Weather.slots[0].y - 300), 40.0f);
    }
}

TEST_F(WeatherTest, EachPackSetsTheAmbienceFactorOfItsWeather) {
    const float fog[] = {0.3f, 0.5f, 0.7f, 1.0f}, rain[] = {0.3f, 0.5f, 0.7f, 0.9f, 1.0f, 1.0f};
    for (int pack = 0; pack <= 4; ++pack) {
        for (int spell = 0; spell < 8; ++spell) {
            SCOPED_TRACE(::testing::Message() << "pack " << pack << " spell " << spell);
            WeatherSoundFactor = 0.123f;
            Weather_LevelStart(pack);
            Weather_Frame(); // the first frame starts a spell or shower
            if (pack == 1)
                EXPECT_FLOAT_EQ(WeatherSoundFactor, rain[Weather.RainIntensity]);
            else if (pack == 2)
                EXPECT_FLOAT_EQ(WeatherSoundFactor, 1.0f);
            else
                EXPECT_FLOAT_EQ(WeatherSoundFactor, fog[Weather.FogIntensity]);
        }
    }
}

TEST(WeatherPlayTest, TheWeatherKeepsMovingWhileTheLevelIsPaused) {
    Harness h(5);
    ASSERT_TRUE(h.booted);
    Weather.EmitCountdown = 0; // the first batch of the level is due at once
    h.StartLevel(1);
    h.Run(3);
    Paused = 1;
    h.Run(60);
    ASSERT_GT(Weather_LivingCount(), 0) << "the first fog of a level covers the screen";
    int slot = 0;
    while (Weather.slots[slot].state != 3)
        ++slot;
    float x = Weather.slots[slot].x;
    h.Run(30);
    EXPECT_EQ(Paused, 1);
    EXPECT_NE(Weather.slots[slot].x, x);
}
} // namespace
