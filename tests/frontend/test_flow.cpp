// The screen chain as a player meets it: the game binary run headless with
// scripted input, in a data folder of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct run_result {
    int status;
    std::string out;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FrontendFlow : public ::testing::Test {
protected:
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("zembra_flow_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "data");
        for (const char* d : {"gfx", "sfx", "maps"})
            fs::create_directory_symlink(fs::path(ZEMBRA_GAME_DIR) / d, folder / "data" / d);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path data(const char* name) const { return folder / "data" / name; }

    run_result run(const std::string& script, const std::string& args) {
        std::ofstream(folder / "in.script") << script;
        const std::string cmd = "timeout 120 " + std::string(ZEMBRA_BINARY) + " --data " +
                                (folder / "data").string() + " --headless --no-draw --seed 3 --input " +
                                (folder / "in.script").string() + " " + args + " >" +
                                (folder / "out.txt").string() + " 2>/dev/null";
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(folder / "out.txt")};
    }

    std::string screen_in(const fs::path& dump) {
        const std::string json = slurp(dump);
        const std::size_t at = json.find("\"screen\":");
        if (at == std::string::npos) return "";
        const std::size_t open = json.find('"', at + 9), close = json.find('"', open + 1);
        return json.substr(open + 1, close - open - 1);
    }
};

TEST_F(FrontendFlow, LoadingScreenIsTheFirstFrameThenTheMenu) {
    const run_result r = run("", "--frames 200 --dump-at 1:" + (folder / "first.json").string() +
                                     " --dump " + (folder / "last.json").string());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(screen_in(folder / "first.json"), "loading");
    EXPECT_EQ(screen_in(folder / "last.json"), "menu");
    EXPECT_EQ(r.out.rfind("frames=200 screen=menu result=-", 0), 0u) << r.out;
}

TEST_F(FrontendFlow, ExitButtonEndsTheProgramAtOnce) {
    const run_result r = run("250 click 260 500\n", "--frames 2000");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("frames=250 screen=menu", 0), 0u) << r.out;
}

TEST_F(FrontendFlow, NewCampaignReachesTheSelectionWithoutSaving) {
    std::vector<int32_t> old = {2, 1, 50, 60, 9};
    old.resize(25, 0);
    {
        std::ofstream out(data("game.cfg"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(old.data()), 100);
    }
    const std::string before = slurp(data("game.cfg"));
    const run_result r = run("250 click 250 410\n260 click 504 394\n",
                             "--frames 420 --dump " + (folder / "d.json").string());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(screen_in(folder / "d.json"), "selection");
    EXPECT_EQ(slurp(data("game.cfg")), before);
    EXPECT_EQ(fs::file_size(data("config.cfg")), 44u);
}

TEST_F(FrontendFlow, PlayOptionStartsCountingInTheLevel) {
    const run_result r = run("", "--play 0 0 --frames 1 --dump " + (folder / "d.json").string());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(screen_in(folder / "d.json"), "play");
    EXPECT_EQ(r.out.rfind("frames=1 screen=play", 0), 0u) << r.out;
}

TEST_F(FrontendFlow, PlayedLevelGoesOnToResultsThenSelection) {
    // In-game menu, Abort Current Mission, then OK on the results. Off the
    // tutorial planet no lesson page can take the Escape.
    const run_result r = run("200 key 27\n220 click 100 450\n400 click 399 514\n",
                             "--play 1 0 --frames 700 --dump-at 300:" +
                                 (folder / "a.json").string() + " --dump " +
                                 (folder / "b.json").string());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(screen_in(folder / "a.json"), "results");
    EXPECT_EQ(screen_in(folder / "b.json"), "selection");
    EXPECT_EQ(fs::file_size(data("game.cfg")), 100u);
}

TEST_F(FrontendFlow, FinishedCampaignShowsGameOverDeletesItAndReturnsToTheMenu) {
    // Tutorial planet, every level done, too little to pay for a jump.
    std::vector<int32_t> done = {0, 0, 5, 5, 0};
    for (int i = 0; i < 10; ++i) done.push_back(1);
    for (int i = 0; i < 10; ++i) done.push_back(255);
    {
        std::ofstream out(data("game.cfg"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(done.data()), 100);
    }
    const run_result r = run("250 click 550 380\n600 click 400 300\n",
                             "--frames 800 --dump-at 640:" + (folder / "a.json").string() +
                                 " --dump " + (folder / "b.json").string());
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(screen_in(folder / "a.json"), "gameover");
    EXPECT_EQ(screen_in(folder / "b.json"), "menu");
    EXPECT_FALSE(fs::exists(data("game.cfg")));
}

}  // namespace
