// sfxgen OUTDIR [NAME ...]
// Writes every effect, ambience loop and music track into OUTDIR (the
// game's sfx/ folder). NAMEs ("click1", "amb_rain", "tracks/001") limit the
// run to those files. Output depends only on the code, never on the clock.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "recipes.h"

namespace {

struct job {
    std::string name; // path under OUTDIR without extension
    std::function<bool(const std::string& path)> run;
    std::string ext;
};

std::string track_name(int t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "tracks/%03d", t);
    return buf;
}

std::vector<job> all_jobs() {
    using namespace sfx;
    std::vector<job> jobs;
    // Music first: the longest jobs start early so two workers finish together.
    for (int t = 1; t <= track_count; ++t)
        jobs.push_back({track_name(t),
                        [t](const std::string& path) {
                            return write_ogg(path.c_str(), render_track(t), music_rate, 0.2f, 0x5A000000 + t);
                        },
                        ".ogg"});
    for (int i = 0; i < ambience_recipe_count; ++i) {
        const ambience_recipe& a = ambience_recipes[i];
        jobs.push_back({a.name,
                        [&a](const std::string& path) {
                            prng r = make_prng(a.seed);
                            buffer b = a.make(r, size_t(a.seconds * ambience_rate));
                            double rms = rms_of(b);
                            if (rms > 0) scale(b, db_gain(a.rms_db) / rms);
                            if (peak_of(b) > db_gain(effect_peak_db)) normalize_peak(b, effect_peak_db);
                            return write_wav(path.c_str(), b, 1, ambience_rate);
                        },
                        ".wav"});
    }
    for (int i = 0; i < effect_recipe_count; ++i) {
        const effect_recipe& e = effect_recipes[i];
        jobs.push_back({e.name,
                        [&e](const std::string& path) {
                            prng r = make_prng(e.seed);
                            buffer b = e.make(r);
                            // Start and end on silence so no effect pops.
                            fade_edges(b, 32, size_t(0.004 * effect_rate));
                            normalize_peak(b, e.peak_db);
                            return write_wav(path.c_str(), b, 1, effect_rate);
                        },
                        ".wav"});
    }
    return jobs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: sfxgen OUTDIR [NAME ...]\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::vector<std::string> wanted(argv + 2, argv + argc);
    std::vector<job> jobs;
    for (job& j : all_jobs())
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), j.name) != wanted.end()) jobs.push_back(j);
    if (jobs.size() < wanted.size()) {
        std::fprintf(stderr, "sfxgen: unknown sound name among the arguments\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(out / "tracks", ec);
    if (ec) {
        std::fprintf(stderr, "sfxgen: cannot create %s: %s\n", (out / "tracks").string().c_str(),
                     ec.message().c_str());
        return 1;
    }

    // Each job owns its noise source, so the work can be shared between
    // threads without changing a single byte of the output.
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    auto worker = [&] {
        for (size_t i; (i = next++) < jobs.size();) {
            std::string path = (out / (jobs[i].name + jobs[i].ext)).string();
            std::string tmp = path + ".part";
            if (!jobs[i].run(tmp) || !std::filesystem::exists(tmp)) {
                std::fprintf(stderr, "sfxgen: cannot write %s\n", path.c_str());
                failed = true;
                continue;
            }
            std::error_code rename_ec;
            std::filesystem::rename(tmp, path, rename_ec);
            if (rename_ec) failed = true;
        }
    };
    std::thread second(worker);
    worker();
    second.join();
    return failed ? 1 : 0;
}
