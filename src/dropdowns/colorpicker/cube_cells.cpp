#include "dropdowns/colorpicker/cube_cells.h"

namespace {

// Row by row, left to right.
constexpr TColor kCubeColors[kCubeCellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,                                // 1
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,                      // 2
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,            // 3
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,  // 4
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
    0xFF0099,  // 5
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
    0xFF00CC, 0xCC0099,  // 6
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
    0xFF00FF, 0xCC00CC, 0x660066,  // 7
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,
    0x9900CC, 0x800080,  // 8
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,
    0x990099,                                                                                            // 9
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,  // 10
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,            // 11
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,                      // 12
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,                                // 13
};

}  // namespace

Cube_Cells Make_Cube_Cells() {
  Cube_Cells cells{};
  const int x = kCubeSize.x();
  int index = 1;
  for (int row = 1; row <= 13; ++row) {
    const int count = row <= 7 ? row + 6 : 20 - row;
    const int first = row <= 7 ? 55 - x * (row - 1) : 19 + x * (row - 7);
    const int y = 20 + 10 * (row - 1);
    for (int i = 0; i < count; ++i, ++index) {
      cells[static_cast<size_t>(index)].Center = QPoint(first + 2 * x * i, y);
      cells[static_cast<size_t>(index)].Color = kCubeColors[index - 1];
    }
  }
  return cells;
}

int Cube_Cell_At(const Cube_Cells& Cells, int X, int Y) {
  const int radius = kCubeSize.x();
  for (int i = 1; i <= kCubeCellCount; ++i) {
    const int dx = X - Cells[static_cast<size_t>(i)].Center.x();
    const int dy = Y - Cells[static_cast<size_t>(i)].Center.y();
    if (dx * dx + dy * dy <= radius * radius) return i;
  }
  return -1;
}

int Cube_Cell_Of_Color(const Cube_Cells& Cells, TColor Color) {
  for (int i = 1; i <= kCubeCellCount; ++i)
    if (Cells[static_cast<size_t>(i)].Color == Color) return i;
  return -1;
}

std::array<QPoint, 6> Cube_Hexagon(QPoint Center, int H, int W) {
  const int x = Center.x(), y = Center.y();
  return {QPoint(x - W, y - H), QPoint(x, y - 2 * H), QPoint(x + W, y - H),
          QPoint(x + W, y + H), QPoint(x, y + 2 * H), QPoint(x - W, y + H)};
}
