#include "controls/editors/editor_input.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <atomic>

namespace {
std::atomic<int> beeps{0};
}

void Editor_Beep() {
  ++beeps;
  QApplication::beep();
}

int Editor_Beep_Count() { return beeps.load(); }

QChar Typed_Char(const QKeyEvent* event) {
  const int key = event->key();
  switch (key) {
    case Qt::Key_Backspace:
      return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(13);
    case Qt::Key_Escape:
      return QChar(27);
    case Qt::Key_Tab:
      return QChar(9);
    case Qt::Key_Delete:
      return QChar();
    default:
      break;
  }
  const Qt::KeyboardModifiers mods = event->modifiers();
  if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QChar(key - Qt::Key_A + 1);
    return QChar();
  }
  if (mods & Qt::AltModifier) return QChar();
  const QString text = event->text();
  if (text.isEmpty() || text[0].unicode() == 127) return QChar();
  return text[0];
}

bool Is_Paste_Or_Cut(const QKeyEvent* event) {
  return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut);
}

void Exec_Edit_Context_Menu(QLineEdit* edit, const QContextMenuEvent* event, bool paste_allowed) {
  QMenu* menu = edit->createStandardContextMenu();
  if (!paste_allowed) {
    for (QAction* action : menu->actions()) {
      const QString name = action->objectName();
      if (name == QLatin1String("edit-paste") || name == QLatin1String("edit-cut")) action->setEnabled(false);
    }
  }
  menu->exec(event->globalPos());
  delete menu;
}

void Focus_After_Button_Press(QWidget* focus_control, QWidget* part) {
  if (focus_control && focus_control->focusPolicy() != Qt::NoFocus && focus_control->isEnabled() &&
      focus_control->isVisible() && !focus_control->hasFocus()) {
    focus_control->setFocus(Qt::MouseFocusReason);
  } else if (part->focusPolicy() != Qt::NoFocus && !part->hasFocus() && part->isEnabled() && part->isVisible()) {
    part->setFocus(Qt::MouseFocusReason);
  }
}

void Select_On_Focus_In(QLineEdit* edit, const QFocusEvent* event, bool auto_select, bool select_under_mouse) {
  if (auto_select) {
    if (!(QApplication::mouseButtons() & Qt::LeftButton) || select_under_mouse) edit->selectAll();
  } else if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
    edit->deselect();
  }
}
