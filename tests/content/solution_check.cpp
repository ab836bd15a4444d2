// Plays one level's solution headless for seeds 1, 2 and 3 and checks that it
// wins: everything gathered, enough beetles alive, and (off the tutorial
// planet) enough time left for the hardest difficulty's shorter clock.
//   content_solution_check ZEMBRA GAME_DIR PLANET LEVEL SCRIPT
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The dump's keys are unique, so a flat search is enough.
bool number_after(const std::string& json, const std::string& key, long& out) {
    const size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return false;
    const size_t colon = json.find(':', at);
    if (colon == std::string::npos) return false;
    out = std::strtol(json.c_str() + colon + 1, nullptr, 10);
    return true;
}

bool array_entry(const std::string& json, const std::string& key, int index, long& out) {
    const size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return false;
    size_t pos = json.find('[', at);
    if (pos == std::string::npos) return false;
    for (int i = 0; i < index; ++i) {
        pos = json.find(',', pos + 1);
        if (pos == std::string::npos) return false;
    }
    out = std::strtol(json.c_str() + pos + 1, nullptr, 10);
    return true;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// Returns an empty string when the run won, else what went wrong.
std::string run_seed(const std::string& zembra, const fs::path& game, int planet, int level,
                     const std::string& script, int seed) {
    char pattern[] = "/tmp/zembra-solution-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return "cannot make a temporary folder";
    const fs::path data = pattern;
    for (const char* sub : {"gfx", "sfx", "maps"}) {
        std::error_code ec;
        if (fs::exists(game / sub)) fs::create_directory_symlink(game / sub, data / sub, ec);
    }
    const fs::path dump = data / "out.json";
    std::ostringstream cmd;
    cmd << "timeout 100 " << quoted(zembra) << " --data " << quoted(data.string())
        << " --headless --no-draw --seed " << seed << " --play " << planet << ' ' << level
        << " --input " << quoted(script) << " --until mission-end --dump " << quoted(dump.string())
        << " > " << quoted((data / "stdout.txt").string()) << " 2>&1";
    const int status = std::system(cmd.str().c_str());
    std::ifstream in(dump);
    std::stringstream text;
    text << in.rdbuf();
    const std::string json = text.str();
    std::error_code ec;
    fs::remove_all(data, ec);
    if (status != 0) return "the game exited with status " + std::to_string(status);
    long result = -1, alive = -1, timer = -1, completed = -1, survivors = -1;
    if (!number_after(json, "mission_result", result) || !number_after(json, "beetles_alive", alive) ||
        !number_after(json, "mission_timer", timer) || !array_entry(json, "level_status", level, completed) ||
        !array_entry(json, "level_settings", 26, survivors))
        return "no readable state dump";
    std::ostringstream why;
    if (result != 2) why << " mission_result " << result << " (want 2);";
    if (completed != 1) why << " level_status " << completed << " (want 1);";
    if (alive < survivors) why << " " << alive << " alive of " << survivors << " needed;";
    if (planet != 0 && timer < 105) why << " " << timer << " s left (want 105);";
    std::printf("seed %d: result %ld, alive %ld (need %ld), %ld s left\n", seed, result, alive, survivors,
                timer);
    return why.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: content_solution_check ZEMBRA GAME_DIR PLANET LEVEL SCRIPT\n");
        return 2;
    }
    const int planet = std::atoi(argv[3]), level = std::atoi(argv[4]);
    int failures = 0;
    for (int seed = 1; seed <= 3; ++seed) {
        const std::string why = run_seed(argv[1], argv[2], planet, level, argv[5], seed);
        if (!why.empty()) {
            std::printf("map%d%d seed %d failed:%s\n", planet, level, seed, why.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
