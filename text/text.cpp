#include "text/text.h"

#include "runtime/runtime.h"

float glyph_widths[90];
int font_large = 0;
int font_small = 0;
int font_digits = 0;
glyph_draw_fn glyph_draw = draw_image;

namespace {

const float advances[90] = {
    3,  6,  10, 10, 14, 13, 3,  4,  5,  8,   // ! " # $ % & ' ( ) *
    10, 3,  5,  3,  9,  9,  10, 10, 9,  10,  // + , - . / 0 1 2 3 4
    9,  10, 10, 10, 10, 3,  3,  8,  10, 9,   // 5 6 7 8 9 : ; < = >
    9,  13, 12, 10, 10, 11, 8,  9,  10, 9,   // ? @ A B C D E F G H
    3,  6,  10, 8,  12, 10, 11, 9,  10, 10,  // I J K L M N O P Q R
    10, 9,  9,  10, 16, 11, 11, 10, 4,  10,  // S T U V W X Y Z [ backslash
    4,  9,  10, 3,  9,  9,  8,  9,  9,  6,   // ] ^ _ ` a b c d e f
    10, 8,  3,  5,  9,  4,  14, 8,  9,  9,   // g h i j k l m n o p
    9,  6,  8,  6,  9,  8,  12, 8,  8,  7,   // q r s t u v w x y z
};

bool in_font(unsigned char c) { return c >= 33 && c <= 122; }

}  // namespace

void init_glyph_widths() {
    for (int i = 0; i < 90; ++i) glyph_widths[i] = advances[i];
}

void load_fonts() {
    font_large = load_anim_image("gfx/hud/newfont.xtc", 16, 16, 0, 90);
    font_small = load_anim_image("gfx/hud/newfont2.xtc", 12, 16, 0, 90);
    font_digits = load_anim_image("gfx/hud/num.xtc", 15, 25, 0, 12);
}

float text_width(const std::string& text, int style) {
    const float divisor = style == 1 ? 1.3f : 1.0f;
    float sum = 0;
    for (unsigned char c : text) {
        if (c == ' ')
            sum += 5;
        else if (in_font(c))
            sum += glyph_widths[c - 33] / divisor;
    }
    return sum;
}

void draw_text(float x, int y, const std::string& text, int align, int style) {
    const float divisor = style == 1 ? 1.3f : 1.0f;
    const int font = style == 1 ? font_small : font_large;
    if (align == 1) x -= text_width(text, style) / 2;
    if (align == 2) x -= text_width(text, style);
    for (unsigned char c : text) {
        if (c == ' ') {
            x += 5;
        } else if (in_font(c)) {
            glyph_draw(font, x, static_cast<float>(y), c - 33);
            x += glyph_widths[c - 33] / divisor;
        }
        // Characters the fonts lack are skipped.
    }
}

void draw_digits(int x, int y, const std::string& text, int align) {
    const std::string shown = text == "99" ? ";" : text;
    const int n = static_cast<int>(shown.size());
    if (n == 0) return;
    if (align == 1) x -= ((n - 1) * 11) / 2;
    if (align == 2) x -= (n - 1) * 11;
    for (unsigned char c : shown) {
        if (c >= '0' && c <= ';') glyph_draw(font_digits, static_cast<float>(x), static_cast<float>(y), c - 48);
        x += 11;
    }
}
