#include "Game.h"

#include "Graphics.h"

Game g_game;

namespace {

const char* const kActionTableFile = "highscoreaction.dat";
const char* const kNormalTableFile = "highscorenormal.dat";
const D3DCOLOR kOpaqueBlack = 0xFF000000;

} // namespace

// Any sprite that cannot be made stops start-up; images that are missing do not.
HRESULT Game::LoadParts() {
    if (background.Load("Grafik\\holz.jpg", 0.0f, 0.0f, 599, 599) == E_FAIL)
        return E_FAIL;
    if (boardImage.Load("Grafik\\brett.png", 35.0f, 55.0f, 448, 448) == E_FAIL)
        return E_FAIL;
    if (board.Init() == E_FAIL)
        return E_FAIL;
    if (stats.Init() == E_FAIL)
        return E_FAIL;
    if (gameOverImage.Load("Grafik\\GameOver.png", 80.0f, 200.0f, 450, 100) == E_FAIL)
        return E_FAIL;
    if (title.Load("Grafik\\CTB.png", 110.0f, 220.0f, 350, 65) == E_FAIL)
        return E_FAIL;
    return about.Load() == E_FAIL ? E_FAIL : S_OK;
}

HRESULT Game::Init() {
    if (LoadParts() == E_FAIL)
        return E_FAIL;
    title.SetBlinking(true);
    actionTable.Load(kActionTableFile);
    normalTable.Load(kNormalTableFile);
    Reset();
    titleShown = 1;
    initialized = 1;
    gameOver = 0;
    inProgress = 0;
    aboutShown = 0;
    actionMode = 1;
    stats.SetTimed(1);
    return S_OK;
}

HRESULT Game::Reset() {
    pegsLeft = kBoardPegs;
    moves = 0;
    score = 0;
    combo = 0;
    gameOver = 0;
    titleShown = 1;
    title.SetBlinking(true);
    inProgress = 0;
    board.Reset();
    stats.ResetTime();
    return S_OK;
}

void Game::CopyBoardNumbers() {
    score = board.GetScore();
    moves = board.GetMoves();
    pegsLeft = board.GetPegsLeft();
    combo = board.GetCombo();
}

// The final score pays a running chain's bonus, which may change the other
// numbers, so they are taken after it.
void Game::EndGame() {
    inProgress = 0;
    int finalScore = board.GetFinalScore();
    CopyBoardNumbers();
    score = finalScore;
}

int Game::Update(float dt) {
    if (titleShown) {
        title.Update(dt);
    } else if (gameOver) {
        board.HidePopups();
    } else {
        stats.Update(dt);
        gameOver = stats.IsTimeUp();
        if (gameOver)
            EndGame();
        board.Update(dt);
    }
    return gameOver;
}

HRESULT Game::Render(float dt) {
    if (!initialized)
        return E_FAIL;
    g_graphics.Clear(kOpaqueBlack);
    g_graphics.BeginScene();
    background.Draw(dt);
    boardImage.Draw(dt);
    board.Render(dt);
    stats.Render(dt, score, moves, pegsLeft, combo);
    if (gameOver)
        gameOverImage.Draw(dt);
    if (titleShown)
        title.Draw();
    if (aboutShown)
        about.Draw(dt);
    g_graphics.EndScene();
    g_graphics.Present();
    return S_OK;
}

HRESULT Game::OnClick(int x, int y) {
    if (aboutShown) {
        aboutShown = 0;
        inProgress = 0;
        return S_OK;
    }
    // The click that dismisses the prompt is also the game's first click on the board.
    if (titleShown) {
        title.SetBlinking(false);
        titleShown = 0;
        inProgress = 1;
    }
    board.Click(x, y);
    CopyBoardNumbers();
    gameOver = board.CheckGameOver();
    if (gameOver) {
        EndGame();
        board.HidePopups();
    }
    return S_OK;
}

HRESULT Game::SetAbout(int show) {
    aboutShown = show;
    inProgress = 0;
    return S_OK;
}

HRESULT Game::SetActionMode(int on) {
    stats.SetTimed(on);
    actionMode = on;
    return S_OK;
}

HRESULT Game::Release() {
    if (!initialized)
        return E_FAIL;
    initialized = 0;
    background.Release();
    boardImage.Release();
    board.Release();
    stats.Release();
    title.Release();
    gameOverImage.Release();
    about.Release();
    actionTable.Save(kActionTableFile);
    normalTable.Save(kNormalTableFile);
    return S_OK;
}
