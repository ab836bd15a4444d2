// Golden screenshots: runs the real game headless with a fixed seed and a
// scripted input, takes one frame, shrinks it to 200 by 150 (4 by 4 box
// average) and compares it with the stored picture under expected/.
//
//   golden_check ZEMBRA GAME_DIR CONTENT_DIR EXPECTED_DIR OUT_DIR CASE
//
// The comparison tolerates small drawing changes (a sprite a few pixels off,
// a slightly different shade) but not a missing layer, a wrong palette, a
// misplaced panel or a black screen: the mean difference of every channel
// must stay small and no 10 by 10 block of the small picture may differ much.
//
// With ZEMBRA_UPDATE_GOLDEN=1 in the environment the stored picture is
// rewritten from this run instead (ZEMBRA_UPDATE_GOLDEN=1 ctest -R Golden).
// An update needs a look at the new pictures: open the full-size screenshots
// written to OUT_DIR and check them as a player would before committing.
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int full_w = 800, full_h = 600;
constexpr int box = 4;
constexpr int small_w = full_w / box, small_h = full_h / box;
constexpr int block = 10;                 // block side in small pixels
constexpr double mean_limit = 6.0;        // per channel, over the whole picture
constexpr double block_limit = 40.0;      // per block, over its pixels and channels

struct shot_case {
    const char* name;
    int planet, level;     // planet < 0: start at the front end
    const char* script;    // input lines; "@map00" uses that level's shipped solution
    int frame;
    bool twice;            // run twice and require the very same pixels
};

// Frames are chosen after the saucer has landed and the first beetles walk.
const shot_case cases[] = {
    {"rain_day", 1, 0, "", 1250, true},
    {"night", 1, 1, "", 1250, false},
    {"winter_snow", 2, 2, "", 1250, false},
    {"ingame_menu", 1, 0, "1230 key 27\n", 1270, false},
    {"lesson", 0, 1, "", 390, false},
    {"loading", -1, 0, "", 2, false},
    {"main_menu", -1, 0, "", 250, true},
    {"options", -1, 0, "250 move 560 470\n260 click 560 470\n", 340, false},
    {"selection", -1, 0, "250 move 248 414\n260 click 248 414\n280 move 504 394\n290 click 504 394\n", 480,
     false},
    {"results", 0, 1, "@map01", 4625, false},
};

struct image {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
};

bool read_png(const fs::path& path, image& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        std::fclose(f);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    out.w = static_cast<int>(png_get_image_width(png, info));
    out.h = static_cast<int>(png_get_image_height(png, info));
    if (png_get_rowbytes(png, info) != static_cast<size_t>(out.w) * 3) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        return false;
    }
    out.rgb.assign(static_cast<size_t>(out.w) * out.h * 3, 0);
    std::vector<png_bytep> rows(out.h);
    for (int y = 0; y < out.h; ++y) rows[y] = out.rgb.data() + static_cast<size_t>(y) * out.w * 3;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return true;
}

bool write_png(const fs::path& path, const image& img) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, img.w, img.h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < img.h; ++y)
        png_write_row(png, const_cast<png_bytep>(img.rgb.data() + static_cast<size_t>(y) * img.w * 3));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

image shrink(const image& full) {
    image s;
    s.w = small_w;
    s.h = small_h;
    s.rgb.assign(static_cast<size_t>(small_w) * small_h * 3, 0);
    for (int y = 0; y < small_h; ++y)
        for (int x = 0; x < small_w; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < box; ++dy)
                    for (int dx = 0; dx < box; ++dx)
                        sum += full.rgb[(static_cast<size_t>(y * box + dy) * full.w + x * box + dx) * 3 + c];
                s.rgb[(static_cast<size_t>(y) * small_w + x) * 3 + c] =
                    static_cast<unsigned char>((sum + box * box / 2) / (box * box));
            }
    return s;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// Plays the case in a fresh data folder and returns the path of the frame.
bool take_shot(const shot_case& sc, const std::string& zembra, const fs::path& game, const fs::path& content,
               const fs::path& shot, std::string& why) {
    char pattern[] = "/tmp/zembra-golden-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        why = "cannot make a temporary folder";
        return false;
    }
    const fs::path data = pattern;
    for (const char* sub : {"gfx", "sfx", "maps"}) {
        std::error_code ec;
        fs::create_directory_symlink(game / sub, data / sub, ec);
    }
    fs::path script = data / "input.script";
    if (sc.script[0] == '@') {
        script = content / "solutions" / (std::string(sc.script + 1) + ".script");
    } else {
        std::ofstream(script) << sc.script;
    }
    std::error_code ec;
    fs::remove(shot, ec);
    std::ostringstream cmd;
    cmd << "timeout 280 " << quoted(zembra) << " --data " << quoted(data.string()) << " --headless --seed 1";
    if (sc.planet >= 0) cmd << " --play " << sc.planet << ' ' << sc.level;
    cmd << " --input " << quoted(script.string()) << " --frames " << sc.frame << " --screenshot " << sc.frame
        << ':' << quoted(shot.string()) << " > " << quoted((data / "stdout.txt").string()) << " 2>&1";
    const int status = std::system(cmd.str().c_str());
    fs::remove_all(data, ec);
    if (status != 0) {
        why = "the game exited with status " + std::to_string(status);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: golden_check ZEMBRA GAME_DIR CONTENT_DIR EXPECTED_DIR OUT_DIR CASE\n");
        return 2;
    }
    const std::string zembra = argv[1];
    const fs::path game = argv[2], content = argv[3], expected_dir = argv[4], out_dir = argv[5];
    const std::string name = argv[6];
    const shot_case* sc = nullptr;
    for (const shot_case& c : cases)
        if (name == c.name) sc = &c;
    if (!sc) {
        std::fprintf(stderr, "no golden case named %s\n", name.c_str());
        return 2;
    }
    std::error_code ec;
    fs::create_directories(out_dir, ec);
    const fs::path shot = out_dir / (name + ".png");
    std::string why;
    if (!take_shot(*sc, zembra, game, content, shot, why)) {
        std::printf("%s: %s\n", name.c_str(), why.c_str());
        return 1;
    }
    image full;
    if (!read_png(shot, full) || full.w != full_w || full.h != full_h) {
        std::printf("%s: no readable 800 by 600 screenshot at %s\n", name.c_str(), shot.c_str());
        return 1;
    }
    if (sc->twice) {
        const fs::path again = out_dir / (name + "-again.png");
        image second;
        if (!take_shot(*sc, zembra, game, content, again, why) || !read_png(again, second)) {
            std::printf("%s: second run: %s\n", name.c_str(), why.empty() ? "no screenshot" : why.c_str());
            return 1;
        }
        if (second.rgb != full.rgb) {
            std::printf("%s: two runs with the same seed and input drew different frames (%s, %s)\n",
                        name.c_str(), shot.c_str(), again.c_str());
            return 1;
        }
        std::printf("%s: two runs drew the same frame\n", name.c_str());
    }
    const image small = shrink(full);
    const fs::path golden = expected_dir / (name + ".png");
    const char* update = std::getenv("ZEMBRA_UPDATE_GOLDEN");
    if (update && std::strcmp(update, "1") == 0) {
        if (!write_png(golden, small)) {
            std::printf("%s: cannot write %s\n", name.c_str(), golden.c_str());
            return 1;
        }
        std::printf("%s: golden rewritten at %s; look at %s before committing it\n", name.c_str(),
                    golden.c_str(), shot.c_str());
        return 0;
    }
    image want;
    if (!read_png(golden, want) || want.w != small_w || want.h != small_h) {
        std::printf("%s: no readable 200 by 150 golden at %s (ZEMBRA_UPDATE_GOLDEN=1 makes one)\n", name.c_str(),
                    golden.c_str());
        return 1;
    }
    const fs::path actual = out_dir / (name + "-small.png");
    write_png(actual, small);

    double channel_sum[3] = {0, 0, 0};
    for (size_t i = 0; i < small.rgb.size(); ++i) channel_sum[i % 3] += std::abs(small.rgb[i] - want.rgb[i]);
    const double pixels = static_cast<double>(small_w) * small_h;
    bool ok = true;
    for (int c = 0; c < 3; ++c) {
        const double mean = channel_sum[c] / pixels;
        std::printf("%s: channel %c mean difference %.2f (limit %.1f)\n", name.c_str(), "RGB"[c], mean, mean_limit);
        if (mean >= mean_limit) ok = false;
    }
    double worst = 0;
    int worst_x = 0, worst_y = 0, bad_blocks = 0;
    for (int by = 0; by < small_h; by += block)
        for (int bx = 0; bx < small_w; bx += block) {
            double sum = 0;
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x)
                    for (int c = 0; c < 3; ++c) {
                        const size_t i = (static_cast<size_t>(y) * small_w + x) * 3 + c;
                        sum += std::abs(small.rgb[i] - want.rgb[i]);
                    }
            const double mean = sum / (block * block * 3);
            if (mean >= block_limit) ++bad_blocks;
            if (mean > worst) {
                worst = mean;
                worst_x = bx * box;
                worst_y = by * box;
            }
        }
    std::printf("%s: worst block at screen (%d, %d) differs by %.2f (limit %.1f); %d blocks over\n", name.c_str(),
                worst_x, worst_y, worst, block_limit, bad_blocks);
    if (bad_blocks > 0) ok = false;
    if (!ok) {
        std::printf("%s: differs from %s; this run's frame is %s, shrunk %s\n", name.c_str(), golden.c_str(),
                    shot.c_str(), actual.c_str());
        return 1;
    }
    return 0;
}
