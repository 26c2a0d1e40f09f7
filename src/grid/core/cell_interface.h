#pragma once
// The caller's object behind an interfaced cell. The grid holds it without
// owning it; it draws the cell itself when it offers TCellInterface.
#include "controls/canvas.h"
#include "controls/trect.h"

class TZadIrururOziz;

// Any object a caller hands to an interfaced cell. Whether it can draw is
// asked of it (TCellInterface), so an object without that face is allowed
// and simply draws nothing.
class TInterfacedPersistent {
 public:
  virtual ~TInterfacedPersistent() = default;
};

// What an interfaced cell's object offers the grid: painting into the cell,
// its size for the cell layout, and whether it paints under the text.
class TCellInterface {
 public:
  virtual ~TCellInterface() = default;
  // R is the cell rectangle grown by 1 at the left and top; ACol is the
  // storage column.
  virtual void Draw(TCanvas& Canvas, const TRect& R, int ACol, int ARow, bool Selected, TZadIrururOziz* Grid) = 0;
  virtual int GetWidth() = 0;
  virtual int GetHeight() = 0;
  // True: drawn before the cell text, so the text lies over it.
  virtual bool DrawBeforeText() = 0;
};

inline TCellInterface* Cell_Interface_Of(TInterfacedPersistent* AObject) {
  return dynamic_cast<TCellInterface*>(AObject);
}
