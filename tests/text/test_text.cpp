// Glyph positions of the two text routines, recorded instead of drawn.
#include <gtest/gtest.h>

#include <vector>

#include "text/text.h"

namespace {

struct glyph { int image; float x, y; int frame; };
std::vector<glyph> drawn;
void record(int image, float x, float y, int frame) { drawn.push_back({image, x, y, frame}); }

class TextDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        init_glyph_widths();
        font_large = 11;
        font_small = 12;
        font_digits = 13;
        glyph_draw = record;
        drawn.clear();
    }
};

}  // namespace

TEST_F(TextDrawing, ProportionalAdvancesAndSpaces) {
    draw_text(100, 40, "A B", 0, 0);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_FLOAT_EQ(drawn[0].x, 100);
    EXPECT_EQ(drawn[0].frame, 'A' - 33);
    EXPECT_EQ(drawn[0].image, 11);
    EXPECT_FLOAT_EQ(drawn[1].x, 117);
    EXPECT_FLOAT_EQ(drawn[1].y, 40);
    drawn.clear();
    draw_text(100, 40, "A B", 0, 1);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].image, 12);
    EXPECT_FLOAT_EQ(drawn[1].x, 100 + 12 / 1.3f + 5);
}

TEST_F(TextDrawing, AlignmentMeasuresTheWholeText) {
    const float w = 12 + 5 + 10;  // A, space, B
    draw_text(300, 0, "A B", 1, 0);
    EXPECT_FLOAT_EQ(drawn[0].x, 300 - w / 2);
    drawn.clear();
    draw_text(300, 0, "A B", 2, 0);
    EXPECT_FLOAT_EQ(drawn[0].x, 300 - w);
    EXPECT_FLOAT_EQ(text_width("A B", 1), 12 / 1.3f + 5 + 10 / 1.3f);
    drawn.clear();
    for (int align = 0; align < 3; ++align) draw_text(10, 10, "", align, 0);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(TextDrawing, CharactersOutsideTheFontAreSkipped) {
    draw_text(0, 0, std::string("a{\x01\xff") + "~z", 0, 0);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].frame, 'z' - 33);
    EXPECT_FLOAT_EQ(drawn[1].x, 9);  // only 'a' advanced
}

TEST_F(TextDrawing, DigitsUseAFixedPitch) {
    draw_digits(700, 5, "12", 1);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_FLOAT_EQ(drawn[0].x, 695);
    EXPECT_FLOAT_EQ(drawn[1].x, 706);
    drawn.clear();
    draw_digits(735, 5, "5:07", 2);
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_FLOAT_EQ(drawn[0].x, 702);
    EXPECT_EQ(drawn[1].frame, 10);
    for (int align = 0; align < 3; ++align) {
        drawn.clear();
        draw_digits(50, 5, "99", align);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].frame, 11);
        EXPECT_FLOAT_EQ(drawn[0].x, 50);
    }
    drawn.clear();
    draw_digits(50, 5, "-3", 0);  // a minus has no glyph but keeps its place
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_FLOAT_EQ(drawn[0].x, 61);
}
