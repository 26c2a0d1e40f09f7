#include "controls/editors/editor_input.h"

#include <QApplication>
#include <QKeyEvent>
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
