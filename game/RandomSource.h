// The hot peg's luck: the C library's generator, seeded from the clock at
// start-up. Every number the game draws comes through here, so a test can hand
// in numbers of its own and know where and when a badge appears.
#pragma once

class RandomSource {
public:
    // Seeds the C library's generator with the calendar time in seconds.
    void SeedFromClock();
    // The next number: from the C library's generator, or from the draw handed in.
    int Next();
    // From now on Next gives what `ownDraw` gives; null goes back to the C library.
    void Use(int (*ownDraw)()) { draw = ownDraw; }

private:
    int (*draw)() = nullptr;
};
