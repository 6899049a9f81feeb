// The Win32 file functions of win_files.h on POSIX: a handle is a file
// descriptor, errno becomes the last-error code.
#include <windows.h>

#include "platform/win_out_of_memory.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/limits.h>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <tuple>
#include <unistd.h>

using win32::ResultWithinMemory;

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// The codes a caller may tell apart; anything else is a general failure.
DWORD ErrorOf(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ELOOP: // a link that is not followed
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

BOOL Fail(DWORD error) {
    lastError = error;
    return FALSE;
}

BOOL FailWithErrno() {
    return Fail(ErrorOf(errno));
}

// A handle is its descriptor plus one, so that no open file is the null handle
// and descriptor -1 is never mistaken for INVALID_HANDLE_VALUE.
HANDLE HandleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(descriptor) + 1);
}

int DescriptorOf(HANDLE handle) {
    intptr_t descriptor = reinterpret_cast<intptr_t>(handle) - 1;
    return descriptor >= 0 && descriptor <= INT_MAX ? static_cast<int>(descriptor) : -1;
}

// Where a name lies: its folder, held open, and the last part of the name.
struct Place {
    Place() = default;
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;
    ~Place() {
        if (folder >= 0)
            close(folder);
    }

    int folder = -1;
    std::string leaf;
};

// The kernel's limit on the links of one chain.
const int kMaxLinks = 40;

int OpenFolder(const char* path) {
    return open(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// A link is followed only where it belongs to the caller or to the owner of
// the folder it sits in: one that another user planted in a folder open to
// all leads nowhere, so it cannot hand the caller's rights to its target.
bool MayFollow(int folder, const struct stat& link) {
    struct stat owner;
    return link.st_uid == geteuid() || (fstat(folder, &owner) == 0 && owner.st_uid == link.st_uid);
}

// The target of the link the descriptor holds, the very link whose owner was
// asked: its length, or 0 with errno set.
size_t ReadLink(int link, char (&target)[PATH_MAX]) {
    ssize_t length = readlinkat(link, "", target, sizeof target);
    if (length == sizeof target)
        errno = ENAMETOOLONG;
    return length <= 0 || length == sizeof target ? 0 : static_cast<size_t>(length);
}

// Closes a descriptor a failed step leaves behind.
bool Abandon(int descriptor, int error) {
    close(descriptor);
    errno = error;
    return false;
}

// Goes down the path one name at a time, each folder opened without following
// a link and links followed by the rule above, up to the last name: that one
// is followed too where followLast says so, else left as it is. False with
// errno set; a missing last name is no failure, for a caller that makes it.
bool Walk(const char* path, bool followLast, Place& place) {
    if (!*path) {
        errno = ENOENT;
        return false;
    }
    std::string rest = path;
    place.folder = OpenFolder(rest[0] == '/' ? "/" : ".");
    int links = 0;
    while (place.folder >= 0) {
        size_t start = rest.find_first_not_of('/');
        if (start == std::string::npos) { // the path names a folder
            place.leaf = ".";
            return true;
        }
        size_t end = std::min(rest.find('/', start), rest.size());
        place.leaf = rest.substr(start, end - start);
        rest.erase(0, end);
        bool last = rest.find_first_not_of('/') == std::string::npos;
        if (last && !followLast)
            return true;
        int next = openat(place.folder, place.leaf.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            return last && errno == ENOENT;
        struct stat status;
        if (fstat(next, &status) != 0)
            return Abandon(next, errno);
        if (S_ISLNK(status.st_mode)) {
            // Read onto the stack: nothing may fail for memory while the link is open.
            char target[PATH_MAX];
            size_t length = 0;
            int error = !MayFollow(place.folder, status)         ? EACCES
                        : ++links > kMaxLinks                    ? ELOOP
                        : (length = ReadLink(next, target)) == 0 ? errno
                                                                 : 0;
            if (error)
                return Abandon(next, error);
            close(next);
            rest.insert(0, target, length);
            if (target[0] == '/') {
                close(place.folder);
                place.folder = OpenFolder("/");
            }
        } else if (last) {
            close(next);
            return true;
        } else if (!S_ISDIR(status.st_mode)) {
            return Abandon(next, ENOTDIR);
        } else {
            close(place.folder);
            place.folder = next;
        }
    }
    return false;
}

// A rename lives in the folder's own data until that is synced; without this
// a power cut could bring back the old name. The rename has happened whether
// or not the sync works, so its result is not reported.
void SyncFolder(const Place& place) {
    int folder = openat(place.folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    fsync(folder);
    close(folder);
}

// Windows' read-only attribute: root may write a file whatever its bits, but
// not one that no one may write.
bool ReadOnly(const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Every extended attribute of the replaced file goes to the replacement; on
// Linux the access ACL is one of them, and the replacement keeps none of its
// own. An attribute the system will not copy is left out, but never the ACL:
// the permission bits alone could open the file to a group the ACL kept out.
bool CopyAttributes(int from, int to) {
    static const char kAcl[] = "system.posix_acl_access";
    // Without exceptions, for the caller's descriptors to be closed.
    std::unique_ptr<char[]> names(new (std::nothrow) char[XATTR_LIST_MAX]);
    std::unique_ptr<char[]> value(new (std::nothrow) char[XATTR_SIZE_MAX]);
    if (!names || !value) {
        errno = ENOMEM;
        return false;
    }
    ssize_t length = flistxattr(from, names.get(), XATTR_LIST_MAX);
    if (length < 0)
        return errno == ENOTSUP;
    (void)!fremovexattr(to, kAcl);
    for (const char* name = names.get(); name < names.get() + length; name += strlen(name) + 1) {
        ssize_t size = fgetxattr(from, name, value.get(), XATTR_SIZE_MAX);
        bool copied = size >= 0 && fsetxattr(to, name, value.get(), size_t(size), 0) == 0;
        if (!copied && strcmp(name, kAcl) == 0) {
            errno = EACCES;
            return false;
        }
    }
    return true;
}

// The replaced file's owner, group, attributes and permission bits go to the
// replacement, through descriptors, and only to a file the caller wrote: a
// regular file of the caller's with no other name, not one slipped into the
// replacement's place. Only root may give a file to another user, so
// elsewhere the owner stays the caller's; the bits come last, as a change of
// owner clears the set-id bits.
bool TakeMetadata(int from, int to) {
    struct stat old, fresh;
    if (fstat(from, &old) != 0 || fstat(to, &fresh) != 0)
        return false;
    if (!S_ISREG(old.st_mode) || !S_ISREG(fresh.st_mode) || fresh.st_nlink != 1 ||
        fresh.st_uid != geteuid()) {
        errno = EACCES;
        return false;
    }
    (void)!fchown(to, old.st_uid, old.st_gid);
    return CopyAttributes(from, to) && fchmod(to, old.st_mode & 07777) == 0;
}

// The file at the place itself, never a link there, and never waiting on a FIFO.
int OpenAt(const Place& place, int flags) {
    return openat(place.folder, place.leaf.c_str(),
                  flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

// Hands a path out as the path functions do: its length without the 0 byte,
// or the size it needs, 0 byte included, leaving a buffer too small alone.
DWORD CopyPath(const char* from, size_t length, LPSTR path, DWORD size) {
    if (length >= size)
        return static_cast<DWORD>(length) + 1;
    memcpy(path, from, length);
    path[length] = '\0';
    return static_cast<DWORD>(length);
}

// A lock of the open file description, not of the process: a process's own
// POSIX locks would all go when it closes any descriptor of the file.
BOOL SetLock(HANDLE file, short type, int command, DWORD lengthLow, DWORD lengthHigh,
             LPOVERLAPPED overlapped) {
    uint64_t length = uint64_t(lengthHigh) << 32 | lengthLow;
    if (!overlapped || length == 0)
        return Fail(ERROR_INVALID_PARAMETER);
    struct flock range = {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(uint64_t(overlapped->OffsetHigh) << 32 | overlapped->Offset);
    // Length 0: from the start on, however far the file grows.
    range.l_len = length > uint64_t(INT64_MAX) ? 0 : static_cast<off_t>(length);
    int result;
    do
        result = fcntl(DescriptorOf(file), command, &range);
    while (result != 0 && errno == EINTR);
    if (result != 0 && (errno == EAGAIN || errno == EACCES))
        return Fail(ERROR_LOCK_VIOLATION);
    return result == 0 ? TRUE : FailWithErrno();
}

// The ranges each descriptor holds locked, as Windows keeps them: a range
// that is not locked cannot be unlocked.
std::mutex locksGuard;
std::set<std::tuple<int, DWORD, DWORD, DWORD, DWORD>> lockedRanges;

std::tuple<int, DWORD, DWORD, DWORD, DWORD> RangeOf(HANDLE file, DWORD lengthLow, DWORD lengthHigh,
                                                    const OVERLAPPED* overlapped) {
    return {DescriptorOf(file), overlapped->Offset, overlapped->OffsetHigh, lengthLow, lengthHigh};
}

} // namespace

DWORD WINAPI GetLastError() {
    return lastError;
}

void WINAPI SetLastError(DWORD error) {
    lastError = error;
}

DWORD WINAPI GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD, LPSECURITY_ATTRIBUTES security,
                          DWORD creation, DWORD attributes, HANDLE templateFile) {
    return ResultWithinMemory<HANDLE>(INVALID_HANDLE_VALUE, [&]() -> HANDLE {
        // Never blocking: opening a FIFO or a device returns at once, for the
        // caller to ask GetFileType what it holds.
        int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        bool reads = access & GENERIC_READ, writes = access & GENERIC_WRITE;
        flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
        if (creation == CREATE_NEW)
            flags |= O_CREAT | O_EXCL; // O_EXCL fails on a link in the name's place
        else if (creation != OPEN_EXISTING && creation != OPEN_ALWAYS)
            name = nullptr;
        if (!name || security || templateFile) {
            Fail(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
        // A temporary file is the caller's alone until it takes its place.
        mode_t mode = attributes & FILE_ATTRIBUTE_TEMPORARY ? 0600 : 0666;
        Place place;
        bool found = Walk(name, creation != CREATE_NEW, place);
        int file = found ? openat(place.folder, place.leaf.c_str(), flags | O_NOFOLLOW, mode) : -1;
        // A file this open makes is the caller's to write, whatever bits the
        // process's mask gave it; only one that was there may be read-only.
        bool made = creation == CREATE_NEW;
        if (found && file < 0 && errno == ENOENT && creation == OPEN_ALWAYS) {
            file = openat(place.folder, place.leaf.c_str(), flags | O_NOFOLLOW | O_CREAT, mode);
            made = true;
        }
        if (file < 0) {
            FailWithErrno();
            return INVALID_HANDLE_VALUE;
        }
        // A folder is no file, as on Windows without backup semantics, and a
        // read-only file takes no writing.
        struct stat status;
        int error = fstat(file, &status) != 0             ? errno
                    : S_ISDIR(status.st_mode)             ? EISDIR
                    : writes && !made && ReadOnly(status) ? EACCES
                                                          : 0;
        if (error) {
            Fail(ErrorOf(error));
            close(file);
            return INVALID_HANDLE_VALUE;
        }
        lastError = creation == OPEN_ALWAYS && !made ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
        return HandleOf(file);
    });
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    int file = DescriptorOf(handle);
    if (file < 0)
        return Fail(ERROR_INVALID_HANDLE);
    {
        std::lock_guard<std::mutex> guard(locksGuard);
        lockedRanges.erase(lockedRanges.lower_bound({file, 0, 0, 0, 0}),
                           lockedRanges.upper_bound({file, ~0u, ~0u, ~0u, ~0u}));
    }
    // The descriptor is gone even when close reports an interruption.
    return close(file) == 0 || errno == EINTR ? TRUE : FailWithErrno();
}

// Only a regular file counts as a disk file: a block device is no place for a
// game's data either.
DWORD WINAPI GetFileType(HANDLE file) {
    struct stat status;
    if (fstat(DescriptorOf(file), &status) != 0) {
        FailWithErrno();
        return FILE_TYPE_UNKNOWN;
    }
    if (S_ISREG(status.st_mode))
        return FILE_TYPE_DISK;
    if (S_ISCHR(status.st_mode))
        return FILE_TYPE_CHAR;
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode))
        return FILE_TYPE_PIPE;
    return FILE_TYPE_UNKNOWN;
}

BOOL WINAPI GetFileSizeEx(HANDLE file, PLARGE_INTEGER size) {
    struct stat status;
    if (!size)
        return Fail(ERROR_INVALID_PARAMETER);
    if (fstat(DescriptorOf(file), &status) != 0)
        return FailWithErrno();
    size->QuadPart = status.st_size;
    return TRUE;
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read,
                     LPOVERLAPPED overlapped) {
    if (!read || overlapped)
        return Fail(ERROR_INVALID_PARAMETER);
    *read = 0;
    ssize_t got;
    do
        got = ::read(DescriptorOf(file), buffer, count);
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return FailWithErrno();
    *read = static_cast<DWORD>(got);
    return TRUE;
}

// All or failure, as on a Windows disk file: a short write goes on until the
// whole buffer is written or the system refuses (a full disk).
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written,
                      LPOVERLAPPED overlapped) {
    if (!written || overlapped)
        return Fail(ERROR_INVALID_PARAMETER);
    *written = 0;
    const char* bytes = static_cast<const char*>(buffer);
    while (*written < count) {
        ssize_t put = write(DescriptorOf(file), bytes + *written, count - *written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put < 0 ? FailWithErrno() : Fail(ERROR_DISK_FULL);
        *written += static_cast<DWORD>(put);
    }
    return TRUE;
}

BOOL WINAPI SetEndOfFile(HANDLE file) {
    int descriptor = DescriptorOf(file);
    off_t position = lseek(descriptor, 0, SEEK_CUR);
    return position >= 0 && ftruncate(descriptor, position) == 0 ? TRUE : FailWithErrno();
}

BOOL WINAPI FlushFileBuffers(HANDLE file) {
    return fsync(DescriptorOf(file)) == 0 ? TRUE : FailWithErrno();
}

// The system's own record of what the descriptor has open: the file a link
// led to, not the link.
DWORD WINAPI GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size, DWORD flags) {
    if (flags != (FILE_NAME_NORMALIZED | VOLUME_NAME_DOS) || (!path && size))
        return Fail(ERROR_INVALID_PARAMETER);
    char link[32];
    snprintf(link, sizeof link, "/proc/self/fd/%d", DescriptorOf(file));
    char target[PATH_MAX];
    ssize_t length = readlink(link, target, sizeof target);
    if (length < 0)
        return FailWithErrno();
    if (length == sizeof target || target[0] != '/')
        return Fail(ERROR_GEN_FAILURE); // too long, or no name in a folder (a pipe)
    return CopyPath(target, size_t(length), path, size);
}

DWORD WINAPI GetFullPathNameA(LPCSTR name, DWORD size, LPSTR path, LPSTR* filePart) {
    if (!name || !*name || filePart || (!path && size))
        return Fail(ERROR_INVALID_PARAMETER);
    if (name[0] == '/')
        return CopyPath(name, strlen(name), path, size);
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder))
        return FailWithErrno();
    return ResultWithinMemory<DWORD>(0, [&] {
        std::string full = std::string(folder) + (strcmp(folder, "/") ? "/" : "") + name;
        return CopyPath(full.data(), full.size(), path, size);
    });
}

BOOL WINAPI LockFileEx(HANDLE file, DWORD flags, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                       LPOVERLAPPED overlapped) {
    if ((flags & ~LOCKFILE_FAIL_IMMEDIATELY) != LOCKFILE_EXCLUSIVE_LOCK || reserved)
        return Fail(ERROR_INVALID_PARAMETER);
    int command = flags & LOCKFILE_FAIL_IMMEDIATELY ? F_OFD_SETLK : F_OFD_SETLKW;
    if (!SetLock(file, F_WRLCK, command, lengthLow, lengthHigh, overlapped))
        return FALSE;
    std::lock_guard<std::mutex> guard(locksGuard);
    BOOL recorded = ResultWithinMemory<BOOL>(FALSE, [&] {
        lockedRanges.insert(RangeOf(file, lengthLow, lengthHigh, overlapped));
        return TRUE;
    });
    // A lock left out of the record could never be unlocked, so none is kept.
    if (!recorded)
        SetLock(file, F_UNLCK, F_OFD_SETLK, lengthLow, lengthHigh, overlapped);
    return recorded;
}

BOOL WINAPI UnlockFileEx(HANDLE file, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                         LPOVERLAPPED overlapped) {
    if (reserved || !overlapped)
        return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard<std::mutex> guard(locksGuard);
    if (lockedRanges.count(RangeOf(file, lengthLow, lengthHigh, overlapped)) == 0)
        return Fail(ERROR_NOT_LOCKED);
    if (!SetLock(file, F_UNLCK, F_OFD_SETLK, lengthLow, lengthHigh, overlapped))
        return FALSE;
    lockedRanges.erase(RangeOf(file, lengthLow, lengthHigh, overlapped));
    return TRUE;
}

DWORD WINAPI GetFileAttributesA(LPCSTR name) {
    return ResultWithinMemory<DWORD>(INVALID_FILE_ATTRIBUTES, [&]() -> DWORD {
        Place place;
        struct stat status;
        if (!name || !Walk(name, false, place) ||
            fstatat(place.folder, place.leaf.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            name ? FailWithErrno() : Fail(ERROR_INVALID_PARAMETER);
            return INVALID_FILE_ATTRIBUTES;
        }
        if (S_ISLNK(status.st_mode))
            return FILE_ATTRIBUTE_REPARSE_POINT;
        DWORD attributes = (S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0) |
                           (ReadOnly(status) ? FILE_ATTRIBUTE_READONLY : 0);
        return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    });
}

BOOL WINAPI DeleteFileA(LPCSTR name) {
    return ResultWithinMemory<BOOL>(FALSE, [&]() -> BOOL {
        Place place;
        if (!name || !Walk(name, false, place))
            return name ? FailWithErrno() : Fail(ERROR_INVALID_PARAMETER);
        return unlinkat(place.folder, place.leaf.c_str(), 0) == 0 ? TRUE : FailWithErrno();
    });
}

// One rename swaps the files, so the replaced name always holds one of them
// whole; a failed rename leaves both as they were.
BOOL WINAPI ReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags,
                         LPVOID exclude, LPVOID reserved) {
    return ResultWithinMemory<BOOL>(FALSE, [&]() -> BOOL {
        if (!replaced || !replacement || backup || flags || exclude || reserved)
            return Fail(ERROR_INVALID_PARAMETER);
        Place old, fresh;
        if (!Walk(replaced, false, old) || !Walk(replacement, false, fresh))
            return FailWithErrno();
        int from = OpenAt(old, O_RDONLY);
        int to = from < 0 ? -1 : OpenAt(fresh, O_RDONLY);
        bool taken = to >= 0 && TakeMetadata(from, to);
        int error = errno;
        for (int file : {from, to})
            if (file >= 0)
                close(file);
        if (!taken)
            return Fail(ErrorOf(error));
        if (renameat(fresh.folder, fresh.leaf.c_str(), old.folder, old.leaf.c_str()) != 0)
            return Fail(ERROR_UNABLE_TO_REMOVE_REPLACED);
        SyncFolder(old);
        return TRUE;
    });
}

BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) {
    return ResultWithinMemory<BOOL>(FALSE, [&]() -> BOOL {
        if (!existing || !newName || flags != (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return Fail(ERROR_INVALID_PARAMETER);
        Place from, to;
        if (!Walk(existing, false, from) || !Walk(newName, false, to) ||
            renameat(from.folder, from.leaf.c_str(), to.folder, to.leaf.c_str()) != 0)
            return FailWithErrno();
        SyncFolder(to);
        return TRUE;
    });
}

void WINAPI Sleep(DWORD milliseconds) {
    struct timespec left = {time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
