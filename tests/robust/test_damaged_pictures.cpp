// Pictures whose headers lie about their size or their chunks: refused at
// once, before a decoder allocates or skips what the header claims.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/runtime.h"

namespace {

std::string write_picture(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = "/tmp/zembra_damaged_" + std::to_string(::getpid()) + "_" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

std::vector<uint8_t> tga_header(int w, int h, int type, int bits) {
    std::vector<uint8_t> b(18, 0);
    b[2] = static_cast<uint8_t>(type);
    b[12] = static_cast<uint8_t>(w);
    b[13] = static_cast<uint8_t>(w >> 8);
    b[14] = static_cast<uint8_t>(h);
    b[15] = static_cast<uint8_t>(h >> 8);
    b[16] = static_cast<uint8_t>(bits);
    return b;
}

class RobustPictures : public ::testing::Test {
protected:
    void SetUp() override {
        set_backend(backend_offscreen, false);
        ASSERT_TRUE(open_graphics(800, 600, 32, 60));
    }
    int load(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = write_picture(name, bytes);
        const int image = load_image(path);
        std::remove(path.c_str());
        return image;
    }
};

}  // namespace

TEST_F(RobustPictures, TgaHeadersMustFitTheirData) {
    std::vector<uint8_t> good = tga_header(4, 2, 2, 24);
    good.resize(18 + 4 * 2 * 3, 0x40);
    const int image = load("good.tga", good);
    ASSERT_NE(image, 0);
    EXPECT_EQ(image_width(image), 4);
    free_handle(image);

    std::vector<uint8_t> huge = tga_header(65535, 65535, 2, 32);
    huge.resize(48, 0x11);
    EXPECT_EQ(load("huge.tga", huge), 0);
    std::vector<uint8_t> packed = tga_header(60000, 60000, 10, 32);
    packed.resize(200, 0xFF);
    EXPECT_EQ(load("packed.tga", packed), 0);
    std::vector<uint8_t> cut = tga_header(64, 64, 2, 24);
    cut.resize(18 + 100, 0x22);
    EXPECT_EQ(load("cut.tga", cut), 0);
}

TEST_F(RobustPictures, PngChunksMustLieInsideTheFile) {
    // A 10x10 picture whose only data chunk claims two gigabytes.
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                              0, 0, 0, 10, 0, 0, 0, 10, 8, 6, 0, 0, 0, 0x8D, 0x32, 0xCF, 0xBD,
                              0x7F, 0xFF, 0xFF, 0xF0, 'I', 'D', 'A', 'T'};
    b.resize(200, 0x55);
    EXPECT_EQ(load("chunk.png", b), 0);
    EXPECT_EQ(load_anim_image(write_picture("chunk2.png", b), 2, 2, 0, 4), 0);
}

TEST_F(RobustPictures, JpegFramesClaimingHugeSizesAreRefused) {
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xFF, 0xE0, 0, 4, 0, 0,
                              0xFF, 0xC0, 0, 11, 8, 0xEA, 0x60, 0xEA, 0x60, 1, 1, 0x11, 0};
    b.resize(300, 0);
    EXPECT_EQ(load("huge.jpg", b), 0);
}
