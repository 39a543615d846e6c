#include <gtest/gtest.h>
#include "tests/log_capture.h"
#include <string>
#include <vector>
#include "content/text_int.h"
#include "engine/gfx.h"
#include "shell/resource.h"
#include "tests/chain_test_support.h"

namespace {

class PathFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        Log_Capture_Start();
    }
    void TearDown() override { Log_Capture_Stop(); }
    bool Logged(const std::string& part) const {
        for (const auto& l : g_log)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
};

const char* kTwoPoints = "PT: COORD=0,0,8 BZ2=10,0 ENDPT PT: COORD=100,0,8 BZ1=90,0 ENDPT ";

std::string Track(const std::string& body) {
    return "PATH:\r\n" + body + "\r\nENDPATH\r\n\r\n";
}
} // namespace

TEST(PathNumberTest, ReadsLeadingDigitsInThreeBases) {
    struct Case {
        const char* text;
        int want;
    } cases[] = {{"400", 400},
                 {"-54", -54},
                 {"+7", 7},
                 {"$1f", 31},
                 {"$FF", 255},
                 {"%101", 5},
                 {"10s", 10},
                 {"3S5000", 3},
                 {"abc", 0},
                 {"\t12", 12},
                 {"%102", 2},
                 {"", 0},
                 {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(Text_ToInt(c.text, std::string(c.text).size()), c.want) << c.text;
}

TEST(PathTokenTest, TokenNeedsASeparatorAndOneMoreCharacter) {
    std::string s = "PT: COORD=1 ,2";
    Path_Token t = Token_Next(s.data(), s.size(), 0);
    EXPECT_EQ(s.substr(t.start, t.len), "PT");
    t = Token_Next(s.data(), s.size(), t.start + t.len);
    EXPECT_EQ(s.substr(t.start, t.len), "COORD");
    t = Token_Next(s.data(), s.size(), t.start + t.len);
    EXPECT_EQ(s.substr(t.start, t.len), "1");
    EXPECT_EQ(Token_Next(s.data(), s.size(), t.start + t.len).len, 0u); // "2" has no separator after it
    std::string end = "ENDPATH\n";
    EXPECT_EQ(Token_Next(end.data(), end.size(), 0).len, 0u); // separator is the last character
}

TEST_F(PathFileTest, PointIsReadAndMirrored) {
    const std::string text = Track(
        "PT: COORD=209,-54,8 BZ1=0,0 BZ2=189,41 SPD=400 ENDPT\r\nPT: COORD=301,170 ,8 BZ1=250,100 ENDPT\r\n"
        "BURST: BALLS=5 ENDBURST");
    for (int mirror : {0, MIRROR_X}) {
        Chain_Test_Reset();
        ASSERT_EQ(Parse_Text(text, mirror), 1);
        const PPoint& p = Paths.pool[0].pts[0];
        EXPECT_EQ(p.x, mirror ? 591 : 209);
        EXPECT_EQ(p.y, -54);
        EXPECT_EQ(p.z, 8);
        EXPECT_EQ(p.bz2_x, mirror ? 611 : 189);
        EXPECT_EQ(p.bz2_y, 41);
        EXPECT_EQ(p.speed, 400);
        const PPoint& q = Paths.pool[0].pts[1]; // space before the comma
        EXPECT_EQ(q.x, mirror ? 499 : 301);
        EXPECT_EQ(q.y, 170);
        EXPECT_EQ(q.z, 8);
        EXPECT_EQ(q.speed, 400); // SPD persists
    }
    Chain_Test_Reset();
    ASSERT_EQ(Parse_Text(text, MIRROR_Y), 1);
    EXPECT_EQ(Paths.pool[0].pts[0].y, 654);
    EXPECT_EQ(Paths.pool[0].pts[0].bz2_y, 559);
}

TEST_F(PathFileTest, BurstValuesPersistExceptDelayAndMinPieces) {
    ASSERT_EQ(Parse_Text(Track(std::string(kTwoPoints) +
                               "BURST: BALLS=21 DELAY=8000 MIN_PIECES=5 ENDBURST BURST: BALLS=16 DELAY=30000 "
                               "ENDBURST BURST: DELAY=3S5000 ENDBURST")),
              1);
    const Path& p = Paths.pool[0];
    ASSERT_EQ(p.bursts_count, 3);
    EXPECT_EQ(p.bursts[0].delay_pc, 5);
    EXPECT_EQ(p.bursts[1].pieces_count, 16);
    EXPECT_EQ(p.bursts[1].delay_pc, 0);
    EXPECT_EQ(p.bursts[2].pieces_count, 16); // BALLS keeps its last value
    EXPECT_EQ(p.bursts[2].delay_after, 3);
    EXPECT_EQ(p.burst_crt, 0);
    EXPECT_EQ(p.burst_pieces_left, 21);
}

TEST_F(PathFileTest, MarksDefaultFromTheEndOrFollowTheMarkedPoint) {
    std::string ten;
    for (int i = 0; i < 10; ++i)
        ten += "PT COORD=" + std::to_string(i * 50) + ",10,8 ENDPT ";
    ten += "BURST BALLS=3 ENDBURST";
    ASSERT_EQ(Parse_Text(Track(ten)), 1);
    EXPECT_EQ(Paths.pool[0].pt_end_zone, 4);
    EXPECT_EQ(Paths.pool[0].alarm_pt, 7);
    Chain_Test_Reset();
    ASSERT_EQ(
        Parse_Text(Track("PT COORD=0,0,8 ENDPT PT COORD=10,0,8 END_ZONE ENDPT PT COORD=20,0,8 ALARM ENDPT "
                         "PT COORD=30,0,8 ENDPT BURST BALLS=3 ENDBURST")),
        1);
    EXPECT_EQ(Paths.pool[0].pt_end_zone, 1);
    EXPECT_EQ(Paths.pool[0].alarm_pt, 2);
}

TEST_F(PathFileTest, BrokenTracksAreDroppedWithALogLine) {
    struct Case {
        std::string text;
        const char* log;
    } cases[] = {
        {Track("PT COORD=0,0,8 ENDPT BURST BALLS=3 ENDBURST"), "fewer than two points"},
        {Track(kTwoPoints), "no BURST"},
        {"PATH " + std::string(kTwoPoints) + "BURST BALLS=3 ENDBURST\r\n\r\n", "no ENDPATH"},
        {"PATH " + std::string(kTwoPoints) + "BURST BALLS=3 ENDBURST ENDPATH",
         "no ENDPATH"}, // nothing after it
    };
    for (const Case& c : cases) {
        Chain_Test_Reset();
        g_log.clear();
        EXPECT_EQ(Parse_Text(c.text), 0) << c.log;
        EXPECT_EQ(Paths.count, 0);
        EXPECT_TRUE(Logged(c.log)) << c.log;
    }
}

TEST_F(PathFileTest, SeventeenthTrackIsIgnoredAndTheOthersRun) {
    std::string text;
    for (int i = 0; i < 17; ++i)
        text += Track(std::string(kTwoPoints) + "BURST BALLS=3 ENDBURST");
    EXPECT_EQ(Parse_Text(text), 16);
    EXPECT_EQ(Paths.count, 16);
    EXPECT_TRUE(Logged("more than 16 tracks"));
}

TEST_F(PathFileTest, MissingFileLogsItsName) {
    EXPECT_FALSE(Path_File_Parse("/nonexistent/path_001.txt", Path_File_Context{}));
    EXPECT_TRUE(Logged("Failed opening path file: /nonexistent/path_001.txt"));
    EXPECT_EQ(Paths.count, 0);
}

TEST_F(PathFileTest, BoardElementsAreMovedWhenMirroredAndLinkedIntoTheirLayer) {
    static TImage img;
    img.width = 100;
    img.height = 50;
    static std::vector<std::string> asked;
    asked.clear();
    Chain_Hooks.Load_Elem_Image = [](const std::string& path, int) -> TImage* {
        asked.push_back(path);
        return &img;
    };
    BoardId = 4;
    Path_File_Context ctx;
    ctx.mirror = MIRROR_X | MIRROR_Y;
    ctx.board_id = 4;
    ctx.pack_folder = "Neutral";
    std::string text = Track(std::string(kTwoPoints) +
                             "BURST BALLS=3 ENDBURST GRAPHIC_ELEM: COORD=120,200,16 IMG_FILE=1 ENDGE "
                             "GRAPHIC_ELEM: IMG_FILE=12 ENDGE");
    ASSERT_EQ(Path_File_Parse_Text(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "t", ctx), 1);
    const Path& p = Paths.pool[0];
    ASSERT_EQ(p.GElems_Count, 2);
    EXPECT_EQ(p.GElems[0].x, 800 - 120 - 100);
    EXPECT_EQ(p.GElems[0].y, 600 - 200 - 50);
    EXPECT_EQ(p.GElems[1].z, 16);             // the element's COORD persists
    EXPECT_EQ(ZList.first[16], &p.GElems[1]); // the later one is drawn on top
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], Asset_Path(".\\Images\\Boards\\Neutral\\board_04\\board_04_elem_01.png"));
    EXPECT_EQ(asked[1], Asset_Path(".\\Images\\Boards\\Neutral\\board_04\\board_04_elem_12.png"));
    ZList_Clear();
}

TEST_F(PathFileTest, HugeAndNegativeNumbersLoadAndRunWithoutHarm) {
    ASSERT_EQ(Parse_Text(Track("PT COORD=5,5,500 BZ1=5,5 BZ2=5,5 SPD=-300 ENDPT PT COORD=5,5,-4 SPD=99999999 "
                               "ENDPT PT COORD=99999999999,-99999999999,8 BZ1=$7FFFFFFF,-5 ENDPT "
                               "BURST BALLS=-3 DELAY=-100 MIN_PIECES=-2 ENDBURST")),
              1);
    const Path& p = Paths.pool[0];
    EXPECT_EQ(p.pts[0].z, 31);
    EXPECT_EQ(p.pts[1].z, 0);
    EXPECT_EQ(p.pts[0].speed, 0);
    EXPECT_EQ(p.bursts[0].pieces_count, 1);
    EXPECT_EQ(p.Seg_Length(0), 0.0); // a zero-length segment
    EXPECT_EQ(p.pts[2].x, 100000);
    for (int i = 0; i < 300; ++i)
        Chain_Sim_Frame();
    SUCCEED();
}
