// The program's compiled resource script (a .res file: a run of entries, each
// a header naming its type, name and language, and then its data) and the
// lookup of one resource in it by type and integer id.
#pragma once

#include "platform/win32/resource/byte_reader.h"

namespace win32 {

// Resource types, as the compiled file numbers them.
enum class ResourceType : WORD {
    Cursor = 1,
    Icon = 3,
    Menu = 4,
    Dialog = 5,
    GroupCursor = 12,
    GroupIcon = 14,
};

struct FoundResource {
    ByteSpan data;
    WORD language = 0;
};

// The first resource of the type with the integer id, in whatever language:
// the program has one. False when there is none, or when the file breaks off
// or contradicts itself before it is found.
bool FindResourceIn(ByteSpan file, ResourceType type, WORD id, FoundResource& found);

// The compiled resources built into the program.
ByteSpan ProgramResources();

} // namespace win32
