// Paths and file reading for the texture loader.
#include "platform/loader/image_file.h"

#include <cstdio>
#include <memory>

namespace loader {

namespace {

// Far beyond any compressed image of the accepted size, yet a bound on what a
// stray path (a device, a huge unrelated file) can make the loader read.
constexpr size_t kMaxFileBytes = 512u * 1024 * 1024;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

} // namespace

std::string localPath(const char* path) {
    std::string local;
    for (const char* c = path; *c; ++c) {
        char ch = *c == '\\' ? '/' : *c;
        if (ch == '/' && !local.empty() && local.back() == '/')
            continue;
        local += ch;
    }
    return local;
}

bool readFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    bytes.clear();
    uint8_t chunk[64 * 1024];
    for (;;) {
        size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        if (bytes.size() + got > kMaxFileBytes)
            return false;
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk)
            return !std::ferror(file.get());
    }
}

} // namespace loader
