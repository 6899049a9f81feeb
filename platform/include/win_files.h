// The file functions of the Windows platform that the game uses to read and
// save its highscore lists, and the last-error code they leave behind.
//
// Here they stand on POSIX, and the texture loader reads its images through
// them too. Every open is non-blocking, so a FIFO or a device
// in a file's place never stalls the program (GetFileType tells them apart
// from regular files), and a folder cannot be opened as a file. A file with
// no write permission bit for anyone is read-only, as a file with Windows'
// read-only attribute is: no user may open it for writing, root included.
// A symbolic link, anywhere in a name, is followed only where it belongs to
// the caller or to the owner of the folder it sits in; any other fails with
// ERROR_ACCESS_DENIED, so that a link another user planted never hands them
// the caller's rights. Share modes mean nothing here: any number of handles
// may have a file open, and only LockFileEx keeps two writers apart.
// ReplaceFileA swaps the replacement in with one rename, giving it the
// replaced file's owner, group, extended attributes (its ACL among them) and
// permission bits where the system lets it, and syncs the folder so the swap
// survives a power cut. A call that finds no memory fails with
// ERROR_NOT_ENOUGH_MEMORY, never by an exception.
#pragma once

#include "win_types.h"

typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
// Only where a locked range starts is read here.
struct OVERLAPPED {
    UINT_PTR Internal;
    UINT_PTR InternalHigh;
    DWORD Offset;
    DWORD OffsetHigh;
    HANDLE hEvent;
};
typedef OVERLAPPED* LPOVERLAPPED;
typedef int64_t LONGLONG;
union LARGE_INTEGER {
    LONGLONG QuadPart;
};
typedef LARGE_INTEGER* PLARGE_INTEGER;

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

// Access rights and share modes of CreateFileA.
#define GENERIC_READ 0x80000000L
#define GENERIC_WRITE 0x40000000L
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004

// How CreateFileA treats a file that exists or does not. CREATE_NEW never
// follows a link: a link in the name's place counts as an existing file.
#define CREATE_NEW 1
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4

// Attributes. A file made with FILE_ATTRIBUTE_TEMPORARY may be read and
// written by its owner alone. GetFileAttributesA reports a file with no write
// permission bit as read-only, and a link, not followed, as a reparse point.
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define FILE_ATTRIBUTE_REPARSE_POINT 0x00000400
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)

// What GetFileType says of an open handle.
#define FILE_TYPE_UNKNOWN 0x0000
#define FILE_TYPE_DISK 0x0001
#define FILE_TYPE_CHAR 0x0002
#define FILE_TYPE_PIPE 0x0003

// GetFinalPathNameByHandleA: the normalised path, as the system names it.
#define FILE_NAME_NORMALIZED 0x0
#define VOLUME_NAME_DOS 0x0

#define LOCKFILE_FAIL_IMMEDIATELY 0x00000001
#define LOCKFILE_EXCLUSIVE_LOCK 0x00000002

#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008

// Last-error codes.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
// Any call that found no memory for its work.
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_GEN_FAILURE 31L
// LockFileEx with LOCKFILE_FAIL_IMMEDIATELY: another handle holds the range.
#define ERROR_LOCK_VIOLATION 33L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
// UnlockFileEx: the range is not locked by this handle.
#define ERROR_NOT_LOCKED 158L
// CreateFileA with OPEN_ALWAYS, on success: the file was there already.
#define ERROR_ALREADY_EXISTS 183L
// ReplaceFileA: neither file was touched; each keeps its name.
#define ERROR_UNABLE_TO_REMOVE_REPLACED 1175L
// ReplaceFileA: the replaced file is gone; the replacement keeps its own name.
#define ERROR_UNABLE_TO_MOVE_REPLACEMENT 1176L
// ReplaceFileA: the replaced file lives on under another name; the
// replacement keeps its own.
#define ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 1177L

// With C names, as Windows' own.
extern "C" {

DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);
DWORD WINAPI GetCurrentProcessId();

// Security attributes and a template file are not supported: pass null.
HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD creation, DWORD flags,
                          HANDLE templateFile);
BOOL WINAPI CloseHandle(HANDLE handle);
DWORD WINAPI GetFileType(HANDLE file);
BOOL WINAPI GetFileSizeEx(HANDLE file, PLARGE_INTEGER size);
// Reading and writing at the file position; overlapped i/o is not supported.
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read,
                     LPOVERLAPPED overlapped);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written,
                      LPOVERLAPPED overlapped);
BOOL WINAPI SetEndOfFile(HANDLE file);
BOOL WINAPI FlushFileBuffers(HANDLE file);
// The length of the path without its 0 byte; the size needed, 0 byte
// included, when the buffer is too small; 0 on failure.
DWORD WINAPI GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size, DWORD flags);
// A relative name joined to the working folder, an absolute one as it is;
// links are not followed, and no "." or ".." is taken out here. Lengths as
// GetFinalPathNameByHandleA's; filePart stays null.
DWORD WINAPI GetFullPathNameA(LPCSTR name, DWORD size, LPSTR path, LPSTR* filePart);
// Only exclusive locks, which wait until the range is free, or with
// LOCKFILE_FAIL_IMMEDIATELY fail at once while it is not. A lock belongs to
// the handle that took it and lasts until it is unlocked or that handle is
// closed, whatever other handles the process closes meanwhile.
BOOL WINAPI LockFileEx(HANDLE file, DWORD flags, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                       LPOVERLAPPED overlapped);
// Only a range locked by the same handle, given as it was locked.
BOOL WINAPI UnlockFileEx(HANDLE file, DWORD reserved, DWORD lengthLow, DWORD lengthHigh,
                         LPOVERLAPPED overlapped);
DWORD WINAPI GetFileAttributesA(LPCSTR name);
BOOL WINAPI DeleteFileA(LPCSTR name);
// No backup file, no flags: the two pointers at the end stay null.
BOOL WINAPI ReplaceFileA(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags,
                         LPVOID exclude, LPVOID reserved);
// Only with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags);
// The thread waits this long, for a locked file to come free.
void WINAPI Sleep(DWORD milliseconds);

} // extern "C"
