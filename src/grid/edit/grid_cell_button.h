#pragma once
// TGridButton: the push button the grid lays over a button cell, its
// caption the cell's text. A click hands the caption to the grid's ellipsis
// event and puts the answer into the caption and the cell, then tells the
// grid of the click; the arrows and Escape give the keys back to the grid.
#include <QPushButton>

class TZadIrururOziz;

class TGridButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TGridButton(TZadIrururOziz* AOwner);

  void ReCreate() {}
  QString Text() const { return text(); }
  void SetText(const QString& Value) { setText(Value); }

  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // The caption through the ellipsis event into the caption and the cell.
  void Exchange_Caption();
  void Put_Away();
};
