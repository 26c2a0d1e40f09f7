#include "grid/filter/filter_drop_lists.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

void Setup(QListWidget& list) {
  list.setFrameShape(QFrame::Box);
  list.setSelectionMode(QAbstractItemView::SingleSelection);
  list.setFocusPolicy(Qt::StrongFocus);
  list.resize(0, 0);
  list.hide();
}

// Losing the focus to the grid (or one of its children, such as the other
// list) leaves the decision to the grid's release; anywhere else closes the
// list and the grid forgets its open filter column.
bool Focus_Left_The_Grid(QWidget& list) {
  QWidget* grid = list.parentWidget();
  QWidget* now = QApplication::focusWidget();
  return !grid || !now || (now != grid && !grid->isAncestorOf(now));
}

}  // namespace

TDropList::TDropList(QWidget* AOwner) : QListWidget(AOwner) { Setup(*this); }

void TDropList::keyPressEvent(QKeyEvent* event) {
  QListWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    hide();
    if (OnSelect) OnSelect(this, currentRow());
  }
}

void TDropList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  hide();
  if (OnSelect) OnSelect(this, currentRow());
}

void TDropList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  if (!isVisible() || !Focus_Left_The_Grid(*this)) return;
  if (OnCancel) OnCancel();
  hide();
}

TDropCheckList::TDropCheckList(QWidget* AOwner) : QListWidget(AOwner) {
  Setup(*this);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
    if (!filling_ && OnSelect) OnSelect(this, -1);
  });
}

void TDropCheckList::AddCheckItem(const QString& Text, bool Checked) {
  filling_ = true;
  auto* item = new QListWidgetItem(Text, this);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
  filling_ = false;
}

bool TDropCheckList::Checked(int Index) const {
  const QListWidgetItem* it = item(Index);
  return it && it->checkState() == Qt::Checked;
}

void TDropCheckList::SetChecked(int Index, bool Value) {
  if (QListWidgetItem* it = item(Index)) it->setCheckState(Value ? Qt::Checked : Qt::Unchecked);
}

void TDropCheckList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  if (!isVisible() || !Focus_Left_The_Grid(*this)) return;
  if (OnCancel) OnCancel();
  hide();
}
