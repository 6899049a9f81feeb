// artgen: draws every image of the game.
//   artgen <root>                     writes <root>/Grafik and <root>/resources
//   artgen --preview <root> <outDir>  pictures of the game from <root>/Grafik
#include "artwork.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

bool ensureFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST) {
        return true;
    }
    std::fprintf(stderr, "artgen: cannot make %s\n", path.c_str());
    return false;
}

bool drawAll(const std::string& root) {
    const std::string grafik = root + "/Grafik";
    const std::string resources = root + "/resources";
    if (!ensureFolder(root) || !ensureFolder(grafik) || !ensureFolder(resources)) {
        return false;
    }
    bool ok = DrawWood(grafik);
    ok = DrawBoard(grafik) && ok;
    ok = DrawPieces(grafik) && ok;
    ok = DrawDigits(grafik) && ok;
    ok = DrawLabels(grafik) && ok;
    ok = DrawPanels(grafik) && ok;
    ok = DrawOverlays(grafik) && ok;
    return DrawResources(resources) && ok;
}

int usage() {
    std::fprintf(stderr, "usage: artgen <root>\n       artgen --preview <root> <outDir>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool ok;
    if (argc == 2 && std::strcmp(argv[1], "--preview") != 0) {
        ok = drawAll(argv[1]);
    } else if (argc == 4 && std::strcmp(argv[1], "--preview") == 0) {
        ok = ensureFolder(argv[3]) && DrawPreviews(std::string(argv[2]) + "/Grafik", argv[3]);
    } else {
        return usage();
    }
    // Give back the font caches, so that leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return ok ? 0 : 1;
}
