// Feeds arbitrary bytes to the texture loader as the content of an image file,
// the whole way from the file to the texture, with the board's colour key.
// Whatever the bytes, the load either gives a texture of an accepted size or
// fails and stores nothing, and no texture outlives its release.
#include "platform/d3d9_testing.h"
#include <d3dx9.h>
#include "platform/surface.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

IDirect3DTexture9* const kUntouched = reinterpret_cast<IDirect3DTexture9*>(0x1234);

struct Fixture {
    HWND__ window;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    std::string file;

    Fixture() {
        window.surface.clientWidth = 16;
        window.surface.clientHeight = 16;
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.hDeviceWindow = &window;
        if (!d3d ||
            FAILED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &window,
                                     D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device)))
            std::abort();
        char pattern[] = "/tmp/fuzz_loader-XXXXXX";
        int descriptor = mkstemp(pattern);
        if (descriptor < 0)
            std::abort();
        close(descriptor);
        file = pattern;
    }
    ~Fixture() { std::remove(file.c_str()); }
};

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture fixture;
    writeFile(fixture.file, data, size);

    IDirect3DTexture9* texture = kUntouched;
    D3DXIMAGE_INFO info = {};
    HRESULT result = D3DXCreateTextureFromFileExA(
        fixture.device, fixture.file.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0,
        D3DFMT_UNKNOWN, D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0xFFFF00FF, &info, nullptr,
        &texture);
    if (FAILED(result)) {
        if (texture != kUntouched)
            std::abort();
    } else {
        const bool sane = texture && texture != kUntouched && texture->Width() == info.Width &&
                          texture->Height() == info.Height && info.Width >= 1 &&
                          info.Width <= 4096 && info.Height >= 1 && info.Height <= 4096;
        if (!sane)
            std::abort();
        texture->Release();
    }
    if (d3d9_testing::liveObjects().textures != 0)
        std::abort();
    return 0;
}
