// The game's frames as the window shows them, pass after pass through a whole game: each
// equals the same frame drawn whole on a device of its own, and a pass that changes nothing
// on screen draws nothing.
#include "Game.h"
#include "tests/game/game_test_device.h"
#include "tests/support/scripted_draws.h"

#include <string>
#include <utility>

namespace {

class ShownFramesTest : public GameDeviceTest {
protected:
    void SetUp() override {
        GameDeviceTest::SetUp();
        ScriptedDraws::Serve(game.board.hotButton.random);
        ASSERT_EQ(game.Init(), S_OK);
        Render(Expect::Change);
    }
    void TearDown() override {
        game.Release();
        GameDeviceTest::TearDown();
    }

    enum class Expect { Change, NothingNew };

    // A pass of the frame loop, or a paint (dt 0, no update).
    void Pass(float dt, Expect expect) {
        game.Update(dt);
        Render(expect, dt);
    }

    void Render(Expect expect, float dt = 0.0f) {
        SCOPED_TRACE("step " + std::to_string(++steps));
        const std::vector<uint32_t> before = window.surface().frame;
        const uint64_t drawsBefore = d3d9_testing::rasterisedDraws(g_graphics.GetDevice());
        ASSERT_EQ(game.Render(dt), S_OK);
        const std::vector<uint32_t> whole = DrawnWhole(dt);
        ASSERT_EQ(window.surface().frame, whole);
        if (expect == Expect::NothingNew) {
            EXPECT_EQ(d3d9_testing::rasterisedDraws(g_graphics.GetDevice()), drawsBefore);
            EXPECT_TRUE(window.surface().damage.empty());
        } else {
            EXPECT_NE(whole, before) << "the step shows nothing new";
            EXPECT_FALSE(window.surface().damage.empty());
        }
    }

    // The game's frame as it stands, drawn by a device that has shown nothing before.
    std::vector<uint32_t> DrawnWhole(float dt) {
        HeadlessWindow fresh;
        Graphics reference;
        EXPECT_EQ(reference.Create(fresh.hwnd()), S_OK);
        // The game draws through the global's device, which is all it lends: a Graphics
        // cannot be copied.
        std::swap(g_graphics.device, reference.device);
        game.Render(dt);
        std::swap(g_graphics.device, reference.device);
        reference.Destroy();
        return fresh.surface().frame;
    }

    void ClickHole(int hole) {
        game.OnClick((int)game.board.holes[hole].x + 25, (int)game.board.holes[hole].y + 25);
    }

    Game game;
    int steps = 0;
};

TEST_F(ShownFramesTest, EveryFrameOfAGameIsShownAsDrawnWhole) {
    // The prompt blinks in half seconds; passes in between show nothing new, nor does a paint.
    for (int i = 0; i < 4; ++i) {
        Pass(0.1f, Expect::NothingNew);
    }
    Pass(0.2f, Expect::Change);
    Pass(0.1f, Expect::NothingNew);
    Render(Expect::NothingNew);
    Pass(0.5f, Expect::Change);

    // The first click dismisses the prompt and selects; the jump raises a label, which rises
    // with every pass while the clock runs down and a hot peg blinks away from the next jump.
    ClickHole(4);
    Render(Expect::Change);
    ClickHole(16);
    Render(Expect::Change);
    ScriptedDraws::AddBadgeOn(24);
    for (int i = 0; i < 20; ++i) {
        Pass(1.0f / 60.0f, Expect::Change);
    }
    ClickHole(7);
    ClickHole(9);
    Render(Expect::Change);
    Pass(1.0f, Expect::Change);

    // The credits open over the board and close again.
    game.SetAbout(1);
    Render(Expect::Change);
    Render(Expect::NothingNew);
    game.SetAbout(0);
    Render(Expect::Change);

    // The clock runs out: the game-over picture, then nothing moves any more.
    Pass(30.0f, Expect::Change);
    ASSERT_EQ(game.IsGameOver(), 1);
    for (int i = 0; i < 3; ++i) {
        Pass(0.5f, Expect::NothingNew);
    }
}

} // namespace
