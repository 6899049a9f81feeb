#include "HighscoreTable.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>

namespace {

void Fill(HighscoreTable& table, std::initializer_list<int> scores) {
    int i = 0;
    for (int score : scores) {
        snprintf(table.entry[i].name, sizeof table.entry[i].name, "old%d", score);
        table.entry[i++].score = score;
    }
    table.lowest = table.entry[0].score;
}

std::vector<int> Scores(const HighscoreTable& table) {
    std::vector<int> scores;
    for (const HighscoreEntry& e : table.entry)
        scores.push_back(e.score);
    return scores;
}

// One record of the image: name field, then the score little-endian.
std::vector<uint8_t> Record(const char* name, int32_t score) {
    std::vector<uint8_t> record(24, 0);
    memcpy(record.data(), name, strlen(name));
    for (int b = 0; b < 4; b++)
        record[20 + b] = (uint8_t)((uint32_t)score >> (8 * b));
    return record;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST(HighscoreTable, InsertPlacesByScoreAboveEqualScoresAndDropsTheFifthPlace) {
    HighscoreTable table;
    Fill(table, {10, 20, 30, 40, 50});
    table.Insert("Anna", 25);
    EXPECT_EQ(Scores(table), (std::vector<int>{20, 25, 30, 40, 50}));
    EXPECT_STREQ(table.entry[1].name, "Anna");
    EXPECT_STREQ(table.entry[0].name, "old20");
    EXPECT_EQ(table.GetLowest(), 20);
    table.Insert("Bert", 60);
    EXPECT_EQ(Scores(table), (std::vector<int>{25, 30, 40, 50, 60}));
    EXPECT_STREQ(table.entry[4].name, "Bert");
    EXPECT_EQ(table.GetLowest(), 25);

    Fill(table, {10, 20, 30, 40, 50});
    table.Insert("Neu", 30);
    EXPECT_EQ(Scores(table), (std::vector<int>{20, 30, 30, 40, 50}));
    EXPECT_STREQ(table.entry[1].name, "old30");
    EXPECT_STREQ(table.entry[2].name, "Neu");

    // Only a score above the fifth place enters.
    Fill(table, {10, 20, 30, 40, 50});
    table.Insert("Gleich", 10);
    table.Insert("Weniger", 5);
    EXPECT_EQ(Scores(table), (std::vector<int>{10, 20, 30, 40, 50}));
    EXPECT_STREQ(table.entry[0].name, "old10");

    HighscoreTable defaults;
    defaults.Insert("Erster", 50);
    EXPECT_EQ(Scores(defaults), (std::vector<int>{0, 0, 0, 0, 50}));
    EXPECT_STREQ(defaults.entry[4].name, "Erster");
    EXPECT_STREQ(defaults.entry[3].name, "Player");
    EXPECT_EQ(defaults.GetLowest(), 0);
}

TEST(HighscoreTable, InsertCutsLongNamesToNineteenCharacters) {
    HighscoreTable table;
    table.Insert("abcdefghijklmnopqrstuvwxy", 50);
    EXPECT_STREQ(table.entry[4].name, "abcdefghijklmnopqrs");
    EXPECT_EQ(table.entry[4].score, 50);

    table.Insert("ABCDEFGHIJKLMNOPQRS", 60);
    EXPECT_STREQ(table.entry[4].name, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(table.entry[4].name[19], 0);
    EXPECT_EQ(table.entry[4].score, 60);
    EXPECT_EQ(table.entry[3].score, 50);

    // A shorter name ends at its 0 byte; the rest of the field is left as it
    // was, and so is it by a reset.
    table.Insert("Bo", 70);
    EXPECT_EQ(memcmp(table.entry[4].name, "Bo\0DEFGHIJKLMNOPQRS", 20), 0);
    table.ResetAndSave();
    EXPECT_EQ(memcmp(table.entry[4].name, "Player\0HIJKLMNOPQRS", 20), 0);
}

TEST(HighscoreTable, SaveWritesTheTranslatedImageAndLoadReadsItBack) {
    ScratchDir dir;
    std::string path = dir.Path("highscoreaction.dat");
    HighscoreTable table;
    int scores[5] = {0, 50, 100, 2600, 3000};
    for (int i = 0; i < 5; i++)
        table.entry[i].score = scores[i];
    table.Save(path.c_str());

    std::vector<uint8_t> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 121u);
    // 2600 is 28 0A 00 00: the 0x0A of the fourth record's score goes out as 0D 0A.
    std::vector<uint8_t> fourthScore(bytes.begin() + 92, bytes.begin() + 97);
    EXPECT_EQ(fourthScore, (std::vector<uint8_t>{0x28, 0x0D, 0x0A, 0x00, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 24), Record("Player", 0));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 97, bytes.end()), Record("Player", 3000));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root), {}), 1);

    HighscoreTable loaded;
    loaded.Load(path.c_str());
    EXPECT_EQ(Scores(loaded), (std::vector<int>{0, 50, 100, 2600, 3000}));
    for (const HighscoreEntry& e : loaded.entry)
        EXPECT_STREQ(e.name, "Player");
    EXPECT_EQ(loaded.fileName, path.c_str());
}

TEST(HighscoreTable, LoadTakesBytesAsDataAndOnlyPairsBecomeLineFeeds) {
    ScratchDir dir;
    std::string path = dir.Path("highscorenormal.dat");
    // 1050 begins with 0x1A, which must not end the read; a lone 0x0D is data.
    std::vector<uint8_t> second = Record("Zw\x0D"
                                         "ei",
                                         1050);
    std::vector<uint8_t> third = Record("Drei", 0x0D0D0A0D);
    std::vector<uint8_t> thirdOnDisk(third.begin(), third.end());
    thirdOnDisk.insert(thirdOnDisk.begin() + 21, 0x0D);
    WriteBytes(path, Concat({Record("Eins", -7),
                             second,
                             thirdOnDisk,
                             Record("Vier", 0x7FFFFFFF),
                             Record("Fuenf", 5000),
                             {0xEE, 0xEE}}));

    HighscoreTable table;
    table.Load(path.c_str());
    EXPECT_EQ(Scores(table), (std::vector<int>{-7, 1050, 0x0D0D0A0D, 0x7FFFFFFF, 5000}));
    EXPECT_STREQ(table.entry[1].name, "Zw\x0D"
                                      "ei");
    EXPECT_STREQ(table.entry[4].name, "Fuenf");
    EXPECT_EQ(table.GetLowest(), -7);

    // The table goes back out byte for byte as it came in, less the excess.
    table.Save(path.c_str());
    std::vector<uint8_t> again = ReadBytes(path);
    EXPECT_EQ(again.size(), 121u);
    EXPECT_EQ(std::vector<uint8_t>(again.begin() + 48, again.begin() + 73), thirdOnDisk);
}

TEST(HighscoreTable, MissingFileKeepsTheDefaultsAndTheNextSaveCreatesIt) {
    ScratchDir dir;
    std::string path = dir.Path("highscoreaction.dat");
    HighscoreTable table;
    table.Load(path.c_str());
    EXPECT_EQ(table.fileName, path.c_str());
    EXPECT_EQ(table.GetLowest(), 0);
    EXPECT_EQ(Scores(table), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_STREQ(table.entry[2].name, "Player");
    EXPECT_FALSE(std::filesystem::exists(path));

    table.Save(path.c_str());
    std::vector<uint8_t> record = Record("Player", 0);
    EXPECT_EQ(ReadBytes(path), Concat({record, record, record, record, record}));
}

TEST(HighscoreTable, ShortFileFillsOnlyWhatItReaches) {
    ScratchDir dir;
    std::string path = dir.Path("short.dat");
    // One whole record and the name field plus two score bytes of the next.
    std::vector<uint8_t> bytes = Concat({Record("Kurz", 1234), Record("Halb", 0x0302)});
    bytes.resize(24 + 22);
    WriteBytes(path, bytes);

    HighscoreTable table;
    Fill(table, {0x11110000, 20, 30, 40, 50});
    table.entry[1].score = 0x44330000;
    table.Load(path.c_str());
    EXPECT_STREQ(table.entry[0].name, "Kurz");
    EXPECT_EQ(table.entry[0].score, 1234);
    EXPECT_STREQ(table.entry[1].name, "Halb");
    EXPECT_EQ(table.entry[1].score, 0x44330302);
    EXPECT_STREQ(table.entry[2].name, "old30");
    EXPECT_EQ(Scores(table)[4], 50);
    EXPECT_EQ(table.GetLowest(), 1234);
}

TEST(HighscoreTable, NameWithoutTerminatorIsReadAsItsFirstNineteenCharacters) {
    ScratchDir dir;
    std::string path = dir.Path("damaged.dat");
    std::vector<uint8_t> damaged = Record("", 77);
    memset(damaged.data(), 'x', 20);
    std::vector<uint8_t> normal = Record("Player", 0);
    WriteBytes(path, Concat({damaged, normal, normal, normal, normal}));

    HighscoreTable table;
    table.Load(path.c_str());
    EXPECT_EQ(std::string(table.entry[0].name), std::string(19, 'x'));
    EXPECT_EQ(table.entry[0].score, 77);
    EXPECT_STREQ(table.entry[1].name, "Player");
}

TEST(HighscoreTable, ResetAndSaveWritesZeroToFourAtOnce) {
    ScratchDir dir;
    std::string path = dir.Path("highscorenormal.dat");
    HighscoreTable table;
    table.Load(path.c_str());
    table.Insert("Anna", 900);
    table.ResetAndSave();
    EXPECT_EQ(Scores(table), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_STREQ(table.entry[4].name, "Player");
    EXPECT_EQ(table.GetLowest(), 0);
    EXPECT_EQ(ReadBytes(path),
              Concat({Record("Player", 0), Record("Player", 1), Record("Player", 2),
                      Record("Player", 3), Record("Player", 4)}));

    HighscoreTable neverLoaded;
    neverLoaded.ResetAndSave(); // no file name: nothing to write, and no crash
    EXPECT_EQ(Scores(neverLoaded), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(HighscoreTable, FailedSaveLeavesTheOldFileAsItWas) {
    ScratchDir dir;
    std::string path = dir.Path("highscoreaction.dat");
    HighscoreTable table;
    table.Insert("Alt", 100);
    table.Save(path.c_str());
    table.Insert("Neu", 200);

    // A folder that does not exist gets nothing.
    std::string nowhere = dir.Path("fehlt/highscoreaction.dat");
    table.Save(nowhere.c_str());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("fehlt")));

    // A folder in the list's place stays as it is, and nothing is left beside it.
    std::string blocked = dir.Path("blockiert.dat");
    std::filesystem::create_directories(blocked + "/inhalt");
    table.Save(blocked.c_str());
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inhalt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root), {}), 2);

    // The table in memory is unchanged by the failures, and a good save still works.
    EXPECT_EQ(table.entry[4].score, 200);
    table.Save(path.c_str());
    EXPECT_EQ(ReadBytes(path).size(), 120u);
    HighscoreTable loaded;
    loaded.Load(path.c_str());
    EXPECT_STREQ(loaded.entry[4].name, "Neu");
    EXPECT_STREQ(loaded.entry[3].name, "Alt");
}
