#pragma once
// A themed look for the editor controls that records what it was asked to
// draw and fills each part with one colour, so tests can see the themed path.
#include <QColor>
#include <QPainter>
#include <QString>
#include <vector>

#include "controls/editor_logic/editor_theme.h"

class Recording_Theme : public Editor_Theme {
 public:
  struct Call {
    QString Class_Name;
    int Part;
    int State;
    QRect Rect;
  };
  bool Active = true;
  mutable std::vector<Call> Calls;
  QColor Fill = QColor(0, 200, 0);

  bool Is_Theme_Active() const override { return Active; }
  bool Draw_Part(QPainter& painter, const QObject*, const char* class_name, int part, int state,
                 const QRect& rect) const override {
    Calls.push_back({QString::fromLatin1(class_name), part, state, rect});
    painter.fillRect(rect, Fill);
    return true;
  }
  bool Drew(const char* class_name) const {
    for (const Call& call : Calls)
      if (call.Class_Name == QLatin1String(class_name)) return true;
    return false;
  }
};

// Installs a theme for the lifetime of a test.
class Theme_Scope {
 public:
  explicit Theme_Scope(const Editor_Theme* theme) { Install_Editor_Theme(theme); }
  ~Theme_Scope() { Install_Editor_Theme(nullptr); }
};
