// The content audit: every name of the manifest is embedded, decodes, and holds the frame
// layout its loader asks for; plus the exact-name rules of the catalogue and the
// --content-dir folder giving the same bytes.
#include <gtest/gtest.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include "content/embedded.h"
#include "content/manifest.h"
#include "engine/image_decode.h"
#include "engine/sound_decode.h"
#include "shell/app_state.h"
#include "shell/paths.h"
#include "shell/resource.h"

namespace {
class ContentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Resource_Clear();
        Content_RegisterEmbedded();
    }
    void TearDown() override { Resource_Clear(); }
};

// Why an image entry does not hold its layout, or "" when it does.
std::string Image_Problem(const Manifest_Entry& e, const Resource_Entry& r) {
    Decoded_Image img;
    if (!Image_Decode(r.bytes, r.size, e.name, img)) return "does not decode";
    if ((img.w / e.frame_w) * (img.h / e.frame_h) < e.frames) return "too small for its frames";
    if (e.frame_w == 800 && e.frame_h == 600 && (img.w != 800 || img.h != 600)) return "not 800 x 600";
    bool transparent = false;
    for (uint32_t p : img.pixels)
        transparent |= (p >> 24) < 255;
    if (e.alpha && !transparent) return "has no transparent pixel";
    if (!e.alpha && transparent) return "is not opaque";
    return "";
}

std::string Problem(const Manifest_Entry& e, const Resource_Entry& r) {
    if (r.size == 0) return "is empty";
    switch (e.kind) {
    case KIND_IMAGE:
        return Image_Problem(e, r);
    case KIND_SOUND: {
        Sound_Pcm pcm;
        if (!Sound_Decode(r.bytes, r.size, e.name, pcm)) return "does not decode";
        return pcm.samples.empty() ? "has no samples" : "";
    }
    case KIND_FONT: {
        FT_Library lib;
        FT_Face face;
        if (FT_Init_FreeType(&lib)) return "FreeType did not start";
        bool ok = FT_New_Memory_Face(lib, r.bytes, static_cast<FT_Long>(r.size), 0, &face) == 0;
        if (ok) FT_Done_Face(face);
        FT_Done_FreeType(lib);
        return ok ? "" : "is not a font";
    }
    case KIND_TEXT:
        return "";
    }
    return "unknown kind";
}
} // namespace

TEST_F(ContentTest, EveryManifestNameIsEmbeddedAndDecodesToItsLayout) {
    EXPECT_EQ(Resource_Count(), Manifest_All().size());
    for (const Manifest_Entry& e : Manifest_All()) {
        const Resource_Entry* r = Resource_Find(e.name);
        ASSERT_NE(r, nullptr) << e.name << " is not embedded";
        EXPECT_EQ(Problem(e, *r), "") << e.name;
    }
}

TEST_F(ContentTest, ManifestHoldsTheGameContentOnceEach) {
    int count[4] = {};
    for (const Manifest_Entry& e : Manifest_All())
        count[e.kind]++;
    EXPECT_EQ(count[KIND_TEXT], 296);
    EXPECT_EQ(count[KIND_FONT], 2);
    EXPECT_EQ(count[KIND_SOUND], 37);
    EXPECT_EQ(count[KIND_IMAGE], 282);
    for (const Manifest_Entry& e : Manifest_All())
        EXPECT_EQ(Manifest_Find(e.name), &e) << e.name;
}

TEST_F(ContentTest, NamesMatchExactlyWithSeparatorsAndLetterCase) {
    struct Case {
        const char* name;
        bool found;
    } cases[] = {
        {".\\images\\mainmenu\\mm_bg.bmp", true},
        {".\\Images\\mainmenu\\mm_bg.bmp", false},
        {"./images/pieces/00_blue.png", true},
        {".\\images\\pieces\\00_blue.png", false},
        {".\\Images\\Gun\\00.png", true},
        {".\\images\\Gun\\00.png", false},
        {".\\Images\\levelchoosemenu\\lcm_bg.jpg", true},
        {".\\Images\\LevelChooseMenu\\lcm_bg.jpg", false},
        {".\\Images\\GUI\\Dlgs\\Tutorial\\02.png", true},
        {".\\images\\GUI\\dlgs\\tutorial\\arrow.png", true},
        {".\\data\\packs\\Neutral\\level_001.txt", true},
        {".\\data\\packs\\Precious\\path_030.txt", true},
        {".\\data\\packs\\Precious\\path_031.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Resource_Find(c.name) != nullptr, c.found) << c.name;
}

TEST_F(ContentTest, IncbinStreamsReadInPlaceAndRefuseWriting) {
    const std::string name = ".\\fonts\\vinque.ttf";
    const Resource_Entry* e = Resource_Find(name);
    ASSERT_NE(e, nullptr);
    Resource_Stream s;
    ASSERT_TRUE(Stream_Open("incbin::" + name, s));
    EXPECT_EQ(s.data, e->bytes);
    EXPECT_EQ(s.size, e->size);
    EXPECT_FALSE(Stream_Open("incbin::" + name, s, true));
    EXPECT_FALSE(Stream_Open("incbin::.\\fonts\\missing.ttf", s));
}

TEST_F(ContentTest, FirstRegistrationOfANameWins) {
    static const uint8_t first[] = {1, 2, 3}, second[] = {9};
    Resource_Register(".\\test\\twice.bin", first, sizeof first);
    Resource_Register(".\\test\\twice.bin", second, sizeof second);
    const Resource_Entry* e = Resource_Find(".\\test\\twice.bin");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->bytes, first);
    EXPECT_EQ(e->size, sizeof first);
}

TEST_F(ContentTest, ContentFolderGivesTheEmbeddedBytes) {
    std::string saved_prefix = AssetPrefix, saved_dir = Paths_ContentDir();
    AssetPrefix = "";
    Paths_SetContentDir(ORBIVALE_CONTENT_DIR);
    for (const Manifest_Entry& e : Manifest_All()) {
        const Resource_Entry* r = Resource_Find(e.name);
        Resource_Stream s;
        ASSERT_TRUE(r && Stream_Open(Asset_Path(e.name), s)) << e.name;
        EXPECT_TRUE(s.size == r->size && std::equal(s.data, s.data + s.size, r->bytes)) << e.name;
    }
    AssetPrefix = saved_prefix;
    Paths_SetContentDir(saved_dir);
}
