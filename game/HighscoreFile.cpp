#include "HighscoreFile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Room for the list's full path as the system names it.
const DWORD kPathSize = 4096;
// Room for that path with a temporary's suffix: a process id, a count, ".tmp".
const size_t kTemporarySize = kPathSize + 24;
// Names a save tries for its temporary before it gives up.
const unsigned kTemporaryNames = 16;
// How Windows' final paths begin, so that they may run past MAX_PATH.
const char kLongPathPrefix[] = "\\\\?\\";
// The range LockFileEx takes to lock a whole file, however long it grows.
const DWORD kWholeFileLow = 0xFFFFFFFF;
const DWORD kWholeFileHigh = 0xFFFFFFFF;
// Another game's save holds the lock for a moment; what holds it longer is
// waited for no more than this, so that the close never hangs on it.
const DWORD kLockWaitMs = 2000;
const DWORD kLockRetryMs = 10;

enum class Swap { kDone, kRefused, kFailed };

HANDLE Open(const char* name, DWORD access, DWORD creation) {
    return CreateFileA(name, access, kShareAll, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, const uint8_t* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, (DWORD)count, &written, nullptr) && written == count;
}

// Made exclusively, so a link in its place is never followed, under a name of
// its own beside the list: the process id keeps two running games apart, and
// a count steps past names that are taken. Whatever holds such a name (the
// leftover of a save that died, or a plant) is left alone: deleting a link
// there would take its target with it under Wine. On failure, error says what
// stopped the creation.
HANDLE CreateTemporary(const char* list, char (&name)[kTemporarySize], DWORD& error) {
    for (unsigned count = 0; count < kTemporaryNames; count++) {
        snprintf(name, sizeof name, "%s.%lu.%u.tmp", list, (unsigned long)GetCurrentProcessId(),
                 count);
        HANDLE file = Open(name, GENERIC_WRITE, CREATE_NEW);
        error = GetLastError();
        if (file != INVALID_HANDLE_VALUE || error != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The list is refused when no new file may be made beside it or the old one
// may not be removed; both leave it untouched and still writable in place.
Swap Refusal(DWORD error) {
    bool refused = error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
    return refused ? Swap::kRefused : Swap::kFailed;
}

// The new list goes to disk beside the old one and replaces it in one step.
Swap SwapIn(const char* list, const uint8_t* bytes, size_t count) {
    char temporary[kTemporarySize];
    DWORD error = ERROR_SUCCESS;
    HANDLE file = CreateTemporary(list, temporary, error);
    if (file == INVALID_HANDLE_VALUE)
        return Refusal(error);
    bool written = WriteAll(file, bytes, count) && FlushFileBuffers(file);
    if (!CloseHandle(file) || !written) {
        DeleteFileA(temporary);
        return Swap::kFailed;
    }
    if (ReplaceFileA(list, temporary, nullptr, 0, nullptr, nullptr))
        return Swap::kDone;
    error = GetLastError();
    // Windows may have let go of the old list before failing: the new one,
    // whole on disk, must then take its place.
    bool moved = (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                  error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) &&
                 MoveFileExA(temporary, list, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved)
        return Swap::kDone;
    DeleteFileA(temporary);
    return Refusal(error);
}

bool LockWhole(HANDLE file, OVERLAPPED& whole) {
    for (DWORD waited = 0;; waited += kLockRetryMs) {
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, kWholeFileLow,
                       kWholeFileHigh, &whole))
            return true;
        if (GetLastError() != ERROR_LOCK_VIOLATION || waited >= kLockWaitMs)
            return false;
        Sleep(kLockRetryMs);
    }
}

// Not atomic, but where the folder allows nothing else it saves the list, as
// the plain write always did. The new bytes go over the old before the rest
// is cut, so the file is never empty; and all under a lock, so that a second
// game saving at once waits rather than cut this one's bytes or mix its own
// into them.
void WriteInPlace(const char* list, const uint8_t* bytes, size_t count) {
    HANDLE file = Open(list, GENERIC_WRITE, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED whole = {};
    if (LockWhole(file, whole)) {
        if (WriteAll(file, bytes, count) && SetEndOfFile(file))
            FlushFileBuffers(file);
        UnlockFileEx(file, 0, kWholeFileLow, kWholeFileHigh, &whole);
    }
    CloseHandle(file);
}

// The name the save goes by. Where the system's path of the open list is the
// full path of its name, the list is no link, and the save goes by the name as
// given, so that its temporary and swap stay in the folder it started in even
// when that folder is renamed meanwhile; a bare name gets that folder in front
// as "." and the separator the system's path has before the name, since Wine's
// ReplaceFileA refuses a name without a folder. Otherwise the name leads
// elsewhere (a link, or a path the system spells otherwise: another case, a
// share's name), and the save goes by the final path, to the file itself. The
// final path is asked first, so that a rename between the two questions sends
// the save to a folder no longer there, where it makes nothing. False when the
// list has no final path that fits.
bool NameToSave(HANDLE file, const char* name, char (&list)[kPathSize]) {
    DWORD length =
        GetFinalPathNameByHandleA(file, list, kPathSize, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= kPathSize)
        return false;
    char named[kPathSize];
    length = GetFullPathNameA(name, kPathSize, named, nullptr);
    size_t prefix = strlen(kLongPathPrefix);
    const char* final = strncmp(list, kLongPathPrefix, prefix) == 0 ? list + prefix : list;
    if (length == 0 || length >= kPathSize || strcmp(final, named) != 0)
        return true;
    if (strpbrk(name, "\\/:"))
        snprintf(list, sizeof list, "%s", name);
    else
        snprintf(list, sizeof list, ".%c%s", named[length - strlen(name) - 1], name);
    return true;
}

} // namespace

size_t ReadHighscoreFile(const char* name, uint8_t* bytes, size_t capacity, bool& refused) {
    HANDLE file = Open(name, GENERIC_READ, OPEN_EXISTING);
    refused = false;
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        refused = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return 0;
    }
    size_t count = 0;
    DWORD read = 0;
    if (GetFileType(file) == FILE_TYPE_DISK)
        while (count < capacity &&
               ReadFile(file, bytes + count, (DWORD)(capacity - count), &read, nullptr) && read > 0)
            count += read;
    CloseHandle(file);
    return count;
}

void SaveHighscoreFile(const char* name, const uint8_t* bytes, size_t count) {
    // Opening for writing is the test the plain write made: a read-only list,
    // a folder in its place or a missing folder end the save here. A missing
    // list is made, empty, for the swap to replace; a link is followed, and
    // the file it leads to is the list.
    HANDLE file = Open(name, GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char list[kPathSize];
    bool found = GetFileType(file) == FILE_TYPE_DISK && NameToSave(file, name, list);
    CloseHandle(file);
    // A FIFO or a device in the list's place is never written.
    if (!found)
        return;
    if (SwapIn(list, bytes, count) == Swap::kRefused)
        WriteInPlace(list, bytes, count);
}
