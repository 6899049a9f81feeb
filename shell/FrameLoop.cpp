#include "Application.h"

#include "FrameTime.h"
#include "Game.h"
#include "HighscoreDialogs.h"
#include "resource.h"
#include "Window.h"

#include <mmsystem.h>

namespace {

void PumpMessages(MSG& msg) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The entries that would disturb a running game are grey while it runs.
void UpdateMenuGreying() {
    HMENU menu = GetMenu(g_window.GetHwnd());
    UINT state = MF_BYCOMMAND | (g_game.IsInProgress() ? MF_GRAYED : MF_ENABLED);
    EnableMenuItem(menu, ID_INFO_HIGHSCORES, state);
    EnableMenuItem(menu, ID_INFO_CREDITS, state);
    EnableMenuItem(menu, ID_GAME_ACTION_MODE, state);
}

// Only the Action clock can run out, so the Action table decides.
void ReportTimeOut() {
    MessageBoxA(g_window.GetHwnd(), "Die Zeit ist abgelaufen! Das Spiel ist vorbei!", "GameOver",
                MB_OK);
    OfferHighscoreEntry(g_game.actionTable);
}

} // namespace

void RunFrameLoop() {
    MSG msg = {};
    float dt = 0.0f;
    // The quit test stands only here, so the pass that takes WM_QUIT still updates and draws.
    while (msg.message != WM_QUIT) {
        DWORD passStart = timeGetTime();
        PumpMessages(msg);
        UpdateMenuGreying();
        if (g_game.Update(dt)) {
            // A game that ended by a click was reported by the window procedure already.
            if (!gameOverShown) {
                ReportTimeOut();
            }
            gameOverShown = 1;
        }
        g_game.Render(dt);
        // The whole pass counts, time spent in modal loops included.
        dt = PassSeconds(passStart, timeGetTime());
    }
}
