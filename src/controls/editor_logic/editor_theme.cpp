#include "controls/editor_logic/editor_theme.h"

namespace {

const Editor_Theme*& Installed() {
  static const Editor_Theme* theme = nullptr;
  return theme;
}

}  // namespace

void Install_Editor_Theme(const Editor_Theme* theme) { Installed() = theme; }

const Editor_Theme* Installed_Editor_Theme() { return Installed(); }

bool Editor_Theme_Active() { return Installed() && Installed()->Is_Theme_Active(); }

bool Draw_Editor_Theme_Part(QPainter& painter, const QObject* window, const char* class_name, int part, int state,
                            const QRect& rect) {
  if (!Editor_Theme_Active()) return false;
  return Installed()->Draw_Part(painter, window, class_name, part, state, rect);
}
