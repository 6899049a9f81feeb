#include "Game.h"
#include "tests/game/game_test_device.h"
#include "tests/support/scripted_draws.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

class GameTest : public GameDeviceTest {
protected:
    void SetUp() override {
        GameDeviceTest::SetUp();
        ScriptedDraws::Serve(game.board.hotButton.random);
        ASSERT_EQ(game.Init(), S_OK);
    }
    void TearDown() override {
        game.Release();
        GameDeviceTest::TearDown();
    }

    void ClickHole(int hole) {
        EXPECT_EQ(
            game.OnClick((int)game.board.holes[hole].x + 25, (int)game.board.holes[hole].y + 25),
            S_OK);
    }

    // Each pair is a jump: a click on the peg, then on the hole it lands in.
    void Jump(std::initializer_list<std::pair<int, int>> jumps) {
        for (const auto& [from, to] : jumps) {
            ClickHole(from);
            ClickHole(to);
        }
    }

    // Three jumps by the peg of hole 21, leaving its chain running.
    void PlayIntoAChain() {
        Jump({{4, 16}, {7, 9}, {10, 8}, {12, 10}});
        ClickHole(21);
        ClickHole(7);
        ClickHole(9);
        ClickHole(11);
        ASSERT_EQ(game.GetCombo(), 3);
        ASSERT_EQ(game.GetMoves(), 7);
    }

    int VisibleLabels() {
        int count = 0;
        for (Popup& label : game.board.popups.slots)
            count += label.IsVisible();
        return count;
    }

    Game game;
};

TEST_F(GameTest, InitStartsAtThePromptInActionMode) {
    EXPECT_EQ(game.IsInitialized(), 1);
    EXPECT_EQ(game.titleShown, 1);
    EXPECT_EQ(game.title.IsVisible(), 1);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.IsGameOver(), 0);
    EXPECT_EQ(game.IsAboutShown(), 0);
    EXPECT_EQ(game.IsActionMode(), 1);
    EXPECT_EQ(game.stats.timed, 1);
    EXPECT_EQ(game.GetScore(), 0);
    EXPECT_EQ(game.GetMoves(), 0);
    EXPECT_EQ(game.GetPegsLeft(), 32);
    EXPECT_EQ(game.GetCombo(), 0);
    EXPECT_STREQ(game.actionTable.fileName, "highscoreaction.dat");
    EXPECT_STREQ(game.normalTable.fileName, "highscorenormal.dat");

    // The prompt blinks, visible in its first half second.
    game.Update(0.2f);
    EXPECT_EQ(game.title.IsVisible(), 1);
    game.Update(0.4f);
    EXPECT_EQ(game.title.IsVisible(), 0);

    // A second Init is refused and changes nothing.
    game.aboutShown = 1;
    EXPECT_EQ(game.Init(), E_FAIL);
    EXPECT_EQ(game.IsAboutShown(), 1);
}

TEST_F(GameTest, InitLoadsEveryPictureAtItsPlace) {
    ExpectPlace(game.background, 0.0f, 0.0f, 599, 599);
    ExpectPlace(game.boardImage, 35.0f, 55.0f, 448, 448);
    ExpectPlace(game.gameOverImage, 80.0f, 200.0f, 450, 100);
    ExpectPlace(game.title, 110.0f, 220.0f, 350, 65);
    ExpectPlace(game.about, 50.0f, 100.0f, 500, 350);
    std::initializer_list<Sprite*> pictures = {&game.background, &game.boardImage,
                                               &game.gameOverImage, &game.title, &game.about};
    for (Sprite* picture : pictures)
        EXPECT_NE(picture->GetTexture(), nullptr);
    EXPECT_EQ(game.board.IsInitialized(), 1);
    EXPECT_EQ(game.stats.IsLoaded(), 1);
}

TEST_F(GameTest, ClockAndBoardStandStillWhileThePromptShows) {
    for (int i = 0; i < 2000; i++)
        EXPECT_EQ(game.Update(0.1f), 0);
    EXPECT_EQ(game.stats.timePanel.GetTimeLeft(), 30.0f);
    EXPECT_EQ(game.board.hotButton.IsActive(), 0);
    EXPECT_EQ(game.IsGameOver(), 0);
}

TEST_F(GameTest, TheClickThatDismissesThePromptAlsoReachesTheBoard) {
    ClickHole(4);
    EXPECT_EQ(game.titleShown, 0);
    EXPECT_EQ(game.IsInProgress(), 1);
    EXPECT_EQ(game.board.hasSelection, 1);
    EXPECT_EQ(game.board.selectedHole, 4);
    // The prompt is hidden at the next update and not drawn any more.
    game.Update(0.0f);
    StartRecording();
    game.Render(0.0f);
    EXPECT_EQ(DrawsOf(game.title), 0);

    ClickHole(16);
    EXPECT_EQ(game.GetMoves(), 1);
    EXPECT_EQ(game.GetPegsLeft(), 31);
    EXPECT_EQ(game.GetScore(), 50);
    EXPECT_EQ(game.GetCombo(), 1);
    EXPECT_EQ(game.IsGameOver(), 0);
    EXPECT_EQ(game.IsInProgress(), 1);
}

TEST_F(GameTest, TimeOutEndsTheGameWithTheFinalScoreAndOneMoreBoardUpdate) {
    PlayIntoAChain();
    int scoreBefore = game.GetScore();
    game.stats.timePanel.timeLeft = 0.5f; // the last half second, labels still rising
    EXPECT_EQ(game.Update(0.1f), 0);
    ASSERT_GT(VisibleLabels(), 0);
    Popup* label = nullptr;
    for (Popup& slot : game.board.popups.slots)
        if (slot.IsVisible())
            label = &slot;
    float labelY = label->GetY();

    EXPECT_EQ(game.Update(0.4f), 1);
    EXPECT_EQ(game.IsGameOver(), 1);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.GetScore(), scoreBefore + 250); // the running chain's bonus
    EXPECT_EQ(game.GetCombo(), 0);
    EXPECT_EQ(game.GetMoves(), 7);
    EXPECT_EQ(game.GetPegsLeft(), 25);
    EXPECT_LT(label->GetY(), labelY); // the board still updated

    EXPECT_EQ(game.Update(0.1f), 1);
    EXPECT_EQ(VisibleLabels(), 0);
    EXPECT_EQ(game.GetScore(), scoreBefore + 250);
    StartRecording();
    EXPECT_EQ(game.Render(0.0f), S_OK);
    EXPECT_EQ(DrawsOf(game.gameOverImage), 1);
}

TEST_F(GameTest, NoMovesLeftEndsTheGameInsideTheLastClick) {
    Jump({{4, 16}, {23, 9}, {14, 16}, {17, 15}, {19, 17}});
    EXPECT_EQ(game.IsGameOver(), 0);
    Jump({{31, 23}});
    EXPECT_EQ(game.IsGameOver(), 1);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.GetMoves(), 6);
    EXPECT_EQ(game.GetPegsLeft(), 26);
    EXPECT_EQ(game.GetScore(), game.board.GetScore());
    EXPECT_EQ(VisibleLabels(), 0);
    EXPECT_EQ(game.Update(0.1f), 1);
    EXPECT_EQ(game.stats.timePanel.GetTimeLeft(), 30.0f);
}

TEST_F(GameTest, ResetMidChainStartsANewGameAtThePrompt) {
    game.SetActionMode(0);
    PlayIntoAChain();
    game.Update(3.0f);
    game.SetAbout(1);
    EXPECT_EQ(game.Reset(), S_OK);
    EXPECT_EQ(game.GetScore(), 0);
    EXPECT_EQ(game.GetMoves(), 0);
    EXPECT_EQ(game.GetPegsLeft(), 32);
    EXPECT_EQ(game.GetCombo(), 0);
    EXPECT_EQ(game.titleShown, 1);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.IsGameOver(), 0);
    EXPECT_EQ(game.stats.timePanel.GetTimeLeft(), 30.0f);
    EXPECT_EQ(game.IsAboutShown(), 1);
    EXPECT_EQ(game.IsActionMode(), 0);
    EXPECT_EQ(game.board.hasSelection, 0);

    // The credits lie over the new game's prompt.
    StartRecording();
    game.Render(0.0f);
    EXPECT_EQ(DrawIndexOf(game.about), (int)Draws().size() - 1);
    EXPECT_LT(DrawIndexOf(game.title), DrawIndexOf(game.about));
}

TEST_F(GameTest, ANewPromptTakesUpItsBlinkingWhereTheLastStopped) {
    game.Update(0.7f); // second half second: hidden
    ClickHole(4);
    game.Update(5.0f); // a running game leaves the prompt alone
    game.Reset();
    EXPECT_EQ(game.title.GetTimer(), 0.7f);
    EXPECT_EQ(game.title.IsVisible(), 0);
    game.Update(0.4f);
    EXPECT_EQ(game.title.IsVisible(), 1);
}

TEST_F(GameTest, AClickUnderTheCreditsOnlyClosesThem) {
    game.SetAbout(1);
    ClickHole(4);
    EXPECT_EQ(game.IsAboutShown(), 0);
    EXPECT_EQ(game.titleShown, 1);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.board.hasSelection, 0);

    ClickHole(4);
    EXPECT_EQ(game.IsInProgress(), 1);
    game.SetAbout(1);
    EXPECT_EQ(game.IsInProgress(), 0);
    game.SetAbout(0);
    EXPECT_EQ(game.IsInProgress(), 0);
    EXPECT_EQ(game.IsAboutShown(), 0);
}

// Switching the mode decides whether the next game's clock runs; it does not
// touch the clock of the game just ended.
TEST_F(GameTest, AfterATimeOutNormalModeStillShowsTheClockRunOut) {
    ClickHole(4);
    ASSERT_EQ(game.Update(31.0f), 1);
    game.SetActionMode(0);
    StartRecording();
    game.Render(0.0f);
    EXPECT_EQ(DigitShown(game.stats.timePanel.digits[1]), 0); // tens
    EXPECT_EQ(DigitShown(game.stats.timePanel.digits[0]), 0); // ones

    // The next game's clock starts full and stands still.
    game.Reset();
    ClickHole(4);
    game.Update(5.0f);
    StartRecording();
    game.Render(0.0f);
    EXPECT_EQ(DigitShown(game.stats.timePanel.digits[1]), 3);
    EXPECT_EQ(DigitShown(game.stats.timePanel.digits[0]), 0);
}

TEST_F(GameTest, NormalModeGameHasNoCountdown) {
    game.SetActionMode(0);
    EXPECT_EQ(game.IsActionMode(), 0);
    ClickHole(4);
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(game.Update(10.0f), 0);
    EXPECT_EQ(game.stats.timePanel.GetTimeLeft(), 30.0f);
    game.SetActionMode(1);
    EXPECT_EQ(game.Update(10.0f), 0);
    EXPECT_EQ(game.stats.timePanel.GetTimeLeft(), 20.0f);
}

TEST_F(GameTest, RenderDrawsBackToFront) {
    StartRecording();
    EXPECT_EQ(game.Render(0.0f), S_OK);
    ASSERT_GT(Draws().size(), 35u);
    EXPECT_EQ(DrawIndexOf(game.background), 0);
    EXPECT_EQ(DrawIndexOf(game.boardImage), 1);
    // The 33 holes share the board's buffer, then come the panel and the prompt.
    EXPECT_EQ(Draws()[2].stream, game.board.vertexBuffer);
    EXPECT_EQ(DrawsFrom(game.board.vertexBuffer), 33);
    EXPECT_LT(34, DrawIndexOf(game.stats));
    EXPECT_LT(DrawIndexOf(game.stats), DrawIndexOf(game.title));
    EXPECT_EQ(DrawIndexOf(game.title), (int)Draws().size() - 1);
    EXPECT_EQ(DrawsOf(game.gameOverImage), 0);
    EXPECT_EQ(DrawsOf(game.about), 0);
    EXPECT_EQ(window.surface().presentCount, 1u);
}

// The names of the files in the working folder whose content changed (written
// to, or a new one moved into place), in the order it happened. A file opened
// for writing and closed unwritten has not changed.
class ContentChanges {
public:
    ContentChanges() : watch(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(watch, ".", IN_MODIFY | IN_MOVED_TO);
    }
    ~ContentChanges() { close(watch); }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = read(watch, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    names.push_back(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int watch;
};

TEST_F(GameTest, ReleaseSavesBothTablesOnceTheActionTableFirst) {
    game.actionTable.Insert("Anna", 500);
    game.normalTable.Insert("Bert", 700);
    ContentChanges writes;
    EXPECT_EQ(game.Release(), S_OK);
    EXPECT_EQ(game.IsInitialized(), 0);
    std::vector<std::string> tables;
    for (const std::string& name : writes.Names())
        if (name == "highscoreaction.dat" || name == "highscorenormal.dat")
            tables.push_back(name);
    EXPECT_EQ(tables, std::vector<std::string>({"highscoreaction.dat", "highscorenormal.dat"}));
    HighscoreTable action, normal;
    action.Load("highscoreaction.dat");
    normal.Load("highscorenormal.dat");
    EXPECT_STREQ(action.entry[4].name, "Anna");
    EXPECT_STREQ(normal.entry[4].name, "Bert");

    std::filesystem::remove("highscoreaction.dat");
    std::filesystem::remove("highscorenormal.dat");
    EXPECT_EQ(game.Release(), E_FAIL);
    EXPECT_FALSE(std::filesystem::exists("highscoreaction.dat"));
    EXPECT_FALSE(std::filesystem::exists("highscorenormal.dat"));
    StartRecording();
    EXPECT_EQ(game.Render(0.0f), E_FAIL);
    EXPECT_TRUE(Draws().empty());
}

TEST_F(GameDeviceTest, InitLoadsTheTablesFromTheWorkingDirectory) {
    HighscoreTable stored;
    stored.Insert("Vorher", 1234);
    stored.Save("highscorenormal.dat");
    Game game;
    StartRecording();
    EXPECT_EQ(game.Render(0.0f), E_FAIL);
    EXPECT_TRUE(Draws().empty());
    ASSERT_EQ(game.Init(), S_OK);
    EXPECT_STREQ(game.normalTable.entry[4].name, "Vorher");
    EXPECT_EQ(game.normalTable.GetLowest(), 0);
    EXPECT_EQ(game.actionTable.entry[4].score, 0);
    game.Release();
}

TEST_F(GameDeviceTest, InitStopsAtASpriteThatCannotBeMade) {
    Game game;
    d3d9_testing::faults().failCreateVertexBuffer = 1;
    EXPECT_EQ(game.Init(), E_FAIL);
    EXPECT_EQ(game.IsInitialized(), 0);
    EXPECT_EQ(game.titleShown, 0);
    EXPECT_EQ(game.actionTable.fileName, nullptr);
    EXPECT_EQ(game.Render(0.0f), E_FAIL);
    EXPECT_EQ(game.Release(), E_FAIL);
    EXPECT_FALSE(std::filesystem::exists("highscoreaction.dat"));
    game.background.Release();
}

TEST(GlobalGame, StartsZeroedAndRefusesToDraw) {
    EXPECT_EQ(g_game.IsInitialized(), 0);
    EXPECT_EQ(g_game.IsActionMode(), 0);
    EXPECT_EQ(g_game.Render(0.0f), E_FAIL);
    EXPECT_EQ(g_game.Release(), E_FAIL);
}

} // namespace

namespace {

// Frames of each phase as a player sees them, written as PNG files to
// QUORVEL_FRAME_DIR when it is set (to look at), else to the working directory.
class GameFrameTest : public GameTest {
protected:
    std::vector<uint32_t> Frame(const char* name) {
        EXPECT_EQ(game.Render(0.0f), S_OK);
        const char* folder = getenv("QUORVEL_FRAME_DIR");
        std::string path = std::string(folder ? folder : ".") + "/game_" + name + ".png";
        EXPECT_TRUE(WriteSurfacePng(window.surface(), path.c_str()));
        return window.surface().frame;
    }

    // Whether any pixel of the rectangle differs between the two frames.
    bool Differs(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int left, int top,
                 int width, int height) {
        const int stride = window.surface().frameWidth;
        for (int y = top; y < top + height; y++)
            for (int x = left; x < left + width; x++)
                if (a[(size_t)y * stride + x] != b[(size_t)y * stride + x])
                    return true;
        return false;
    }
};

TEST_F(GameFrameTest, EachPhaseShowsWhatItShould) {
    std::vector<uint32_t> prompt = Frame("prompt");
    ASSERT_EQ(window.surface().frameWidth, 594);
    ASSERT_EQ(window.surface().frameHeight, 551);

    // In the last ten seconds, with a chain of three running: both highlights show.
    PlayIntoAChain();
    game.stats.timePanel.timeLeft = 8.5f;
    game.Update(0.2f);
    game.Render(0.0f);
    game.Update(0.1f);
    std::vector<uint32_t> play = Frame("play");
    EXPECT_TRUE(Differs(prompt, play, 110, 220, 350, 65)); // the prompt is gone
    EXPECT_FALSE(Differs(prompt, play, 0, 0, 20, 551));    // the background stays

    game.Update(30.0f);
    game.Update(0.1f);
    ASSERT_EQ(game.IsGameOver(), 1);
    std::vector<uint32_t> over = Frame("over");
    EXPECT_TRUE(Differs(play, over, 80, 200, 450, 100));

    game.SetAbout(1);
    std::vector<uint32_t> credits = Frame("credits");
    EXPECT_TRUE(Differs(over, credits, 50, 100, 500, 350));
    EXPECT_FALSE(Differs(over, credits, 0, 500, 594, 51));
}

} // namespace
