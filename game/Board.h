// The playing field: 33 holes in a cross, their pegs, the jump rule and its
// scoring, with the hot peg and the rising points labels it owns.
#pragma once

#include "game/Hole.h"
#include "game/HotButton.h"
#include "game/Popup.h"
#include "render/Sprite.h"

const int VERTICES_PER_HOLE = 6;
const int BOARD_VERTICES = BOARD_HOLES * VERTICES_PER_HOLE;
const int BOARD_PEGS = BOARD_HOLES - 1;
const int CENTRE_HOLE = 16;

// Cells are whole pixels; a cell with the gap to its right and below is one pitch square.
const float CELL_SIZE = 50.0f;
const float CELL_GAP = 4.0f;
const float CELL_PITCH = CELL_SIZE + CELL_GAP;

class Board {
public:
    Board() {}

    // Layout, lifetime and drawing.
    HRESULT Init();
    HRESULT BuildLayout();
    HRESULT BuildRow(float x, float y, float width, float height, float gap, int firstVertex,
                     int count);
    HRESULT Reset();
    HRESULT LinkNeighbours();
    HRESULT Update(float dt);
    HRESULT UpdateHotButton(float dt);
    HRESULT HidePopups();
    HRESULT Render(float dt);
    HRESULT Release();

    // The jump rule and its scoring.
    HRESULT Click(int x, int y);
    HRESULT ScoreJump(int middle);
    HRESULT UpdateCombo();
    int CheckGameOver();
    int GetFinalScore();

    int IsInitialized() { return initialized; }
    int GetScore() { return score; }
    int GetCombo() { return chainLength; }
    int GetPegsLeft() { return pegsLeft; }
    int GetMoves() { return moves; }

    IDirect3DTexture9* holeTexture = nullptr;
    IDirect3DTexture9* pegTexture = nullptr;
    IDirect3DTexture9* activePegTexture = nullptr;
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    Hole holes[BOARD_HOLES];
    Vertex vertices[BOARD_VERTICES];
    int selectedHole = 0;
    int hasSelection = 0;
    int initialized = 0;
    int chainActive = 0;
    HotButton hotButton;
    PopupPool popups;
    int score = 0;
    int chainLength = 0;
    int moves = 0;
    int pegsLeft = 0;

private:
    HRESULT UploadGeometry();
    int HitTest(int x, int y);
    int FindHole(float x, float y);
    int FindJumpMiddle(int from, int to);
    void Jump(int from, int middle, int to);
    void Select(int hole);
};
