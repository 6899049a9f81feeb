// The Win32 file functions of win_files.h on POSIX: a handle is a file
// descriptor, errno becomes the last-error code.
#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EBADF:
        return ERROR_INVALID_HANDLE;
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

// The folder a path lies in, so that a rename into it can be made durable.
std::string FolderOf(const char* path) {
    const char* slash = strrchr(path, '/');
    if (!slash)
        return ".";
    return slash == path ? "/" : std::string(path, slash);
}

// A rename lives in the folder's own data until that is synced; without this
// a power cut could bring back the old name. The rename has happened whether
// or not the sync works, so its result is not reported.
void SyncFolderOf(const char* path) {
    int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

// The replaced file's owner, group and permission bits go to the replacement.
// Only root may give a file to another user, so elsewhere the owner stays the
// caller's; the bits come after, as a change of owner clears the set-id bits.
// The replacement is opened without following a link, so a link slipped into
// its place is not changed.
bool TakeOwnerAndPermissions(const char* replacement, const struct stat& replaced) {
    int file = open(replacement, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    (void)!fchown(file, replaced.st_uid, replaced.st_gid);
    bool changed = fchmod(file, replaced.st_mode & 07777) == 0;
    int error = errno;
    close(file);
    errno = error;
    return changed;
}

// Hands a path out as the path functions do: its length without the 0 byte,
// or the size it needs, 0 byte included, leaving a buffer too small alone.
DWORD CopyPath(const std::string& from, LPSTR path, DWORD size) {
    if (from.size() >= size)
        return static_cast<DWORD>(from.size()) + 1;
    memcpy(path, from.c_str(), from.size() + 1);
    return static_cast<DWORD>(from.size());
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

} // namespace

DWORD WINAPI GetLastError() {
    return lastError;
}

DWORD WINAPI GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD, LPSECURITY_ATTRIBUTES security,
                          DWORD creation, DWORD, HANDLE templateFile) {
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
    int file = open(name, flags, 0666);
    // A file this open makes is the caller's to write, whatever bits the
    // process's mask gave it; only one that was there may be read-only.
    bool made = creation == CREATE_NEW;
    if (file < 0 && errno == ENOENT && creation == OPEN_ALWAYS) {
        file = open(name, flags | O_CREAT, 0666);
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
    return HandleOf(file);
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    int file = DescriptorOf(handle);
    if (file < 0)
        return Fail(ERROR_INVALID_HANDLE);
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
    return CopyPath(std::string(target, length), path, size);
}

DWORD WINAPI GetFullPathNameA(LPCSTR name, DWORD size, LPSTR path, LPSTR* filePart) {
    if (!name || !*name || filePart || (!path && size))
        return Fail(ERROR_INVALID_PARAMETER);
    if (name[0] == '/')
        return CopyPath(name, path, size);
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder))
        return FailWithErrno();
    return CopyPath(std::string(folder) + (strcmp(folder, "/") ? "/" : "") + name, path, size);
}

BOOL WINAPI LockFileEx(HANDLE file, DWORD flags, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                       LPOVERLAPPED overlapped) {
    if ((flags & ~LOCKFILE_FAIL_IMMEDIATELY) != LOCKFILE_EXCLUSIVE_LOCK || reserved)
        return Fail(ERROR_INVALID_PARAMETER);
    int command = flags & LOCKFILE_FAIL_IMMEDIATELY ? F_OFD_SETLK : F_OFD_SETLKW;
    return SetLock(file, F_WRLCK, command, lengthLow, lengthHigh, overlapped);
}

BOOL WINAPI UnlockFileEx(HANDLE file, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                         LPOVERLAPPED overlapped) {
    if (reserved)
        return Fail(ERROR_INVALID_PARAMETER);
    return SetLock(file, F_UNLCK, F_OFD_SETLK, lengthLow, lengthHigh, overlapped);
}

BOOL WINAPI DeleteFileA(LPCSTR name) {
    return unlink(name) == 0 ? TRUE : FailWithErrno();
}

// One rename swaps the files, so the replaced name always holds one of them
// whole; a failed rename leaves both as they were.
BOOL WINAPI ReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags,
                         LPVOID exclude, LPVOID reserved) {
    if (!replaced || !replacement || backup || flags || exclude || reserved)
        return Fail(ERROR_INVALID_PARAMETER);
    struct stat old;
    if (stat(replaced, &old) != 0 || !TakeOwnerAndPermissions(replacement, old))
        return FailWithErrno();
    if (rename(replacement, replaced) != 0)
        return Fail(ERROR_UNABLE_TO_REMOVE_REPLACED);
    SyncFolderOf(replaced);
    return TRUE;
}

BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) {
    if (!existing || !newName || flags != (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Fail(ERROR_INVALID_PARAMETER);
    if (rename(existing, newName) != 0)
        return FailWithErrno();
    SyncFolderOf(newName);
    return TRUE;
}

void WINAPI Sleep(DWORD milliseconds) {
    struct timespec left = {time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
