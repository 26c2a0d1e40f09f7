#include "shell/ui/shell_look.h"

#include <QWidget>

namespace shell_look {

QFont Window_Font() {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(8);
  return font;
}

QFont Bold_Font() {
  QFont font = Window_Font();
  font.setBold(true);
  return font;
}

QFont Code_Font() {
  QFont font = Window_Font();
  font.setPointSize(20);
  font.setBold(true);
  return font;
}

void Set_Background(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, To_QColor(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void Set_Text_Color(QWidget* widget, TColor color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, To_QColor(color));
  widget->setPalette(palette);
}

}  // namespace shell_look
