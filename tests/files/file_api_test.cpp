// The Win32 file functions on POSIX, held to what Windows does where the game
// relies on it: which opens succeed on what, the errors it tells apart, the
// final path behind links, and renames that keep or replace.
#include "tests/support/scratch_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The open's last error, or ERROR_SUCCESS with the handle closed again.
DWORD OpenError(const std::string& name, DWORD access, DWORD creation) {
    HANDLE file =
        CreateFileA(name.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    EXPECT_TRUE(CloseHandle(file));
    return ERROR_SUCCESS;
}

} // namespace

TEST(FileApi, CreateFileOpensMakesOrRefusesAsWindowsDoes) {
    ScratchDir dir;
    std::string file = dir.Write("datei.dat", {'a'});
    std::string readOnly = dir.Write("nur-lesen.dat", {'r'});
    chmod(readOnly.c_str(), 0444);
    std::string folder = dir.Path("ordner");
    fs::create_directories(folder);
    std::string link = dir.Path("link.dat");
    fs::create_symlink(file, link);
    std::string dangling = dir.Path("ins-leere.dat");
    fs::create_symlink(dir.Path("fehlt.dat"), dangling);
    std::string fifo = dir.Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);

    struct Case {
        std::string name;
        DWORD access;
        DWORD creation;
        DWORD error;
    };
    const Case cases[] = {
        {file, GENERIC_READ, OPEN_EXISTING, ERROR_SUCCESS},
        {file, GENERIC_WRITE, OPEN_ALWAYS, ERROR_SUCCESS},
        {file, GENERIC_WRITE, CREATE_NEW, ERROR_FILE_EXISTS},
        // No write bit for anyone: read-only to every user, root included.
        {readOnly, GENERIC_READ, OPEN_EXISTING, ERROR_SUCCESS},
        {readOnly, GENERIC_WRITE, OPEN_EXISTING, ERROR_ACCESS_DENIED},
        {readOnly, GENERIC_WRITE, OPEN_ALWAYS, ERROR_ACCESS_DENIED},
        {link, GENERIC_READ, OPEN_EXISTING, ERROR_SUCCESS},
        {link, GENERIC_WRITE, CREATE_NEW, ERROR_FILE_EXISTS},
        {dangling, GENERIC_WRITE, CREATE_NEW, ERROR_FILE_EXISTS},
        {dir.Path("neu.dat"), GENERIC_READ, OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
        {dir.Path("datei.dat/unter"), GENERIC_READ, OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
        {folder, GENERIC_READ, OPEN_EXISTING, ERROR_ACCESS_DENIED},
        {folder, GENERIC_WRITE, OPEN_ALWAYS, ERROR_ACCESS_DENIED},
        // No reader: a FIFO cannot take writing, and the open says so at once.
        {fifo, GENERIC_WRITE, OPEN_EXISTING, ERROR_GEN_FAILURE},
        {fifo, GENERIC_READ, OPEN_EXISTING, ERROR_SUCCESS},
        {file, GENERIC_READ, 2 /* CREATE_ALWAYS, not supported */, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " " + std::to_string(c.creation));
        EXPECT_EQ(OpenError(c.name, c.access, c.creation), c.error);
    }
    // Only the dangling link's target was never made, and nothing was emptied.
    EXPECT_FALSE(fs::exists(dir.Path("fehlt.dat")));
    EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>{'a'});

    // CREATE_NEW makes the file; OPEN_ALWAYS makes a missing one, writable
    // even where the mask leaves it no write bit.
    mode_t mask = umask(0222);
    EXPECT_EQ(OpenError(dir.Path("neu.dat"), GENERIC_WRITE, CREATE_NEW), ERROR_SUCCESS);
    EXPECT_EQ(OpenError(dir.Path("auch-neu.dat"), GENERIC_WRITE, OPEN_ALWAYS), ERROR_SUCCESS);
    umask(mask);
    EXPECT_TRUE(fs::is_regular_file(dir.Path("neu.dat")));
    EXPECT_TRUE(fs::is_regular_file(dir.Path("auch-neu.dat")));
}

TEST(FileApi, FinalPathLeadsThroughLinksAndAsksForRoomWhenShort) {
    ScratchDir dir;
    std::string file = dir.Write("ziel/datei.dat", {'a'});
    fs::create_symlink("ziel/datei.dat", dir.Path("link.dat"));
    HANDLE handle = CreateFileA(dir.Path("link.dat").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    std::string expected = fs::canonical(file).string();

    char path[512];
    DWORD length = GetFinalPathNameByHandleA(handle, path, sizeof path, 0);
    EXPECT_EQ(std::string(path), expected);
    EXPECT_EQ(length, expected.size());
    // One byte short of the 0 byte: the size needed comes back, nothing is written.
    char small[512] = "unberuehrt";
    EXPECT_EQ(GetFinalPathNameByHandleA(handle, small, DWORD(expected.size()), 0),
              expected.size() + 1);
    EXPECT_STREQ(small, "unberuehrt");
    EXPECT_TRUE(CloseHandle(handle));
}

TEST(FileApi, ReplaceKeepsTheReplacedBitsAndMoveReplacesOutright) {
    ScratchDir dir;
    std::string replaced = dir.Write("alt.dat", {'a'});
    std::string replacement = dir.Write("neu.dat", {'n'});
    chmod(replaced.c_str(), 0604);
    chmod(replacement.c_str(), 0666);
    ASSERT_TRUE(ReplaceFileA(replaced.c_str(), replacement.c_str(), nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(ReadBytes(replaced), std::vector<uint8_t>{'n'});
    EXPECT_EQ(fs::status(replaced).permissions(), fs::perms(0604));
    EXPECT_FALSE(fs::exists(replacement));

    // Nothing to replace: both names stay as they were.
    std::string other = dir.Write("anders.dat", {'o'});
    EXPECT_FALSE(
        ReplaceFileA(dir.Path("fehlt.dat").c_str(), other.c_str(), nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(fs::exists(other));

    // A replacement with a second name is not the file a save wrote: refused.
    fs::create_hard_link(other, dir.Path("zweiter-name.dat"));
    EXPECT_FALSE(ReplaceFileA(replaced.c_str(), other.c_str(), nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));

    // A move takes the moved file's own bits.
    chmod(other.c_str(), 0640);
    ASSERT_TRUE(MoveFileExA(other.c_str(), replaced.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(ReadBytes(replaced), std::vector<uint8_t>{'o'});
    EXPECT_EQ(fs::status(replaced).permissions(), fs::perms(0640));
    EXPECT_FALSE(fs::exists(other));
}

TEST(FileApi, ALockHoldsWhateverElseTheProcessCloses) {
    ScratchDir dir;
    std::string name = dir.Write("liste.dat", {'a'});
    HANDLE locked = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    OVERLAPPED whole = {};
    ASSERT_TRUE(LockFileEx(locked, LOCKFILE_EXCLUSIVE_LOCK, 0, 0xFFFFFFFF, 0xFFFFFFFF, &whole));
    EXPECT_EQ(OpenError(name, GENERIC_READ, OPEN_EXISTING), ERROR_SUCCESS);
    // What a second writer meets: the whole file locked.
    int other = open(name.c_str(), O_RDWR);
    struct flock range = {};
    range.l_type = F_WRLCK;
    EXPECT_EQ(fcntl(other, F_OFD_GETLK, &range), 0);
    EXPECT_EQ(range.l_type, F_WRLCK);
    EXPECT_EQ(range.l_len, 0);
    close(other);
    // Only a range that is locked can be unlocked, once.
    OVERLAPPED second = {0, 0, 1, 0, nullptr};
    EXPECT_FALSE(UnlockFileEx(locked, 0, 1, 0, &second));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_LOCKED));
    EXPECT_TRUE(UnlockFileEx(locked, 0, 0xFFFFFFFF, 0xFFFFFFFF, &whole));
    EXPECT_FALSE(UnlockFileEx(locked, 0, 0xFFFFFFFF, 0xFFFFFFFF, &whole));
    EXPECT_TRUE(CloseHandle(locked));
}
