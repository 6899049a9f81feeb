// Giving back one held reference to a platform object.
#pragma once

// Releases the object the field holds, if any, and empties the field, so a
// second call finds nothing to release.
template <class Object> void ReleaseRef(Object*& field) {
    if (field) {
        field->Release();
        field = nullptr;
    }
}
