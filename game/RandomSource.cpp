#include "RandomSource.h"

#include <cstdlib>
#include <ctime>

void RandomSource::SeedFromClock() {
    srand((unsigned)time(nullptr));
}

int RandomSource::Next() {
    return draw ? draw() : rand();
}
