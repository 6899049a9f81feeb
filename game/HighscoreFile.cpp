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
// How often a list's final path is compared with its name's full path.
const int kPathComparisons = 8;
// How Windows' final paths begin, so that they may run past MAX_PATH.
const char kLongPathPrefix[] = "\\\\?\\";
// The range LockFileEx takes to lock a whole file, however long it grows.
const DWORD kWholeFileLow = 0xFFFFFFFF;
const DWORD kWholeFileHigh = 0xFFFFFFFF;
// Another game's save holds the lock for a moment, a virus scanner the new
// list; what holds them longer is waited for no more than this, so that the
// close never hangs on it.
const DWORD kWaitMs = 2000;
const DWORD kRetryMs = 10;

enum class Swap { kDone, kRefused, kFailed };

HANDLE Open(const char* name, DWORD access, DWORD creation,
            DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileA(name, access, kShareAll, nullptr, creation, attributes, nullptr);
}

// Tries the step again while it fails for a reason that may pass, for no
// longer than the wait.
template <typename Step, typename Passes> bool Retried(Step step, Passes passes) {
    for (DWORD waited = 0;; waited += kRetryMs) {
        if (step())
            return true;
        if (!passes(GetLastError()) || waited >= kWaitMs)
            return false;
        Sleep(kRetryMs);
    }
}

bool WriteAll(HANDLE file, const uint8_t* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, (DWORD)count, &written, nullptr) && written == count;
}

// Made exclusively, so a link in its place is never followed, under a name of
// its own beside the list: the process id keeps two running games apart, and
// a count steps past names that are taken. Whatever holds such a name (the
// leftover of a save that died, or a plant) is left alone: deleting a link
// there would take its target with it under Wine. Made temporary, it is the
// saver's alone until it takes the list's owner and access. On failure, error
// says what stopped the creation.
HANDLE CreateTemporary(const char* list, char (&name)[kTemporarySize], DWORD& error) {
    for (unsigned count = 0; count < kTemporaryNames; count++) {
        snprintf(name, sizeof name, "%s.%lu.%u.tmp", list, (unsigned long)GetCurrentProcessId(),
                 count);
        HANDLE file = Open(name, GENERIC_WRITE, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY);
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
    // whole on disk, is then the only copy, kept under the temporary's name
    // for as long as it cannot take the list's.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        bool moved = Retried(
            [&] {
                return MoveFileExA(temporary, list,
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            },
            [](DWORD) { return true; });
        return moved ? Swap::kDone : Swap::kFailed;
    }
    DeleteFileA(temporary);
    return Refusal(error);
}

bool LockWhole(HANDLE file, OVERLAPPED& whole) {
    return Retried(
        [&] {
            return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                              kWholeFileLow, kWholeFileHigh, &whole);
        },
        [](DWORD error) { return error == ERROR_LOCK_VIOLATION; });
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

// A final path without the prefix that lets Windows' run past MAX_PATH.
const char* WithoutLongPathPrefix(const char* path) {
    size_t prefix = strlen(kLongPathPrefix);
    return strncmp(path, kLongPathPrefix, prefix) == 0 ? path + prefix : path;
}

// The name to save by: a link's final path (it differs from the name's full path every time,
// a renamed folder's only now and then), else the name, bare ones with the "./" Wine needs.
bool NameToSave(HANDLE file, const char* name, char (&list)[kPathSize]) {
    char named[kPathSize];
    for (int comparison = 0; comparison < kPathComparisons; comparison++) {
        DWORD finalLength = GetFinalPathNameByHandleA(file, list, kPathSize,
                                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        DWORD length = GetFullPathNameA(name, kPathSize, named, nullptr);
        if (length == 0 || length >= kPathSize)
            return false;
        if (finalLength == 0 || finalLength >= kPathSize ||
            strcmp(WithoutLongPathPrefix(list), named) == 0) {
            if (strpbrk(name, "\\/:"))
                snprintf(list, sizeof list, "%s", name);
            else
                snprintf(list, sizeof list, ".%c%s", named[length - strlen(name) - 1], name);
            return true;
        }
    }
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
        while (count < capacity) {
            // On Windows a read fails while another game's save holds the
            // list locked: a list read in part counts as not read at all.
            refused = !ReadFile(file, bytes + count, (DWORD)(capacity - count), &read, nullptr);
            if (refused || read == 0)
                break;
            count += read;
        }
    CloseHandle(file);
    return refused ? 0 : count;
}

// A list this save made for the swap to replace, and could not fill, goes
// again while it is still empty: a list another game saved there meanwhile
// stays.
void RemoveIfEmpty(const char* list) {
    HANDLE file = Open(list, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size = {};
    bool empty = GetFileSizeEx(file, &size) && size.QuadPart == 0;
    CloseHandle(file);
    if (empty)
        DeleteFileA(list);
}

void SaveHighscoreFile(const char* name, const uint8_t* bytes, size_t count) {
    // Opening for writing is the test the plain write made: a read-only list
    // (where the system says so), a folder in its place or a missing folder
    // end the save here. A missing list is made, empty, for the swap to
    // replace; a link is followed, and the file it leads to is the list.
    HANDLE file = Open(name, GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return;
    bool made = GetLastError() != ERROR_ALREADY_EXISTS;
    char list[kPathSize];
    bool found = GetFileType(file) == FILE_TYPE_DISK && NameToSave(file, name, list);
    CloseHandle(file);
    // A FIFO or a device in the list's place is never written, nor a list
    // that is read-only: Wine lets root open one for writing all the same.
    DWORD attributes = found ? GetFileAttributesA(list) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return;
    // A link whose final path could not be asked is written through in place.
    Swap swap =
        attributes & FILE_ATTRIBUTE_REPARSE_POINT ? Swap::kRefused : SwapIn(list, bytes, count);
    if (swap == Swap::kRefused)
        WriteInPlace(list, bytes, count);
    else if (swap == Swap::kFailed && made)
        RemoveIfEmpty(list);
}
