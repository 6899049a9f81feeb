#include <d3d9.h>

ULONG IUnknown::AddRef() {
    return ++refCount;
}

ULONG IUnknown::Release() {
    const ULONG left = --refCount;
    if (left == 0) {
        delete this;
    }
    return left;
}
