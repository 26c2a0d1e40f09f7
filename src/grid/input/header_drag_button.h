#pragma once
// THeaderDragButton: the floating picture of a column header while the
// column is dragged to a new place. A bordered popup that never takes the
// activation or the input, so the drag keeps the mouse and the focus stays
// where it was.
#include <QPointer>
#include <QWidget>

class TZadIrururOziz;

class THeaderDragButton : public QWidget {
  Q_OBJECT

 public:
  explicit THeaderDragButton(QWidget* AOwner = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The grid whose fixed-cell look the button takes; none: the button face.
  TZadIrururOziz* Grid() const { return FGridAlive ? FGrid : nullptr; }
  void SetGrid(TZadIrururOziz* Value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString FCaption;
  bool FFlat = false;
  TZadIrururOziz* FGrid = nullptr;
  QPointer<QObject> FGridAlive;  // null once the grid is gone
};
