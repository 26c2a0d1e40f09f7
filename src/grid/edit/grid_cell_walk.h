#pragma once
// The step of an editor whose caret walked off the text's edge into the
// neighbour cell on that side.
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

// A cell control beside the cell takes the current cell directly, once
// Store has stored and validated the edited value (false keeps the editor
// where it is); otherwise the grid advances left or right as it would after
// an edit.
template <typename StoreFn>
void Walk_To_Neighbour(TZadIrururOziz& g, bool Left, StoreFn&& Store) {
  TNavigation& nav = g.Navigation();
  const int c = g.Col(), r = g.Row();
  const int span = g.CellSpan(g.RealColIndex(c), r).x();
  const int next = Left ? c - 1 : c + std::max(0, span) + 1;
  const bool next_exists = Left ? c > g.FixedCols() : next < g.ColCount() - g.FixedRightCols();
  if (next_exists && g.HasCellControl(g.RealColIndex(next), r)) {
    if (!Store()) return;
    g.HideInplaceEdit();
    g.FocusCell(next, r);
    return;
  }
  g.setFocus();
  const TAdvanceDirection direction = nav.AdvanceDirection();
  nav.SetAdvanceDirection(adLeftRight);
  g.AdvanceToNextCell(c, r, nav.CursorWalkAlwaysEdit(), false, !Left, nav.CursorWalkAlwaysEdit(), true);
  nav.SetAdvanceDirection(direction);
}
