// A fresh temporary directory for tests that write files, removed with all it
// holds when the test ends.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            root = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string Path(const std::string& name) const { return (root / name).string(); }

    std::filesystem::path root;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

// Makes a fresh temporary directory the working directory, with a link
// "Grafik" to the repository's images, so the game finds its artwork and its
// highscore files land in the temporary directory.
class WorkingDir {
public:
    WorkingDir() {
        const char* source = getenv("QUORVEL_SOURCE_DIR");
        std::filesystem::path images =
            std::filesystem::path(source ? source : std::filesystem::current_path()) / "Grafik";
        previous = std::filesystem::current_path();
        std::filesystem::create_directory_symlink(images, scratch.root / "Grafik");
        std::filesystem::current_path(scratch.root);
    }
    ~WorkingDir() { std::filesystem::current_path(previous); }
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

    std::string Path(const std::string& name) const { return scratch.Path(name); }

private:
    ScratchDir scratch;
    std::filesystem::path previous;
};
