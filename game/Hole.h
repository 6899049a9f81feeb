// One cell of the board: where it lies, who its neighbours are, and what it holds.
#pragma once

// Directions of a hole's neighbour links, in the order they are stored and searched.
enum HoleDirection {
    kHoleLeft = 0,
    kHoleUp = 1,
    kHoleRight = 2,
    kHoleDown = 3,
    kHoleDirections = 4
};

const int kBoardHoles = 33;

// A neighbour link that leads off the cross.
const int kNoHole = -1;

struct Hole {
    Hole() {}

    float x = 0.0f; // top-left corner of the 50 x 50 cell, client pixels
    float y = 0.0f;
    int firstVertex = 0;                 // the cell's first vertex in the board's geometry
    int neighbour[kHoleDirections] = {}; // left, up, right, down; kNoHole off the cross
    int empty = 0;                       // 1: no peg
    int selected = 0;                    // 1: the selected peg
    int hot = 0;                         // 1: the hot peg, which cannot be selected
};
