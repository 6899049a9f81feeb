#include "HighscoreTable.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr size_t kEntryCount = 5;
constexpr size_t kNameSize = sizeof(HighscoreEntry::name);
constexpr size_t kRecordSize = kNameSize + 4;
constexpr size_t kImageSize = kEntryCount * kRecordSize;
constexpr int kLineFeed = 0x0A;
constexpr int kCarriageReturn = 0x0D;

typedef HighscoreEntry Entries[kEntryCount];
typedef uint8_t Image[kImageSize];

// Copies at most 19 characters and the terminating 0 byte; the rest of the
// field keeps what it held.
void CopyName(char (&field)[kNameSize], const char* name) {
    size_t length = strnlen(name, kNameSize - 1);
    memcpy(field, name, length);
    field[length] = 0;
}

void ToImage(const Entries& entries, Image& image) {
    for (size_t i = 0; i < kEntryCount; i++) {
        uint8_t* record = image + i * kRecordSize;
        memcpy(record, entries[i].name, kNameSize);
        uint32_t score = (uint32_t)entries[i].score;
        for (size_t b = 0; b < 4; b++)
            record[kNameSize + b] = (uint8_t)(score >> (8 * b));
    }
}

// A name field without a 0 byte (a damaged file) is cut to its first 19
// characters, so nothing ever reads past the record.
void FromImage(const Image& image, Entries& entries) {
    for (size_t i = 0; i < kEntryCount; i++) {
        const uint8_t* record = image + i * kRecordSize;
        memcpy(entries[i].name, record, kNameSize);
        if (!memchr(entries[i].name, 0, kNameSize))
            entries[i].name[kNameSize - 1] = 0;
        uint32_t score = 0;
        for (size_t b = 0; b < 4; b++)
            score |= (uint32_t)record[kNameSize + b] << (8 * b);
        entries[i].score = (int32_t)score;
    }
}

// Overwrites the front of image with the file's bytes, a 0x0D 0x0A pair
// giving one 0x0A; a short file leaves the rest of image as it was.
void ReadImage(FILE* file, Image& image) {
    size_t count = 0;
    int c;
    while (count < kImageSize && (c = fgetc(file)) != EOF) {
        if (c == kCarriageReturn) {
            int next = fgetc(file);
            if (next == kLineFeed)
                c = kLineFeed;
            else if (next != EOF)
                ungetc(next, file);
        }
        image[count++] = (uint8_t)c;
    }
}

bool WriteTranslated(FILE* file, const Image& image) {
    for (uint8_t byte : image) {
        if (byte == kLineFeed && fputc(kCarriageReturn, file) == EOF)
            return false;
        if (fputc(byte, file) == EOF)
            return false;
    }
    return true;
}

// The new list goes to a temporary file beside the old one and replaces it
// only once it is safely on disk, so a failed save never costs the old list.
bool ReplaceFile(const char* path, const Image& image) {
    char temporary[4096];
    int length = snprintf(temporary, sizeof temporary, "%s.tmp", path);
    if (length < 0 || (size_t)length >= sizeof temporary)
        return false;
    FILE* file = fopen(temporary, "wb");
    if (!file)
        return false;
    bool written = WriteTranslated(file, image) && fflush(file) == 0 && fsync(fileno(file)) == 0;
    bool closed = fclose(file) == 0;
    if (written && closed && rename(temporary, path) == 0)
        return true;
    remove(temporary);
    return false;
}

} // namespace

HighscoreEntry::HighscoreEntry() {
    CopyName(name, "Player");
}

void HighscoreTable::Load(const char* file) {
    fileName = file;
    if (FILE* stream = fopen(file, "rb")) {
        Image image;
        ToImage(entry, image);
        ReadImage(stream, image);
        fclose(stream);
        FromImage(image, entry);
    }
    lowest = entry[0].score;
}

void HighscoreTable::Save(const char* file) {
    if (!file)
        return;
    Image image;
    ToImage(entry, image);
    ReplaceFile(file, image);
}

void HighscoreTable::Insert(const char* name, int score) {
    if (lowest >= score)
        return;
    // Equal scores count as beaten, so the newest entry ranks above them.
    size_t place = 0;
    while (place + 1 < kEntryCount && entry[place + 1].score <= score)
        place++;
    for (size_t i = 0; i < place; i++)
        entry[i] = entry[i + 1];
    CopyName(entry[place].name, name);
    entry[place].score = score;
    lowest = entry[0].score;
}

void HighscoreTable::ResetAndSave() {
    for (size_t i = 0; i < kEntryCount; i++) {
        CopyName(entry[i].name, "Player");
        entry[i].score = (int32_t)i;
    }
    lowest = 0;
    Save(fileName);
}
