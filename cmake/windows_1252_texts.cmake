# The game's texts are Windows-1252 bytes, as on a German Windows system, in the Linux and the
# Windows program alike. The sources are UTF-8; GCC writes their texts in Windows-1252 when
# told. A compiler that cannot would silently turn every "ü" into two bytes; it stops the
# configure here instead.
include(CheckCXXSourceCompiles)

set(QUORVEL_TEXTS_FLAG -fexec-charset=CP1252)
set(CMAKE_REQUIRED_FLAGS ${QUORVEL_TEXTS_FLAG})
check_cxx_source_compiles([[
static_assert(sizeof("ü") == 2 && (unsigned char)"ü"[0] == 0xFC, "one byte 0xFC");
int main() { return 0; }
]] QUORVEL_TEXTS_IN_WINDOWS_1252)
unset(CMAKE_REQUIRED_FLAGS)

if(NOT QUORVEL_TEXTS_IN_WINDOWS_1252)
  message(FATAL_ERROR
    "${CMAKE_CXX_COMPILER} (${CMAKE_CXX_COMPILER_ID}) cannot write the game's texts in "
    "Windows-1252 (${QUORVEL_TEXTS_FLAG}): \"ü\" would come out as UTF-8. Build the game "
    "with GCC (g++, or x86_64-w64-mingw32-g++ for Windows).")
endif()
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:${QUORVEL_TEXTS_FLAG}>)
