// A shown grid whose column 2 edits with one editor type, for the editor tests.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "grid/core/zad_irurur_oziz.h"

struct Editor_Grid {
  TZadIrururOziz grid;

  explicit Editor_Grid(TEditorType column2) {
    grid.SetRowCount(6);
    grid.SetColCount(5);
    grid.resize(520, 260);
    grid.SetOptions(grid.Options() | goEditing);
    grid.OnGetEditorType = [column2](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
      if (ACol == 2) AEditor = column2;
    };
    grid.show();
    grid.activateWindow();
  }
  void Open(int c, int r) {
    grid.FocusCell(c, r);
    grid.setFocus();
    grid.ShowInplaceEdit();
  }
  QString Cell(int c, int r) { return grid.Store().Text(c, r); }
};

// Lets posted events (a queued start character, a deferred focus) arrive.
inline void Settle() {
  for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}
