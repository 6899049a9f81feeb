# Writes the compiled resource file into a C++ source as a byte array, so that
# the program carries its resources as a Windows program does.
# Arguments: INPUT (the .res file), OUTPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "#include <cstddef>\n"
  "extern const unsigned char kCompiledResources[];\n"
  "extern const size_t kCompiledResourcesSize;\n"
  "const unsigned char kCompiledResources[] = {\n${bytes}};\n"
  "const size_t kCompiledResourcesSize = ${size};\n")
