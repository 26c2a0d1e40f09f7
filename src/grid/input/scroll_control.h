#pragma once
// The scroll settings of the string grid and TScrollControl, the thin scroll
// indicator the grid shows in place of its scroll bars with the ssMetro
// scroll type: a thumb drawn in one colour on a transparent strip, paged by
// a press beside the thumb and dragged like a scroll bar's thumb.
#include <QWidget>

#include "controls/tcolor.h"

enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollDirection { sdVertical, sdHorizontal };

class TZadIrururOziz;
class Flat_Scroll_Style;

class TScrollControl : public QWidget {
  Q_OBJECT

 public:
  explicit TScrollControl(QWidget* parent = nullptr);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // Thickness of the drawn thumb in pixels.
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value) { FScrollWidth = Value; }
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value) { FDirection = Value; }
  // Where the thumb lies along the strip; false when every normal row
  // (column) is visible or the parent is not a string grid.
  bool Thumb(int& Position, int& Size) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TZadIrururOziz* Grid() const;
  int Length() const { return FDirection == sdVertical ? height() : width(); }

  TColor FColor = 0xC0C0C0;
  int FScrollWidth = 4;
  TScrollDirection FDirection = sdVertical;
  bool FDownOnScroller = false;
  int FDownPos = 0;
  int FDownRow = 0;
};
