// Binary little-endian file streams and path lookup.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "runtime/internal.h"

namespace fs = std::filesystem;

namespace {

struct stream_record {
    std::FILE* file;
    bool writing;
    bool failed;
};

std::vector<stream_record> streams(1, stream_record{nullptr, false, false});

stream_record* find_stream(int stream) {
    if (stream <= 0 || static_cast<size_t>(stream) >= streams.size()) return nullptr;
    stream_record* s = &streams[stream];
    return s->file ? s : nullptr;
}

int add_stream(std::FILE* f, bool writing) {
    for (size_t i = 1; i < streams.size(); ++i)
        if (!streams[i].file) {
            streams[i] = {f, writing, false};
            return static_cast<int>(i);
        }
    streams.push_back({f, writing, false});
    return static_cast<int>(streams.size() - 1);
}

bool exists(const std::string& p) {
    std::error_code ec;
    return fs::exists(fs::path(p), ec);
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// The entry of `folder` whose name matches `name` ignoring case, or "".
std::string find_in_folder(const std::string& folder, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return std::string();
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string entry = it->path().filename().string();
        if (same_ignoring_case(entry, name)) return entry;
    }
    return std::string();
}

int read_bytes(int stream, int n) {
    stream_record* s = find_stream(stream);
    if (!s || s->writing) return 0;
    unsigned char buf[4] = {0, 0, 0, 0};
    if (std::fread(buf, 1, static_cast<size_t>(n), s->file) != static_cast<size_t>(n)) {
        s->failed = true;
        return 0;
    }
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | buf[i];
    return static_cast<int>(static_cast<int32_t>(v));
}

void write_bytes(int stream, uint32_t v, int n) {
    stream_record* s = find_stream(stream);
    if (!s || !s->writing) return;
    unsigned char buf[4];
    for (int i = 0; i < n; ++i) buf[i] = static_cast<unsigned char>(v >> (8 * i));
    if (std::fwrite(buf, 1, static_cast<size_t>(n), s->file) != static_cast<size_t>(n)) s->failed = true;
}

} // namespace

std::string resolve_path(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || exists(p)) return p;

    // Walk the folders one level at a time, matching each name without case;
    // the first level that cannot be matched is kept as written.
    std::string out;
    size_t pos = 0;
    if (p[0] == '/') {
        out = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= p.size()) {
        size_t slash = p.find('/', pos);
        if (slash == std::string::npos) slash = p.size();
        std::string part = p.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty()) continue;
        std::string candidate = out.empty() || out == "/" ? out + part : out + "/" + part;
        if (matching && part != "." && part != ".." && !exists(candidate)) {
            std::string found = find_in_folder(out, part);
            if (!found.empty()) candidate = out.empty() || out == "/" ? out + found : out + "/" + found;
            else matching = false;
        }
        out = candidate;
    }
    return out;
}

bool rt_read_whole_file(const std::string& path, std::vector<uint8_t>& out) {
    std::string p = resolve_path(path);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(fs::path(p), ec)) return false;
    std::FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return false;
    out.clear();
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

int read_file(const std::string& path) {
    std::string p = resolve_path(path);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(fs::path(p), ec)) return 0;
    std::FILE* f = std::fopen(p.c_str(), "rb");
    return f ? add_stream(f, false) : 0;
}

int write_file(const std::string& path) {
    std::string p = resolve_path(path);
    if (p.empty()) return 0;
    std::FILE* f = std::fopen(p.c_str(), "wb");
    return f ? add_stream(f, true) : 0;
}

void close_stream(int stream) {
    stream_record* s = find_stream(stream);
    if (!s) return;
    if (s->writing) {
        // Saved data must survive a crash or power loss right after.
        std::fflush(s->file);
        ::fsync(::fileno(s->file));
    }
    std::fclose(s->file);
    *s = stream_record{nullptr, false, false};
}

bool stream_failed(int stream) {
    stream_record* s = find_stream(stream);
    return s ? s->failed : true;
}

int read_byte(int stream) { return read_bytes(stream, 1) & 0xFF; }
void write_byte(int stream, int v) { write_bytes(stream, static_cast<uint32_t>(v), 1); }
int read_short(int stream) { return read_bytes(stream, 2) & 0xFFFF; }
void write_short(int stream, int v) { write_bytes(stream, static_cast<uint32_t>(v), 2); }
int32_t read_int(int stream) { return read_bytes(stream, 4); }
void write_int(int stream, int32_t v) { write_bytes(stream, static_cast<uint32_t>(v), 4); }

void delete_file(const std::string& path) {
    std::string p = resolve_path(path);
    if (!p.empty()) std::remove(p.c_str());
}

bool rename_file(const std::string& from, const std::string& to) {
    std::string f = resolve_path(from), t = resolve_path(to);
    if (f.empty() || t.empty()) return false;
    return std::rename(f.c_str(), t.c_str()) == 0;
}

bool file_exists(const std::string& path) {
    std::string p = resolve_path(path);
    return !p.empty() && exists(p);
}

long file_size(const std::string& path) {
    std::string p = resolve_path(path);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(fs::path(p), ec)) return -1;
    auto n = fs::file_size(fs::path(p), ec);
    return ec ? -1 : static_cast<long>(n);
}
