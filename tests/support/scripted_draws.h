// Numbers a test hands the game in place of the C library's generator, so it
// knows when and where the hot peg appears. They come in the order queued;
// once they are used up every draw is 0, which places no badge.
#pragma once

#include "RandomSource.h"

#include <deque>
#include <initializer_list>

class ScriptedDraws {
public:
    // Hands the queue to the source, empty: no badge until the test queues one.
    static void Serve(RandomSource& source) {
        Queue().clear();
        source.Use(&Next);
    }
    static void Add(std::initializer_list<int> draws) { Queue().insert(Queue().end(), draws); }
    // The two draws of an attempt that places a badge on `hole` (before the
    // corner table moves it).
    static void AddBadgeOn(int hole) { Add({1499, hole}); }
    static size_t Left() { return Queue().size(); }

private:
    static std::deque<int>& Queue() {
        static std::deque<int> draws;
        return draws;
    }
    static int Next() {
        if (Queue().empty())
            return 0;
        int draw = Queue().front();
        Queue().pop_front();
        return draw;
    }
};
