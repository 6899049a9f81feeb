// Every image of the game, each group written by its own drawing code into a
// folder: `grafik` is <root>/Grafik, `resources` is <root>/resources.
// Each returns false when a file could not be written.
#pragma once

#include <string>

bool DrawWood(const std::string& grafik);         // holz.jpg
bool DrawBoard(const std::string& grafik);        // brett.png
bool DrawPieces(const std::string& grafik);       // loch, spielstein, spielsteinaktiv, hotbutton
bool DrawDigits(const std::string& grafik);       // 0.png to 9.png, highlight.png
bool DrawLabels(const std::string& grafik);       // the rising points labels
bool DrawPanels(const std::string& grafik);       // stats, combostat, time
bool DrawOverlays(const std::string& grafik);     // GameOver, CTB, About
bool DrawResources(const std::string& resources); // icon107.ico, cursor105.cur

// Composes the images in `grafik` at their places in the 594 x 551 client area
// and writes pictures of the game into `outDir`, to look at.
bool DrawPreviews(const std::string& grafik, const std::string& outDir);
