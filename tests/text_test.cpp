// Word wrapping, font fitting and time formatting. Wrapping uses the built-in font (advance
// 6, line height 10); fitting uses the twenty fonts made from the embedded TrueType files.
#include <gtest/gtest.h>
#include "tests/log_capture.h"
#include <vector>
#include "content/embedded.h"
#include "engine/gfx.h"
#include "shell/fonts.h"
#include "shell/log.h"
#include "shell/resource.h"
#include "shell/texts.h"

namespace {
} // namespace

TEST(TextWrapTest, HeightsAndWidthsFollowTheWrapRules) {
    struct Case {
        const char* text;
        int width, height, max_width;
    } cases[] = {
        {"", 100, 0, 0},                  // nothing at all
        {"A", 100, 0, 0},                 // one character: the last line is not emitted
        {"ab\r\n", 100, 20, 12},          // a trailing line break adds an empty line
        {"aaaa bbbb", 40, 20, 30},        // the second word moves to the next line
        {"abcdefghijklmnop", 40, 30, 36}, // a word too wide is broken at the width
        {"xyz", 3, 40, 6},                // even a single character wider than the width ends
    };
    Fonts_Reset();
    for (const Case& c : cases) {
        Font_Select(0);
        EXPECT_EQ(Text_Wrap(c.text, 0, 0, c.width, 1, 0), c.height) << c.text;
        EXPECT_EQ(WrapHeight, c.height) << c.text;
        EXPECT_EQ(WrapMaxWidth, c.max_width) << c.text;
    }
}

TEST(FontFitTest, StepsDownThroughTheFamilyFromFontNine) {
    Resource_Clear();
    Content_RegisterEmbedded();
    Fonts_LoadAll();
    const int order[] = {9, 18, 8, 17, 7, 19, 6, 16, 5, 4, 3, 2, 1, 0};
    const std::string text = "Warning!";
    std::vector<int> heights;
    for (int f : order) {
        ASSERT_NE(Fonts[f].img, nullptr) << "font " << f;
        Font_Select(f);
        heights.push_back(Text_Wrap(text, 0, 0, 10000, 1, 0));
        if (heights.size() > 1) {
            ASSERT_LT(heights.back(), heights[heights.size() - 2]) << "font " << f;
        }
    }
    for (size_t k = 0; k < heights.size(); ++k) {
        EXPECT_EQ(Font_Fit(text, 9, 10000, heights[k]), order[k]);
        EXPECT_EQ(Font_Current(), order[k]);
    }
    Log_Capture_Start();
    EXPECT_EQ(Font_Fit(text, 9, 10000, 1), 0);
    Log_Capture_Stop();
    EXPECT_EQ(g_log, std::vector<std::string>{"no font is small enough"});
    EXPECT_EQ(Font_Fit(text, 13, 10000, 1), 10); // the other family stays in its own sizes
    Fonts_Reset();
    Resource_Clear();
}

TEST(TimeFormatTest, MinutesAndSecondsWithHoursInFront) {
    const std::pair<int, const char*> cases[] = {{0, "00:00"},      {5, "00:05"},      {75, "01:15"},
                                                 {3600, "1:00:00"}, {3675, "1:01:15"}, {-3, "00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(Time_Format(c.first), c.second) << c.first;
}

TEST(TextTableTest, InitFillsTheNamedTextsAndLeavesGapsEmpty) {
    Texts_Init();
    EXPECT_EQ(TxtScore, "score: ");
    EXPECT_EQ(TxtMainMenu[2], "User: ");
    EXPECT_EQ(TxtButtons[10], "don't show this again");
    EXPECT_EQ(TxtMessages[6], "");
    EXPECT_EQ(TxtTitles[9].size(), 210u); // the victory text keeps its runs of blanks
    EXPECT_EQ(TxtModifiers[6], "");
}
