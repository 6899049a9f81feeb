#include "DigitSprite.h"

#include "ReleaseRef.h"
#include "TextureFile.h"

namespace {
const char* const kDigitFiles[10] = {
    "Grafik//0.png", "Grafik//1.png", "Grafik//2.png", "Grafik//3.png", "Grafik//4.png",
    "Grafik//5.png", "Grafik//6.png", "Grafik//7.png", "Grafik//8.png", "Grafik//9.png",
};
const int kDigitSize = 30;
} // namespace

HRESULT DigitSprite::Load(float x, float y, int /*extra*/) {
    for (int d = 0; d < 10; ++d) {
        // A second load must not leak the textures of the first.
        ReleaseRef(digitTexture[d]);
        digitTexture[d] = LoadTextureFile(kDigitFiles[d]);
    }
    // "empty" names no image: the call only makes the quad and its buffer.
    Sprite::Load("empty", x, y, kDigitSize, kDigitSize);
    return S_OK;
}

HRESULT DigitSprite::DrawDigit(int d) {
    if (!IsLoaded())
        return E_FAIL;
    // A chain of ten jumps or more has no image of its own; it shows as 9.
    if (d < 0)
        d = 0;
    if (d > 9)
        d = 9;
    DrawQuad(digitTexture[d]);
    return S_OK;
}

HRESULT DigitSprite::Release() {
    for (IDirect3DTexture9*& slot : digitTexture)
        ReleaseRef(slot);
    Sprite::Release();
    return S_OK;
}
