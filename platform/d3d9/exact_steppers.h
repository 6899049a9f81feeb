// Exact integer stepping of floor(n / d) where n grows by a fixed amount per
// step: the quotient and remainder are carried, so no step ever rounds.
#pragma once

#include <cstdint>

namespace d3d9_internal {

typedef __int128 Wide;

// floor(n / d) and n - d * floor(n / d), for d > 0.
inline void floorDivide(Wide n, int64_t d, int64_t& quotient, int64_t& remainder) {
    Wide q = n / d;
    Wide r = n % d;
    if (r < 0) {
        r += d;
        --q;
    }
    quotient = int64_t(q);
    remainder = int64_t(r);
}

class FloorStepper {
public:
    // Starts at floor(numerator / denominator); each advance adds step to the
    // numerator. denominator must be positive.
    void start(Wide numerator, Wide step, int64_t denominator) {
        d = denominator;
        floorDivide(numerator, d, quotient, remainder);
        floorDivide(step, d, stepQuotient, stepRemainder);
    }
    // The quotient wraps rather than overflows: only texture coordinates far
    // beyond any texture, stepped past the polygon's edge, get that far, and
    // every texel index is clamped to the texture after.
    void advance() {
        quotient = int64_t(uint64_t(quotient) + uint64_t(stepQuotient));
        remainder += stepRemainder;
        if (remainder >= d) {
            remainder -= d;
            quotient = int64_t(uint64_t(quotient) + 1);
        }
    }
    int64_t value() const { return quotient; }
    bool steady() const { return stepQuotient == 0 && stepRemainder == 0; }

private:
    int64_t d = 1;
    int64_t quotient = 0;
    int64_t remainder = 0;
    int64_t stepQuotient = 0;
    int64_t stepRemainder = 0;
};

} // namespace d3d9_internal
