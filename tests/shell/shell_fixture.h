// What the shell's tests share: a fresh game, window and device for each test, a working
// folder of its own with the game's images, the board's geometry as a player clicks it,
// and the highscore files.
#pragma once

#include "Game.h"
#include "platform/d3d9_testing.h"
#include "platform/win32_headless.h"
#include "Graphics.h"
#include "Window.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_draws.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shell_test {

namespace fs = std::filesystem;
namespace headless = win32_headless;

const char* const kActionFile = "highscoreaction.dat";
const char* const kNormalFile = "highscorenormal.dat";

// The centre of hole `index` in client pixels: rows of three start at x 180, rows of seven at
// x 72, the top row at y 90; cells are 50 pixels wide, 54 apart.
inline std::pair<int, int> HoleCentre(int index) {
    static const int kRowFirstHole[] = {0, 3, 6, 13, 20, 27, 30, 33};
    int row = 0;
    while (index >= kRowFirstHole[row + 1]) {
        ++row;
    }
    int rowLength = kRowFirstHole[row + 1] - kRowFirstHole[row];
    int firstX = rowLength == 3 ? 180 : 72;
    return {firstX + 54 * (index - kRowFirstHole[row]) + 25, 90 + 54 * row + 25};
}

inline void ClickHole(int index) {
    std::pair<int, int> centre = HoleCentre(index);
    headless::Click(centre.first, centre.second);
}

// The peg on `from` jumps into the empty hole `to`.
inline void Jump(int from, int to) {
    ClickHole(from);
    ClickHole(to);
}

// A whole game that leaves one peg, in the centre: 31 jumps, then no jump is left.
const std::vector<std::pair<int, int>> kWinningGame = {
    {4, 16},  {7, 9},   {0, 8},   {2, 0},   {9, 7},   {6, 8},   {10, 2},  {12, 10},
    {15, 3},  {0, 8},   {13, 15}, {15, 3},  {17, 15}, {19, 17}, {17, 5},  {2, 10},
    {22, 8},  {3, 15},  {20, 22}, {23, 21}, {29, 17}, {26, 24}, {30, 22}, {15, 27},
    {32, 30}, {30, 22}, {21, 23}, {23, 25}, {10, 24}, {25, 23}, {28, 16},
};

inline void PlayWinningGame() {
    for (const std::pair<int, int>& jump : kWinningGame) {
        Jump(jump.first, jump.second);
    }
}

inline HighscoreTable ReadTable(const char* file) {
    HighscoreTable table;
    table.Load(file);
    return table;
}

// A table file whose places 5 to 1 hold these scores, each under the name "Old".
inline void WriteTable(const char* file, std::vector<int> ascendingScores) {
    HighscoreTable table;
    for (int i = 0; i < 5; ++i) {
        snprintf(table.entry[i].name, sizeof table.entry[i].name, "Old");
        table.entry[i].score = ascendingScores[i];
    }
    table.Save(file);
}

inline std::vector<int> Scores(const HighscoreTable& table) {
    std::vector<int> scores;
    for (const HighscoreEntry& entry : table.entry) {
        scores.push_back(entry.score);
    }
    return scores;
}

// Each test plays in a working folder of its own that links to the repository's images, with
// the program's global objects as they are when the process starts, and no hot peg unless it
// queues one.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.emplace();
        workDir = folder->scratch.root;

        g_game.~Game();
        new (&g_game) Game();
        // The hot peg appears only where a test queues it: scripted games must not
        // depend on luck.
        ScriptedDraws::Serve(g_game.board.hotButton.random);
        g_window = Window();
        g_graphics.~Graphics();
        new (&g_graphics) Graphics();
        gameOverShown = 0;
        actionChecked = 0;
        headless::Install();
        liveAtStart = d3d9_testing::liveObjects();
    }

    // Every texture, vertex buffer, device and Direct3D object made since SetUp is released.
    void ExpectEverythingGivenBack() {
        d3d9_testing::LiveObjects live = d3d9_testing::liveObjects();
        EXPECT_EQ(live.direct3d, liveAtStart.direct3d);
        EXPECT_EQ(live.devices, liveAtStart.devices);
        EXPECT_EQ(live.textures, liveAtStart.textures);
        EXPECT_EQ(live.vertexBuffers, liveAtStart.vertexBuffers);
    }

    // Every scripted action was one the player could do when it came, unless the test says.
    void TearDown() override {
        EXPECT_EQ(headless::Refused(), expectedRefusals);
        folder.reset();
    }

    std::vector<std::string> expectedRefusals;
    d3d9_testing::LiveObjects liveAtStart;
    std::optional<GameFolder> folder;
    fs::path workDir;
};

} // namespace shell_test
