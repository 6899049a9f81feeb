// Windows-1252, the code page of the "A" functions, to and from UTF-8, the
// encoding of GTK and of what a keyboard types; and from UTF-16, the encoding
// of the texts in compiled resources.
#pragma once

#include <string>

namespace win32 {

std::string Cp1252ToUtf8(const std::string& text);
// A character that Windows-1252 lacks, or a malformed byte, becomes '?'.
std::string Utf8ToCp1252(const std::string& text);
// Each unit that Windows-1252 lacks (each half of a surrogate pair too) becomes '?'.
std::string Utf16ToCp1252(const std::u16string& text);

} // namespace win32
