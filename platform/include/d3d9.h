// A software Direct3D 9 subset: the device, textures and vertex buffers with
// the few fixed-function states the game sets, drawing into a 32-bit back
// buffer that is presented into the window's surface (platform/surface.h).
//
// Objects are reference counted: created with one reference, freed when
// Release brings the count to zero. The device holds a reference on the
// texture and the vertex buffer bound to it until something else (or null)
// is bound, as Direct3D 9 does, and one on the Direct3D object that made it,
// so the objects may be released in any order.
//
// Textures share one budget of texture memory, 256 MB as on a card of the
// game's time, four bytes a texel: a CreateTexture beyond what is left fails
// with D3DERR_OUTOFVIDEOMEMORY and allocates nothing; a freed texture gives
// its share back. A call that finds no memory for what it makes or copies
// fails with E_OUTOFMEMORY; no call lets an exception out.
//
// Drawing: triangle lists of pre-transformed vertices (FVF 0x104: x, y, z,
// rhw, u, v) from stream 0, with the texture of stage 0.
// - Rasterisation follows Direct3D 9: pixel centres at integer coordinates,
//   the top-left fill rule (two triangles sharing an edge never both cover a
//   pixel on it), vertex positions snapped to 1/256 pixel. Triangles wound
//   counter-clockwise on the screen are culled by default (D3DCULL_CCW).
//   A triangle with a coordinate that is not finite or lies beyond 32768
//   pixels from the origin draws nothing. z and rhw are not used: there is no
//   depth test and texture coordinates are interpolated linearly on screen.
// - Sampling: nearest texel, texel (floor(u * width), floor(v * height))
//   clamped to the texture, u and v taken at the pixel centre.
// - Stage 0 combines the texture with the current colour, which is opaque
//   white (the vertices carry no colour). Each of D3DTSS_COLOROP and
//   D3DTSS_ALPHAOP may select an argument or modulate two; an argument reads
//   the texel for D3DTA_TEXTURE and opaque white for anything else; a
//   disabled operation gives white. With no texture bound, D3DTA_TEXTURE
//   reads as opaque white too, so an untextured quad draws opaque white.
//   Stages other than 0 take no part.
// - Blending, when D3DRS_ALPHABLENDENABLE is on: result = src * srcFactor +
//   dst * destFactor per channel, factors ZERO, ONE, SRCCOLOR, INVSRCCOLOR,
//   SRCALPHA and INVSRCALPHA, rounded exactly ((x + 127) / 255) and clamped
//   to 255. Other factor values count as the defaults (ONE for the source,
//   ZERO for the target). With blending off the source replaces the target.
// - The back buffer has the display's format, X8R8G8B8: only red, green and
//   blue are stored and every pixel reads back with alpha 0xFF.
// - Point and line lists are accepted and draw nothing. A draw needs the
//   vertex format 0x104, a vertex buffer on stream 0 with a stride of at
//   least 24 bytes and all the vertices it reads, else D3DERR_INVALIDCALL.
// - The frame is as strict as Direct3D 9: a draw outside BeginScene and
//   EndScene, BeginScene inside a scene, EndScene outside one and Present
//   inside one return D3DERR_INVALIDCALL and do nothing. The device has no
//   depth or stencil buffer (whatever the presentation parameters ask), so a
//   Clear naming D3DCLEAR_ZBUFFER or D3DCLEAR_STENCIL is refused whole.
// - Present shows the back buffer in the window's surface (platform/surface.h),
//   or the override window's; rectangles and dirty regions are ignored. A
//   frame that begins by clearing the whole back buffer is drawn only where it
//   differs from the frame last shown, and only those parts reach the surface
//   (its damage); a frame the same as the last is not drawn at all, and the
//   back buffer keeps the last picture (platform/d3d9/frame_journal.h).
//   Only texture stage 0 and stream 0 can be bound.
#pragma once

#include "win_types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace d3d9_internal {
struct TexelImage;
class FrameJournal;
} // namespace d3d9_internal

#define D3D_SDK_VERSION 31

typedef DWORD D3DCOLOR;
#define D3DCOLOR_ARGB(a, r, g, b)                                                                  \
    ((D3DCOLOR)((((a)&0xff) << 24) | (((r)&0xff) << 16) | (((g)&0xff) << 8) | ((b)&0xff)))

enum D3DDEVTYPE { D3DDEVTYPE_HAL = 1, D3DDEVTYPE_REF = 2, D3DDEVTYPE_SW = 3 };

enum D3DFORMAT {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
};

enum D3DPOOL { D3DPOOL_DEFAULT = 0, D3DPOOL_MANAGED = 1, D3DPOOL_SYSTEMMEM = 2 };

enum D3DSWAPEFFECT { D3DSWAPEFFECT_DISCARD = 1, D3DSWAPEFFECT_FLIP = 2, D3DSWAPEFFECT_COPY = 3 };

enum D3DPRIMITIVETYPE { D3DPT_POINTLIST = 1, D3DPT_LINELIST = 2, D3DPT_TRIANGLELIST = 4 };

enum D3DRENDERSTATETYPE {
    D3DRS_ZENABLE = 7,
    D3DRS_SRCBLEND = 19,
    D3DRS_DESTBLEND = 20,
    D3DRS_CULLMODE = 22,
    D3DRS_ALPHABLENDENABLE = 27,
    D3DRS_LIGHTING = 137,
};

enum D3DBLEND {
    D3DBLEND_ZERO = 1,
    D3DBLEND_ONE = 2,
    D3DBLEND_SRCCOLOR = 3,
    D3DBLEND_INVSRCCOLOR = 4,
    D3DBLEND_SRCALPHA = 5,
    D3DBLEND_INVSRCALPHA = 6,
};

enum D3DCULL { D3DCULL_NONE = 1, D3DCULL_CW = 2, D3DCULL_CCW = 3 };

enum D3DTEXTURESTAGESTATETYPE {
    D3DTSS_COLOROP = 1,
    D3DTSS_COLORARG1 = 2,
    D3DTSS_COLORARG2 = 3,
    D3DTSS_ALPHAOP = 4,
    D3DTSS_ALPHAARG1 = 5,
    D3DTSS_ALPHAARG2 = 6,
};

enum D3DTEXTUREOP {
    D3DTOP_DISABLE = 1,
    D3DTOP_SELECTARG1 = 2,
    D3DTOP_SELECTARG2 = 3,
    D3DTOP_MODULATE = 4,
};

#define D3DTA_DIFFUSE 0x00000000
#define D3DTA_CURRENT 0x00000001
#define D3DTA_TEXTURE 0x00000002

#define D3DFVF_XYZRHW 0x004
#define D3DFVF_TEX1 0x100

#define D3DCLEAR_TARGET 0x00000001
#define D3DCLEAR_ZBUFFER 0x00000002
#define D3DCLEAR_STENCIL 0x00000004
#define D3DCREATE_SOFTWARE_VERTEXPROCESSING 0x00000020
#define D3DPRESENT_INTERVAL_DEFAULT 0x00000000
#define D3DADAPTER_DEFAULT 0

#define D3DERR_INVALIDCALL ((HRESULT)0x8876086C)
#define D3DERR_NOTAVAILABLE ((HRESULT)0x8876086A)
#define D3DERR_OUTOFVIDEOMEMORY ((HRESULT)0x8876017C)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)

struct D3DPRESENT_PARAMETERS {
    UINT BackBufferWidth;
    UINT BackBufferHeight;
    D3DFORMAT BackBufferFormat;
    UINT BackBufferCount;
    DWORD MultiSampleType;
    DWORD MultiSampleQuality;
    D3DSWAPEFFECT SwapEffect;
    HWND hDeviceWindow;
    BOOL Windowed;
    BOOL EnableAutoDepthStencil;
    D3DFORMAT AutoDepthStencilFormat;
    DWORD Flags;
    UINT FullScreen_RefreshRateInHz;
    UINT PresentationInterval;
};

struct D3DRECT {
    LONG x1;
    LONG y1;
    LONG x2;
    LONG y2;
};

struct D3DLOCKED_RECT {
    INT Pitch;
    void* pBits;
};

struct D3DSURFACE_DESC {
    D3DFORMAT Format;
    D3DPOOL Pool;
    UINT Width;
    UINT Height;
};

// The reference count every object shares.
class IUnknown {
public:
    ULONG AddRef();
    ULONG Release();
    ULONG GetRefCount() const { return refCount; }

protected:
    IUnknown() = default;
    virtual ~IUnknown() = default;
    IUnknown(const IUnknown&) = delete;
    IUnknown& operator=(const IUnknown&) = delete;

private:
    ULONG refCount = 1;
};

class IDirect3DDevice9;

class IDirect3DBaseTexture9 : public IUnknown {};

// A texture of one level, 0xAARRGGBB texels, row-major.
class IDirect3DTexture9 : public IDirect3DBaseTexture9 {
public:
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT UnlockRect(UINT level);
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc);
    DWORD GetLevelCount() const { return 1; }

    UINT Width() const { return width; }
    UINT Height() const { return height; }
    const uint32_t* Texels() const;

private:
    friend class IDirect3DDevice9;
    IDirect3DTexture9(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool);
    ~IDirect3DTexture9() override;
    UINT width = 0;
    UINT height = 0;
    D3DFORMAT format = D3DFMT_A8R8G8B8;
    D3DPOOL pool = D3DPOOL_DEFAULT;
    bool locked = false;
    // Shared with the frames that drew it.
    std::shared_ptr<d3d9_internal::TexelImage> image;
    // The image with its alpha runs measured, for a draw.
    const std::shared_ptr<d3d9_internal::TexelImage>& measuredImage();
};

class IDirect3DVertexBuffer9 : public IUnknown {
public:
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags);
    HRESULT Unlock();

    UINT Length() const { return (UINT)bytes->size(); }
    DWORD FVF() const { return fvf; }
    const uint8_t* Bytes() const { return bytes->data(); }

private:
    friend class IDirect3DDevice9;
    IDirect3DVertexBuffer9(UINT length, DWORD fvf);
    ~IDirect3DVertexBuffer9() override;
    DWORD fvf = 0;
    bool locked = false;
    // Shared with the frames that drew from it, like a texture's texels.
    std::shared_ptr<std::vector<uint8_t>> bytes;
};

class IDirect3D9;

class IDirect3DDevice9 : public IUnknown {
public:
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value);
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value);
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value);
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value);
    HRESULT SetFVF(DWORD fvf);
    HRESULT GetFVF(DWORD* fvf);

    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil);
    HRESULT BeginScene();
    HRESULT EndScene();
    HRESULT Present(const RECT* source, const RECT* dest, HWND overrideWindow,
                    const RGNDATA* dirtyRegion);

    // Bytes of texture memory left for new textures.
    UINT GetAvailableTextureMem();
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle);
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** buffer, HANDLE* sharedHandle);

    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture);
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset, UINT stride);
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount);

    // The back buffer, 0xAARRGGBB, row-major; its size is the window's client
    // area when the device was made. Reading it draws whatever of the frame
    // was only recorded so far.
    UINT BackBufferWidth() const { return width; }
    UINT BackBufferHeight() const { return height; }
    const uint32_t* BackBuffer();
    HWND Window() const { return window; }

private:
    friend class IDirect3D9;
    IDirect3DDevice9(IDirect3D9* d3d, HWND window, UINT width, UINT height);
    ~IDirect3DDevice9() override;

    IDirect3D9* d3d = nullptr;
    HWND window = nullptr;
    UINT width = 0;
    UINT height = 0;
    std::vector<uint32_t> backBuffer;
    bool inScene = false;

    DWORD renderStates[256] = {};
    DWORD stageStates[8][32] = {};
    DWORD fvf = 0;

    IDirect3DBaseTexture9* boundTexture = nullptr;
    IDirect3DVertexBuffer9* stream = nullptr;
    UINT streamOffset = 0;
    UINT streamStride = 0;

    d3d9_internal::FrameJournal* journal = nullptr; // what was drawn and shown
};

class IDirect3D9 : public IUnknown {
public:
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice9** device);

private:
    friend IDirect3D9* Direct3DCreate9(UINT sdkVersion);
    IDirect3D9();
    ~IDirect3D9() override;
};

typedef IDirect3D9* LPDIRECT3D9;
typedef IDirect3DDevice9* LPDIRECT3DDEVICE9;
typedef IDirect3DTexture9* LPDIRECT3DTEXTURE9;
typedef IDirect3DVertexBuffer9* LPDIRECT3DVERTEXBUFFER9;

// The Direct3D object, or null when none can be made.
IDirect3D9* Direct3DCreate9(UINT sdkVersion);
