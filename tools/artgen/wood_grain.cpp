#include "wood_grain.h"

#include "noise.h"

#include <algorithm>
#include <cmath>

double GrainDarkness(double u, double v, uint32_t seed) {
    // Rings: stripes along u, bent by slow noise so that they wander, with a
    // little fast wobble and a spacing that varies across the plank.
    double bend = FractalNoise(u / 300.0, v / 50.0, seed, 4) * 34.0 +
                  FractalNoise(u / 50.0, v / 12.0, seed + 3u, 2) * 3.0;
    double spacing = 0.28 + 0.22 * FractalNoise(u / 400.0, v / 120.0, seed + 5u, 2);
    double ring = std::pow(0.5 + 0.5 * std::sin((v + bend) * spacing), 4.0);
    // Fibres: fine streaks stretched along the grain.
    double fibre = FractalNoise(u / 90.0, v / 1.3, seed + 7u, 3);
    // Broad clouds of lighter and darker wood.
    double cloud = FractalNoise(u / 220.0, v / 90.0, seed + 13u, 2);
    double d = 0.42 * ring + 0.4 * fibre + 0.35 * (cloud - 0.5) + 0.08;
    return std::clamp(d, 0.0, 1.0);
}

void PaintWood(Canvas& canvas, const WoodColours& colours, uint32_t seed, int plankHeight,
               int plankOffset) {
    canvas.flush();
    for (int y = 0; y < canvas.height(); ++y) {
        uint32_t plank =
            plankHeight > 0 ? static_cast<uint32_t>((y + plankOffset) / plankHeight) : 0u;
        double shift = plank * 977.0;
        for (int x = 0; x < canvas.width(); ++x) {
            double d = GrainDarkness(x + shift, y + shift * 0.37, seed + plank * 31u);
            auto channel = [d](double light, double dark) {
                return static_cast<uint32_t>(std::lround((light + (dark - light) * d) * 255.0));
            };
            canvas.pixel(x, y) = 0xFF000000u | channel(colours.light.r, colours.dark.r) << 16 |
                                 channel(colours.light.g, colours.dark.g) << 8 |
                                 channel(colours.light.b, colours.dark.b);
        }
    }
    canvas.markDirty();
}
