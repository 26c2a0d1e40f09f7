#pragma once
#include "grid/theme/theme_api.h"

// The theme library's backend on this desktop: the application's widget
// style draws the parts. It reports a theme as active while a widget
// application with a style exists.
class QStyle_Theme_Backend : public Theme_Backend {
 public:
  bool Is_Theme_Active() const override;
  QString Color_Scheme_Name() const override;
  bool Draw_Part(QPainter& painter, const QObject* window, const QString& class_name, int part, int state,
                 const QRect& rect) const override;

  // The one backend the program installs and binds both theme users to.
  static void Install_And_Load();
};
