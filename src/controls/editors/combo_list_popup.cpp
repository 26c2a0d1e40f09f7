#include "controls/editors/combo_list_popup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

TComboListPopup::TComboListPopup(QWidget* owner) : QFrame(owner, Qt::Popup) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  FList = new QListWidget(this);
  FList->setFrameShape(QFrame::NoFrame);
  FList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FList->setMouseTracking(true);
  FList->setUniformItemSizes(true);
  // The popup is sized to its rows in Open; the list's own minimum (its
  // scroll bar's arrows and slider) would otherwise make it taller and wider.
  FList->setMinimumSize(1, 1);
  FList->installEventFilter(this);
  FList->viewport()->installEventFilter(this);
  layout->addWidget(FList);
  // The row under the mouse is the highlighted one, as in the desktop's lists.
  connect(FList, &QListWidget::itemEntered, FList, [this](QListWidgetItem* item) { FList->setCurrentItem(item); });
}

void TComboListPopup::Open(const QStringList& items, int current, int visible_rows, int row_height, int width,
                           const QRect& anchor) {
  FList->clear();
  FTyped.clear();
  FChosen = kNone;
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text, FList);
    item->setSizeHint(QSize(width, row_height));
  }
  if (current >= 0 && current < FList->count()) FList->setCurrentRow(current);
  const int rows = std::max(1, std::min(visible_rows, int(items.size())));
  FList->setVerticalScrollBarPolicy(items.size() > rows ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int height = rows * row_height + 4;
  QPoint at = anchor.bottomLeft() + QPoint(0, 1);
  if (const QScreen* screen = QGuiApplication::screenAt(anchor.center())) {
    const QRect space = screen->availableGeometry();
    if (at.y() + height > space.bottom() && anchor.top() - height >= space.top()) at.setY(anchor.top() - height);
  }
  setGeometry(QRect(at, QSize(width, height)));
  show();
  FList->setFocus();
  if (FList->currentItem()) FList->scrollToItem(FList->currentItem());
}

bool TComboListPopup::Seek(const QString& prefix) {
  const int count = FList->count();
  const int start = FList->currentRow() + 1;
  for (int i = 0; i < count; ++i) {
    const int row = (start + i) % count;
    if (FList->item(row)->text().startsWith(prefix, Qt::CaseInsensitive)) {
      FList->setCurrentRow(row);
      return true;
    }
  }
  return false;
}

void TComboListPopup::Choose(int Row) {
  FChosen = Row;
  hide();
}

bool TComboListPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FList->viewport() && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (QListWidgetItem* item = FList->itemAt(mouse->position().toPoint())) {
      Choose(FList->row(item));
      return true;
    }
  }
  if (watched == FList && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool alt = key->modifiers() & Qt::AltModifier;
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_F4:
        Choose(FList->currentRow());
        return true;
      case Qt::Key_Up:
      case Qt::Key_Down:
        if (alt) {
          Choose(FList->currentRow());
          return true;
        }
        break;
      case Qt::Key_Escape:
        hide();
        return true;
      case Qt::Key_Tab:
        Choose(FList->currentRow());
        return true;
      default:
        if (!key->text().isEmpty() && key->text()[0].isPrint()) {
          // Type-ahead: letters typed in a row (within a second) narrow the match; a new start
          // steps through the rows beginning with that letter.
          if (!FTypedClock.isValid() || FTypedClock.elapsed() > 1000) FTyped.clear();
          FTypedClock.start();
          const QString typed = FTyped + key->text();
          if (!FTyped.isEmpty() && FList->currentItem() &&
              FList->currentItem()->text().startsWith(typed, Qt::CaseInsensitive)) {
            FTyped = typed;
          } else {
            FTyped = key->text();
            Seek(FTyped);
          }
          return true;
        }
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void TComboListPopup::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  // The choice first, so that the closing handler sees the new value.
  const int row = FChosen;
  FChosen = kNone;
  if (row != kNone && OnChoose) OnChoose(row);
  if (OnClosed) OnClosed();
}
