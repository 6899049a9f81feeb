// Loading an image file into a new texture.
#include <d3dx9.h>

#include "platform/loader/image_decoder.h"
#include "platform/loader/image_file.h"
#include "platform/loader/texture_upload.h"

#include <new>

namespace {

// This loader does not scale: a requested size must be the image's own.
bool isOwnSize(UINT requested, uint32_t own) {
    return requested == 0 || requested == D3DX_DEFAULT || requested == own;
}

// The loader's textures hold 32 bits a texel.
uint64_t textureBytes(uint32_t width, uint32_t height) {
    return uint64_t(width) * height * sizeof(uint32_t);
}

HRESULT loadTexture(IDirect3DDevice9* device, const char* srcFile, UINT width, UINT height,
                    DWORD usage, D3DFORMAT format, D3DPOOL pool, D3DCOLOR colorKey,
                    D3DXIMAGE_INFO* srcInfo, IDirect3DTexture9** texture) {
    loader::FileBytes bytes;
    if (!loader::readFile(loader::localPath(srcFile), bytes))
        return D3DXERR_INVALIDDATA;

    // Asked as soon as the file's header tells the size, so an image the
    // device has no room for is refused without being decoded; one it takes
    // is decoded straight into its texture.
    const D3DFORMAT textureFormat = format == D3DFMT_UNKNOWN ? D3DFMT_A8R8G8B8 : format;
    loader::TextureUpload upload(device, usage, textureFormat, pool);
    HRESULT refusal = D3DXERR_INVALIDDATA;
    auto textureRows = [&](const loader::ImageShape& shape) {
        if (!isOwnSize(width, shape.width) || !isOwnSize(height, shape.height)) {
            refusal = D3DERR_INVALIDCALL;
            return loader::ImageRows();
        }
        if (textureBytes(shape.width, shape.height) > device->GetAvailableTextureMem()) {
            refusal = D3DERR_OUTOFVIDEOMEMORY;
            return loader::ImageRows();
        }
        const loader::ImageRows rows = upload.create(shape.width, shape.height);
        if (!rows.first)
            refusal = upload.failure();
        return rows;
    };
    loader::ImageShape image;
    if (!loader::decodeImage(bytes.data.get(), bytes.size, image, textureRows))
        return refusal;
    upload.clearColourKey(colorKey);
    upload.storeUnlocked(texture);
    if (srcInfo) {
        srcInfo->Width = image.width;
        srcInfo->Height = image.height;
        srcInfo->Depth = 1;
        srcInfo->MipLevels = 1;
        srcInfo->Format = image.hasAlpha ? D3DFMT_A8R8G8B8 : D3DFMT_X8R8G8B8;
    }
    return S_OK;
}

} // namespace

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* srcFile, UINT width,
                                     UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* srcInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture) {
    // The device's textures have one level and no palette; the texture is the
    // image's own size, so there is nothing to filter.
    (void)mipLevels, (void)filter, (void)mipFilter, (void)palette;
    if (!device || !srcFile || !texture)
        return D3DERR_INVALIDCALL;
    try {
        return loadTexture(device, srcFile, width, height, usage, format, pool, colorKey, srcInfo,
                           texture);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
