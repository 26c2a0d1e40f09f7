#pragma once
// TGridFocusWindow: the frameless top-level window the grid's focus glow is
// shown in. It never takes the focus or the mouse, has no task-bar entry and
// paints the glow picture the grid gives it over the window colour, with the
// picture's constant alpha where the desktop composes translucency.
#include <QImage>
#include <QWidget>

#include "controls/tcolor.h"

class TGridAlphaMask;

class TGridFocusWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TGridFocusWindow(QWidget* AOwner);

  TColor Color() const { return FColor; }
  // The window takes the mask's size (where it stands) and shows its
  // picture with the mask's Opacity as its constant alpha. A mask without
  // height changes nothing.
  void UpdateLayered(const TGridAlphaMask& Mask);
  const QImage& Picture() const { return FPicture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor FColor = clRed;
  QImage FPicture;
};
