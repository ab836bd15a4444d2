// Start-up of the game: the command line, the data folder, the services, and
// then the chain of screens.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/screens.h"
#include "runtime/runtime.h"

namespace {

bool is_folder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    if (!parse_harness_args(argc, argv, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    // Read the script before changing folder, so relative paths mean what
    // the caller meant.
    if (!load_harness_script(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (!harness.data_dir.empty() && chdir(harness.data_dir.c_str()) != 0) {
        std::fprintf(stderr,
                     "zembra: cannot open the data folder %s; build the game data with "
                     "'cmake --build build' (it lands in build/game)\n",
                     harness.data_dir.c_str());
        return 3;
    }
    if (!is_folder("gfx") || !is_folder("maps")) {
        char cwd[4096] = ".";
        if (getcwd(cwd, sizeof cwd) == nullptr) cwd[0] = '.', cwd[1] = 0;
        std::fprintf(stderr,
                     "zembra: no gfx/ or maps/ in %s; build the game data with "
                     "'cmake --build build' and run from build/game or pass --data build/game\n",
                     cwd);
        return 3;
    }

    if (harness.headless)
        set_backend(harness.no_draw ? backend_none : backend_offscreen, false);
    else
        set_backend(backend_window, harness.windowed);
    if (!open_graphics(800, 600, harness.windowed || harness.headless ? 0 : 32, 60)) {
        std::fprintf(stderr, "zembra: cannot open the display\n");
        return 1;
    }
    if (!harness.sound_log.empty()) open_sound_log(harness.sound_log);
    seed_rnd(harness.has_seed ? harness.seed : static_cast<uint32_t>(millisecs()));
    hide_pointer();

    run_screens();
    harness_finish();
}
