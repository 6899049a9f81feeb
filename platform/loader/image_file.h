// Finding and reading the image file a game path names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace loader {

// The local form of a path written the Windows way: "Grafik\holz.jpg" and
// "Grafik//0.png" become "Grafik/holz.jpg" and "Grafik/0.png". Backslashes
// become slashes and runs of slashes collapse; letter case stays as written.
std::string localPath(const char* path);

// The whole content of the file; false when it cannot be opened or read, or
// is larger than any image this loader would accept.
bool readFile(const std::string& path, std::vector<uint8_t>& bytes);

} // namespace loader
