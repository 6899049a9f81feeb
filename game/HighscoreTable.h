// One mode's top-five list and the file that keeps it between runs.
//
// The file is the table's 120-byte image (five 24-byte records, fifth place
// first, scores little-endian) with each byte 0x0A stored as 0x0D 0x0A, the
// way the game has always written it.
#pragma once

#include <cstdint>

struct HighscoreEntry {
    HighscoreEntry();

    char name[20] = {};
    int32_t score = 0;
};

class HighscoreTable {
public:
    HighscoreTable() {}
    ~HighscoreTable() {}

    void Load(const char* file);
    void Save(const char* file);
    void Insert(const char* name, int score);
    void ResetAndSave();
    int GetLowest() { return lowest; }

    // Kept for ResetAndSave; the callers pass names that live for the whole run.
    const char* fileName = nullptr;
    // The list was there at the load but could not be read: the table holds
    // the defaults, which must not take the place of the player's scores.
    bool unreadable = false;
    int lowest = 0;
    // Ascending: entry[0] is the fifth place, entry[4] the first.
    HighscoreEntry entry[5];
};
