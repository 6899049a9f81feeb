// The top-level game object: it owns everything a game needs and decides its
// phases (the prompt before the first click, play, the end) and the credits.
#pragma once

#include "AboutScreen.h"
#include "Board.h"
#include "HighscoreTable.h"
#include "Stats.h"
#include "TitleSprite.h"

class Game {
public:
    Game() {}
    ~Game() {}

    HRESULT Init();
    HRESULT Reset();
    int Update(float dt);
    HRESULT Render(float dt);
    HRESULT OnClick(int x, int y);
    HRESULT SetAbout(int show);
    HRESULT SetActionMode(int on);
    HRESULT Release();

    int IsInitialized() { return initialized; }
    int IsGameOver() { return gameOver; }
    int IsAboutShown() { return aboutShown; }
    int IsInProgress() { return inProgress; }
    int IsActionMode() { return actionMode; }
    int GetScore() { return score; }
    int GetMoves() { return moves; }
    int GetPegsLeft() { return pegsLeft; }
    int GetCombo() { return combo; }

    int initialized = 0;
    int gameOver = 0;
    int titleShown = 0;
    int aboutShown = 0;
    int inProgress = 0;
    int actionMode = 0;
    AboutScreen about;
    Sprite background;
    Sprite boardImage;
    Sprite gameOverImage;
    TitleSprite title;
    Board board;
    Stats stats;
    // Copies of the board's numbers, as the panel shows them.
    int score = 0;
    int moves = 0;
    int pegsLeft = 0;
    int combo = 0;
    HighscoreTable actionTable;
    HighscoreTable normalTable;

private:
    HRESULT LoadParts();
    void CopyBoardNumbers();
    void EndGame();
};

extern Game g_game;
