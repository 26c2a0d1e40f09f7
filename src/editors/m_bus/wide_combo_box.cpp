#include "editors/m_bus/wide_combo_box.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

Wide_Combo_Box::Wide_Combo_Box(QWidget* parent) : QComboBox(parent) {
  // A list that drops below the box and scrolls, whatever the style would
  // do: the lists here are long.
  setStyleSheet(QStringLiteral("combobox-popup: 0;"));
}

void Wide_Combo_Box::Select_Width_ComboBox() {
  const QFontMetrics metrics(font());
  int widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
  int needed = widest + 12 + (objectName() == QLatin1String("CB_VIFE") ? 65 : 30);
  const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  if (width() - scroll_bar >= needed) return;
  if (count() > maxVisibleItems()) needed += scroll_bar;
  drop_width_ = needed;
  view()->setMinimumWidth(needed);
}

void Wide_Combo_Box::showPopup() {
  QComboBox::showPopup();
  QWidget* list = view()->window();
  if (list == window()) return;
  const int right = mapToGlobal(QPoint(width(), 0)).x();
  const QRect frame = list->geometry();
  if (frame.right() + 1 != right) list->move(right - frame.width(), frame.top());
}
