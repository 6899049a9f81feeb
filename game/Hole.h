// One cell of the board: where it lies, who its neighbours are, and what it holds.
#pragma once

// Directions of a hole's neighbour links, in the order they are stored and searched.
enum HoleDirection {
    HOLE_LEFT = 0,
    HOLE_UP = 1,
    HOLE_RIGHT = 2,
    HOLE_DOWN = 3,
    HOLE_DIRECTIONS = 4
};

const int BOARD_HOLES = 33;

// A neighbour link that leads off the cross.
const int NO_HOLE = -1;

struct Hole {
    Hole() {}

    float x = 0.0f; // top-left corner of the 50 x 50 cell, client pixels
    float y = 0.0f;
    int firstVertex = 0;                 // the cell's first vertex in the board's geometry
    int neighbour[HOLE_DIRECTIONS] = {}; // left, up, right, down; NO_HOLE off the cross
    int empty = 0;                       // 1: no peg
    int selected = 0;                    // 1: the selected peg
    int hot = 0;                         // 1: the hot peg, which cannot be selected
};
