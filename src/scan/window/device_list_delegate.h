#pragma once
#include <QStyledItemDelegate>

// Draws the lines of the wired progress list: a line of a meter found in blue;
// a line of an address that did not answer in red, in two parts: the address
// in a column 70 pixels wide, "[NOT FOUND]" from x 70 to the item's right edge.
class Device_List_Delegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  static constexpr int kFirst_Column_Width = 70;

  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
