// What the board tests share: a device on a headless 600 x 600 window, a
// scratch working folder whose "Grafik" holds plain images told apart by their
// widths, a board initialised there, and clicks aimed at holes.
#pragma once

#include "tests/support/live_objects.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_draws.h"

#include "Board.h"
#include "platform/d3d9_testing.h"
#include "platform/surface.h"
#include "Graphics.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Each image is one colour; its width names it in a texture.
struct TestImage {
    const char* name;
    int width;
    uint32_t argb;
};
const TestImage kBoardTestImages[] = {
    {"loch.png", 2, 0xFF402010},
    {"spielstein.png", 3, 0xFFE0E0E0},
    {"spielsteinaktiv.png", 4, 0xFFE0C000},
    {"hotbutton.png", 6, 0x80FF2000},
    {"50p.png", 50, 0xFF00FF00},
    {"150p.png", 150, 0xFF00FF00},
    {"250p.png", 250, 0xFF00FF00},
    {"1000p.png", 1000, 0xFF00FF00},
    {"3000p.png", 3000, 0xFF00FF00},
    {"pHotButton.png", 300, 0xFFFF0000},
    {"combo.png", 7, 0xFF0000FF},
};

inline bool WriteSolidPng(const std::string& path, int width, int height, uint32_t argb) {
    std::vector<uint32_t> pixels((size_t)width * height, argb);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = (png_uint_32)width;
    image.height = (png_uint_32)height;
    image.format = PNG_FORMAT_BGRA; // 0xAARRGGBB in little-endian memory
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}

// Width of the image a slot or sprite shows; 0 with none.
inline int ImageWidth(Sprite& sprite) {
    return sprite.GetTexture() ? (int)sprite.GetTexture()->Width() : 0;
}

// A hole's centre, where a player would click it.
inline void ClickHole(Board& board, int hole) {
    board.Click((int)board.holes[hole].x + 25, (int)board.holes[hole].y + 25);
}

// Selects `from` (unless it is selected already) and clicks `to`.
inline void PlayJump(Board& board, int from, int to) {
    if (!board.holes[from].selected)
        ClickHole(board, from);
    ClickHole(board, to);
}

// A hot-peg run under way over `hole`, `timer` seconds in, the badge shown or not.
inline void StartHotRun(HotButton& badge, int hole, float timer = 0.0f, int visible = 1) {
    badge.active = 1;
    badge.blinking = 1;
    badge.hole = hole;
    badge.timer = timer;
    badge.SetVisible(visible);
}

// Empties the board, then puts pegs in the given holes.
inline void PlacePegs(Board& board, const std::vector<int>& pegs) {
    for (Hole& hole : board.holes) {
        hole.empty = 1;
        hole.selected = 0;
    }
    for (int peg : pegs)
        board.holes[peg].empty = 0;
    board.pegsLeft = (int)pegs.size();
    board.hasSelection = 0;
}

inline int VisibleLabels(Board& board) {
    int count = 0;
    for (Popup& slot : board.popups.slots)
        count += slot.IsVisible() ? 1 : 0;
    return count;
}

// A board after Init on a working device, in a scratch folder with its own
// images; its hot peg appears only where a test queues one.
class BoardDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        d3d9_testing::resetFaults();
        std::filesystem::create_directory(root / "Grafik");
        for (const TestImage& image : kBoardTestImages)
            ASSERT_TRUE(
                WriteSolidPng((root / "Grafik" / image.name).string(), image.width, 4, image.argb));
        here.emplace(root);
        window.surface.clientWidth = 600;
        window.surface.clientHeight = 600;
        ScriptedDraws::Serve(board.hotButton.random);
        ASSERT_EQ(g_graphics.Create(&window), S_OK);
        // Direct3D 9 draws only inside a scene; these tests draw piece by piece inside one.
        ASSERT_EQ(g_graphics.BeginScene(), S_OK);
        if (InitBoard()) {
            ASSERT_EQ(board.Init(), S_OK);
        }
    }

    void TearDown() override {
        board.Release();
        g_graphics.Destroy();
        d3d9_testing::resetFaults();
        here.reset();
        ExpectNoLiveDeviceObjects();
    }

    // Tests that want to call Init themselves say no.
    virtual bool InitBoard() { return true; }

    IDirect3DDevice9* Device() { return g_graphics.GetDevice(); }

    ScratchDir scratch;
    const std::filesystem::path& root = scratch.root;
    std::optional<WorkingDirectory> here;
    HWND__ window;
    Board board;
};
