#include <sys/stat.h>

#include "tests/runtime/helpers.h"

using namespace test_rt;

namespace {

class RuntimeFiles : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override { dir = scratch_dir("files"); }
    void TearDown() override {
        ::chmod(dir.c_str(), 0755);
        std::filesystem::remove_all(dir);
    }
    std::vector<uint8_t> bytes_of(const std::string& path) {
        std::vector<uint8_t> out;
        rt_read_whole_file(path, out);
        return out;
    }
};

TEST_F(RuntimeFiles, NumbersRoundTripLittleEndian) {
    std::string path = dir + "/game.cfg";
    int out = write_file(path);
    ASSERT_NE(out, 0);
    write_byte(out, 200);
    write_short(out, 0xBEEF);
    write_int(out, -2);
    write_int(out, 0x01020304);
    close_stream(out);
    EXPECT_EQ(bytes_of(path), (std::vector<uint8_t>{200, 0xEF, 0xBE, 0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
    EXPECT_EQ(file_size(path), 11);

    int in = read_file(path);
    ASSERT_NE(in, 0);
    EXPECT_EQ(read_byte(in), 200);
    EXPECT_EQ(read_short(in), 0xBEEF);
    EXPECT_EQ(read_int(in), -2);
    EXPECT_EQ(read_int(in), 0x01020304);
    EXPECT_FALSE(stream_failed(in));
    close_stream(in);
}

TEST_F(RuntimeFiles, ReadingPastTheEndGivesZeroAndFlagsTheStream) {
    std::string path = dir + "/short.bin";
    write_bytes(path, {7, 1, 2});
    int in = read_file(path);
    ASSERT_NE(in, 0);
    EXPECT_EQ(read_byte(in), 7);
    EXPECT_FALSE(stream_failed(in));
    EXPECT_EQ(read_int(in), 0); // only two bytes left
    EXPECT_TRUE(stream_failed(in));
    EXPECT_EQ(read_byte(in), 0);
    close_stream(in);
}

TEST_F(RuntimeFiles, MissingFilesAndNullStreamsAreHarmless) {
    EXPECT_EQ(read_file(dir + "/config.cfg"), 0);
    EXPECT_FALSE(file_exists(dir + "/config.cfg"));
    EXPECT_EQ(file_size(dir + "/config.cfg"), -1);
    EXPECT_EQ(read_int(0), 0);
    EXPECT_TRUE(stream_failed(0));
    write_int(0, 5);
    close_stream(0);
    close_stream(12345);
    delete_file(dir + "/config.cfg"); // a missing file is not an error
    // A folder is not a file to read.
    EXPECT_EQ(read_file(dir), 0);
}

TEST_F(RuntimeFiles, BackslashesAndLetterCaseFindTheFile) {
    std::filesystem::create_directories(dir + "/Maps/Demos");
    write_bytes(dir + "/Maps/Demos/Demo1", {1, 2, 3, 4});
    std::string odd = dir + "\\maps\\DEMOS\\demo1";
    EXPECT_EQ(resolve_path(odd), dir + "/Maps/Demos/Demo1");
    EXPECT_TRUE(file_exists(odd));
    EXPECT_EQ(file_size(odd), 4);
    int in = read_file(odd);
    ASSERT_NE(in, 0);
    EXPECT_EQ(read_int(in), 0x04030201);
    close_stream(in);

    // A new file in a folder spelt differently lands in the existing folder.
    int out = write_file(dir + "/maps/demos/demo2");
    ASSERT_NE(out, 0);
    close_stream(out);
    EXPECT_TRUE(std::filesystem::exists(dir + "/Maps/Demos/demo2"));

    // An exact name wins over a case-insensitive one.
    write_bytes(dir + "/Maps/Demos/demo1", {9});
    EXPECT_EQ(file_size(dir + "/Maps/Demos/demo1"), 1);
}

TEST_F(RuntimeFiles, UnwritableFolderGivesTheNullStream) {
    write_bytes(dir + "/plain", {1});
    EXPECT_EQ(write_file(dir + "/plain/config.cfg"), 0);
    EXPECT_EQ(write_file(dir + "/no/such/folder/config.cfg"), 0);
    if (::getuid() != 0) {
        std::filesystem::create_directories(dir + "/locked");
        ::chmod((dir + "/locked").c_str(), 0555);
        EXPECT_EQ(write_file(dir + "/locked/config.cfg"), 0);
    }
    write_int(0, 1); // the game writes on without checking
}

TEST_F(RuntimeFiles, RenameReplacesAndDeleteRemoves) {
    write_bytes(dir + "/game.tmp", {1, 2});
    write_bytes(dir + "/game.cfg", {9, 9, 9});
    EXPECT_TRUE(rename_file(dir + "/game.tmp", dir + "/game.cfg"));
    EXPECT_FALSE(file_exists(dir + "/game.tmp"));
    EXPECT_EQ(bytes_of(dir + "/game.cfg"), (std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(rename_file(dir + "/gone.tmp", dir + "/game.cfg"));
    delete_file(dir + "/game.cfg");
    EXPECT_FALSE(file_exists(dir + "/game.cfg"));
}

} // namespace
