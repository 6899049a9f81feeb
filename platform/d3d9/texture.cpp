#include <d3d9.h>
#include "platform/d3d9/alpha_runs.h"
#include "platform/d3d9/out_of_memory.h"
#include "platform/d3d9/texel_image.h"
#include "platform/d3d9/texture_memory.h"
#include "platform/d3d9/watch.h"

#include <algorithm>
#include <cstddef>

namespace {

// A texture without alpha samples as kOpaque, whatever was written there.
const uint32_t kOpaque = 0xFF000000u;

void measureImageRuns(d3d9_internal::TexelImage& image) {
    d3d9_internal::measureAlphaRuns(image.texels.data(), image.texels.size(), image.width,
                                    image.alphaRuns.data());
    image.alphaRunsMeasured = true;
}

} // namespace

IDirect3DTexture9::IDirect3DTexture9(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool)
    : width(width), height(height), format(format), pool(pool),
      image(std::make_shared<d3d9_internal::TexelImage>()) {
    image->width = int(width);
    image->height = int(height);
    const std::size_t count = std::size_t(width) * height;
    image->texels = d3d9_internal::ZeroedArray<uint32_t>(count);
    if (format == D3DFMT_X8R8G8B8) {
        std::fill(image->texels.begin(), image->texels.end(), kOpaque);
    }
    // Its runs wait for the first unlock: a new texture is almost always filled first.
    image->alphaRuns = d3d9_internal::ZeroedArray<d3d9_internal::AlphaRun>(count);
    d3d9_watch::made(d3d9_watch::Kind::Texture);
}

IDirect3DTexture9::~IDirect3DTexture9() {
    d3d9_internal::returnTextureMemory(width, height);
    d3d9_watch::freed(d3d9_watch::Kind::Texture);
}

HRESULT IDirect3DTexture9::LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                                    DWORD /*flags*/) {
    if (level != 0 || lockedRect == nullptr || locked) {
        return D3DERR_INVALIDCALL;
    }
    RECT area = {0, 0, LONG(width), LONG(height)};
    if (rect != nullptr) {
        const bool inside = rect->left >= 0 && rect->top >= 0 && rect->left < rect->right &&
                            rect->top < rect->bottom && rect->right <= LONG(width) &&
                            rect->bottom <= LONG(height);
        if (!inside) {
            return D3DERR_INVALIDCALL;
        }
        area = *rect;
    }
    // A frame that drew the texture keeps the texels it drew.
    return d3d9_internal::resultWithinMemory([&] {
        if (image.use_count() > 1) {
            image = std::make_shared<d3d9_internal::TexelImage>(*image);
        }
        lockedRect->Pitch = INT(width * sizeof(uint32_t));
        lockedRect->pBits =
            image->texels.data() + std::size_t(area.top) * width + std::size_t(area.left);
        locked = true;
        return S_OK;
    });
}

HRESULT IDirect3DTexture9::UnlockRect(UINT level) {
    if (level != 0 || !locked) {
        return D3DERR_INVALIDCALL;
    }
    locked = false;
    if (format == D3DFMT_X8R8G8B8) {
        for (uint32_t& texel : image->texels) {
            texel |= kOpaque;
        }
    }
    measureImageRuns(*image);
    return S_OK;
}

const std::shared_ptr<d3d9_internal::TexelImage>& IDirect3DTexture9::measuredImage() {
    if (!image->alphaRunsMeasured) {
        measureImageRuns(*image);
    }
    return image;
}

const uint32_t* IDirect3DTexture9::Texels() const {
    return image->texels.data();
}

HRESULT IDirect3DTexture9::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (level != 0 || desc == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    desc->Format = format;
    desc->Pool = pool;
    desc->Width = width;
    desc->Height = height;
    return S_OK;
}
