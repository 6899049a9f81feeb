// Not a search for faults but a check on the fuzz build: a signed overflow in
// the first input must end the run as a crash does. `make fuzz` runs it and
// fails when it does not stop.
#include <climits>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* /*data*/, size_t /*size*/) {
    volatile int largest = INT_MAX;
    volatile int beyond = largest + 1;
    (void)beyond;
    return 0;
}
