// The vectorised blending against the plain formula, for every alpha and
// channel value, in rows long and short enough to use every code path.
#include "platform/d3d9/alpha_runs.h"
#include "platform/d3d9/pixel_math.h"
#include "tests/d3d9/reference_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Source pixels of every alpha, with channels s, 255 - s and s ^ 0x5A.
uint32_t sourcePixel(uint32_t alpha, uint32_t s) {
    return alpha << 24 | s << 16 | (255 - s) << 8 | (s ^ 0x5A);
}

} // namespace

TEST(BlendKernels, MatchTheExactFormulaForEveryAlphaAndChannelValue) {
    std::vector<uint32_t> source(256);
    std::vector<uint32_t> target(256);
    for (uint32_t d = 0; d < 256; d += 5) {
        for (uint32_t alpha = 0; alpha < 256; ++alpha) {
            for (uint32_t s = 0; s < 256; ++s) {
                source[s] = sourcePixel(alpha, s);
                target[s] = 0xFF000000u | d << 16 | (d ^ 0xC3) << 8 | (255 - d);
            }
            const std::vector<uint32_t> before = target;
            d3d9_internal::blendSourceAlphaOver(target.data(), source.data(), 256);
            for (uint32_t s = 0; s < 256; ++s) {
                ASSERT_EQ(target[s], expectedBlend(source[s], before[s]))
                    << "alpha " << alpha << " s " << s << " d " << d;
            }
        }
    }
}

TEST(BlendKernels, RowsWithAlphaRunsMatchTheFormulaAtEveryLength) {
    // A row that changes between transparent, translucent and opaque runs of
    // many lengths, blended from every start and for every length.
    std::vector<uint32_t> texels;
    const uint32_t alphas[] = {0, 128, 255, 1, 254, 0, 255};
    int length = 1;
    for (int repeat = 0; repeat < 6; ++repeat) {
        for (uint32_t alpha : alphas) {
            for (int i = 0; i < length; ++i) {
                texels.push_back(sourcePixel(alpha, uint32_t(texels.size() * 37) & 0xFF));
            }
            length = length * 3 % 23 + 1;
        }
    }
    const int size = int(texels.size());
    std::vector<d3d9_internal::AlphaRun> runs(texels.size());
    d3d9_internal::measureAlphaRuns(texels.data(), texels.size(), size, runs.data());
    for (int start = 0; start < size; start += 3) {
        for (int count = 1; start + count <= size; count += 5) {
            std::vector<uint32_t> target(size_t(count), 0xFF306090u);
            d3d9_internal::blendSourceAlphaOverRuns(target.data(), &texels[size_t(start)],
                                                    &runs[size_t(start)], count);
            for (int i = 0; i < count; ++i) {
                ASSERT_EQ(target[size_t(i)], expectedBlend(texels[size_t(start + i)], 0xFF306090u))
                    << "start " << start << " count " << count << " pixel " << i;
            }
        }
    }

    // Runs as long as a byte counts, or longer, and what follows them.
    std::vector<uint32_t> longRuns(255, sourcePixel(255, 7));
    longRuns.resize(300, sourcePixel(128, 9));
    longRuns.resize(900, sourcePixel(0, 3));
    longRuns.resize(1200, sourcePixel(255, 5));
    runs.resize(longRuns.size());
    d3d9_internal::measureAlphaRuns(longRuns.data(), longRuns.size(), 1200, runs.data());
    std::vector<uint32_t> target(longRuns.size(), 0xFF306090u);
    d3d9_internal::blendSourceAlphaOverRuns(target.data(), longRuns.data(), runs.data(), 1200);
    for (size_t i = 0; i < longRuns.size(); ++i) {
        ASSERT_EQ(target[i], expectedBlend(longRuns[i], 0xFF306090u)) << "pixel " << i;
    }
}

TEST(AlphaRuns, CountToTheEndOfEachRunWithinItsRow) {
    const std::vector<uint32_t> texels = {0x00000000, 0x00FFFFFF, 0x80000000, 0xFF000000,
                                          0xFF123456, 0x7F000000, 0x01000000, 0x00000000};
    std::vector<d3d9_internal::AlphaRun> runs(texels.size());
    d3d9_internal::measureAlphaRuns(texels.data(), texels.size(), 4, runs.data());
    // Two rows of four: runs stop at the row's end.
    EXPECT_EQ(runs, (std::vector<d3d9_internal::AlphaRun>{2, 1, 1, 1, 1, 2, 1, 1}));

    // A run longer than a byte counts is cut in pieces, counted from its end.
    const std::vector<uint32_t> opaque(600, 0xFF000000u);
    runs.resize(opaque.size());
    d3d9_internal::measureAlphaRuns(opaque.data(), opaque.size(), 600, runs.data());
    EXPECT_EQ(runs[0], 90);
    EXPECT_EQ(runs[89], 1);
    EXPECT_EQ(runs[90], 255);
    EXPECT_EQ(runs[599], 1);
}
