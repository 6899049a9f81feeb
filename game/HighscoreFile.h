// The file that keeps a highscore list between runs, read and written so that
// nothing in its place can stall the game and no save can cost the old list.
#pragma once

#include <cstddef>
#include <cstdint>

// Fills bytes with at most capacity bytes from the start of the file and gives
// their count: 0 when it cannot be read (missing, a folder, or anything but a
// regular file, such as a FIFO or a device). refused says whether something
// in the list's place could not be read: no read permission, a link another
// user planted, or a read that failed.
size_t ReadHighscoreFile(const char* name, uint8_t* bytes, size_t capacity, bool& refused);

// Makes the bytes the file's whole content. The old content stays whole until
// the new is on disk; where the folder allows no new file beside the list, the
// list is written in place, under a lock, so that two games saving at once
// leave one of their lists whole. A list that may not be written (read-only,
// or not a regular file) is left as it is, and a link's target gets the new
// content. The temporary and the swap go by the name as given, in the folder
// the save starts in, even when that folder is renamed meanwhile; a failed
// save leaves nothing behind but the new list, under the temporary's name,
// where Windows let go of the old one.
void SaveHighscoreFile(const char* name, const uint8_t* bytes, size_t count);
