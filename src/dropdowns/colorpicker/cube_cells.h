#pragma once
// The honeycomb of the colour cube: 127 hexagonal cells in 13 rows, their
// centres, colours and the hit test. Cells are numbered from 1.
#include <QPoint>
#include <array>

#include "controls/tcolor.h"

struct Cube_Cell {
  QPoint Center;
  TColor Color = clNone;
};

constexpr int kCubeCellCount = 127;
// Half the width of a cell and a quarter of its height.
constexpr QPoint kCubeSize{6, 3};

// Index 0 is unused, so that a cell's number is its index.
using Cube_Cells = std::array<Cube_Cell, kCubeCellCount + 1>;

Cube_Cells Make_Cube_Cells();

// The first cell whose centre lies within 6 pixels of (X, Y), -1 for none.
int Cube_Cell_At(const Cube_Cells& Cells, int X, int Y);

// The first cell of colour Color, -1 for none.
int Cube_Cell_Of_Color(const Cube_Cells& Cells, TColor Color);

// The six corners of a hexagon about Center, W to either side and 2H up and
// down, pointed at the top and bottom.
std::array<QPoint, 6> Cube_Hexagon(QPoint Center, int H, int W);
