#include "platform/win32/resource/compiled_resources.h"

// Written by the build from the compiled resource script.
extern const unsigned char kCompiledResources[];
extern const size_t kCompiledResourcesSize;

namespace win32 {

namespace {

// The fixed part of an entry's header before its type and name.
const DWORD kSizesLength = 8;

} // namespace

bool FindResourceIn(ByteSpan file, ResourceType type, WORD id, FoundResource& found) {
    ByteReader entries(file);
    DWORD dataSize = 0;
    DWORD headerSize = 0;
    while (entries.Dword(dataSize) && entries.Dword(headerSize)) {
        ByteSpan rest = entries.Rest();
        if (headerSize < kSizesLength || headerSize - kSizesLength > rest.size) {
            return false;
        }
        ByteReader header({rest.data, headerSize - kSizesLength});
        ResourceName entryType;
        ResourceName entryName;
        DWORD dataVersion = 0;
        WORD memoryFlags = 0;
        WORD language = 0;
        if (!header.Name(entryType) || !header.Name(entryName) || !header.AlignToDword() ||
            !header.Dword(dataVersion) || !header.Word(memoryFlags) || !header.Word(language)) {
            return false;
        }
        entries.Skip(headerSize - kSizesLength);
        rest = entries.Rest();
        if (dataSize > rest.size) {
            return false;
        }
        if (entryType.isOrdinal && entryType.ordinal == (WORD)type && entryName.isOrdinal &&
            entryName.ordinal == id) {
            found.data = {rest.data, dataSize};
            found.language = language;
            return true;
        }
        // The next header starts on a multiple of four; the last data needs no padding.
        if (!entries.Skip(dataSize) || !entries.AlignToDword()) {
            return false;
        }
    }
    return false;
}

ByteSpan ProgramResources() {
    return {kCompiledResources, kCompiledResourcesSize};
}

} // namespace win32
