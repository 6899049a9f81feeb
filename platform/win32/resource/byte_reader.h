// Reading the little-endian structures of compiled resources from bytes that
// cannot be trusted: every read checks that its bytes are there and fails
// instead of running past the end; a failed read leaves the reader where it was.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace win32 {

struct ByteSpan {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A name in a resource structure: an ordinal (0xFFFF and a number) or a
// zero-terminated UTF-16 text; 0x0000 alone is the empty text.
struct ResourceName {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::u16string text;
};

class ByteReader {
public:
    explicit ByteReader(ByteSpan bytes) : bytes(bytes) {}

    bool Word(WORD& value);
    bool Dword(DWORD& value);
    bool Short(short& value);
    bool Skip(size_t count);
    // Up to the next multiple of four from the start, as structures that
    // follow texts of any length are placed.
    bool AlignToDword();
    // A zero-terminated UTF-16 text.
    bool Text(std::u16string& text);
    bool Name(ResourceName& name);

    size_t Offset() const { return offset; }
    // The bytes from the current position on.
    ByteSpan Rest() const { return {bytes.data + offset, bytes.size - offset}; }

private:
    ByteSpan bytes;
    size_t offset = 0;
};

} // namespace win32
