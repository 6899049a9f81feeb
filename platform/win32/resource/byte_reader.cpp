#include "platform/win32/resource/byte_reader.h"

namespace win32 {

bool ByteReader::Word(WORD& value) {
    if (bytes.size - offset < 2) {
        return false;
    }
    value = (WORD)(bytes.data[offset] | bytes.data[offset + 1] << 8);
    offset += 2;
    return true;
}

bool ByteReader::Dword(DWORD& value) {
    WORD low = 0;
    WORD high = 0;
    if (bytes.size - offset < 4) {
        return false;
    }
    Word(low);
    Word(high);
    value = (DWORD)low | (DWORD)high << 16;
    return true;
}

bool ByteReader::Short(short& value) {
    WORD word = 0;
    if (!Word(word)) {
        return false;
    }
    value = (short)word;
    return true;
}

bool ByteReader::Skip(size_t count) {
    if (bytes.size - offset < count) {
        return false;
    }
    offset += count;
    return true;
}

bool ByteReader::AlignToDword() {
    return Skip((4 - offset % 4) % 4);
}

bool ByteReader::Text(std::u16string& text) {
    const size_t start = offset;
    std::u16string read;
    WORD unit = 0;
    while (Word(unit)) {
        if (unit == 0) {
            text = std::move(read);
            return true;
        }
        read += (char16_t)unit;
    }
    offset = start;
    return false;
}

bool ByteReader::Name(ResourceName& name) {
    const size_t start = offset;
    WORD first = 0;
    if (!Word(first)) {
        return false;
    }
    if (first == 0xFFFF) {
        name.isOrdinal = true;
        name.text.clear();
        if (Word(name.ordinal)) {
            return true;
        }
        offset = start;
        return false;
    }
    offset = start;
    name.isOrdinal = false;
    name.ordinal = 0;
    return Text(name.text);
}

} // namespace win32
