// Paths and file reading for the texture loader.
#include "platform/loader/image_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace loader {

namespace {

struct OpenFile {
    // Without O_NONBLOCK, opening a FIFO that no one writes to waits forever.
    explicit OpenFile(const std::string& path)
        : descriptor(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (descriptor >= 0)
            close(descriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor = -1;
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
    OpenFile file(path);
    struct stat status = {};
    if (file.descriptor < 0 || fstat(file.descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > off_t(kMaxFileBytes))
        return false;
    // The file as it stood when it was opened: one that shrinks meanwhile
    // fails, one that grows is read to its old length.
    bytes.resize(size_t(status.st_size));
    size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = read(file.descriptor, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        filled += size_t(got);
    }
    return true;
}

} // namespace loader
