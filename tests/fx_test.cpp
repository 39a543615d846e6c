// Effect objects: what each behaviour kind does over time, the two kinds that remove their
// target pearl, and the pool limit.
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include "chain_test_support.h"
#include "fx/fx_recipes.h"
#include "fx/gfx_obj.h"
#include "log_capture.h"

namespace {
// One in-game frame of the effects: the update, then the three layer passes.
void Step(int n = 1) {
    for (int i = 0; i < n; ++i) {
        FX_Update();
        FX_DrawLayer(FX_LAYER_LOW);
        FX_DrawLayer(FX_LAYER_MID);
        FX_DrawLayer(FX_LAYER_TOP);
    }
}

struct Kind_Case {
    const char* what;
    std::function<void(Gfx_Obj*)> setup; // the object starts at (100, 100), delay 0
    int kind, layer, steps;              // 16 ms frames before the check
    float x, y, alpha, img_id, scale;    // expected after `steps` frames
    int ends_at;                         // the frame in which it ends
};

class FxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        Log_Capture_Start();
        FX_Clear();
        InstFps = AvgFps = 0; // no frame-rate extras (sub-sparks)
    }
    void TearDown() override {
        FX_Clear();
        Log_Capture_Stop();
    }
};

TEST_F(FxTest, EachKindMovesFadesAnimatesAndEndsOnTime) {
    // The objects carry no image: ageing and ending do not depend on having one.
    const Kind_Case cases[] = {
        {"explosion: steps per frame, fades, ends with its strip",
         [](Gfx_Obj* o) {
             o->alpha = 0.8f, o->img_count = 13, o->anim_period = o->anim_timer = 10, o->step_x = 1,
             o->step_y = 2;
         },
         0, FX_LAYER_MID, 5, 105, 110, 0.736f, 5, 1.064f, 13},
        {"sub-spark: velocity per second, looping strip, ends below alpha 0",
         [](Gfx_Obj* o) {
             o->step_x = 50, o->step_y = -25, o->Fadeout = -0.001f, o->img_count = 32;
             o->anim_period = o->anim_timer = 10;
         },
         3, FX_LAYER_LOW, 10, 108, 96, 0.84f, 10, 1, 63},
        {"glide: decelerates along its heading, fades per second",
         [](Gfx_Obj* o) { o->move_angle = 0, o->move_speed = 100, o->move_accel = 50, o->Fadeout = -2; }, 6,
         FX_LAYER_LOW, 10, 115.296f, 100, 0.68f, 0, 1, 32},
        {"floating text: glides down and ends in the update",
         [](Gfx_Obj* o) { o->move_angle = 90, o->move_speed = 100, o->Fadeout = -1, o->str = "combo"; }, 16,
         FX_LAYER_MID, 10, 100, 116, 0.84f, 0, 1, 63},
        {"frost wave: grows 30 per second past 6.5, then fades out",
         [](Gfx_Obj* o) {
             o->alpha = 0.2f, o->Fadein = 0.001f, o->Fadeout = -0.00012f, o->Scale_speed = -30;
         },
         9, FX_LAYER_LOW, 10, 100, 100, 0.36f, 0, 5.8f, 217},
        {"a delay of 300 ms counts down in all three passes: still after 7 frames",
         [](Gfx_Obj* o) { o->delay_start = 300, o->step_x = 100, o->Fadeout = -0.001f; }, 3, FX_LAYER_LOW, 7,
         100, 100, 1, 0, 1, 70},
    };
    for (const Kind_Case& c : cases) {
        SCOPED_TRACE(c.what);
        FX_Clear();
        Gfx_Obj* o = FX_New(c.kind, 100, 100, 0, c.layer);
        ASSERT_NE(o, nullptr);
        c.setup(o);
        Step(c.steps);
        EXPECT_NEAR(o->x, c.x, 1e-3);
        EXPECT_NEAR(o->y, c.y, 1e-3);
        EXPECT_NEAR(o->alpha, c.alpha, 1e-4);
        EXPECT_FLOAT_EQ(o->img_id, c.img_id);
        EXPECT_NEAR(o->Scale_x, c.scale, 1e-4);
        Step(c.ends_at - 1 - c.steps);
        EXPECT_TRUE(o->alive) << "ended before frame " << c.ends_at;
        Step();
        EXPECT_FALSE(o->alive) << "still there after frame " << c.ends_at;
        EXPECT_EQ(FX_Count(), 0);
    }
}

struct Remover_Case {
    const char* what;
    int kind, data1;
};
const Remover_Case kRemovers[] = {
    {"hammer smash, destroying", 10, 0}, {"hammer smash, as a match removal", 10, 1}, {"star burst", 12, 0}};

Gfx_Obj* Remover(const Remover_Case& c, Piece* target) {
    Gfx_Obj* o = FX_New(c.kind, target->x + 200, target->y, 0, FX_LAYER_MID);
    o->pc = target;
    o->pc_id = target->id;
    o->data1 = c.data1;
    o->img_count = 19;
    o->anim_period = o->anim_timer = 50;
    o->alpha = 0.5f, o->Fadein = 0.01f, o->Fadeout = -0.01f;
    o->Scale_x = o->Scale_y = 2.5f, o->Scale_speed = 2;
    return o;
}

TEST_F(FxTest, SmashAndStarBurstRemoveTheirTargetOnceAtTheEndOfTheirAnimation) {
    for (const Remover_Case& c : kRemovers) {
        SCOPED_TRACE(c.what);
        Chain_Test_Reset();
        FX_Clear();
        ASSERT_EQ(Parse_Text(Straight_Track(800, 0)), 1);
        Piece* target = Add_Pearl(PC_BLUE, 300);
        Add_Pearl(PC_RED, 272);
        int id = target->id;
        Gfx_Obj* o = Remover(c, target);
        Step(30);
        EXPECT_EQ(Id_To_Pc(id), target) << "removed before its last frame";
        EXPECT_LT(std::fabs(o->x - target->x), 50) << "it follows its target";
        int frames = 30;
        while (o->alive && frames < 400) {
            Step();
            ++frames;
        }
        EXPECT_FALSE(o->alive);
        EXPECT_EQ(Id_To_Pc(id), nullptr);
        EXPECT_EQ(Pieces.list_count, 1) << "exactly one pearl removed";
    }
}

TEST_F(FxTest, ATargetGoneBeforeTheEndIsLeftAloneAndLoggedOnce) {
    for (const Remover_Case& c : kRemovers) {
        SCOPED_TRACE(c.what);
        Chain_Test_Reset();
        FX_Clear();
        g_log.clear();
        ASSERT_EQ(Parse_Text(Straight_Track(800, 0)), 1);
        Piece* target = Add_Pearl(PC_BLUE, 300);
        Gfx_Obj* a = Remover(c, target);
        Gfx_Obj* b = Remover(c, target);
        Step(5);
        target->Destroy(0, target->color, 0, 0);
        // A new pearl may take the freed pool slot: it is not the effects' target.
        Piece* newcomer = Add_Pearl(PC_GREEN, 300);
        int id = newcomer->id;
        for (int i = 0; i < 400 && (a->alive || b->alive); ++i)
            Step();
        EXPECT_FALSE(a->alive);
        EXPECT_FALSE(b->alive);
        EXPECT_EQ(Id_To_Pc(id), newcomer);
        EXPECT_EQ(Pieces.list_count, 1);
        int lines = 0;
        for (const std::string& l : g_log)
            lines += l.find("target pearl already removed") != std::string::npos;
        EXPECT_EQ(lines, 1);
    }
}

TEST_F(FxTest, AFullPoolRefusesNewObjectsWithOneLogLineAndClearingFreesIt) {
    int made = 0;
    while (FX_New(3, 0, 0, 0, FX_LAYER_LOW))
        ++made;
    EXPECT_EQ(made, FX_POOL_MAX);
    EXPECT_EQ(FX_New(3, 0, 0, 0, FX_LAYER_LOW), nullptr);
    fx::FX_TextPopup("combo", 6, 100, 100, 0, 10); // recipes meeting the full pool make nothing
    EXPECT_EQ(FX_Count(), FX_POOL_MAX);
    int lines = 0;
    for (const std::string& l : g_log)
        lines += l.find("full") != std::string::npos;
    EXPECT_EQ(lines, 1);
    Step();
    FX_Clear();
    EXPECT_EQ(FX_Count(), 0);
    EXPECT_NE(FX_New(3, 0, 0, 0, FX_LAYER_LOW), nullptr);
}
} // namespace
