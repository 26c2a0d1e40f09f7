#pragma once
// TGridCheckBox: the check box the grid lays over a check-box cell, its
// caption the cell's text. A press or Space toggles it; Enter, the page
// keys, End and the arrows close it (Enter then advances, Up and Down move
// the current cell). Its state is never written into the cell.
#include <QCheckBox>

class TZadIrururOziz;

class TGridCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit TGridCheckBox(TZadIrururOziz* AOwner);

  void ReCreate() {}

  TZadIrururOziz* FGrid;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
};
