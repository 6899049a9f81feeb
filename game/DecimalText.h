// A number's decimal text as "%i" writes it, read one digit per character.
#pragma once

#include <cstdio>

class DecimalText {
public:
    explicit DecimalText(int value) { snprintf(text, sizeof text, "%i", value); }

    // The value of the character at position i: "0" to "9" give 0 to 9, a
    // minus sign or a position past the end gives 0.
    int DigitAt(int i) const {
        char c = text[i];
        return c >= '0' && c <= '9' ? c - '0' : 0;
    }

private:
    char text[12] = {};
};
