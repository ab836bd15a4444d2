// Every picture of the manifest is written, decodes, holds its frames, and the
// generator gives the same bytes on every run.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "gfx_test_util.h"

namespace {

class GfxOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new std::filesystem::path(gfxtest::temp_dir("all"));
        failures_ = gfx::generate_all(dir_->string());
    }
    static void TearDownTestSuite() {
        std::filesystem::remove_all(*dir_);
        delete dir_;
    }
    static std::string file(const gfx_entry& e) { return (*dir_ / (e.path + 4)).string(); }
    static std::filesystem::path* dir_;
    static int failures_;
};
std::filesystem::path* GfxOutput::dir_ = nullptr;
int GfxOutput::failures_ = 0;

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GfxManifest, PathsAreUniqueXtcFilesUnderGfx) {
    std::set<std::string> seen;
    for (const gfx_entry& e : gfx_manifest) {
        std::string p = e.path;
        EXPECT_TRUE(seen.insert(p).second) << "duplicate " << p;
        EXPECT_EQ(p.rfind("gfx/", 0), 0u) << p;
        EXPECT_EQ(p.substr(p.size() - 4), ".xtc") << p;
        EXPECT_GT(e.cell_w, 0) << p;
        EXPECT_GT(e.cell_h, 0) << p;
        EXPECT_GE(e.frames, 1) << p;
        EXPECT_NE(gfx::find_generator(e.path), nullptr) << "no generator for " << p;
    }
    // the environment sets are complete: four pictures for each of the three sets
    for (int set = 0; set < 3; ++set) {
        int n = 0;
        for (const gfx_entry& e : gfx_manifest) n += e.env_set == set;
        EXPECT_EQ(n, 4) << "set " << set;
    }
    EXPECT_NE(gfx_find("gfx/hud/vorn/menu.xtc"), nullptr);
    EXPECT_NE(gfx_find("gfx/hud/Vorn/texts.xtc"), nullptr);
    EXPECT_EQ(gfx_find("gfx/hud/vorn/texts.xtc"), nullptr);  // the two folders differ in case
}

TEST_F(GfxOutput, EveryEntryIsWrittenDecodesAndHoldsItsCells) {
    EXPECT_EQ(failures_, 0);
    for (const gfx_entry& e : gfx_manifest) {
        gfxtest::image img = gfxtest::decode_png(file(e));
        ASSERT_TRUE(img.ok) << e.path;
        int cells = (img.w / e.cell_w) * (img.h / e.cell_h);
        EXPECT_GE(cells, e.frames) << e.path << " is " << img.w << "x" << img.h;
        if (e.frames == 1) {
            EXPECT_EQ(img.w, e.cell_w) << e.path;
            EXPECT_EQ(img.h, e.cell_h) << e.path;
        }
        bool drawn = false;
        for (std::size_t i = 3; i < img.rgba.size() && !drawn; i += 4) drawn = img.rgba[i] > 0;
        EXPECT_TRUE(drawn) << e.path << " is blank";
    }
}

TEST_F(GfxOutput, GeneratorIsDeterministic) {
    auto again = gfxtest::temp_dir("again");
    const char* sample[] = {"gfx/land1.xtc", "gfx/obj3.xtc", "gfx/hud/newfont2.xtc", "gfx/env/haze_2.xtc",
                            "gfx/boomstrip.xtc", "gfx/hud/vorn/menuplanet.xtc"};
    for (const char* path : sample) {
        const gfx_entry* e = gfx_find(path);
        ASSERT_NE(e, nullptr) << path;
        ASSERT_TRUE(gfx::generate_one(*e, again.string())) << path;
        std::string a = bytes_of(file(*e)), b = bytes_of(again / (path + 4));
        EXPECT_FALSE(a.empty()) << path;
        EXPECT_TRUE(a == b) << path << " differs between runs";
    }
    gfx::reset_sources();
    std::filesystem::remove_all(again);
}

}  // namespace
