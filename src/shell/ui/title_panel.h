#pragma once
#include <QWidget>

class QLabel;

// The title band at the top of the dialogs: the software code, large, over
// the window's own description line.
class Title_Panel : public QWidget {
  Q_OBJECT
 public:
  explicit Title_Panel(QWidget* parent);

  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
};
