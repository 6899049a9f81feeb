// Pictures of the game made from the generated files, placed as the game
// places them, to judge the artwork as a player sees it.
#include "artwork.h"
#include "canvas.h"
#include "colour_key.h"
#include "jpeg_file.h"
#include "palette.h"

#include <cstdio>
#include <string>

namespace {

const int kClientWidth = 594;
const int kClientHeight = 551;

class Scene {
public:
    explicit Scene(const std::string& grafik)
        : grafik(grafik), canvas(kClientWidth, kClientHeight) {
        cairo_set_source_rgb(canvas.cr(), 0.0, 0.0, 0.0);
        cairo_paint(canvas.cr());
    }

    // Draws an image at (x, y); a keyed image loses its magenta first.
    void place(const std::string& file, double x, double y, bool keyed = false) {
        cairo_surface_t* image = cairo_image_surface_create_from_png((grafik + "/" + file).c_str());
        if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "artgen: cannot read %s\n", file.c_str());
            ok = false;
        } else {
            cairo_surface_t* shown = keyed ? withoutKey(image) : cairo_surface_reference(image);
            cairo_set_source_surface(canvas.cr(), shown, x, y);
            cairo_paint(canvas.cr());
            cairo_surface_destroy(shown);
        }
        cairo_surface_destroy(image);
    }

    void placeWood() {
        std::unique_ptr<Canvas> wood = LoadJpeg(grafik + "/holz.jpg");
        if (!wood) {
            std::fprintf(stderr, "artgen: cannot read holz.jpg\n");
            ok = false;
            return;
        }
        cairo_set_source_surface(canvas.cr(), wood->surface(), 0.0, 0.0);
        cairo_paint(canvas.cr());
    }

    // A number as the panels show it: digits 15 pixels apart from x.
    void number(const char* digits, double x, double y) {
        for (int i = 0; digits[i]; ++i) {
            place(std::string(1, digits[i]) + ".png", x + 15.0 * i, y);
        }
    }

    bool save(const std::string& path) { return canvas.savePng(path) && ok; }

private:
    // A copy with alpha in which the colour key has become transparent (an
    // opaque PNG reads as a surface without alpha).
    static cairo_surface_t* withoutKey(cairo_surface_t* image) {
        int width = cairo_image_surface_get_width(image);
        int height = cairo_image_surface_get_height(image);
        cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(copy);
        cairo_set_source_surface(cr, image, 0.0, 0.0);
        cairo_paint(cr);
        cairo_destroy(cr);
        ReplaceExactColour(copy, kColourKeyArgb, 0u);
        return copy;
    }

    std::string grafik;
    Canvas canvas;
    bool ok = true;
};

// Cell corners of the 33 holes, row by row.
void holeCorner(int hole, double& x, double& y) {
    static const int kRowStart[8] = {0, 3, 6, 13, 20, 27, 30, 33};
    int row = 0;
    while (hole >= kRowStart[row + 1]) {
        ++row;
    }
    int wide = row >= 2 && row <= 4;
    x = (wide ? 72.0 : 180.0) + 54.0 * (hole - kRowStart[row]);
    y = 90.0 + 54.0 * row;
}

// The board with pegs everywhere but `emptyHoles`, `selected` chosen and a hot peg.
void drawBoard(Scene& scene, const int* emptyHoles, int emptyCount, int selected, int hot) {
    scene.placeWood();
    scene.place("brett.png", 35.0, 55.0);
    for (int hole = 0; hole < 33; ++hole) {
        bool empty = false;
        for (int i = 0; i < emptyCount; ++i) {
            empty = empty || emptyHoles[i] == hole;
        }
        double x, y;
        holeCorner(hole, x, y);
        if (empty) {
            scene.place("loch.png", x, y, true);
        } else if (hole == selected) {
            scene.place("spielsteinaktiv.png", x, y, true);
        } else {
            scene.place("spielstein.png", x, y);
        }
    }
    if (hot >= 0) {
        double x, y;
        holeCorner(hot, x, y);
        scene.place("hotbutton.png", x, y);
    }
}

void drawPanels(Scene& scene, const char* pegs, const char* moves, const char* score,
                const char* combo, const char* seconds, bool warn) {
    scene.place("stats.png", 400.0, 0.0);
    scene.place("combostat.png", 400.0, 80.0);
    scene.number(pegs, 500.0, 5.0);
    scene.number(moves, 500.0, 30.0);
    scene.number(score, 500.0, 55.0);
    if (combo[0] >= '3') {
        scene.place("highlight.png", 500.0, 80.0);
    }
    scene.number(combo, 500.0, 80.0);
    scene.place("time.png", 20.0, 5.0);
    if (warn) {
        scene.place("highlight.png", 90.0, 5.0);
        scene.place("highlight.png", 105.0, 5.0);
    }
    scene.number(seconds, 90.0, 5.0);
}

bool drawPlay(const std::string& grafik, const std::string& path) {
    Scene scene(grafik);
    const int empty[] = {4, 9, 10, 11, 17, 23, 8, 2};
    drawBoard(scene, empty, 8, 16, 22);
    drawPanels(scene, "24", "8", "1250", "3", "09", true);
    scene.place("50p.png", 214.0, 180.0);
    scene.place("150p.png", 288.0, 140.0);
    scene.place("250p.png", 126.0, 300.0);
    scene.place("combo.png", 146.0, 335.0);
    scene.place("pHotButton.png", 330.0, 380.0);
    scene.place("1000p.png", 380.0, 150.0);
    scene.place("3000p.png", 60.0, 120.0);
    return scene.save(path);
}

bool drawOverlay(const std::string& grafik, const std::string& overlay, double x, double y,
                 const std::string& path) {
    Scene scene(grafik);
    const int empty[] = {16};
    drawBoard(scene, empty, 1, -1, -1);
    drawPanels(scene, "32", "0", "0", "0", "30", false);
    scene.place(overlay, x, y);
    return scene.save(path);
}

} // namespace

bool DrawPreviews(const std::string& grafik, const std::string& outDir) {
    bool ok = drawPlay(grafik, outDir + "/preview-play.png");
    ok = drawOverlay(grafik, "CTB.png", 110.0, 220.0, outDir + "/preview-start.png") && ok;
    ok = drawOverlay(grafik, "GameOver.png", 80.0, 200.0, outDir + "/preview-gameover.png") && ok;
    return drawOverlay(grafik, "About.png", 50.0, 100.0, outDir + "/preview-about.png") && ok;
}
