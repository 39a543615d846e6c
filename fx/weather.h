// The weather over the board: light-weight particles in one fixed pool, emitted in batches by
// the controller of the level's pack (fog, rain, snow, fire fog with dark sparks, fire sparks),
// pushed by a slowly turning wind and, for snow and rain, stirred by the pointer. It runs in
// the in-game frame's draw phase, so it keeps moving while the level is paused. Positions are
// screen pixels, angles degrees (0 right, 90 down), speeds pixels per second.
#pragma once

struct TImage;
struct Background_Particle;

constexpr int WEATHER_POOL_MAX = 10000;
constexpr int WEATHER_LAYERS = 7; // LayerAngle entries; batches use layers 0..5

// Particle kinds.
enum {
    PART_SNOW = 0,
    PART_RAIN,
    PART_FOG,
    PART_FIRE_FOG,
    PART_DARK_SPARK,
    PART_DARK_SPARK_BRIGHT,
    PART_FIRE_SPARK
};

// The particle's update-and-draw step: moves it, ends it, and returns 1 when it is to be drawn.
using Particle_Fn = int (*)(Background_Particle* p);

struct Background_Particle {
    float x = 0, y = 0;
    float alpha = 0;
    float alpha_inc_speed = 0; // fading, alpha units per second
    float speed = 0;           // own speed
    float angle = 0;           // own direction
    float Rotation_speed = 0;  // degrees per second (drift particles)
    float Rotation_Angle = 0;
    TImage* img = nullptr;
    int img_slot = -1; // effect image table entry of img (groups the draws)
    float scale = 0;
    int state = 0; // 3 alive, 0 dead
    Particle_Fn Update_fn = nullptr;
    int Zorder = 0;       // layer 0..5: drawing pass and wind factor
    int FadeOutLevel = 0; // screen y beyond which it fades
    int Part_type = 0;
};

struct Weather_State {
    Background_Particle slots[WEATHER_POOL_MAX];
    int ActiveCount = 0;
    float sin_t[361] = {}, cos_t[361] = {};
    int LayerAngle[WEATHER_LAYERS] = {};
    int pack = 0; // pack of the running level: 1 rain, 2 snow, 3 fire, 4 sparks, others fog

    // Drift weather (fog, fire, sparks).
    int FogIntensity = 0;
    float ParticleSpacing = 1.0f;
    int DriftDirection = 0;
    int SpellTimer = 20000;
    float EmitCountdown = 0;
    int LevelStartBurst = 0;
    // Snow.
    int SnowTimer = 20000;
    float SnowIntensity = 0;
    int SnowCountdown = 0;
    // Rain.
    int RainTimer = 0;
    int RainIntensity = 0;
    int RainAngle = 0;
    float RainCountdown = 0;
    float RainSpacing = 1.0f;
    int LayerRefresh = 0;
    // Wind.
    int GustTimer = 0;
    int WindTarget = 0;
    float WindStrength = 0, WindRate = 0;
    float WindAngleTarget = 0, WindAngle = 0, WindTurnRate = 0;
    float WindX = 0, WindY = 0;

    int updates_this_frame = 0;        // particle updates run in the current frame
    bool compacted_this_frame = false; // a full pool is compacted at most once per frame
};
extern Weather_State Weather;

// Start-up: tables, the emptied pool, a random rain angle.
void Weather_Init();
// Level start: every slot emptied, the spell and shower timers run out; the level's pack is
// remembered and its first batch covers the screen.
void Weather_LevelReset();
void Weather_LevelStart(int pack);
// The in-game frame's weather step (also while paused): controller, the two drawing passes,
// the wind, the drawing state reset and the developer key Y.
void Weather_Frame();
// Drawing pass over the particles whose layer is in lo..hi.
void Weather_DrawPass(int lo, int hi);
// Packs the living particles to the front of the pool (ActiveCount = their number); a pool
// still full afterwards is abandoned and refilled from slot 0.
void Weather_Compact();
void Wind_Update();

// Particle creation; both drop the request (and compact the pool) when the pool is full.
void Particle_CreateFall(float x, float y, float alpha, float scale, float angle, float speed, int layer,
                         int fade_level, int kind);
void Particle_CreateDrift(float x, float y, float alpha, float scale, float angle, float speed, int layer,
                          int fade_level, float spin, int kind);
// Living particles in the pool.
int Weather_LivingCount();

// The controllers of the packs and their emitters (weather_emit.cpp).
void Weather_FogController();
void Weather_FireController(bool sparks);
void Weather_SnowController();
void Weather_RainController();
// Developer key Y: the next fog intensity 0..5 with its spacing and sound factor.
void Weather_NextFogIntensity();
