#include "audio/sound_table.h"

#include "runtime/runtime.h"

int music_channel = 0;
int effects_channel_a = 0;
int ambient_channel = 0;
int effects_channel_b = 0;

int snd_unable_build, snd_click1, snd_click2, snd_toggle, snd_wah, snd_transform, snd_pickup,
    snd_dead1, snd_dead2, snd_dead3, snd_dead4, snd_down, snd_gold, snd_pickb, snd_perforator,
    snd_explosion, snd_bbegin, snd_bubble, snd_electrocute, snd_alldead;

void load_sound_table() {
    music_channel = alloc_channel();
    effects_channel_a = alloc_channel();
    ambient_channel = alloc_channel();
    effects_channel_b = alloc_channel();
    name_channel(music_channel, "music");
    name_channel(effects_channel_a, "effects_a");
    name_channel(ambient_channel, "ambient");
    name_channel(effects_channel_b, "effects_b");

    struct entry { int* handle; const char* path; };
    const entry table[] = {
        {&snd_unable_build, "sfx/unable_build.wav"}, {&snd_click1, "sfx/click1.wav"},
        {&snd_click2, "sfx/click2.wav"}, {&snd_toggle, "sfx/toggle.wav"},
        {&snd_wah, "sfx/wah.wav"}, {&snd_transform, "sfx/transform.wav"},
        {&snd_pickup, "sfx/pickup.wav"}, {&snd_dead1, "sfx/dead1.wav"},
        {&snd_dead2, "sfx/dead2.wav"}, {&snd_dead3, "sfx/dead3.wav"},
        {&snd_dead4, "sfx/dead4.wav"}, {&snd_down, "sfx/down.wav"},
        {&snd_gold, "sfx/gold.wav"}, {&snd_pickb, "sfx/pickb.wav"},
        {&snd_perforator, "sfx/perforator.wav"}, {&snd_explosion, "sfx/explosion.wav"},
        {&snd_bbegin, "sfx/bbegin.wav"}, {&snd_bubble, "sfx/bubble.wav"},
        {&snd_electrocute, "sfx/electrocute.wav"}, {&snd_alldead, "sfx/alldead.wav"},
    };
    for (const entry& e : table) *e.handle = load_sound(e.path, 0);
}
