#include "grid/edit/grid_cell_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

namespace {

bool Is_Arrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

TGridButton::TGridButton(TZadIrururOziz* AOwner) : QPushButton(AOwner->viewport()), FGrid(AOwner) {
  hide();
  setEnabled(false);
  connect(this, &QPushButton::clicked, this, [this] {
    TZadIrururOziz& g = *FGrid;
    if (g.OnButtonClick) g.OnButtonClick(&g, g.Col(), g.Row());
  });
}

void TGridButton::Exchange_Caption() {
  TZadIrururOziz& g = *FGrid;
  QString answer;
  g.DoEllipsClick(text(), answer);
  setText(answer);
  g.SetCurrentCell(answer);
}

bool TGridButton::event(QEvent* e) {
  // The arrows are the button's: they go back to the grid.
  if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (e->type() == QEvent::KeyPress && Is_Arrow(key->key())) {
      keyPressEvent(key);
      return true;
    }
  }
  return QPushButton::event(e);
}

void TGridButton::mouseReleaseEvent(QMouseEvent* e) {
  QWidget* parent = parentWidget();
  const bool in_grid = parent == FGrid || parent == FGrid->viewport();
  if (e->button() == Qt::LeftButton && in_grid && isDown() && rect().contains(e->position().toPoint()))
    Exchange_Caption();
  QPushButton::mouseReleaseEvent(e);
}

void TGridButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && isDown()) {
    Exchange_Caption();
    QPushButton::keyReleaseEvent(e);
    setFocus();
    update();
    return;
  }
  QPushButton::keyReleaseEvent(e);
}

void TGridButton::Put_Away() {
  hide();
  setEnabled(false);
}

void TGridButton::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  const int key = e->key();
  const Qt::KeyboardModifiers shift = e->modifiers();
  if (Is_Arrow(key)) {
    e->accept();
    Access::Send_Key(g, QEvent::KeyPress, key, shift);
    Put_Away();
    Access::Send_Key(g, QEvent::KeyRelease, key, shift);
    return;
  }
  if (key == Qt::Key_Escape) {
    e->accept();
    Put_Away();
    g.RestoreEditedCell();
    Access::Send_Key(g, QEvent::KeyPress, Qt::Key_Escape, shift);
    return;
  }
  QPushButton::keyPressEvent(e);
}

void TGridButton::focusOutEvent(QFocusEvent* e) {
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (isVisible() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  QPushButton::focusOutEvent(e);
}
