#include <gtest/gtest.h>
#include <vector>
#include "tests/chain_test_support.h"

namespace {
std::vector<GObj*> g_drawn;
void Record(GObj* o) {
    g_drawn.push_back(o);
}

class ZListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        g_drawn.clear();
        for (auto& fn : GObj_Draw_Table)
            fn = Record;
    }
    void TearDown() override {
        for (auto& fn : GObj_Draw_Table)
            fn = nullptr;
    }
    int Order(GObj* o) const {
        for (size_t i = 0; i < g_drawn.size(); ++i)
            if (g_drawn[i] == o) return static_cast<int>(i);
        return -1;
    }
};
} // namespace

TEST_F(ZListTest, SetZClampsToTheLayerRangeAndEmptiesTheOldLayer) {
    Piece* pc = Piece::Create(PC_RED, 10, 10, 8, 2);
    EXPECT_EQ(ZList.first[8], pc);
    pc->Set_Z(40, 0, nullptr);
    EXPECT_EQ(pc->z, 31);
    EXPECT_EQ(ZList.first[8], nullptr);
    EXPECT_EQ(ZList.last[8], nullptr);
    pc->Set_Z(-3, 0, nullptr);
    EXPECT_EQ(pc->z, 0);
    EXPECT_EQ(ZList.first[0], pc);
    EXPECT_EQ(ZList.last[0], pc);
}

TEST_F(ZListTest, LowerLayersAndLaterFrontInsertsAreDrawnOnTop) {
    GElem e1, e2;
    e1.z = e2.z = 16;
    e1.Insert_ZList_First();
    e2.Insert_ZList_First();
    Piece* under = Piece::Create(PC_RED, 0, 0, 18, 2);
    Piece* over = Piece::Create(PC_BLUE, 0, 0, 8, 2);
    ZList_Draw();
    EXPECT_LT(Order(under), Order(&e1));
    EXPECT_LT(Order(&e1), Order(&e2));
    EXPECT_LT(Order(&e2), Order(over));
    e1.Remove_From_ZList();
    e2.Remove_From_ZList();
}

TEST_F(ZListTest, PearlDivesUnderABridgeAndComesOutAgain) {
    // Points 1 and 2 switch the layer to 18 and back to 8; the bridge element sits in 16.
    ASSERT_EQ(
        Parse_Text("PATH PT COORD=0,300,8 BZ2=33,300 SPD=100 ENDPT PT COORD=100,300,18 BZ1=66,300 "
                   "BZ2=133,300 ENDPT PT COORD=200,300,8 BZ1=166,300 BZ2=233,300 ENDPT PT COORD=300,300,8 "
                   "BZ1=266,300 ENDPT BURST BALLS=3 ENDBURST ENDPATH\r\n\r\n"),
        1);
    GElem bridge;
    bridge.z = 16;
    bridge.Insert_ZList_First();
    Piece* a = Add_Pearl(PC_RED, 90);
    Piece* b = Add_Pearl(PC_RED, 62);
    a->Move_OnPathBzSmpl_Pushed(20); // passes point 1
    EXPECT_EQ(a->z, 18);
    b->Move_OnPathBzSmpl_Pushed(48); // follows into layer 18, right after the pearl ahead
    EXPECT_EQ(b->z, 18);
    EXPECT_EQ(a->z_next, b);
    ZList_Draw();
    EXPECT_LT(Order(a), Order(&bridge));
    a->Move_OnPathBzSmpl_Pushed(100); // passes point 2 back to layer 8
    EXPECT_EQ(a->z, 8);
    g_drawn.clear();
    ZList_Draw();
    EXPECT_GT(Order(a), Order(&bridge));
    a->Move_OnPathBzSmpl_FallingBack(100); // backward across point 2: layer of segment 1 again
    EXPECT_EQ(a->z, 18);
    bridge.Remove_From_ZList();
}
