// Every image the game loads, named as its code names it, with the size it is
// drawn at, and the window's two resource images.
#pragma once

enum class ImageFormat { Png, Jpeg };

struct ArtworkImage {
    const char* path; // exactly as the game passes it to the loader
    int width;
    int height;
    ImageFormat format;
    bool colourKeyed; // loaded with opaque magenta as the colour key
};

const ArtworkImage kArtwork[] = {
    {"Grafik\\holz.jpg", 599, 599, ImageFormat::Jpeg, false},
    {"Grafik\\brett.png", 448, 448, ImageFormat::Png, false},
    {"Grafik\\loch.png", 50, 50, ImageFormat::Png, true},
    {"Grafik\\spielstein.png", 50, 50, ImageFormat::Png, false},
    {"Grafik\\spielsteinaktiv.png", 50, 50, ImageFormat::Png, true},
    {"Grafik//hotbutton.png", 60, 60, ImageFormat::Png, false},
    {"Grafik\\highlight.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//0.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//1.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//2.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//3.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//4.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//5.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//6.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//7.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//8.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//9.png", 30, 30, ImageFormat::Png, false},
    {"Grafik//50p.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//150p.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//250p.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//1000p.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//3000p.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//pHotButton.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//combo.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//stats.png", 75, 90, ImageFormat::Png, false},
    {"Grafik//combostat.png", 75, 30, ImageFormat::Png, false},
    {"Grafik//time.png", 75, 30, ImageFormat::Png, false},
    {"Grafik\\GameOver.png", 450, 100, ImageFormat::Png, false},
    {"Grafik\\CTB.png", 350, 65, ImageFormat::Png, false},
    {"Grafik//About.png", 500, 350, ImageFormat::Png, false},
    {"resources/icon107.png", 32, 32, ImageFormat::Png, false},
    {"resources/cursor105.png", 32, 32, ImageFormat::Png, false},
};
