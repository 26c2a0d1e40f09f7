#pragma once
#include <QComboBox>

// A list whose dropped list may be wider than the box itself, so long item
// texts are never cut; the dropped list keeps its right edge on the box's
// right edge, so it grows to the left.
class Wide_Combo_Box : public QComboBox {
  Q_OBJECT
 public:
  explicit Wide_Combo_Box(QWidget* parent = nullptr);

  // Widens the dropped list to the widest item text plus a margin (65 pixels
  // for the VIFE list, 30 for any other) and a scroll bar when the list
  // scrolls; a box already wide enough is left as it is.
  void Select_Width_ComboBox();
  // The width of the dropped list, 0 while it follows the box.
  int Drop_Width() const { return drop_width_; }

  void showPopup() override;

 private:
  int drop_width_ = 0;
};
