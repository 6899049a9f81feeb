// Prints the mouse pointer's image as the X server shows it, for the Xvfb
// scripts, which cannot see the pointer in a screenshot: a line "WIDTH HEIGHT
// HOTSPOT_X HOTSPOT_Y", then one line a row: B black, W white, . clear, ? any
// other colour.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    XFixesCursorImage* image = display ? XFixesGetCursorImage(display) : nullptr;
    if (!image) {
        std::fprintf(stderr, "pointer_image: no display or no pointer image\n");
        return 1;
    }
    std::printf("%d %d %d %d\n", image->width, image->height, image->xhot, image->yhot);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long argb = image->pixels[y * image->width + x];
            const unsigned long rgb = argb & 0xFFFFFF;
            std::putchar((argb >> 24) == 0 ? '.' : rgb == 0 ? 'B' : rgb == 0xFFFFFF ? 'W' : '?');
        }
        std::putchar('\n');
    }
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
