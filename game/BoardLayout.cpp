// Building the board: its images, the cross of cells, the neighbour links,
// the shared vertex buffer, a new game's pegs, and giving it all back.
#include "game/Board.h"

#include "platform/d3dx9.h"
#include "render/Graphics.h"

#include <cstring>

namespace {

const float START_X = 180.0f;
const float START_Y = 90.0f;
const int ROWS = 7;
const int ROW_CELLS[ROWS] = {3, 3, 7, 7, 7, 3, 3};
const int WIDE_ROW_CELLS = 7;

// Opaque magenta in the hole images is see-through.
const D3DCOLOR TRANSPARENT_KEY = 0xFFFF00FF;
const D3DCOLOR NO_KEY = 0;

const UINT GEOMETRY_BYTES = BOARD_VERTICES * sizeof(Vertex);
const DWORD VERTEX_FORMAT = D3DFVF_XYZRHW | D3DFVF_TEX1;

// Steps to a neighbour's corner, by direction: left, up, right, down.
const float NEIGHBOUR_DX[HOLE_DIRECTIONS] = {-CELL_PITCH, 0.0f, CELL_PITCH, 0.0f};
const float NEIGHBOUR_DY[HOLE_DIRECTIONS] = {0.0f, -CELL_PITCH, 0.0f, CELL_PITCH};

IDirect3DTexture9* LoadHoleImage(const char* file, D3DCOLOR colorKey) {
    IDirect3DTexture9* texture = nullptr;
    D3DXCreateTextureFromFileExA(g_graphics.GetDevice(), file, D3DX_DEFAULT, D3DX_DEFAULT,
                                 D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_DEFAULT, D3DX_DEFAULT,
                                 D3DX_DEFAULT, colorKey, nullptr, nullptr, &texture);
    return texture;
}

template <typename T> void ReleaseInterface(T*& object) {
    if (object) {
        object->Release();
        object = nullptr;
    }
}

} // namespace

HRESULT Board::Init() {
    holeTexture = LoadHoleImage("Grafik\\loch.png", TRANSPARENT_KEY);
    pegTexture = LoadHoleImage("Grafik\\spielstein.png", NO_KEY);
    activePegTexture = LoadHoleImage("Grafik\\spielsteinaktiv.png", TRANSPARENT_KEY);
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
    device->CreateVertexBuffer(GEOMETRY_BYTES, 0, VERTEX_FORMAT, D3DPOOL_DEFAULT, &buffer, nullptr);
    if (!buffer) {
        return E_FAIL;
    }
    void* data = nullptr;
    if (FAILED(buffer->Lock(0, GEOMETRY_BYTES, &data, 0)) || !data) {
        buffer->Release();
        return E_FAIL;
    }
    memcpy(data, vertices, GEOMETRY_BYTES);
    buffer->Unlock();
    vertexBuffer = buffer;
    return S_OK;
}

HRESULT Board::BuildLayout() {
    int firstVertex = 0;
    for (int row = 0; row < ROWS; ++row) {
        float y = START_Y + row * CELL_SIZE + row * CELL_GAP;
        float x = START_X;
        if (ROW_CELLS[row] == WIDE_ROW_CELLS) {
            x = START_X - (2 * CELL_SIZE + 2 * CELL_GAP);
        }
        BuildRow(x, y, CELL_SIZE, CELL_SIZE, CELL_GAP, firstVertex, ROW_CELLS[row]);
        firstVertex += ROW_CELLS[row] * VERTICES_PER_HOLE;
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
        Vertex* next = cell + VERTICES_PER_HOLE;
        for (int v = 0; v < VERTICES_PER_HOLE; ++v) {
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
    pegsLeft = BOARD_PEGS;
    for (int i = 0; i < BOARD_HOLES; ++i) {
        Hole& hole = holes[i];
        hole.selected = 0;
        hole.empty = i == CENTRE_HOLE ? 1 : 0;
        hole.firstVertex = i * VERTICES_PER_HOLE;
        hole.x = vertices[hole.firstVertex].x;
        hole.y = vertices[hole.firstVertex].y;
    }
    hasSelection = 0;
    popups.HideAll();
    return S_OK;
}

HRESULT Board::LinkNeighbours() {
    for (Hole& hole : holes) {
        for (int d = 0; d < HOLE_DIRECTIONS; ++d) {
            hole.neighbour[d] = FindHole(hole.x + NEIGHBOUR_DX[d], hole.y + NEIGHBOUR_DY[d]);
        }
    }
    return S_OK;
}

// The hole whose corner is exactly (x, y): its row first, then the cell in it.
int Board::FindHole(float x, float y) {
    int i = 0;
    while (i < BOARD_HOLES && holes[i].y != y) {
        ++i;
    }
    while (i < BOARD_HOLES && holes[i].x != x) {
        ++i;
    }
    if (i < BOARD_HOLES && holes[i].x == x && holes[i].y == y) {
        return i;
    }
    return NO_HOLE;
}

HRESULT Board::Release() {
    ReleaseInterface(holeTexture);
    ReleaseInterface(pegTexture);
    ReleaseInterface(activePegTexture);
    ReleaseInterface(vertexBuffer);
    hotButton.Release();
    popups.Release();
    initialized = 0;
    return S_OK;
}
