// Building the board: its images, the cross of cells, the neighbour links,
// the shared vertex buffer, a new game's pegs, and giving it all back.
#include "Board.h"

#include "Graphics.h"
#include "ReleaseRef.h"
#include "TextureFile.h"

#include <cstring>

namespace {

const float kStartX = 180.0f;
const float kStartY = 90.0f;
const int kRows = 7;
const int kRowCells[kRows] = {3, 3, 7, 7, 7, 3, 3};
const int kWideRowCells = 7;

// Opaque magenta in the hole images is see-through.
const D3DCOLOR kTransparentKey = 0xFFFF00FF;

const UINT kGeometryBytes = kBoardVertices * sizeof(Vertex);
const DWORD kVertexFormat = D3DFVF_XYZRHW | D3DFVF_TEX1;

// Steps to a neighbour's corner, by direction: left, up, right, down.
const float kNeighbourDx[kHoleDirections] = {-kCellPitch, 0.0f, kCellPitch, 0.0f};
const float kNeighbourDy[kHoleDirections] = {0.0f, -kCellPitch, 0.0f, kCellPitch};

} // namespace

HRESULT Board::Init() {
    holeTexture = LoadTextureFile("Grafik\\loch.png", kTransparentKey);
    pegTexture = LoadTextureFile("Grafik\\spielstein.png");
    activePegTexture = LoadTextureFile("Grafik\\spielsteinaktiv.png", kTransparentKey);
    BuildLayout();
    UploadGeometry();
    hotButton.Init();
    popups.Init();
    initialized = 1;
    return S_OK;
}

// Makes the shared vertex buffer and writes the cells into it. A buffer that
// cannot be made or filled is not kept, so that drawing can try again later.
HRESULT Board::UploadGeometry() {
    IDirect3DDevice9* device = g_graphics.GetDevice();
    if (!device) {
        return E_FAIL;
    }
    IDirect3DVertexBuffer9* buffer = nullptr;
    device->CreateVertexBuffer(kGeometryBytes, 0, kVertexFormat, D3DPOOL_DEFAULT, &buffer, nullptr);
    if (!buffer) {
        return E_FAIL;
    }
    void* data = nullptr;
    if (FAILED(buffer->Lock(0, kGeometryBytes, &data, 0)) || !data) {
        buffer->Release();
        return E_FAIL;
    }
    memcpy(data, vertices, kGeometryBytes);
    buffer->Unlock();
    vertexBuffer = buffer;
    return S_OK;
}

HRESULT Board::BuildLayout() {
    int firstVertex = 0;
    for (int row = 0; row < kRows; ++row) {
        float y = kStartY + row * kCellSize + row * kCellGap;
        float x = kStartX;
        if (kRowCells[row] == kWideRowCells) {
            x = kStartX - (2 * kCellSize + 2 * kCellGap);
        }
        BuildRow(x, y, kCellSize, kCellSize, kCellGap, firstVertex, kRowCells[row]);
        firstVertex += kRowCells[row] * kVerticesPerHole;
    }
    Reset();
    LinkNeighbours();
    return S_OK;
}

HRESULT Board::BuildRow(float x, float y, float width, float height, float gap, int firstVertex,
                        int count) {
    Vertex* cell = &vertices[firstVertex];
    cell[0] = Vertex(x, y, 0.5f, 1.0f, 0.0f, 0.0f);
    cell[1] = Vertex(x + width, y, 0.5f, 1.0f, 1.0f, 0.0f);
    cell[2] = Vertex(x, y + height, 0.5f, 1.0f, 0.0f, 1.0f);
    cell[3] = cell[1];
    cell[4] = Vertex(x + width, y + height, 0.5f, 1.0f, 1.0f, 1.0f);
    cell[5] = cell[2];
    for (int i = 1; i < count; ++i) {
        Vertex* next = cell + kVerticesPerHole;
        for (int v = 0; v < kVerticesPerHole; ++v) {
            next[v] = cell[v];
            next[v].x += width + gap;
        }
        cell = next;
    }
    return S_OK;
}

HRESULT Board::Reset() {
    score = 0;
    chainLength = 0;
    moves = 0;
    pegsLeft = kBoardPegs;
    for (int i = 0; i < kBoardHoles; ++i) {
        Hole& hole = holes[i];
        hole.selected = 0;
        hole.empty = i == kCentreHole ? 1 : 0;
        hole.firstVertex = i * kVerticesPerHole;
        hole.x = vertices[hole.firstVertex].x;
        hole.y = vertices[hole.firstVertex].y;
    }
    hasSelection = 0;
    popups.HideAll();
    return S_OK;
}

HRESULT Board::LinkNeighbours() {
    for (Hole& hole : holes) {
        for (int d = 0; d < kHoleDirections; ++d) {
            hole.neighbour[d] = FindHole(hole.x + kNeighbourDx[d], hole.y + kNeighbourDy[d]);
        }
    }
    return S_OK;
}

// The hole whose corner is exactly (x, y): its row first, then the cell in it.
int Board::FindHole(float x, float y) {
    int i = 0;
    while (i < kBoardHoles && holes[i].y != y) {
        ++i;
    }
    while (i < kBoardHoles && holes[i].x != x) {
        ++i;
    }
    if (i < kBoardHoles && holes[i].x == x && holes[i].y == y) {
        return i;
    }
    return kNoHole;
}

HRESULT Board::Release() {
    ReleaseRef(holeTexture);
    ReleaseRef(pegTexture);
    ReleaseRef(activePegTexture);
    ReleaseRef(vertexBuffer);
    hotButton.Release();
    popups.Release();
    initialized = 0;
    return S_OK;
}
