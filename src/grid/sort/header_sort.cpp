// A click on a header of the sort row that the mouse code let through:
// one column toggling its direction (or unsorting with UndoSort), or, with
// IndexShow, the sort indexes built with the index key held.
#include <QElapsedTimer>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::DoHeaderSort(int ACol) {
  QElapsedTimer timer;
  timer.start();
  if (RowCount() != FSortRowXRef.Count()) InitSortXRef();
  if (FSortSettings.AutoColumnMerge) SplitAllCells();
  const bool keep_horz = (Options() & goRowSelect) && FNavigation->KeepHorizScroll();
  const int left = LeftCol();
  if (keep_horz) BeginUpdate();
  const bool ascending_first = FSortSettings.InitSortDirection == sdAscending;

  if (FSortSettings.IndexShow) {
    const Qt::KeyboardModifier key = FSortSettings.IndexSortKey == ikCtrl ? Qt::ControlModifier : Qt::ShiftModifier;
    const int index = FSortIndexes.FindIndex(ACol);
    if (FHeaderClickKeys & key) {
      if (index >= 0)
        FSortIndexes.ToggleIndex(ACol);
      else
        FSortIndexes.AddIndex(ACol, ascending_first);
    } else if (FSortIndexes.Count() == 1 && index == 0) {
      FSortIndexes.ToggleIndex(ACol);
    } else {
      FSortIndexes.Clear();
      FSortIndexes.AddIndex(ACol, ascending_first);
    }
    if (HasNodes())
      QSortGroupIndexed();
    else
      QSortIndexed();
    FSortSettings.Column = FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : -1;
  } else {
    bool unsort = false;
    if (ACol == FSortSettings.Column) {
      unsort = FSortSettings.UndoSort && FSortSettings.Direction != FSortSettings.InitSortDirection && !HasNodes();
      if (!unsort) FSortSettings.ToggleDirection();
    } else {
      FSortSettings.Column = ACol;
      FSortSettings.Direction = FSortSettings.InitSortDirection;
    }
    if (unsort) {
      QUnSort();
      FSortSettings.Column = -1;
    } else if (HasNodes()) {
      QSortGroup();
    } else {
      QSort();
    }
  }

  if (keep_horz) {
    SetLeftCol(left);
    EndUpdate();
  }
  if (FSortSettings.AutoColumnMerge)
    for (int i = 0; i < FMergedColumns.Count(); ++i) MergeColumnCells(FMergedColumns.GetInteger(i), i == 0);
  SortTime = unsigned(timer.elapsed());
  if (FControlList.Count() > 0) CellControlsUpdate();
  if (FSortSettings.FixedCols || FixedRows() > 0) RepaintRow(FSortSettings.Row);
  DoClickSort(FSortSettings.Column);
}
