#include "generators.h"

namespace gfx {

const land_palette& palette(int set) {
    static const land_palette sets[3] = {
        // 0: green forest planet, warm earth under grass
        {hex(0x2e2018), hex(0x5f422b), hex(0x9a7149), hex(0x8a7a66),
         hex(0x2c6a1c), hex(0x4f9e2c), hex(0x9bd84e),
         hex(0x6b4a2a), hex(0xffc94a), hex(0x7fc4f0), hex(0xe8f4d8)},
        // 1: alien planet, violet stone under teal moss, magenta crystals
        {hex(0x1f1833), hex(0x443866), hex(0x7a67a6), hex(0x5d7d8f),
         hex(0x146458), hex(0x27b094), hex(0x8af5d2),
         hex(0x3fcfae), hex(0xf060d8), hex(0x5a3f8a), hex(0xf0b0c8)},
        // 2: winter planet, blue-grey stone under snow, icicles
        {hex(0x2a3442), hex(0x4e5d70), hex(0x76869c), hex(0x8494a8),
         hex(0xa9bcd8), hex(0xdce7f7), hex(0xffffff),
         hex(0xb8e6ff), hex(0x9fe8ff), hex(0x8aa4c8), hex(0xe4ecf6)},
    };
    return sets[(set >= 0 && set < 3) ? set : 0];
}

}  // namespace gfx
