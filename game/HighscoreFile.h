// The file that keeps a highscore list between runs, read and written so that
// nothing in its place can stall the game and no save can cost the old list.
#pragma once

#include <cstddef>
#include <cstdint>

// Fills bytes with at most capacity bytes from the start of the file and gives
// their count: 0 when it cannot be read (missing, a folder, or anything but a
// regular file, such as a FIFO or a device).
size_t ReadHighscoreFile(const char* name, uint8_t* bytes, size_t capacity);

// Makes the bytes the file's whole content. The old content stays whole until
// the new is on disk; where the folder allows no new file beside the list, the
// list is written in place. A list that may not be written (read-only, or not
// a regular file) is left as it is, and a link's target gets the new content.
void SaveHighscoreFile(const char* name, const uint8_t* bytes, size_t count);
