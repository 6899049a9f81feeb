// The playing field: 33 holes in a cross, their pegs, the jump rule and its
// scoring, with the hot peg and the rising points labels it owns.
#pragma once

#include "Hole.h"
#include "HotButton.h"
#include "Popup.h"
#include "Sprite.h"

const int kVerticesPerHole = 6;
const int kBoardVertices = kBoardHoles * kVerticesPerHole;
const int kBoardPegs = kBoardHoles - 1;
const int kCentreHole = 16;

// Cells are whole pixels; a cell with the gap to its right and below is one pitch square.
const float kCellSize = 50.0f;
const float kCellGap = 4.0f;
const float kCellPitch = kCellSize + kCellGap;

class Board {
public:
    Board() {}
    // A copy would release the board's textures and its buffer a second time.
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

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
    Hole holes[kBoardHoles];
    Vertex vertices[kBoardVertices];
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
