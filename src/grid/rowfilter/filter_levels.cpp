// The levels of rows hidden by filtering: switching the filter on and off,
// removing levels and narrowing down by typed text.
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Filter_Show_Level() {
  // Without a filter level there is nothing of ours to show; the store's
  // other hidden rows are left as they are.
  if (FFilterBase < 0 || FFilterLevel <= FFilterBase) return;
  UnHideRowList();
}

void TZadIrururOziz::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
      BeginUpdate();
      try {
        ApplyFilter();
      } catch (...) {
        EndUpdate();
        throw;
      }
      EndUpdate();
      FSelHidden = false;
    } else {
      Filter_Show_Level();
      if (FFilterFixedRows < RowCount()) SetFixedRows(FFilterFixedRows);
      if (FSelHidden) UnHideSelection();
    }
    if (FixedRows() < RowCount()) SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

bool TZadIrururOziz::RemoveLastFilter() {
  if (FFilterBase < 0 || FFilterLevel <= FFilterBase) return false;
  Filter_Show_Level();
  if (FFilterFixedRows < RowCount()) SetFixedRows(FFilterFixedRows);
  if (FSelHidden) UnHideSelection();
  CalcFooter(-1);
  --FFilterLevel;
  if (FFilterLevel <= FFilterBase) {
    if (!FFilterKeptHidden.empty()) FFilterLevel = 0;
    FFilterBase = -1;
    FFilterKeptHidden.clear();
    return false;
  }
  return FFilterLevel - FFilterBase >= 2;
}

void TZadIrururOziz::RemoveAllFilters() {
  if (FFilterBase >= 0 && FFilterLevel > FFilterBase) {
    while (FFilterBase >= 0) RemoveLastFilter();
    return;
  }
  Filter().Clear();
  InvalidateGrid();
}

void TZadIrururOziz::NarrowDown(const QString& ACondition, int AColumn) {
  FFixedRowAlways = true;
  auto apply_one = [&] {
    Filter().Clear();
    TFilterData* item = Filter().Add();
    item->SetCaseSensitive(false);
    item->SetColumn(AColumn);
    if (AColumn == -1) {
      item->SetData(fcRow);
      item->SetCondition(ACondition);
    } else {
      item->SetData(fcNormal);
      QString condition = '*' + ACondition + '*';
      if (condition.contains(' ')) condition = '"' + condition + '"';
      item->SetCondition(condition);
    }
    ApplyFilter();
  };
  if (!FLastFilter.isEmpty() && ACondition.size() == FLastFilter.size() + 1 && ACondition.startsWith(FLastFilter)) {
    // One more character: only the rows still shown are tested.
    apply_one();
  } else if (!ACondition.isEmpty() && FLastFilter.size() == ACondition.size() + 1 &&
             FLastFilter.startsWith(ACondition)) {
    // One less: the top level's rows come back without a test.
    RemoveLastFilter();
  } else {
    RemoveAllFilters();
    if (!ACondition.isEmpty()) apply_one();
  }
  FLastFilter = ACondition;
}

void TZadIrururOziz::SetFilterDropDownRow(int Value) {
  if (Value < 0 || Value >= FixedRows()) return;
  FPaintLook.FilterDropDownRow = Value;
  InvalidateGrid();
}
