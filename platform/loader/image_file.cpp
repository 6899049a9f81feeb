// Paths and file reading for the texture loader.
#include "platform/loader/image_file.h"

#include <windows.h>

namespace loader {

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

namespace {

// Closed however the read ends, a failed allocation included.
struct OpenFile {
    HANDLE handle;
    ~OpenFile() { CloseHandle(handle); }
};

} // namespace

// Opened as every file of the platform is, never waiting: a FIFO or a device in
// the image's place is no disk file and reads as missing.
bool readFile(const std::string& path, FileBytes& bytes) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const OpenFile file{handle};
    LARGE_INTEGER size = {};
    if (GetFileType(file.handle) != FILE_TYPE_DISK || !GetFileSizeEx(file.handle, &size) ||
        size.QuadPart > LONGLONG(kMaxFileBytes))
        return false;
    // The file as it stood when it was opened: one that shrinks meanwhile
    // fails, one that grows is read to its old length.
    bytes.size = size_t(size.QuadPart);
    bytes.data.reset(new uint8_t[bytes.size]);
    for (size_t filled = 0; filled < bytes.size;) {
        DWORD got = 0;
        if (!ReadFile(file.handle, bytes.data.get() + filled, DWORD(bytes.size - filled), &got,
                      nullptr) ||
            got == 0)
            return false;
        filled += got;
    }
    return true;
}

} // namespace loader
