// The hot peg refuses to be selected, and it appears at random. The shell's scripted games
// must not depend on luck, so in this test binary the random draw never places one.
extern "C" int rand() {
    return 0;
}
