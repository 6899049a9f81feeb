// Vertex, the one vertex layout, and Sprite, a textured screen quad with its
// own texture and vertex buffer.
#pragma once

#include <d3d9.h>

struct Vertex {
    Vertex() = default;
    Vertex(float x, float y, float z, float rhw, float u, float v)
        : x(x), y(y), z(z), rhw(rhw), u(u), v(v) {}

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float rhw = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
};
static_assert(sizeof(Vertex) == 24, "a Vertex is one vertex of the buffer, 24 bytes");

class Sprite {
public:
    Sprite() {}
    // A copy would release the texture and the buffer a second time.
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    HRESULT Load(const char* file, float x, float y, int width, int height);
    HRESULT LoadTexture(const char* file);
    HRESULT SetPosition(float x, float y);
    HRESULT SetVisible(int visible);
    HRESULT Draw(float dt);
    HRESULT Release();
    HRESULT BuildQuad();
    HRESULT UploadVertices();

    int IsLoaded() { return loaded; }
    int IsVisible() { return visible; }
    IDirect3DTexture9* GetTexture() { return texture; }
    IDirect3DVertexBuffer9* GetVertexBuffer() { return vertexBuffer; }
    float GetX() { return x; }
    float GetY() { return y; }
    int GetWidth() { return width; }
    int GetHeight() { return height; }

protected:
    // Binds the quad's buffer and the given image (null for none) and draws
    // its two triangles; fails only when there is no device to draw on.
    HRESULT DrawQuad(IDirect3DTexture9* image);

    IDirect3DTexture9* texture = nullptr;
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    Vertex vertices[6];
    int width = 0;
    int height = 0;
    float x = 0.0f;
    float y = 0.0f;
    int loaded = 0;
    int visible = 0;
};
