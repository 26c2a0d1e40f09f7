#include "scan/window/device_list_delegate.h"

#include <QPainter>

#include "scan/window/scan_progress_line.h"

void Device_List_Delegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const QString line = index.data(Qt::DisplayRole).toString();
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
  painter->setFont(option.font);
  const QRect rect = option.rect.adjusted(2, 0, 0, 0);
  constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  if (const auto parts = scan_progress::Not_Found_Parts(line)) {
    painter->setPen(QColor(255, 0, 0));
    painter->drawText(QRect(rect.left(), rect.top(), kFirst_Column_Width - 2, rect.height()), flags, parts->first);
    const int second_x = option.rect.left() + kFirst_Column_Width;
    painter->drawText(QRect(second_x, rect.top(), option.rect.right() - 1 - second_x, rect.height()), flags,
                      parts->second);
  } else {
    painter->setPen(QColor(0, 0, 255));
    painter->drawText(rect, flags | Qt::TextExpandTabs, line);
  }
  painter->restore();
}
