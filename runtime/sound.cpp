// Sounds and channels on the mixer, with a silent stand-in when there is no
// audio device (or no window), and the sound log.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/internal.h"

namespace {

constexpr int channel_count = 32;

struct chunk_entry {
    std::string resolved;
    Mix_Chunk* chunk;
    int refs;
};

struct sound_record {
    bool in_use;
    std::string path; // as the caller wrote it, for the log
    bool loop;
    int chunk;        // index into chunks, -1 when silent
    long length_frames; // playing time in 60 Hz frames, 0 when unknown
};

struct channel_record {
    bool allocated;
    std::string name;
    float volume = 1.0f;
    int sound;
    bool active, paused;
    long start_frame;
    long last_use;
};

struct audio_state {
    bool tried = false;
    bool mixer = false;
    long use_counter = 0;
    std::FILE* log = nullptr;
};

audio_state au;
std::vector<sound_record> sounds(1);
std::vector<chunk_entry> chunks;
channel_record channels[channel_count + 1];

void open_audio() {
    if (au.tried) return;
    au.tried = true;
    // Headless runs never touch the audio device.
    if (current_backend() != backend_window) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(channel_count);
    au.mixer = true;
}

uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

long to_frames(double seconds) { return seconds > 0 ? static_cast<long>(std::ceil(seconds * 60.0)) : 0; }

// Playing time of WAV data from its fmt and data chunks.
long wav_frames(const std::vector<uint8_t>& b) {
    uint32_t byte_rate = 0, data = 0;
    for (size_t pos = 12; pos + 8 <= b.size();) {
        uint32_t size = le32(&b[pos + 4]);
        if (std::memcmp(&b[pos], "fmt ", 4) == 0 && pos + 20 <= b.size()) byte_rate = le32(&b[pos + 16]);
        if (std::memcmp(&b[pos], "data", 4) == 0) {
            data = size;
            break;
        }
        pos += 8 + static_cast<size_t>(size) + (size & 1);
    }
    return byte_rate ? to_frames(static_cast<double>(data) / byte_rate) : 0;
}

// Playing time of Ogg Vorbis data: the last page's granule over the rate.
long ogg_frames(const std::vector<uint8_t>& b) {
    if (b.size() < 58) return 0;
    size_t ident = 27 + static_cast<size_t>(b[26]);
    if (ident + 16 > b.size() || std::memcmp(&b[ident + 1], "vorbis", 6) != 0) return 0;
    uint32_t rate = le32(&b[ident + 12]);
    for (size_t pos = b.size() - 27; pos > 0; --pos)
        if (std::memcmp(&b[pos], "OggS", 4) == 0) {
            uint64_t granule = uint64_t(le32(&b[pos + 6])) | (uint64_t(le32(&b[pos + 10])) << 32);
            return rate ? to_frames(static_cast<double>(granule) / rate) : 0;
        }
    return 0;
}

bool looks_like_sound(const std::vector<uint8_t>& b) {
    bool wav = b.size() >= 12 && std::memcmp(b.data(), "RIFF", 4) == 0 && std::memcmp(b.data() + 8, "WAVE", 4) == 0;
    bool ogg = b.size() >= 4 && std::memcmp(b.data(), "OggS", 4) == 0;
    return wav || ogg;
}

// Loads (or shares) the decoded chunk of a file; -1 when it cannot be decoded.
int acquire_chunk(const std::string& resolved, const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i < chunks.size(); ++i)
        if (chunks[i].refs > 0 && chunks[i].resolved == resolved) {
            ++chunks[i].refs;
            return static_cast<int>(i);
        }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* c = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!c) return -1;
    for (size_t i = 0; i < chunks.size(); ++i)
        if (chunks[i].refs == 0) {
            chunks[i] = {resolved, c, 1};
            return static_cast<int>(i);
        }
    chunks.push_back({resolved, c, 1});
    return static_cast<int>(chunks.size() - 1);
}

sound_record* find_sound(int sound) {
    if (rt_handle_kind_of(sound) != rt_kind_sound || static_cast<size_t>(sound) >= sounds.size()) return nullptr;
    return sounds[sound].in_use ? &sounds[sound] : nullptr;
}

bool valid_channel(int ch) { return ch >= 1 && ch <= channel_count; }

bool channel_active(int ch) {
    const channel_record& c = channels[ch];
    if (!c.active) return false;
    if (au.mixer) return Mix_Playing(ch - 1) != 0;
    const sound_record* s = find_sound(c.sound);
    if (!s) return false;
    if (c.paused || s->loop || s->length_frames <= 0) return true;
    return frame_number() < c.start_frame + s->length_frames;
}

std::string channel_label(int ch) {
    if (valid_channel(ch) && !channels[ch].name.empty()) return channels[ch].name;
    return std::to_string(ch);
}

void log_call(const char* call, const std::string& field, int ch) {
    if (!au.log) return;
    std::fprintf(au.log, "%ld %s %s %s\n", frame_number(), call, field.empty() ? "-" : field.c_str(),
                 channel_label(ch).c_str());
}

void halt(int ch) {
    if (au.mixer) Mix_HaltChannel(ch - 1);
    channels[ch].active = false;
    channels[ch].paused = false;
    channels[ch].sound = 0;
}

void start(int sound, int ch, bool paused) {
    channel_record& c = channels[ch];
    c.last_use = ++au.use_counter;
    sound_record* s = find_sound(sound);
    if (!s) return;
    if (au.mixer) {
        if (s->chunk < 0) return;
        // A cued sound must not be heard for the moment before the pause.
        Mix_Volume(ch - 1, paused ? 0 : static_cast<int>(std::lround(c.volume * MIX_MAX_VOLUME)));
        if (Mix_PlayChannel(ch - 1, chunks[s->chunk].chunk, s->loop ? -1 : 0) < 0) return;
        if (paused) {
            Mix_Pause(ch - 1);
            Mix_Volume(ch - 1, static_cast<int>(std::lround(c.volume * MIX_MAX_VOLUME)));
        }
    }
    c.sound = sound;
    c.active = true;
    c.paused = paused;
    c.start_frame = frame_number();
}

void flush_log_at_exit() {
    if (au.log) std::fflush(au.log);
}

} // namespace

int load_sound(const std::string& path, int flags) {
    open_audio();
    std::vector<uint8_t> bytes;
    if (!rt_read_whole_file(path, bytes) || !looks_like_sound(bytes)) return 0;
    int chunk = -1;
    if (au.mixer) {
        chunk = acquire_chunk(resolve_path(path), bytes);
        if (chunk < 0) return 0;
    }
    long frames = std::memcmp(bytes.data(), "OggS", 4) == 0 ? ogg_frames(bytes) : wav_frames(bytes);
    int handle = rt_new_handle(rt_kind_sound);
    if (static_cast<size_t>(handle) >= sounds.size()) sounds.resize(handle + 1);
    sounds[handle] = {true, path, flags == 1, chunk, frames};
    return handle;
}

void rt_free_sound(int handle) {
    sound_record* s = find_sound(handle);
    if (!s) return;
    for (int ch = 1; ch <= channel_count; ++ch)
        if (channels[ch].sound == handle) halt(ch);
    if (s->chunk >= 0 && --chunks[s->chunk].refs == 0) {
        Mix_FreeChunk(chunks[s->chunk].chunk);
        chunks[s->chunk] = {std::string(), nullptr, 0};
    }
    *s = sound_record{};
}

int alloc_channel() {
    open_audio();
    for (int ch = 1; ch <= channel_count; ++ch)
        if (!channels[ch].allocated) {
            channels[ch] = channel_record{};
            channels[ch].allocated = true;
            channels[ch].last_use = ++au.use_counter;
            if (au.mixer) Mix_Volume(ch - 1, MIX_MAX_VOLUME);
            return ch;
        }
    // All taken: reuse the channel least likely still wanted, preferring ones
    // that lost their name and are silent, then any silent one, then the oldest.
    int best = 0;
    auto rank = [](int ch) { return (channel_active(ch) ? 2 : 0) + (channels[ch].name.empty() ? 0 : 1); };
    for (int ch = 1; ch <= channel_count; ++ch)
        if (!best || rank(ch) < rank(best) ||
            (rank(ch) == rank(best) && channels[ch].last_use < channels[best].last_use))
            best = ch;
    halt(best);
    channels[best] = channel_record{};
    channels[best].allocated = true;
    channels[best].last_use = ++au.use_counter;
    if (au.mixer) Mix_Volume(best - 1, MIX_MAX_VOLUME);
    return best;
}

void free_channel(int channel) {
    if (!valid_channel(channel)) return;
    halt(channel);
    channels[channel] = channel_record{};
}

void name_channel(int channel, const char* name) {
    if (!valid_channel(channel)) return;
    std::string n = name ? name : "";
    // A name belongs to one channel: the fresh music channel takes it from the old one.
    if (!n.empty())
        for (int ch = 1; ch <= channel_count; ++ch)
            if (ch != channel && channels[ch].name == n) channels[ch].name.clear();
    channels[channel].name = n;
}

void play_sound(int sound, int channel) {
    log_call("play", sound_path(sound), channel);
    if (valid_channel(channel) && find_sound(sound)) start(sound, channel, false);
}

void cue_sound(int sound, int channel) {
    log_call("cue", sound_path(sound), channel);
    if (valid_channel(channel) && find_sound(sound)) start(sound, channel, true);
}

void resume_channel(int channel) {
    log_call("resume", channel_sound(channel), channel);
    if (!valid_channel(channel) || !channel_active(channel)) return;
    channel_record& c = channels[channel];
    if (c.paused) c.start_frame = frame_number();
    c.paused = false;
    c.last_use = ++au.use_counter;
    if (au.mixer) Mix_Resume(channel - 1);
}

void stop_channel(int channel) {
    log_call("stop", channel_sound(channel), channel);
    if (valid_channel(channel)) halt(channel);
}

void set_channel_volume(int channel, float volume) {
    float v = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f);
    char field[32];
    std::snprintf(field, sizeof field, "%.2f", static_cast<double>(v));
    log_call("volume", field, channel);
    if (!valid_channel(channel)) return;
    channels[channel].volume = v;
    if (au.mixer) Mix_Volume(channel - 1, static_cast<int>(std::lround(v * MIX_MAX_VOLUME)));
}

float channel_volume(int channel) { return valid_channel(channel) ? channels[channel].volume : 0.0f; }

std::string sound_path(int sound) {
    const sound_record* s = find_sound(sound);
    return s ? s->path : std::string();
}

std::string channel_sound(int channel) {
    if (!valid_channel(channel) || !channel_active(channel)) return std::string();
    return sound_path(channels[channel].sound);
}

bool channel_playing(int channel) {
    if (!valid_channel(channel) || !channel_active(channel)) return false;
    if (au.mixer) return Mix_Paused(channel - 1) == 0;
    return !channels[channel].paused;
}

bool rt_audio_mixer() { return au.mixer; }

void rt_close_audio() {
    for (int ch = 1; ch <= channel_count; ++ch) halt(ch);
    for (sound_record& s : sounds) s.chunk = -1;
    for (chunk_entry& c : chunks)
        if (c.chunk) Mix_FreeChunk(c.chunk);
    chunks.clear();
    if (au.mixer) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    au.mixer = false;
    au.tried = false;
}

void open_sound_log(const std::string& path) {
    close_sound_log();
    au.log = std::fopen(resolve_path(path).c_str(), "w");
    static bool hooked = false;
    if (au.log && !hooked) {
        hooked = true;
        std::atexit(flush_log_at_exit);
    }
}

void close_sound_log() {
    if (au.log) std::fclose(au.log);
    au.log = nullptr;
}
