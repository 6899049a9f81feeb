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

// Opened as every file of the platform is, never waiting: a FIFO or a device in
// the image's place is no disk file and reads as missing.
bool readFile(const std::string& path, FileBytes& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool read = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) &&
                size.QuadPart <= LONGLONG(kMaxFileBytes);
    if (read) {
        // The file as it stood when it was opened: one that shrinks meanwhile
        // fails, one that grows is read to its old length.
        bytes.size = size_t(size.QuadPart);
        if (bytes.size > bytes.capacity) {
            bytes.data.reset(new uint8_t[bytes.size]);
            bytes.capacity = bytes.size;
        }
        size_t filled = 0;
        DWORD got = 0;
        while (read && filled < bytes.size) {
            read = ReadFile(file, bytes.data.get() + filled, DWORD(bytes.size - filled), &got,
                            nullptr) &&
                   got > 0;
            filled += got;
        }
    }
    CloseHandle(file);
    return read;
}

} // namespace loader
