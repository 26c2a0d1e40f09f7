// Column stretching, the grid's reactions to size, width and height changes
// (proportional sizing, the end-of-sizing events) and the move arrows'
// colour.
#include <QCoreApplication>
#include <cmath>

#include "grid/check/zad_irurur_oziz_check.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::StretchColumnWidth(int Index) {
  if (Destroying() || QCoreApplication::closingDown()) return;
  if (Index == -1) Index = ColCount() - 1;
  if (Index >= ColCount()) throw VAzaZeriVader("Stretch column index out of range");
  if (ColCount() == 0 || !FColumnSize.Stretch() || FIsColChanging || Index < 0) return;
  FIsColChanging = true;
  ColchgFlg = false;
  const int client = ClientWidth();
  if (ColCount() == 1) {
    SetColWidths(0, client);
  } else {
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != Index) sum += ColWidths(c);
    if (sum < client)
      SetColWidths(Index, client - sum - 1);
    else if (LeftCol() == FixedCols())
      SetColWidths(Index, DefaultColWidth());
  }
  ColchgFlg = true;
  FIsColChanging = false;
}

// The stretch from size and width changes: a stretch column past the
// columns (a setting left from a wider grid) is passed over, not raised from
// inside a resize.
namespace {
bool Stretch_Index_Valid(int index, int cols) { return index >= -1 && index < cols; }
}  // namespace

void TZadIrururOziz::SizeChanged(int OldColCount, int OldRowCount) {
  if (!parentWidget() || QCoreApplication::closingDown()) return;
  if (FColumnSize.Stretch() && Stretch_Index_Valid(FColumnSize.StretchColumn(), ColCount()))
    StretchColumnWidth(FColumnSize.StretchColumn());
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (FIsFlat) RefreshFlatScrollBars();
}

void TZadIrururOziz::Proportional_Sizes(bool columns) {
  const int clicked = columns ? Colclicked : Rowclicked;
  const int start = columns ? Colclickedsize : Rowclickedsize;
  if (clicked < 0 || start <= 0) return;
  const double factor = double(columns ? ColWidths(clicked) : RowHeights(clicked)) / start;
  bool& flag = columns ? ColSized : Rowsized;
  flag = false;
  const int first = columns ? FixedCols() : FixedRows();
  const int count = columns ? ColCount() : RowCount();
  for (int i = first; i < count; ++i) {
    if (i == clicked) continue;
    if (columns)
      SetColWidths(i, int(std::lround(ColWidths(i) * factor)));
    else
      SetRowHeights(i, int(std::lround(RowHeights(i) * factor)));
  }
  flag = true;
}

void TZadIrururOziz::ColWidthsChanged() {
  if (ColchgFlg && FColumnSize.Stretch() && Stretch_Index_Valid(FColumnSize.StretchColumn(), ColCount()))
    StretchColumnWidth(FColumnSize.StretchColumn());
  TBaseGrid::ColWidthsChanged();
  ColSizeFlg = true;
  if (ColSized && FMouseActions->AllColumnSize() && Colclickedsize > 0) Proportional_Sizes(true);
  if (ColSized) {
    if (OnEndColumnSize) OnEndColumnSize(this, Colclicked);
    int width = Colclicked >= 0 ? ColWidths(Colclicked) : 0;
    const int before = width;
    if (Colclicked >= 0) DoUpdateColumnSize(Colclicked, width);
    if (width != before) {
      // The new width comes back here as an ordinary change.
      ColSized = false;
      SetColWidths(Colclicked, width);
    }
  }
  if (ColSized) {
    Colclicked = -1;
    Rowclicked = -1;
  }
  ColSized = false;
  if (FColumnSize.Stretch() && FScrollProportional) UpdateProportionalScrollV();
  CellControlsUpdate(false);
}

void TZadIrururOziz::RowHeightsChanged() {
  TBaseGrid::RowHeightsChanged();
  if (Rowsized && FMouseActions->AllRowSize() && Rowclickedsize > 0) Proportional_Sizes(false);
  if (Rowsized) {
    if (OnEndRowSize) OnEndRowSize(this, Rowclicked);
    Colclicked = -1;
    Rowclicked = -1;
  }
  Rowsized = false;
  CellControlsUpdate(false);
}

TColor TZadIrururOziz::ArrowColor() { return ArrowWindow(arrUp)->Color(); }

void TZadIrururOziz::SetArrowColor(TColor Value) {
  for (TArrowDirection dir : {arrUp, arrDown, arrLeft, arrRight}) ArrowWindow(dir)->SetColor(Value);
}

void TZadIrururOziz::ComponentNotify(QObject* AComponent, int Operation) {
  constexpr int opRemove = 1;
  if (Operation != opRemove || !AComponent) return;
  if (FCellChecker == AComponent) FCellChecker = nullptr;
  if (!Destroying() && FSyncGrid->Grid() == AComponent) FSyncGrid->SetGrid(nullptr);
}
