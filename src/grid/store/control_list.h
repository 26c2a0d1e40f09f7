#pragma once
// The controls placed in grid cells: one item per (column, row, control).
// The list owns its items, never the controls.
#include <memory>
#include <vector>

class QObject;

class TControlItem {
 public:
  TControlItem(int X, int Y, QObject* Control) : FX(X), FY(Y), FObject(Control) {}
  int X() const { return FX; }
  int Y() const { return FY; }
  QObject* Control() const { return FObject; }
  void SetX(int X) { FX = X; }
  void SetY(int Y) { FY = Y; }

 private:
  int FX;
  int FY;
  QObject* FObject;
};

class TControlList {
 public:
  int Count() const { return int(items_.size()); }
  void AddControl(int X, int Y, QObject* AObject);
  int ControlIndex(int X, int Y) const;
  TControlItem* GetControl(int i) const { return items_.at(size_t(i)).get(); }
  void RemoveControl(int i);
  // Whether some item holds this control (the window handle of the desktop
  // original is the control object itself here).
  bool HasHandle(const QObject* Handle) const;

 private:
  std::vector<std::unique_ptr<TControlItem>> items_;
};
