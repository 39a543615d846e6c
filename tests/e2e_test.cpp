// End-to-end runs of the game binary: exit codes, screenshot, the start-up log line.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {
// A folder of the running test's own: ctest runs the tests of this file in parallel
// processes, and a shared log or save folder made them read each other's output.
std::string Temp_Dir() {
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string dir = ::testing::TempDir() + "orbivale_e2e_" + (t ? t->name() : "none");
    std::system(("mkdir -p " + dir).c_str());
    return dir;
}

// Runs the game with args; returns its exit code and stores its standard output.
int Run_Game(const std::string& args, std::string* out = nullptr, const std::string& env = "") {
    std::string log = Temp_Dir() + "/stdout.txt";
    std::string cmd = env + " " + std::string(ORBIVALE_GAME_EXE) + " " + args + " >" + log + " 2>&1";
    int status = std::system(cmd.c_str());
    if (out) {
        std::ifstream in(log, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        *out = ss.str();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Distinct colours in a PNG file (0 when it can't be read).
size_t Png_Colours(const std::string& file, int& w, int& h) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, file.c_str())) return 0;
    img.format = PNG_FORMAT_RGBA;
    std::string buf(PNG_IMAGE_SIZE(img), '\0');
    if (!png_image_finish_read(&img, nullptr, buf.data(), 0, nullptr)) return 0;
    w = static_cast<int>(img.width);
    h = static_cast<int>(img.height);
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 3 < buf.size(); i += 4 * 97) {
        uint32_t c;
        std::memcpy(&c, buf.data() + i, 4);
        colours.insert(c);
    }
    return colours.size();
}
}  // namespace

TEST(EndToEndTest, HeadlessRunWritesANonBlankScreenshotAndExitsZero) {
    std::string shot = Temp_Dir() + "/out.png";
    std::remove(shot.c_str());
    std::string out;
    ASSERT_EQ(Run_Game("--headless --frames 120 --save-dir " + Temp_Dir() + " --screenshot " + shot, &out), 0)
        << out;
    int w = 0, h = 0;
    EXPECT_GT(Png_Colours(shot, w, h), 4u);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    EXPECT_NE(out.find("OS platform: Linux version:"), std::string::npos);
    EXPECT_NE(out.find("\r\n"), std::string::npos);
}

TEST(EndToEndTest, UnknownOptionPrintsUsageAndExitsTwo) {
    std::string out;
    EXPECT_EQ(Run_Game("--no-such-option", &out), 2);
    EXPECT_NE(out.find("usage:"), std::string::npos);
}

TEST(EndToEndTest, WithoutADisplayTheWindowedGameExitsOneWithTheScreenMessage) {
    std::string out;
    EXPECT_EQ(Run_Game("--frames 1 --save-dir " + Temp_Dir() + " --windowed", &out,
                       "env -u DISPLAY -u WAYLAND_DISPLAY"),
              1);
    EXPECT_NE(out.find("Sorry, can't initialize screen device, check your video card drivers"),
              std::string::npos);
}
