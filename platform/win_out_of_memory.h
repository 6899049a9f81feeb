// The Win32 functions tell a lack of memory by their result and the last
// error, never by an exception: their callers are C-style code.
#pragma once

#include <win_files.h>

#include <new>
#include <stdexcept>

namespace win32 {

// What `call` returns, or `failure` with ERROR_NOT_ENOUGH_MEMORY where it
// found no memory; a string or container longer than any memory counts too.
template <typename Result, typename Call> Result ResultWithinMemory(Result failure, Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return failure;
}

} // namespace win32
