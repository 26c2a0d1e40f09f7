#include "grid/edit/grid_check_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

TGridCheckBox::TGridCheckBox(TZadIrururOziz* AOwner) : QCheckBox(AOwner->viewport()), FGrid(AOwner) {
  setAutoFillBackground(true);
  hide();
  setEnabled(false);
}

void TGridCheckBox::mousePressEvent(QMouseEvent* e) {
  // The press toggles at once; the release does not toggle again.
  if (e->button() == Qt::LeftButton) {
    toggle();
    setFocus(Qt::MouseFocusReason);
    e->accept();
    return;
  }
  QCheckBox::mousePressEvent(e);
}

void TGridCheckBox::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) return e->accept();
  QCheckBox::mouseReleaseEvent(e);
}

void TGridCheckBox::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  const int key = e->key();
  const Qt::KeyboardModifiers shift = e->modifiers();
  switch (key) {
    case Qt::Key_Space:
      if (!e->isAutoRepeat()) toggle();
      return e->accept();
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      e->accept();
      g.HideInplaceEdit();
      g.setFocus();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) g.AdvanceToNextCell(!(shift & Qt::ShiftModifier));
      if (key == Qt::Key_Up || key == Qt::Key_Down) Access::Send_Key(g, QEvent::KeyPress, key, shift);
      return;
    default:
      QCheckBox::keyPressEvent(e);
  }
}

void TGridCheckBox::keyReleaseEvent(QKeyEvent* e) {
  // Space toggled as it went down.
  if (e->key() == Qt::Key_Space) return e->accept();
  QCheckBox::keyReleaseEvent(e);
}

void TGridCheckBox::focusOutEvent(QFocusEvent* e) {
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (isVisible() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  QCheckBox::focusOutEvent(e);
}
