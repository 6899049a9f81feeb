#include "HighscoreTable.h"

#include "HighscoreFile.h"

#include <cstring>

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

// Every byte of the image may take two in the file.
constexpr size_t kFileSize = 2 * kImageSize;
typedef uint8_t StoredList[kFileSize];

// Overwrites the front of image with what the file's bytes give, a 0x0D 0x0A
// pair giving one 0x0A; a short file leaves the rest of image as it was.
void Untranslate(const uint8_t* bytes, size_t count, Image& image) {
    size_t filled = 0;
    for (size_t i = 0; i < count && filled < kImageSize; i++) {
        if (bytes[i] == kCarriageReturn && i + 1 < count && bytes[i + 1] == kLineFeed)
            i++;
        image[filled++] = bytes[i];
    }
}

size_t Translate(const Image& image, StoredList& bytes) {
    size_t count = 0;
    for (uint8_t byte : image) {
        if (byte == kLineFeed)
            bytes[count++] = kCarriageReturn;
        bytes[count++] = byte;
    }
    return count;
}

} // namespace

HighscoreEntry::HighscoreEntry() {
    CopyName(name, "Player");
}

void HighscoreTable::Load(const char* file) {
    fileName = file;
    StoredList bytes;
    if (size_t count = ReadHighscoreFile(file, bytes, kFileSize, unreadable)) {
        Image image;
        ToImage(entry, image);
        Untranslate(bytes, count, image);
        FromImage(image, entry);
    }
    lowest = entry[0].score;
}

void HighscoreTable::Save(const char* file) {
    if (!file || unreadable)
        return;
    Image image;
    ToImage(entry, image);
    StoredList bytes;
    SaveHighscoreFile(file, bytes, Translate(image, bytes));
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
