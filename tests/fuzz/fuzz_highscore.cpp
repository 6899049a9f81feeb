// Feeds arbitrary bytes to the highscore table as the content of its list
// file, through the same opening and reading as the game's start-up. Whatever
// the bytes, of whatever length, the table holds five entries whose names end
// in a 0 byte within their 20, its lowest score is the fifth place's, and
// nothing outside the entries changes (the table lies in a heap block of its
// own size, so the address sanitizer sees any step past it).
#include "HighscoreTable.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The list lives in memory; its /proc name opens it as the regular file it is.
struct ListFile {
    int descriptor = memfd_create("highscoreaction.dat", 0);
    char name[64] = {};

    ListFile() {
        if (descriptor < 0)
            std::abort();
        snprintf(name, sizeof name, "/proc/self/fd/%d", descriptor);
    }

    void Hold(const uint8_t* data, size_t size) {
        if (ftruncate(descriptor, 0) != 0 || pwrite(descriptor, data, size, 0) != (ssize_t)size)
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ListFile file;
    file.Hold(data, size);

    std::unique_ptr<HighscoreTable> table(new HighscoreTable);
    table->Insert("Vorher", 7);
    table->Load(file.name);
    if (table->fileName != file.name || table->GetLowest() != table->entry[0].score)
        std::abort();
    for (const HighscoreEntry& entry : table->entry)
        if (!memchr(entry.name, 0, sizeof entry.name))
            std::abort();
    return 0;
}
