// Folders of a test's own: a fresh folder under the system's temporary folder,
// removed with all it holds when the test ends, and a change of working folder
// that is undone when the test ends. Every suite writes its files here.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// The repository's folder, compiled into the test binaries.
inline const std::filesystem::path kSourceTree = QUORVEL_SOURCE_DIR;

class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        root = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string Path(const std::string& name) const { return (root / name).string(); }

    // Writes the bytes to the relative name, making its folders; returns the full path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

    std::filesystem::path root;
};

// Makes the folder the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

// A scratch folder made the working directory, with "Grafik" linked to the repository's
// images: the game finds its artwork there and writes its highscore files into it.
class GameFolder {
public:
    GameFolder() : linked(LinkImages(scratch)), here(scratch.root) {}

    std::string Path(const std::string& name) const { return scratch.Path(name); }

    ScratchDir scratch;

private:
    static bool LinkImages(const ScratchDir& folder) {
        std::filesystem::create_directory_symlink(kSourceTree / "Grafik", folder.root / "Grafik");
        return true;
    }

    bool linked = false;
    WorkingDirectory here;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::string ScratchDir::Write(const std::string& name,
                                     const std::vector<uint8_t>& bytes) const {
    std::filesystem::path file = root / name;
    std::filesystem::create_directories(file.parent_path());
    WriteBytes(file.string(), bytes);
    return file.string();
}
