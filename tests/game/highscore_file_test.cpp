// The highscore lists on disk as a player's folder may hold them: links,
// permission bits, read-only files and folders, things that are no regular
// file, planted temporaries, a full disk and a save killed at any moment.
#include "HighscoreTable.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A table that no other in these tests equals: its first place is name with score.
HighscoreTable TableOf(const char* name, int score) {
    HighscoreTable table;
    table.Insert(name, score);
    return table;
}

// What a save of the table writes where nothing is in the way.
std::vector<uint8_t> ImageOf(HighscoreTable table) {
    ScratchDir dir;
    table.Save(dir.Path("plain.dat").c_str());
    return ReadBytes(dir.Path("plain.dat"));
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat status = {};
    lstat(path.c_str(), &status);
    return status.st_mode;
}

// The names a save by the process tries for its temporary beside the list, in turn.
std::string Temporary(const std::string& list, pid_t process, int count) {
    return list + "." + std::to_string(process) + "." + std::to_string(count) + ".tmp";
}

const std::vector<uint8_t> kOldBytes = {'a', 'l', 't', '\n'};

// The device to link a list to: as root a node of the scratch folder's own,
// the same device as the system's, so that a save which took it for a list
// could only ever replace that copy; the system's node as anyone else.
std::string DeviceNode(const ScratchDir& dir, const char* system, unsigned minor) {
    std::string node = dir.Path(fs::path(system).filename());
    bool own = geteuid() == 0 && mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0;
    return own ? node : system;
}

// Faults of the file functions, which this program links wrapped: reads fail,
// a replace loses the old list and fails as Windows may, the next moves fail.
struct {
    bool readsFail, replaceLosesTheList;
    int movesFailing;
} faults;

} // namespace

extern "C" {
BOOL __real_ReadFile(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
BOOL __real_ReplaceFileA(LPCSTR, LPCSTR, LPCSTR, DWORD, LPVOID, LPVOID);
BOOL __real_MoveFileExA(LPCSTR, LPCSTR, DWORD);
BOOL __wrap_ReadFile(HANDLE file, LPVOID to, DWORD count, LPDWORD read, LPOVERLAPPED overlapped) {
    return faults.readsFail ? (SetLastError(ERROR_LOCK_VIOLATION), FALSE)
                            : __real_ReadFile(file, to, count, read, overlapped);
}
BOOL __wrap_ReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags,
                         LPVOID exclude, LPVOID reserved) {
    return faults.replaceLosesTheList && unlink(replaced) == 0
               ? (SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT), FALSE)
               : __real_ReplaceFileA(replaced, replacement, backup, flags, exclude, reserved);
}
BOOL __wrap_MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) {
    return faults.movesFailing-- > 0 ? (SetLastError(ERROR_ACCESS_DENIED), FALSE)
                                     : __real_MoveFileExA(existing, newName, flags);
}
}

TEST(HighscoreFile, ALinkedListWritesTheFileItLeadsToAndTheLinkStays) {
    const std::vector<uint8_t> image = ImageOf(TableOf("Neu", 2600));
    struct Case {
        const char* target; // what the link holds
        bool absolute;      // the target as a full path
        const char* file;   // the file at the end, under the scratch folder
    };
    const Case cases[] = {
        {"elsewhere/liste.dat", true, "elsewhere/liste.dat"},
        {"../elsewhere/liste.dat", false, "elsewhere/liste.dat"},
        {"zwischen.dat", false, "game/zwischen.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ScratchDir dir;
        std::string file = dir.Write(c.file, kOldBytes);
        chmod(file.c_str(), 0640);
        fs::create_directories(dir.Path("game"));
        std::string target = c.absolute ? dir.Path(c.target) : c.target;
        std::string list = dir.Path("game/highscoreaction.dat");
        fs::create_symlink(target, list);

        TableOf("Neu", 2600).Save(list.c_str());
        EXPECT_EQ(fs::read_symlink(list), target);
        EXPECT_EQ(ReadBytes(file), image);
        EXPECT_EQ(ModeOf(file) & 07777, 0640u);
        std::set<std::string> game = {"highscoreaction.dat"};
        std::set<std::string> beside = {fs::path(file).filename()};
        if (fs::path(file).parent_path() == dir.Path("game"))
            game = beside = {"highscoreaction.dat", fs::path(file).filename()};
        EXPECT_EQ(FilesIn(dir.Path("game")), game);
        EXPECT_EQ(FilesIn(fs::path(file).parent_path()), beside);
    }

    // A chain of links ends at one file as well.
    ScratchDir dir;
    std::string file = dir.Write("ende.dat", kOldBytes);
    fs::create_symlink("ende.dat", dir.Path("mitte.dat"));
    fs::create_symlink("mitte.dat", dir.Path("highscorenormal.dat"));
    TableOf("Neu", 2600).Save(dir.Path("highscorenormal.dat").c_str());
    EXPECT_EQ(ReadBytes(file), image);
    EXPECT_TRUE(fs::is_symlink(dir.Path("mitte.dat")));
    EXPECT_TRUE(fs::is_symlink(dir.Path("highscorenormal.dat")));

    // A link to a list not made yet: the save makes it where the link leads.
    fs::create_symlink("neu/liste.dat", dir.Path("highscoreaction.dat"));
    fs::create_directories(dir.Path("neu"));
    TableOf("Neu", 2600).Save(dir.Path("highscoreaction.dat").c_str());
    EXPECT_EQ(ReadBytes(dir.Path("neu/liste.dat")), image);
    EXPECT_TRUE(fs::is_symlink(dir.Path("highscoreaction.dat")));
    EXPECT_EQ(FilesIn(dir.Path("neu")), std::set<std::string>{"liste.dat"});
}

// As root the lists belong to nobody, and root's save leaves them so. A list
// that no one may write is read-only, to root as well.
TEST(HighscoreFile, TheListKeepsItsOwnerAndBitsAndAReadOnlyOneStays) {
    OrdinaryUser owner;
    const std::vector<uint8_t> image = ImageOf(TableOf("Neu", 77));
    for (mode_t mode : {0600, 0640, 0604, 0660, 0664, 0666, 0700, 0751, 02750, 0444, 0555}) {
        SCOPED_TRACE(mode);
        ScratchDir dir;
        std::string list = dir.Write("highscoreaction.dat", kOldBytes);
        owner.Own(list, dir.root);
        chmod(list.c_str(), mode);
        TableOf("Neu", 77).Save(list.c_str());
        EXPECT_EQ(ReadBytes(list), mode & 0222 ? image : kOldBytes);
        EXPECT_EQ(ModeOf(list) & 07777, mode);
        struct stat status = {};
        stat(list.c_str(), &status);
        EXPECT_EQ(status.st_uid, owner.uid);
        EXPECT_EQ(status.st_gid, owner.gid);
        EXPECT_EQ(FilesIn(dir.root), std::set<std::string>{"highscoreaction.dat"});
    }

    // So do its attributes and its ACL, in which the group may read nothing, whatever 660 says.
    ScratchDir dir;
    std::string list = dir.Write("highscoreaction.dat", kOldBytes);
    const uint32_t acl[] = {2, 0x60001, ~0u, 0x4, ~0u, 0x60010, ~0u, 0x20, ~0u};
    ASSERT_EQ(setxattr(list.c_str(), "system.posix_acl_access", acl, sizeof acl, 0), 0);
    ASSERT_EQ(setxattr(list.c_str(), "user.herkunft", "alt", 3, 0), 0);
    TableOf("Neu", 77).Save(list.c_str());
    EXPECT_EQ(ReadBytes(list), image);
    uint32_t kept[16] = {};
    EXPECT_EQ(getxattr(list.c_str(), "system.posix_acl_access", kept, sizeof kept),
              ssize_t(sizeof acl));
    EXPECT_EQ(memcmp(kept, acl, sizeof acl), 0);
    EXPECT_EQ(getxattr(list.c_str(), "user.herkunft", kept, sizeof kept), 3);
}

// Windows fails a read of a list another game holds locked, and may let go of
// the old list in a swap that fails: the player's list is never lost for it.
TEST(HighscoreFile, FailingFileFunctionsNeverCostTheList) {
    ScratchDir dir;
    std::string list = dir.Write("highscoreaction.dat", kOldBytes);
    faults.readsFail = true;
    HighscoreTable table;
    table.Load(list.c_str());
    faults.readsFail = false;
    table.Save(list.c_str());
    EXPECT_EQ(ReadBytes(list), kOldBytes);

    // A scanner holds the new list for a moment, then for good.
    const std::vector<uint8_t> image = ImageOf(TableOf("Neu", 2600));
    for (int movesFailing : {3, 1000}) {
        faults = {false, true, movesFailing};
        TableOf("Neu", 2600).Save(list.c_str());
        faults = {};
        EXPECT_EQ(ReadBytes(movesFailing > 3 ? Temporary(list, getpid(), 0) : list), image);
        EXPECT_EQ(FilesIn(dir.root).size(), 1u);
    }
}

TEST(HighscoreFile, TemporariesInTheWayAreNeverFollowedNorRemoved) {
    const std::vector<uint8_t> image = ImageOf(TableOf("Neu", 300));
    const std::vector<uint8_t> victimBytes = {'n', 'i', 'c', 'h', 't', 's'};
    enum Plant { kLinkToVictim, kDanglingLink, kLeftover, kFolder };
    struct Case {
        const char* what;
        int taken; // how many of the save's own names are taken; -1: the old fixed ".tmp"
        Plant plant;
        bool saved;
    };
    const Case cases[] = {
        {"old name, link to another file", -1, kLinkToVictim, true},
        {"first name, link to another file", 1, kLinkToVictim, true},
        {"first name, dangling link", 1, kDanglingLink, true},
        {"first name, leftover of a killed save", 1, kLeftover, true},
        {"first names, folders", 3, kFolder, true},
        {"every name, links to another file", 16, kLinkToVictim, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        std::string list = dir.Write("highscoreaction.dat", kOldBytes);
        std::string victim = dir.Write("victim.dat", victimBytes);
        std::vector<std::string> planted = {list + ".tmp"};
        if (c.taken >= 0)
            planted.clear();
        for (int count = 0; count < c.taken; count++)
            planted.push_back(Temporary(list, getpid(), count));
        for (const std::string& name : planted) {
            if (c.plant == kLinkToVictim)
                fs::create_symlink(victim, name);
            else if (c.plant == kDanglingLink)
                fs::create_symlink(dir.Path("nirgends/neu.dat"), name);
            else if (c.plant == kLeftover)
                WriteBytes(name, {1, 2, 3});
            else
                fs::create_directories(name + "/inhalt");
        }

        TableOf("Neu", 300).Save(list.c_str());
        EXPECT_EQ(ReadBytes(list), c.saved ? image : kOldBytes);
        EXPECT_EQ(ReadBytes(victim), victimBytes);
        EXPECT_FALSE(fs::exists(dir.Path("nirgends")));
        // Everything planted is still there, and nothing more.
        for (const std::string& name : planted)
            EXPECT_TRUE(fs::exists(fs::symlink_status(name))) << name;
        EXPECT_EQ(FilesIn(dir.root).size(), 2 + planted.size());
    }
}

TEST(HighscoreFile, AnythingButARegularFileReadsAsMissingAndIsNeverWritten) {
    // A read or save that blocks would hang here; the alarm ends the test instead.
    alarm(20);
    enum Thing { kFifo, kFifoWithReaderAndWriter, kDevZero, kDevNull, kFolder, kSocket };
    for (Thing thing : {kFifo, kFifoWithReaderAndWriter, kDevZero, kDevNull, kFolder, kSocket}) {
        SCOPED_TRACE(thing);
        ScratchDir dir;
        std::string folder = dir.Path("game");
        fs::create_directories(folder);
        std::string list = folder + "/highscoreaction.dat";
        int held = -1;
        if (thing == kFifo || thing == kFifoWithReaderAndWriter) {
            ASSERT_EQ(mkfifo(list.c_str(), 0644), 0);
        }
        if (thing == kFifoWithReaderAndWriter) {
            held = open(list.c_str(), O_RDWR | O_NONBLOCK);
            ASSERT_EQ(write(held, "\x0D\x0A", 2), 2);
        }
        if (thing == kDevZero)
            fs::create_symlink(DeviceNode(dir, "/dev/zero", 5), list);
        if (thing == kDevNull)
            fs::create_symlink(DeviceNode(dir, "/dev/null", 3), list);
        if (thing == kFolder)
            fs::create_directories(list + "/inhalt");
        if (thing == kSocket) {
            held = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            snprintf(address.sun_path, sizeof address.sun_path, "%s", list.c_str());
            ASSERT_EQ(bind(held, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ASSERT_EQ(listen(held, 1), 0);
        }
        mode_t type = ModeOf(list) & S_IFMT;

        HighscoreTable table = TableOf("Neu", 500);
        table.Load(list.c_str());
        EXPECT_STREQ(table.entry[4].name, "Neu");
        EXPECT_EQ(table.entry[4].score, 500);
        EXPECT_EQ(table.GetLowest(), 0);
        EXPECT_EQ(table.fileName, list.c_str());

        table.ResetAndSave();
        EXPECT_EQ(ModeOf(list) & S_IFMT, type);
        EXPECT_EQ(FilesIn(folder), std::set<std::string>{"highscoreaction.dat"});
        if (thing == kDevZero || thing == kDevNull) {
            EXPECT_TRUE(S_ISCHR(ModeOf(fs::canonical(list))));
        }
        if (thing == kFifoWithReaderAndWriter) {
            // Only the two bytes written here wait in the FIFO: the load took
            // none and the save added none.
            char waiting[8];
            EXPECT_EQ(read(held, waiting, sizeof waiting), 2);
        }
        if (held >= 0)
            close(held);
    }

    // A regular list of a terabyte (sparse) is read only as far as the records go.
    ScratchDir dir;
    std::string huge = dir.Path("highscorenormal.dat");
    WriteBytes(huge, {'R', 'i', 'e', 's', 'e'});
    fs::resize_file(huge, uintmax_t(1) << 40);
    HighscoreTable table;
    table.Load(huge.c_str());
    EXPECT_STREQ(table.entry[0].name, "Riese");
    EXPECT_STREQ(table.entry[1].name, "");
    EXPECT_EQ(table.entry[4].score, 0);
    alarm(0);
}

// Root ignores permission bits: these cases run as an ordinary user, whose
// game loads the list, enters a score and saves it.
TEST(HighscoreFile, AsAnOrdinaryUserListsItMayNotReadOrWriteStayAndLockedFoldersAreWrittenInPlace) {
    OrdinaryUser user;
    const std::vector<uint8_t> old = ImageOf(TableOf("Alt", 100));
    HighscoreTable played = TableOf("Alt", 100);
    played.Insert("Neu", 2600);
    const std::vector<uint8_t> image = ImageOf(played);
    struct Case {
        const char* what;
        mode_t listMode;
        mode_t folderMode;
        bool listExists;
        bool usersOwn; // list and folder belong to the user, else to root
        bool saved;
        bool heldLocked;      // another process holds a lock on the list for good
        int letGoAfterMs = 0; // or lets go after this long
    };
    const Case cases[] = {
        {"a read-only list", 0444, 0755, true, true, false, false},
        {"a read-only list in a read-only folder", 0444, 0555, true, true, false, false},
        {"a write-only list", 0200, 0755, true, true, false, false},
        {"a writable list in a folder that takes no new file", 0620, 0555, true, true, true, false},
        {"the same list held locked", 0620, 0555, true, true, false, true},
        {"the same list held locked for a moment", 0620, 0555, true, true, true, true, 300},
        {"no list in a folder that takes no new file", 0, 0555, false, true, false, false},
        // A folder like /tmp: anyone may add files, but only a file's owner may
        // remove or replace it; root's list is open to all for writing.
        {"someone else's writable list in a shared folder", 0666, 01777, true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.usersOwn && geteuid() != 0) {
            std::cout << "skipped, needs another user's list: " << c.what << "\n";
            continue;
        }
        ScratchDir dir;
        std::string folder = dir.Path("game");
        std::string list = folder + "/highscoreaction.dat";
        fs::create_directories(folder);
        if (c.listExists) {
            WriteBytes(list, old);
            chmod(list.c_str(), c.listMode);
        }
        if (c.usersOwn && c.listExists)
            user.Own(list, dir.root);
        if (c.usersOwn)
            user.Own(folder, dir.root);
        else
            fs::permissions(dir.root, fs::perms::others_exec, fs::perm_options::add);
        chmod(folder.c_str(), c.folderMode);
        int holder = c.heldLocked ? open(list.c_str(), O_RDWR) : -1;
        struct flock whole = {};
        whole.l_type = F_WRLCK;
        ASSERT_TRUE(holder < 0 || fcntl(holder, F_OFD_SETLK, &whole) == 0);
        // The lock lasts while a child that sleeps holds the last descriptor.
        pid_t letGo = c.letGoAfterMs ? fork() : -1;
        if (letGo == 0) {
            usleep(c.letGoAfterMs * 1000);
            _exit(0);
        }
        if (letGo > 0)
            close(std::exchange(holder, -1));

        bool ran = user.Run([&] {
            HighscoreTable table;
            table.Load(list.c_str());
            table.Insert("Neu", 2600);
            table.Save(list.c_str());
        });
        if (holder >= 0)
            close(holder);
        if (letGo > 0)
            waitpid(letGo, nullptr, 0);
        if (!ran)
            GTEST_SKIP() << OrdinaryUser::kSkipMessage;
        chmod(folder.c_str(), 0755);
        if (c.listExists) {
            EXPECT_EQ(ReadBytes(list), c.saved ? image : old);
            EXPECT_EQ(ModeOf(list) & 07777, c.listMode);
        }
        EXPECT_EQ(FilesIn(folder).size(), c.listExists ? 1u : 0u);
    }
}

namespace {

// Runs the check in a child process with a tmpfs mounted on the folder, with
// the options, in a mount namespace of its own (a user namespace too where the
// tests do not run as root). The child's exit status is the check's; 77 when
// no tmpfs could be mounted.
constexpr int kCannotMount = 77;

int WithTmpfs(const std::string& folder, const char* options, const std::function<int()>& check) {
    pid_t child = fork();
    if (child == 0) {
        uid_t uid = geteuid();
        gid_t gid = getegid();
        if (unshare(CLONE_NEWNS) != 0) {
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                _exit(kCannotMount);
            WriteBytes("/proc/self/setgroups", {'d', 'e', 'n', 'y'});
            std::string uidMap = "0 " + std::to_string(uid) + " 1";
            std::string gidMap = "0 " + std::to_string(gid) + " 1";
            WriteBytes("/proc/self/uid_map", std::vector<uint8_t>(uidMap.begin(), uidMap.end()));
            WriteBytes("/proc/self/gid_map", std::vector<uint8_t>(gidMap.begin(), gidMap.end()));
        }
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", folder.c_str(), "tmpfs", 0, options) != 0)
            _exit(kCannotMount);
        _exit(check());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Writes to the file until the disk takes no more.
void FillUp(const std::string& path) {
    int file = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    std::vector<char> block(4096, 'x');
    while (write(file, block.data(), block.size()) > 0) {
    }
    while (write(file, block.data(), 1) > 0) {
    }
    close(file);
}

} // namespace

TEST(HighscoreFile, OnAFullDiskTheSaveFailsAndTheOldListStays) {
    ScratchDir dir;
    std::string folder = dir.Path("disk");
    fs::create_directories(folder);
    int status = WithTmpfs(folder, "size=64k", [&] {
        std::string list = folder + "/highscoreaction.dat";
        std::vector<uint8_t> old = ImageOf(TableOf("Alt", 100));
        WriteBytes(list, old);
        FillUp(folder + "/filler");
        TableOf("Neu", 2600).Save(list.c_str());
        TableOf("Neu", 2600).Save((folder + "/highscorenormal.dat").c_str());
        if (ReadBytes(list) != old)
            return 1;
        return FilesIn(folder) == std::set<std::string>{"filler", "highscoreaction.dat"} ? 0 : 2;
    });
    if (status == kCannotMount)
        GTEST_SKIP() << "no tmpfs can be mounted here to fill up";
    EXPECT_NE(status, 1) << "the old list changed";
    EXPECT_NE(status, 2) << "the failed save left a file behind";
    EXPECT_EQ(status, 0);
}

namespace {

// The list's name, which the game saves by in the folder it runs in.
const char kList[] = "highscoreaction.dat";

// A child process that saves the two tables in turn in the folder, rounds
// times or for ever (0), writing a byte to report after each save. It runs
// traced by this process and is returned stopped before its first save.
pid_t StartSaving(const HighscoreTable& first, const HighscoreTable& second, const fs::path& folder,
                  int rounds, int report) {
    pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0 || ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            _exit(0);
        raise(SIGSTOP);
        HighscoreTable tables[2] = {first, second};
        for (int round = 0; rounds == 0 || round < rounds; round++)
            for (HighscoreTable& table : tables) {
                table.Save(kList);
                (void)!write(report, "s", 1);
            }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

// Lets the traced child go on to its next entry to or exit from a system
// call, the only moments at which it changes files; false once it has ended.
bool NextSystemCallStop(pid_t child) {
    int status = 0;
    return ptrace(PTRACE_SYSCALL, child, nullptr, nullptr) == 0 &&
           waitpid(child, &status, 0) == child && WIFSTOPPED(status);
}

int Available(int pipe) {
    char bytes[256];
    ssize_t count = read(pipe, bytes, sizeof bytes);
    return count > 0 ? int(count) : 0;
}

// Lets a traced child save first and then second in the folder, once for each
// system-call stop of the two saves: meddle runs at that stop, check with it
// once the saves are done.
void AtEveryMomentOfTwoSaves(const HighscoreTable& first, const HighscoreTable& second,
                             const fs::path& folder, const std::function<void()>& meddle,
                             const std::function<void(int)>& check) {
    int reports[2];
    ASSERT_EQ(pipe2(reports, O_NONBLOCK), 0);
    for (int stops = 0, stopsInAll = 0; stops <= stopsInAll; stops++) {
        pid_t child = StartSaving(first, second, folder, 1, reports[1]);
        int stopped = 0;
        while (stopped < stops && NextSystemCallStop(child))
            stopped++;
        meddle();
        while (NextSystemCallStop(child))
            stopped++;
        stopsInAll = std::max(stopsInAll, stopped);
        Available(reports[0]);
        check(stops);
    }
    close(reports[0]);
    close(reports[1]);
}

} // namespace

TEST(HighscoreFile, KilledAtAnyMomentASaveLeavesOneOfTheTwoWholeLists) {
    ScratchDir dir;
    const std::string list = dir.Path(kList);
    // Lists of different lengths (2600 holds a byte 0x0A), so that a mix shows.
    const HighscoreTable first = TableOf("Erste", 100);
    const HighscoreTable second = TableOf("Zweite", 2600);
    const std::vector<uint8_t> firstImage = ImageOf(first);
    const std::vector<uint8_t> secondImage = ImageOf(second);
    WriteBytes(list, firstImage);
    int reports[2];
    ASSERT_EQ(pipe2(reports, O_NONBLOCK), 0);

    // How many system-call stops one round of two saves takes.
    pid_t child = StartSaving(first, second, dir.root, 1, reports[1]);
    int stopsPerRound = 0;
    while (NextSystemCallStop(child))
        stopsPerRound++;
    if (stopsPerRound == 0)
        GTEST_SKIP() << "no process may trace its child here";
    ASSERT_EQ(Available(reports[0]), 2) << "a traced child could not save";

    auto seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> moment(0, 2 * stopsPerRound);
    const int kKills = 250;
    int killedMidSave = 0;
    for (int kill = 0; kill < kKills; kill++) {
        child = StartSaving(first, second, dir.root, 0, reports[1]);
        int stops = moment(random);
        for (int i = 0; i < stops && NextSystemCallStop(child); i++) {
        }
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        std::vector<uint8_t> bytes = ReadBytes(list);
        ASSERT_TRUE(bytes == firstImage || bytes == secondImage)
            << "killed at stop " << stops << " the list holds " << bytes.size() << " other bytes";
        killedMidSave += fs::exists(Temporary(list, child, 0));
        // A whole round's stops see the first save through, whatever the
        // temporaries of earlier kills lie about.
        if (Available(reports[0]) == 0) {
            ASSERT_LT(stops, stopsPerRound) << "a save after " << kill << " kills did not finish";
        }
    }
    close(reports[0]);
    close(reports[1]);
    std::cout << killedMidSave << " of " << kKills << " kills left a temporary behind\n";
    EXPECT_GT(killedMidSave, 0) << "no kill fell inside a save";

    // What the killed saves left is no obstacle to the next.
    HighscoreTable third = TableOf("Dritte", 3000);
    third.Save(list.c_str());
    EXPECT_EQ(ReadBytes(list), ImageOf(third));
}

TEST(HighscoreFile, AFolderRenamedAtAnyMomentOfASaveHoldsAWholeListAndNoTemporary) {
    ScratchDir dir;
    const fs::path folder = dir.Path("game"), moved = dir.Path("verschoben");
    const HighscoreTable first = TableOf("Erste", 100), second = TableOf("Zweite", 2600);
    const std::set<std::vector<uint8_t>> whole = {kOldBytes, ImageOf(first), ImageOf(second)};
    dir.Write("game/highscoreaction.dat", kOldBytes);
    AtEveryMomentOfTwoSaves(
        first, second, folder, [&] { fs::rename(folder, moved); },
        [&](int stops) {
            SCOPED_TRACE("renamed at stop " + std::to_string(stops));
            EXPECT_EQ(whole.count(ReadBytes(moved / kList)), 1u);
            EXPECT_EQ(FilesIn(moved), std::set<std::string>{kList});
            fs::rename(moved, folder);
        });
}

// Where no new file may be made beside the list, a second game saves while the
// first is held at each moment of its saves; one that must wait for the lock
// is waited for no longer than a whole save takes.
TEST(HighscoreFile, TwoGamesSavingInPlaceAtOnceLeaveOneOfTheirWholeLists) {
    OrdinaryUser user;
    ScratchDir dir;
    const fs::path folder = dir.Path("game");
    const std::string list = dir.Write("game/highscoreaction.dat", kOldBytes);
    const HighscoreTable first = TableOf("Erste", 100), second = TableOf("Zweite", 2600);
    const std::set<std::vector<uint8_t>> whole = {ImageOf(first), ImageOf(second)};
    user.Own(list, dir.root);
    user.Own(folder, dir.root);
    chmod(folder.c_str(), 0555);
    pid_t other = 0;
    auto saveAlongside = [&] {
        if ((other = fork()) == 0) {
            HighscoreTable(second).Save(list.c_str());
            _exit(0);
        }
        for (int ms = 0; ms < 200 && waitpid(other, nullptr, WNOHANG) == 0; ms++)
            usleep(1000);
    };
    auto check = [&](int stops) {
        waitpid(other, nullptr, 0);
        EXPECT_EQ(whole.count(ReadBytes(list)), 1u) << "the first held at stop " << stops;
    };
    if (!user.Run([&] { AtEveryMomentOfTwoSaves(first, first, folder, saveAlongside, check); }))
        GTEST_SKIP() << OrdinaryUser::kSkipMessage;
}

// Without /proc (some containers and chroots) the save cannot ask where the
// list lies, and goes by its name.
TEST(HighscoreFile, WithoutProcTheListIsSavedAllTheSame) {
    ScratchDir dir;
    const std::vector<uint8_t> image = ImageOf(TableOf("Neu", 2600));
    int status = WithTmpfs("/proc", "size=4k", [&] {
        TableOf("Neu", 2600).Save(dir.Path(kList).c_str());
        return ReadBytes(dir.Path(kList)) == image ? 0 : 1;
    });
    if (status == kCannotMount)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(status, 0);
}
