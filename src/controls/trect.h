#pragma once
#include <QRect>

// A rectangle as the drawing code reasons about it: Right and Bottom are the
// first column and row outside, so Width = Right - Left (unlike QRect, whose
// right() is the last pixel inside).
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Is_Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  constexpr TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  constexpr bool operator==(const TRect&) const = default;

  QRect To_QRect() const { return QRect(Left, Top, Width(), Height()); }
  static TRect From_QRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};
