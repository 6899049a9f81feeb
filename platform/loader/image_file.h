// Finding and reading the image file a game path names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace loader {

// No file larger than this is read: the game's largest image is well under a
// megabyte, and a stray path (a disk image, a huge unrelated file) must not
// make a texture load cost seconds and hundreds of megabytes.
constexpr size_t kMaxFileBytes = size_t(16) << 20;

// The local form of a path written the Windows way: "Grafik\holz.jpg" and
// "Grafik//0.png" become "Grafik/holz.jpg" and "Grafik/0.png". Backslashes
// become slashes and runs of slashes collapse; letter case stays as written.
std::string localPath(const char* path);

// A file's content, in memory of its own size, not cleared before the read.
struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

// The whole content of a regular file of at most kMaxFileBytes. False, without
// waiting or reading, for anything else under that name (a FIFO, a device, a
// socket, a folder, a larger file), and when the file cannot be read; throws
// std::bad_alloc when there is no memory for it.
bool readFile(const std::string& path, FileBytes& bytes);

} // namespace loader
