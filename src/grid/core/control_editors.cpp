#include "grid/core/control_editors.h"

#include <QChildEvent>
#include <QKeyEvent>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// The grid the editor sits on: its parent, or the parent of the grid's
// viewport it was placed in.
TZadIrururOziz* Owner_Grid(QWidget* Editor) {
  QWidget* w = Editor->parentWidget();
  for (int level = 0; w && level < 2; ++level, w = w->parentWidget()) {
    if (auto* grid = dynamic_cast<TZadIrururOziz*>(w)) return grid;
  }
  return nullptr;
}

bool Is_Enter_Or_Tab(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab;
}

}  // namespace

bool Form_Control_Key(QWidget* Editor, int Key) {
  TZadIrururOziz* grid = Owner_Grid(Editor);
  if (!grid) return false;
  if (Key != Qt::Key_Return && Key != Qt::Key_Enter && Key != Qt::Key_Tab) return false;
  // Taking the focus away runs the editor's exit handling.
  grid->setFocus(Qt::OtherFocusReason);
  if (Key == Qt::Key_Tab) {
    if (grid->Navigation().AdvanceAuto())
      grid->AdvanceToNextCell(true);
    else
      grid->FocusNextFormControl();
  }
  return true;
}

TControlEdit::TControlEdit(QWidget* parent) : QLineEdit(parent) { hide(); }

bool TControlEdit::event(QEvent* event) {
  // Tab reaches the edit instead of moving the focus along the form.
  if (Is_Enter_Or_Tab(event) && Form_Control_Key(this, static_cast<QKeyEvent*>(event)->key())) return true;
  return QLineEdit::event(event);
}

TControlCombo::TControlCombo(QWidget* parent) : TZsgComboBox(parent) {
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->installEventFilter(this);
  hide();
}

bool TControlCombo::event(QEvent* event) {
  if (event->type() == QEvent::ChildAdded) {
    if (auto* edit = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child()))
      edit->installEventFilter(this);
  }
  if (Is_Enter_Or_Tab(event) && Form_Control_Key(this, static_cast<QKeyEvent*>(event)->key())) return true;
  return TZsgComboBox::event(event);
}

bool TControlCombo::eventFilter(QObject* watched, QEvent* event) {
  if (qobject_cast<QLineEdit*>(watched) && Is_Enter_Or_Tab(event) &&
      Form_Control_Key(this, static_cast<QKeyEvent*>(event)->key()))
    return true;
  return TZsgComboBox::eventFilter(watched, event);
}
