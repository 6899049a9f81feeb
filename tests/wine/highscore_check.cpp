// The highscore table of the Windows program on its own, for the Wine script
// (tests/scripts/wine_highscore_files.sh) to save and load lists with the
// real Win32 file functions:
//   highscore_check save <file> <name> <score>   inserts one entry and saves
//   highscore_check load <file>                  prints "name score" per entry, fifth place first
#include "HighscoreTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    HighscoreTable table;
    if (argc == 5 && strcmp(argv[1], "save") == 0) {
        table.Insert(argv[3], atoi(argv[4]));
        table.Save(argv[2]);
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "load") == 0) {
        table.Load(argv[2]);
        for (const HighscoreEntry& entry : table.entry)
            printf("%s %d\n", entry.name, entry.score);
        return 0;
    }
    fprintf(stderr, "usage: highscore_check save <file> <name> <score> | load <file>\n");
    return 2;
}
