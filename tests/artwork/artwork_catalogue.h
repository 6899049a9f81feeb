// Every image the game loads, named as its code names it, with the size it is
// drawn at. (The window's icon and cursor are resources: tests/win32 reads them.)
#pragma once

enum class ImageFormat { Png, Jpeg };

struct ArtworkImage {
    const char* path; // exactly as the game passes it to the loader
    int width;
    int height;
    ImageFormat format;
    bool colourKeyed; // loaded with opaque magenta as the colour key
    bool text;        // shows digits or words, which must not be cut off
};

const ArtworkImage kArtwork[] = {
    {"Grafik\\holz.jpg", 599, 599, ImageFormat::Jpeg, false, false},
    {"Grafik\\brett.png", 448, 448, ImageFormat::Png, false, false},
    {"Grafik\\loch.png", 50, 50, ImageFormat::Png, true, false},
    {"Grafik\\spielstein.png", 50, 50, ImageFormat::Png, false, false},
    {"Grafik\\spielsteinaktiv.png", 50, 50, ImageFormat::Png, true, false},
    {"Grafik//hotbutton.png", 60, 60, ImageFormat::Png, false, false},
    {"Grafik\\highlight.png", 30, 30, ImageFormat::Png, false, false},
    {"Grafik//0.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//1.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//2.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//3.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//4.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//5.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//6.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//7.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//8.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//9.png", 30, 30, ImageFormat::Png, false, true},
    {"Grafik//50p.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//150p.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//250p.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//1000p.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//3000p.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//pHotButton.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//combo.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//stats.png", 75, 90, ImageFormat::Png, false, true},
    {"Grafik//combostat.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik//time.png", 75, 30, ImageFormat::Png, false, true},
    {"Grafik\\GameOver.png", 450, 100, ImageFormat::Png, false, true},
    {"Grafik\\CTB.png", 350, 65, ImageFormat::Png, false, true},
    {"Grafik//About.png", 500, 350, ImageFormat::Png, false, true},
};
