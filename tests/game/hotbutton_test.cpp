#include "tests/game/board_test_support.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_draws.h"

namespace {

// A badge in the middle of a run, made in place, as a HotButton cannot be copied.
struct RunningBadge : HotButton {
    RunningBadge(float timer, int visible) { StartHotRun(*this, 0, timer, visible); }
};

} // namespace

// Every residue of the first draw, and some beyond 1500: only 1491 to 1499
// go on to draw a hole, so 9 attempts in 1500 place a badge.
TEST(HotButtonDraw, OnlyNineResiduesInFifteenHundredPlaceABadge) {
    HotButton badge;
    std::vector<int> firsts = {2990, 2991, 32767, 1500 * 21 + 1499};
    for (int residue = 0; residue < 1500; ++residue)
        firsts.push_back(residue);
    int placing = 0;
    for (int first : firsts) {
        ScriptedDraws::Serve(badge.random);
        ScriptedDraws::Add({first, 10});
        badge.hole = 5;
        const bool places = first % 1500 > 1490;
        EXPECT_EQ(badge.TrySpawn(), places ? 10 : -1) << "first draw " << first;
        EXPECT_EQ(badge.GetHole(), places ? 10 : 5) << "first draw " << first;
        // An attempt that fails draws no hole.
        EXPECT_EQ(ScriptedDraws::Left(), places ? 0u : 1u) << "first draw " << first;
        EXPECT_EQ(badge.IsActive(), 0);
        placing += first < 1500 && places;
    }
    EXPECT_EQ(placing, 9);

    // While a badge stands no number is drawn at all.
    ScriptedDraws::Serve(badge.random);
    ScriptedDraws::AddBadgeOn(10);
    badge.hole = 5;
    badge.active = 1;
    EXPECT_EQ(badge.TrySpawn(), -1);
    EXPECT_EQ(ScriptedDraws::Left(), 2u);
    EXPECT_EQ(badge.GetHole(), 5);
}

TEST(HotButtonDraw, CornersMoveByTheTableAndOtherHolesStay) {
    const int placed[33] = {1,  1,  3,  3,  4,  5,  7,  7,  8,  9,  10, 11, 13, 13, 14, 15, 16,
                            17, 18, 19, 21, 21, 22, 23, 24, 25, 27, 27, 28, 29, 31, 31, 31};
    HotButton badge;
    ScriptedDraws::Serve(badge.random);
    for (int drawn = 0; drawn < 66; ++drawn) {
        ScriptedDraws::AddBadgeOn(drawn);
        EXPECT_EQ(badge.TrySpawn(), placed[drawn % 33]) << "drawn " << drawn;
        EXPECT_EQ(badge.GetHole(), placed[drawn % 33]);
        EXPECT_EQ(badge.IsActive(), 0);
    }
}

TEST(HotButtonBlink, ScheduleShowsAndHidesInPhases) {
    const struct {
        float timer;
        int shown;
    } samples[] = {{0.25f, 1}, {0.75f, 0}, {1.25f, 1}, {1.75f, 0}, {2.1f, 1},
                   {2.3f, 0},  {2.5f, 1},  {2.7f, 0},  {2.9f, 1}};
    for (const auto& s : samples) {
        for (int before = 0; before <= 1; ++before) {
            RunningBadge badge(0.0f, before);
            badge.Update(s.timer);
            EXPECT_EQ(badge.IsVisible(), s.shown) << "timer " << s.timer;
            EXPECT_EQ(badge.IsActive(), 1);
        }
    }
}

TEST(HotButtonBlink, ABoundKeepsThePreviousVisibility) {
    const float bounds[] = {0.5f, 1.0f, 1.5f, 2.0f, 2.2f, 2.4f, 2.6f, 2.8f};
    for (float bound : bounds) {
        for (int before = 0; before <= 1; ++before) {
            RunningBadge badge(0.0f, before);
            badge.Update(bound);
            EXPECT_EQ(badge.GetTimer(), bound);
            EXPECT_EQ(badge.IsVisible(), before) << "bound " << bound;
        }
    }
    RunningBadge badge(1.0f, 0);
    badge.Update(0.5f);
    EXPECT_EQ(badge.GetTimer(), 1.5f);
    EXPECT_EQ(badge.IsVisible(), 0);
}

TEST(HotButtonBlink, RunEndsWhenTheTimerReachesThreeSeconds) {
    RunningBadge badge(2.9f, 1);
    badge.Update(0.05f);
    EXPECT_EQ(badge.IsActive(), 1);
    EXPECT_EQ(badge.IsBlinking(), 1);

    StartHotRun(badge, 0, 2.5f, 0);
    badge.Update(0.5f);
    EXPECT_EQ(badge.GetTimer(), 3.0f);
    EXPECT_EQ(badge.IsVisible(), 1);
    EXPECT_EQ(badge.IsActive(), 0);
    EXPECT_EQ(badge.IsBlinking(), 0);
    // The timer is cleared by the following update, visibility left alone.
    EXPECT_EQ(badge.GetTimer(), 3.0f);
    badge.Update(0.1f);
    EXPECT_EQ(badge.GetTimer(), 0.0f);
    EXPECT_EQ(badge.IsVisible(), 1);
}

TEST(HotButtonBlink, OneLongFrameEndsTheRunWithVisibilityUnchanged) {
    for (float dt : {3.3f, 10.0f}) {
        for (int before = 0; before <= 1; ++before) {
            RunningBadge badge(0.2f, before);
            badge.Update(dt);
            EXPECT_GE(badge.GetTimer(), 3.5f);
            EXPECT_EQ(badge.IsVisible(), before);
            EXPECT_EQ(badge.IsActive(), 0);
        }
    }
}

TEST(HotButtonBoard, BadgeGoesOnlyOnAnUnselectedPeg) {
    Board board;
    board.BuildLayout();
    board.holes[9].empty = 1;
    board.holes[10].selected = 1;
    board.hasSelection = 1;
    board.selectedHole = 10;
    ScriptedDraws::Serve(board.hotButton.random);
    for (int target : {9, 10}) {
        ScriptedDraws::AddBadgeOn(target);
        board.UpdateHotButton(0.0f);
        EXPECT_EQ(board.hotButton.IsActive(), 0);
        EXPECT_EQ(board.hotButton.GetHole(), target);
        for (const Hole& hole : board.holes)
            EXPECT_EQ(hole.hot, 0);
    }
    // Corner 32 falls to 31, which holds a plain peg.
    ScriptedDraws::AddBadgeOn(32);
    board.UpdateHotButton(0.0f);
    EXPECT_EQ(board.hotButton.IsActive(), 1);
    EXPECT_EQ(board.hotButton.IsBlinking(), 1);
    EXPECT_EQ(board.hotButton.GetHole(), 31);
    EXPECT_EQ(board.hotButton.GetX(), 234.0f);
    EXPECT_EQ(board.hotButton.GetY(), 414.0f);
    for (int i = 0; i < kBoardHoles; ++i)
        EXPECT_EQ(board.holes[i].hot, i == 31 ? 1 : 0) << i;
}

TEST(HotButtonBoard, BadgePlacedAsTheLastRunEndsGetsAFullRun) {
    Board board;
    board.BuildLayout();
    StartHotRun(board.hotButton, 24, 2.95f);
    ScriptedDraws::Serve(board.hotButton.random);
    ScriptedDraws::AddBadgeOn(10);
    board.Update(0.1f);
    EXPECT_EQ(board.hotButton.IsActive(), 1);
    EXPECT_EQ(board.hotButton.GetHole(), 10);
    EXPECT_EQ(board.hotButton.GetTimer(), 0.0f);
    EXPECT_EQ(board.holes[24].hot, 0);
    EXPECT_EQ(board.holes[10].hot, 1);
    board.Update(0.1f);
    EXPECT_EQ(board.hotButton.IsActive(), 1);
}

TEST(HotButtonBoard, RunStaysFrozenOnItsPegThroughANewGame) {
    Board board;
    board.BuildLayout();
    StartHotRun(board.hotButton, 4, 1.25f);
    board.UpdateHotButton(0.0f);
    board.Reset();
    EXPECT_EQ(board.hotButton.IsActive(), 1);
    EXPECT_EQ(board.hotButton.GetTimer(), 1.25f);
    EXPECT_EQ(board.holes[4].hot, 1);
    // The first click of the new game cannot pick that peg.
    board.Click(259, 169);
    EXPECT_EQ(board.hasSelection, 0);
    EXPECT_EQ(board.holes[4].selected, 0);
}
