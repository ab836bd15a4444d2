// The game's command line, run as a player's script would run it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "world/map_file.h"

namespace fs = std::filesystem;

namespace {

struct run_result { int status; std::string out, err; };

run_result run_game(const std::string& args) {
    const fs::path tmp = fs::temp_directory_path();
    // Per-process names: ctest runs several of these tests at once.
    const std::string tag = std::to_string(::getpid());
    const std::string out = (tmp / ("zembra_h_out_" + tag + ".txt")).string(),
                      err = (tmp / ("zembra_h_err_" + tag + ".txt")).string();
    // A run that never ends fails instead of hanging the suite.
    const std::string cmd = "timeout 120 " + std::string(ZEMBRA_BINARY) + " " + args + " >" + out + " 2>" + err;
    const int raw = std::system(cmd.c_str());
    auto slurp = [](const std::string& p) {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

// A small strict JSON reader: true when the whole text is one valid value.
struct json_reader {
    const std::string& s;
    size_t i = 0;
    void ws() { while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i; }
    bool lit(const char* w) {
        const size_t n = std::strlen(w);
        if (s.compare(i, n, w) != 0) return false;
        i += n;
        return true;
    }
    bool str() {
        if (s[i] != '"') return false;
        for (++i; i < s.size(); ++i) {
            if (s[i] == '\\') { ++i; continue; }
            if (s[i] == '"') { ++i; return true; }
            if (static_cast<unsigned char>(s[i]) < 0x20) return false;
        }
        return false;
    }
    bool num() {
        const size_t start = i;
        if (s[i] == '-') ++i;
        while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.' ||
                                s[i] == 'e' || s[i] == 'E' || s[i] == '+' || s[i] == '-'))
            ++i;
        return i > start && std::isdigit(static_cast<unsigned char>(s[i - 1]));
    }
    bool value() {
        ws();
        if (i >= s.size()) return false;
        const char c = s[i];
        if (c == '{') {
            ++i; ws();
            if (s[i] == '}') { ++i; return true; }
            while (true) {
                ws();
                if (!str()) return false;
                ws();
                if (s[i++] != ':' || !value()) return false;
                ws();
                if (s[i] == ',') { ++i; continue; }
                if (s[i] == '}') { ++i; return true; }
                return false;
            }
        }
        if (c == '[') {
            ++i; ws();
            if (s[i] == ']') { ++i; return true; }
            while (true) {
                if (!value()) return false;
                ws();
                if (s[i] == ',') { ++i; continue; }
                if (s[i] == ']') { ++i; return true; }
                return false;
            }
        }
        if (c == '"') return str();
        if (lit("true") || lit("false") || lit("null")) return true;
        return num();
    }
    bool whole() { bool ok = value(); ws(); return ok && i == s.size(); }
};

class HarnessRun : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zembra_harness_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "gfx");
        fs::create_directories(dir / "maps");
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string data() const { return "--data " + dir.string(); }
    std::string path(const char* name) const { return (dir / name).string(); }
    void write_level(int planet, int level) {
        map_data m;
        std::memset(&m, 0, sizeof m);
        for (int c = 0; c < 51; ++c) m.front[c][14] = 31;
        m.front[10][12] = 64;
        m.front[14][13] = 65;
        m.settings[24] = 3;
        m.settings[25] = 200;
        write_map_file((dir / "maps" / ("map" + std::to_string(planet) + std::to_string(level) + ".map")).string(), m);
    }
};

std::string slurp(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST_F(HarnessRun, BadOptionsExitWithStatusTwoNamingTheOption) {
    for (const char* args : {"--bogus", "--seed x", "--frames", "--play 11 0", "--until lunch",
                             "--screenshot 12", "--headless --no-draw --screenshot 5:/tmp/x.png",
                             "--seed 3 --no-draw"}) {
        const std::string a = args;
        const bool with_headless = a.find("--no-draw") == std::string::npos || a.find("--headless") != std::string::npos;
        const run_result r = run_game(data() + (with_headless ? " --headless " : " ") + args);
        EXPECT_EQ(r.status, 2) << args;
        std::string opt = a.substr(0, a.find(' '));
        if (opt == "--headless") opt = "--screenshot";
        if (opt == "--seed" && a.find("--no-draw") != std::string::npos) opt = "--no-draw";
        EXPECT_NE(r.err.find(opt), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    std::ofstream(path("bad.script")) << "5 click\n7 jump 3\n";
    const run_result r = run_game(data() + " --headless --input " + path("bad.script"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
}

TEST_F(HarnessRun, MissingDataExitsWithStatusThree) {
    fs::remove_all(dir / "maps");
    const run_result r = run_game(data() + " --headless --frames 3");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find(dir.string()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cmake"), std::string::npos) << r.err;
}

TEST_F(HarnessRun, ScreenshotDumpAndExitLine) {
    const run_result r = run_game(data() + " --headless --seed 4 --frames 120 --screenshot 60:" +
                                  path("a.png") + " --dump " + path("s.json") + " --dump-at 10:" +
                                  path("d10.json"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("frames=120 screen=", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(" result=- mushrooms=0 insects=0 alive=0"), std::string::npos) << r.out;
    const std::string png = slurp(path("a.png"));
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 800);
    EXPECT_EQ(be32(20), 600);
    for (const char* f : {"s.json", "d10.json"}) {
        const std::string json = slurp(path(f));
        json_reader reader{json};
        EXPECT_TRUE(reader.whole()) << f << " is not valid JSON";
        for (const char* key : {"\"frame\"", "\"screen\"", "\"settings\"", "\"campaign\"", "\"world\"",
                                "\"terrain_front\"", "\"beetles\"", "\"items\"", "\"saucer\"",
                                "\"charges\"", "\"console_lines\"", "\"route_taken\"", "\"skip_tutorial\"",
                                "\"demo_playing\"", "\"mission_result\""})
            EXPECT_NE(json.find(key), std::string::npos) << f << " lacks " << key;
    }
    EXPECT_NE(slurp(path("d10.json")).find("\"frame\":10,"), std::string::npos);
}

TEST_F(HarnessRun, PlayEntersTheLevelWithoutDrawing) {
    write_level(1, 0);
    const run_result r = run_game(data() + " --headless --no-draw --seed 1 --play 1 0 --frames 30 --dump " +
                                  path("p.json"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("frames=30 screen=play result=", 0), 0u) << r.out;
    const std::string json = slurp(path("p.json"));
    EXPECT_NE(json.find("\"map_planet\":1,\"map_level\":0"), std::string::npos);
    EXPECT_NE(json.find("Bugdrop on X:336.000000 Y:320.000000;"), std::string::npos);
}
