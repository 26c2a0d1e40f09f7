#pragma once
// The base of the colour picker's popup panels: a painted control with a
// background colour (the picker gives it its drop-down colour) and a switch
// for its tool tips.
#include <QWidget>

#include "controls/tcolor.h"

class TZadCustomColorSelectorPanel : public QWidget {
 public:
  explicit TZadCustomColorSelectorPanel(QWidget* AOwner = nullptr);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The panel's tool tip shows while this is set.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }

 protected:
  void SetPanelSize(int Width, int Height) { resize(Width, Height); }
  bool event(QEvent* Event) override;
  // Fills the panel with Color.
  void paintEvent(QPaintEvent* Event) override;

 private:
  TColor FColor = clBtnFace;
  bool FShowHint = false;
};
