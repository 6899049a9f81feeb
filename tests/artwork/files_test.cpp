// Every image the game names is there, is what its extension says, loads
// through the game's loader and has the size it is drawn at.
#include "tests/artwork/artwork_catalogue.h"
#include "tests/artwork/loaded_image.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

std::string forwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string::size_type doubled;
    while ((doubled = path.find("//")) != std::string::npos) {
        path.erase(doubled, 1);
    }
    return path;
}

std::string firstBytes(const std::string& path, size_t count) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(count, '\0');
    file.read(&bytes[0], static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

const std::string kPngSignature("\x89PNG\r\n\x1a\n", 8);
const std::string kJpegSignature("\xFF\xD8\xFF", 3);

} // namespace

using ArtworkFiles = ArtworkDevice;

TEST_F(ArtworkFiles, EveryImageHasItsFormatAndSize) {
    for (const ArtworkImage& art : kArtwork) {
        SCOPED_TRACE(art.path);
        const std::string file = forwardSlashes(art.path);
        const std::string& signature =
            art.format == ImageFormat::Png ? kPngSignature : kJpegSignature;
        EXPECT_EQ(firstBytes(file, signature.size()), signature);

        LoadedImage image = load(art.path);
        ASSERT_EQ(image.result, S_OK);
        EXPECT_EQ(image.width, art.width);
        EXPECT_EQ(image.height, art.height);
    }
}

// The pictures stay the same whichever way the game spells a path.
TEST_F(ArtworkFiles, WindowsAndForwardSlashPathsLoadTheSameTexels) {
    LoadedImage windows = load("Grafik\\0.png");
    LoadedImage forward = load("Grafik//0.png");
    ASSERT_EQ(windows.result, S_OK);
    EXPECT_EQ(windows.texels, forward.texels);
}

// Each file under Grafik is one the game names, spelt as the code spells it
// (names are case-sensitive here, unlike on Windows): a misspelt file would
// leave the game without its image.
TEST(ArtworkFolder, HoldsExactlyTheImagesTheGameNames) {
    std::set<std::string> named;
    for (const ArtworkImage& art : kArtwork) {
        named.insert(forwardSlashes(art.path));
    }
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(kSourceTree / "Grafik")) {
        present.insert("Grafik/" + entry.path().filename().string());
    }
    for (const std::string& file : named) {
        EXPECT_EQ(present.erase(file), 1u) << file << " is missing";
    }
    EXPECT_TRUE(present.empty()) << "not named by the game: " << *present.begin();
}
