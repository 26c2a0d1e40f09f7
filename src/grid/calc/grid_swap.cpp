// Exchanging two rows or two columns of TZadIrururOziz with what hangs on
// them. The cell store swaps its rows and columns in place, so the counts
// never change: a temporary scratch row would move a footer row's texts.
#include <QWidget>
#include <utility>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::SwapColumns(int ACol1, int ACol2) {
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= TotalColCount() || ACol2 >= TotalColCount()) return;
  Store().Swap_Columns(ACol1, ACol2);
  const int width1 = GetAllColWidths(ACol1);
  SetAllColWidths(ACol1, GetAllColWidths(ACol2));
  SetAllColWidths(ACol2, width1);
  TSortSettings& sort = SortSettings();
  if (sort.Column == ACol1)
    sort.Column = ACol2;
  else if (sort.Column == ACol2)
    sort.Column = ACol1;
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.GetControl(i);
    if (item->X() == ACol1)
      item->SetX(ACol2);
    else if (item->X() == ACol2)
      item->SetX(ACol1);
  }
  CellControlsUpdate();
  InvalidateGrid();
}

void TZadIrururOziz::SwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  Store().Swap_Rows(ARow1, ARow2);
  const int height1 = RowHeights(ARow1);
  SetRowHeights(ARow1, RowHeights(ARow2));
  SetRowHeights(ARow2, height1);
  // Controls are listed under their real rows.
  const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.GetControl(i);
    if (item->Y() == real1)
      item->SetY(real2);
    else if (item->Y() == real2)
      item->SetY(real1);
  }
  CellControlsUpdate();
  InvalidateGrid();
}

void TZadIrururOziz::SortSwapRows(int ARow1, int ARow2) {
  ++FSwaps;
  if (ARow1 < FSortRowXRef.Count() && ARow2 < FSortRowXRef.Count() && ARow1 >= 0 && ARow2 >= 0) {
    const int x1 = FSortRowXRef.GetInteger(ARow1);
    FSortRowXRef.SetInteger(ARow1, FSortRowXRef.GetInteger(ARow2));
    FSortRowXRef.SetInteger(ARow2, x1);
  }
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0) return;
  if (FSortSettings.SingleColumn) {
    SwapCells(TGridCoord{FSortSettings.Column, ARow1}, TGridCoord{FSortSettings.Column, ARow2});
    return;
  }
  Store().Swap_Rows(ARow1, ARow2);
  const int height1 = RowHeights(ARow1), height2 = RowHeights(ARow2);
  if (height1 != height2) {
    SetRowHeights(ARow1, height2);
    SetRowHeights(ARow2, height1);
  }
  if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
    const bool hidden = NumHiddenRows() > 0;
    const size_t s1 = size_t(hidden ? RealRowIndex(ARow1) : ARow1);
    const size_t s2 = size_t(hidden ? RealRowIndex(ARow2) : ARow2);
    if (std::max(s1, s2) >= FRowSelect.size()) FRowSelect.resize(std::max(s1, s2) + 1, false);
    const bool selected1 = FRowSelect[s1];
    FRowSelect[s1] = FRowSelect[s2];
    FRowSelect[s2] = selected1;
    // The list of selected rows names the row that holds the flag now, in
    // the place the other one had.
    if (FRowSelect[s1] != FRowSelect[s2]) {
      const int from = int(FRowSelect[s1] ? s2 : s1), to = int(FRowSelect[s1] ? s1 : s2);
      for (int i = 0; i < FSelectedRows.Count(); ++i)
        if (FSelectedRows.GetInteger(i) == from) FSelectedRows.SetInteger(i, to);
    }
  }
  if (FShowModifiedEnabled && (RowModified(ARow1) || RowModified(ARow2))) {
    const bool modified1 = RowModified(ARow1);
    SetRowModified(ARow1, RowModified(ARow2));
    SetRowModified(ARow2, modified1);
  }
  if (FSortRow == ARow1)
    FSortRow = ARow2;
  else if (FSortRow == ARow2)
    FSortRow = ARow1;
}

void TZadIrururOziz::CellControlsUpdate() {
  for (int i = 0; i < FControlList.Count(); ++i) {
    const TControlItem* item = FControlList.GetControl(i);
    auto* widget = qobject_cast<QWidget*>(item->Control());
    if (!widget) continue;
    const int row = DisplRowIndex(item->Y());
    if (row < 0 || IsHiddenRow(item->Y()) || IsHiddenColumn(item->X())) {
      widget->hide();
      continue;
    }
    const TRect r = CellRect(DisplColIndex(item->X()), row);
    widget->setGeometry(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
    widget->show();
  }
}
