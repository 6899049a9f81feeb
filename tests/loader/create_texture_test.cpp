#include "platform/d3d9_testing.h"
#include <d3dx9.h>
#include "platform/surface.h"
#include "tests/loader/test_images.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

using test_images::Bytes;

namespace {

IDirect3DTexture9* const kUntouched = reinterpret_cast<IDirect3DTexture9*>(0x1234);

// Runs a test from another working folder, so the game's relative paths can be tried as written.
class CreateTextureFromFile : public ::testing::Test {
protected:
    void SetUp() override {
        d3d9_testing::resetFaults();
        window.surface.clientWidth = 64;
        window.surface.clientHeight = 64;
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(nullptr, d3d);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.hDeviceWindow = &window;
        ASSERT_EQ(S_OK, d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &window,
                                          D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device));
        texturesBefore = d3d9_testing::liveObjects().textures;
    }

    void TearDown() override {
        if (device)
            device->Release();
        if (d3d)
            d3d->Release();
        d3d9_testing::resetFaults();
    }

    // Loads as the game does, with the given colour key.
    HRESULT load(const std::string& file, IDirect3DTexture9** texture, D3DCOLOR key = 0,
                 D3DXIMAGE_INFO* info = nullptr) {
        return D3DXCreateTextureFromFileExA(
            device, file.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
            D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, key, info, nullptr, texture);
    }

    // Texels of the file as loaded with the key; fails the test when it does not load.
    std::vector<uint32_t> texelsOf(const std::string& file, D3DCOLOR key = 0) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(S_OK, load(file, &texture, key));
        if (!texture)
            return {};
        EXPECT_EQ(D3DERR_INVALIDCALL, texture->UnlockRect(0)) << "handed back locked";
        std::vector<uint32_t> texels(texture->Texels(),
                                     texture->Texels() + texture->Width() * texture->Height());
        texture->Release();
        return texels;
    }

    // The load fails with `why`, stores nothing and leaves no texture alive.
    void expectRefused(const std::string& file, HRESULT why = D3DXERR_INVALIDDATA) {
        SCOPED_TRACE(file);
        IDirect3DTexture9* texture = kUntouched;
        EXPECT_EQ(why, load(file, &texture));
        EXPECT_EQ(kUntouched, texture);
        EXPECT_EQ(texturesBefore, d3d9_testing::liveObjects().textures);
    }

    HWND__ window;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    int texturesBefore = 0;
    ScratchDir dir;
};

Bytes greyJpeg(uint8_t grey) {
    return test_images::encodeJpeg(8, 8, 1, Bytes(64, grey));
}

} // namespace

TEST_F(CreateTextureFromFile, PngBecomesTextureOfItsOwnSize) {
    const std::vector<uint32_t> argb = {0xFF102030, 0x00FFFFFF, 0x80FF00FF,
                                        0x01020304, 0xFFFFFFFF, 0x7F000000};
    const std::string file = dir.Write("bild.png", test_images::encodeArgbPng(3, 2, argb));
    IDirect3DTexture9* texture = nullptr;
    D3DXIMAGE_INFO info = {};
    ASSERT_EQ(S_OK, load(file, &texture, 0, &info));
    ASSERT_NE(nullptr, texture);
    EXPECT_EQ(1u, texture->GetRefCount());
    EXPECT_EQ(texturesBefore + 1, d3d9_testing::liveObjects().textures);
    D3DSURFACE_DESC desc = {};
    ASSERT_EQ(S_OK, texture->GetLevelDesc(0, &desc));
    EXPECT_EQ(D3DFMT_A8R8G8B8, desc.Format);
    EXPECT_EQ(3u, desc.Width);
    EXPECT_EQ(2u, desc.Height);
    EXPECT_EQ(1u, texture->GetLevelCount());
    EXPECT_EQ(argb, std::vector<uint32_t>(texture->Texels(), texture->Texels() + 6));
    EXPECT_EQ(3u, info.Width);
    EXPECT_EQ(2u, info.Height);
    EXPECT_EQ(1u, info.Depth);
    EXPECT_EQ(1u, info.MipLevels);
    EXPECT_EQ(D3DFMT_A8R8G8B8, info.Format);
    texture->Release();
    EXPECT_EQ(texturesBefore, d3d9_testing::liveObjects().textures);
}

TEST_F(CreateTextureFromFile, JpegBecomesOpaqueTexture) {
    IDirect3DTexture9* texture = nullptr;
    D3DXIMAGE_INFO info = {};
    ASSERT_EQ(S_OK, load(dir.Write("holz.jpg", greyJpeg(0x60)), &texture, 0, &info));
    EXPECT_EQ(8u, texture->Width());
    EXPECT_EQ(D3DFMT_X8R8G8B8, info.Format);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(0xFFu, texture->Texels()[i] >> 24);
        EXPECT_NEAR(0x60, int(texture->Texels()[i] & 0xFF), 4);
    }
    texture->Release();
}

TEST_F(CreateTextureFromFile, ColourKeyClearsOnlyExactMatches) {
    const std::vector<uint32_t> argb = {0xFFFF00FF, 0x80FF00FF, 0xFFFE00FF, 0xFF00FF00};
    const std::string file = dir.Write("loch.png", test_images::encodeArgbPng(2, 2, argb));
    EXPECT_EQ((std::vector<uint32_t>{0x00000000, 0x80FF00FF, 0xFFFE00FF, 0xFF00FF00}),
              texelsOf(file, 0xFFFF00FF));
    EXPECT_EQ(argb, texelsOf(file, 0));
    EXPECT_EQ((std::vector<uint32_t>{0xFFFF00FF, 0x80FF00FF, 0xFFFE00FF, 0x00000000}),
              texelsOf(file, 0xFF00FF00));

    // The board's images are as likely to be palette images: keyed the same way.
    test_images::PngRecipe palette;
    palette.width = 2;
    palette.height = 1;
    palette.colorType = PNG_COLOR_TYPE_PALETTE;
    palette.rows = {0, 1};
    palette.palette = {{255, 0, 255}, {10, 20, 30}};
    EXPECT_EQ((std::vector<uint32_t>{0x00000000, 0xFF0A141E}),
              texelsOf(dir.Write("palette.png", test_images::encodePng(palette)), 0xFFFF00FF));
}

TEST_F(CreateTextureFromFile, WindowsPathsNameTheSameFile) {
    const Bytes png = test_images::encodeArgbPng(1, 1, {0xFF123456});
    dir.Write("Grafik/0.png", png);
    dir.Write("Grafik/holz.jpg", greyJpeg(0x80));
    {
        WorkingDirectory inScratch(dir.root);
        EXPECT_EQ((std::vector<uint32_t>{0xFF123456}), texelsOf("Grafik//0.png"));
        EXPECT_EQ(64u, texelsOf("Grafik\\holz.jpg").size());
        EXPECT_EQ(1u, texelsOf(".\\\\Grafik\\/0.png").size());
        expectRefused("grafik\\holz.jpg");
        expectRefused("Grafik\\Holz.jpg");
        expectRefused("Grafik\\holz.JPG");
    }
    EXPECT_EQ(1u, texelsOf(dir.root.string() + "\\Grafik\\0.png").size());
}

TEST_F(CreateTextureFromFile, ContentDecidesTheFormatNotTheName) {
    EXPECT_EQ((std::vector<uint32_t>{0xFF654321}),
              texelsOf(dir.Write("named.jpg", test_images::encodeArgbPng(1, 1, {0xFF654321}))));
    EXPECT_EQ(64u, texelsOf(dir.Write("named.png", greyJpeg(0x20))).size());
    EXPECT_EQ(64u, texelsOf(dir.Write("no_extension", greyJpeg(0x20))).size());
    expectRefused(dir.Write("text.png", Bytes{'h', 'e', 'l', 'l', 'o'}));
}

TEST_F(CreateTextureFromFile, BadFilesFailAndStoreNothing) {
    const Bytes png = test_images::encodeArgbPng(4, 4, std::vector<uint32_t>(16, 0xFF336699));
    const Bytes jpeg = greyJpeg(0x40);
    expectRefused(dir.root.string() + "/missing.png");
    expectRefused("empty");
    expectRefused(dir.root.string());
    expectRefused(dir.Write("empty.png", {}));
    expectRefused(dir.Write("short.png", Bytes(png.begin(), png.begin() + png.size() / 2)));
    expectRefused(dir.Write("short.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)));
    expectRefused(dir.Write("huge.png", test_images::pngHeaderClaiming(100000, 100000)));
    expectRefused(dir.Write("huge.jpg", test_images::withJpegSizeClaim(jpeg, 65000, 65000)));
}

TEST_F(CreateTextureFromFile, BadCallsFailAndStoreNothing) {
    const std::string file = dir.Write("ok.png", test_images::encodeArgbPng(2, 2, {1, 2, 3, 4}));
    IDirect3DTexture9* texture = kUntouched;
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileExA(
        nullptr, file.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
        D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr, &texture)));
    EXPECT_EQ(kUntouched, texture);
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileExA(
        device, nullptr, D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
        D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr, &texture)));
    EXPECT_EQ(kUntouched, texture);
    EXPECT_TRUE(FAILED(load(file, nullptr)));

    // The loader does not scale: only the image's own size can be asked for.
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileExA(device, file.c_str(), 4, 4, 1, 0,
                                                    D3DFMT_UNKNOWN, D3DPOOL_DEFAULT, D3DX_DEFAULT,
                                                    D3DX_DEFAULT, 0, nullptr, nullptr, &texture)));
    EXPECT_EQ(kUntouched, texture);
    ASSERT_EQ(S_OK, D3DXCreateTextureFromFileExA(device, file.c_str(), 2, 2, 1, 0, D3DFMT_A8R8G8B8,
                                                 D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0,
                                                 nullptr, nullptr, &texture));
    texture->Release();
    EXPECT_EQ(texturesBefore, d3d9_testing::liveObjects().textures);
}

TEST_F(CreateTextureFromFile, DeviceRefusingTheTextureStoresNothing) {
    const std::string file = dir.Write("ok.png", test_images::encodeArgbPng(1, 1, {0xFFFFFFFF}));
    d3d9_testing::faults().failCreateTexture = 1;
    expectRefused(file, D3DERR_OUTOFVIDEOMEMORY);
    d3d9_testing::faults().failZeroedMemory = 1;
    expectRefused(file, E_OUTOFMEMORY);
    EXPECT_EQ(1u, texelsOf(file).size());
}

// The device is asked for the texture as soon as the header tells the size. A
// header with no image data after it shows the order: decoded first, it would
// fail for the missing data instead.
TEST_F(CreateTextureFromFile, ImageWithoutRoomOnTheDeviceIsRefusedBeforeDecoding) {
    // Three textures of the largest side and one texel leave too little room for a fourth.
    std::vector<IDirect3DTexture9*> held(4, nullptr);
    for (size_t i = 0; i < 3; ++i)
        ASSERT_EQ(S_OK, device->CreateTexture(4096, 4096, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT,
                                              &held[i], nullptr));
    ASSERT_EQ(S_OK, load(dir.Write("dot.png", test_images::encodeArgbPng(1, 1, {1})), &held[3]));
    const Bytes png = test_images::pngHeaderClaiming(4096, 4096);
    const Bytes jpeg = test_images::withJpegSizeClaim(greyJpeg(0x40), 4096, 4096);
    for (const std::string& file : {dir.Write("50p.png", png), dir.Write("holz.jpg", jpeg)}) {
        IDirect3DTexture9* texture = kUntouched;
        EXPECT_EQ(D3DERR_OUTOFVIDEOMEMORY, load(file, &texture)) << file;
        EXPECT_EQ(kUntouched, texture);
    }
    EXPECT_EQ(texturesBefore + 4, d3d9_testing::liveObjects().textures);
    for (IDirect3DTexture9* texture : held)
        texture->Release();
}
