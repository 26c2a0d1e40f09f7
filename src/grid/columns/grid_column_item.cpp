#include "grid/columns/grid_column_item.h"

#include "grid/columns/grid_column_collection.h"
#include "grid/columns/zad_column_grid.h"

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection) {
  if (TZadColumnGrid* grid = Grid()) {
    const TGridFont font{grid->GridFont(), grid->FontColor()};
    FFont = FHeaderFont = FPrintFont = font;
    FColor = grid->Color();
  }
}

TZadColumnGrid* TGridColumnItem::Grid() const { return FCollection ? FCollection->Owner() : nullptr; }

int TGridColumnItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

QString TGridColumnItem::DisplayName() const {
  return FName.isEmpty() ? QStringLiteral("Column %1").arg(Index())
                         : QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
}

void TGridColumnItem::Changed() {
  if (FCollection) FCollection->Update(this);
}

void TGridColumnItem::Repaint() {
  if (TZadColumnGrid* grid = Grid()) grid->InvalidateGrid();
}

QString TGridColumnItem::GetRows(int idx) const {
  TZadColumnGrid* grid = Grid();
  return grid ? grid->GetCellEx(Index(), idx) : QString();
}

void TGridColumnItem::SetRows(int idx, const QString& Value) {
  if (TZadColumnGrid* grid = Grid()) grid->SetCellEx(Index(), idx, Value);
}

// ---- properties with effects beyond storing

int TGridColumnItem::Width() const {
  if (!FCollection) return 0;
  TZadColumnGrid* grid = Grid();
  return grid ? grid->GetAllColWidths(Index()) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TZadColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetHeader(const QString& Value) {
  FHeader = Value;
  TZadColumnGrid* grid = Grid();
  if (!grid) return;
  // During a column move the cells of row 0 travel with their column; the
  // header list is rebuilt once the move is over.
  if (grid->ColumnMoving()) return;
  if (grid->FixedRows() > 0) {
    grid->SetCellEx(Index(), 0, Value);
    Changed();
  }
  QStringList headers;
  for (int i = 0; i < FCollection->Count(); ++i) headers << FCollection->GetItem(i)->Header();
  grid->SetColumnHeaders(headers);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Repaint();
}

void TGridColumnItem::SetFloatFormat(const QString& Value) {
  FFloatFormat = Value;
  Repaint();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  Repaint();
}

void TGridColumnItem::SetHeaderFont(const TGridFont& Value) {
  const bool changed = !(FHeaderFont == Value);
  FHeaderFont = Value;
  Repaint();
  if (changed) Changed();
}

void TGridColumnItem::SetFont(const TGridFont& Value) {
  FFont = Value;
  Changed();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  Changed();
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  Changed();
}

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  Changed();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  Changed();
}

void TGridColumnItem::SetBorderPen(const TCanvas::Pen_State& Value) {
  FBorderPen = Value;
  Changed();
}

void TGridColumnItem::SetFilter(const QStringList& Value) {
  FFilter = Value;
  Repaint();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (FEditor == Value) return;
  const bool check_box = FEditor == edDataCheckBox || Value == edDataCheckBox;
  FEditor = Value;
  if (check_box) Repaint();
}

// ---- copying

void TGridColumnItem::Assign(const TGridColumnItem& Source) {
  if (&Source == this) return;
  // The live width of the source's column, stored without resizing a column.
  FWidth = Source.Width();
  FAlignment = Source.FAlignment;
  SetHeader(Source.FHeader);
  FSortStyle = Source.FSortStyle;
  FSortPrefix = Source.FSortPrefix;
  FSortSuffix = Source.FSortSuffix;
  FEditMask = Source.FEditMask;
  FEditLength = Source.FEditLength;
  FEditLink = Source.FEditLink;
  FFont = Source.FFont;
  FColor = Source.FColor;
  FEditor = Source.FEditor;
  FFixed = Source.FFixed;
  FReadOnly = Source.FReadOnly;
  FComboItems = Source.FComboItems;
  FDropDownCount = Source.FDropDownCount;
  FSpinMin = Source.FSpinMin;
  FSpinMax = Source.FSpinMax;
  FSpinStep = Source.FSpinStep;
  FPassword = Source.FPassword;
  FPrintFont = Source.FPrintFont;
  FPrintColor = Source.FPrintColor;
  FBorders = Source.FBorders;
  FBorderPen = Source.FBorderPen;
  FPrintBorders = Source.FPrintBorders;
  FPrintBorderPen = Source.FPrintBorderPen;
  FTag = Source.FTag;
  FDefIdx = Source.FDefIdx;
  FName = Source.FName;
  FCheckFalse = Source.FCheckFalse;
  FCheckTrue = Source.FCheckTrue;
  FShowBands = Source.FShowBands;
  FFilter = Source.FFilter;
  FMaxSize = Source.FMaxSize;
  FMinSize = Source.FMinSize;
  FAutoMinSize = Source.FAutoMinSize;
  FAutoMaxSize = Source.FAutoMaxSize;
  FColumnPopupType = Source.FColumnPopupType;
  FColumnPopup = Source.FColumnPopup;
  FFilterCaseSensitive = Source.FFilterCaseSensitive;
  FFloatFormat = Source.FFloatFormat;
  FHeaderAlignment = Source.FHeaderAlignment;
  FHeaderFont = Source.FHeaderFont;
  FPrintBorderCustom = Source.FPrintBorderCustom;
  FPrintFontCustom = Source.FPrintFontCustom;
  Changed();
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source) {
  if (&Source == this) return;
  FAlignment = Source.FAlignment;
  FHeaderAlignment = Source.FHeaderAlignment;
  FBorderPen = Source.FBorderPen;
  FBorders = Source.FBorders;
  FCheckFalse = Source.FCheckFalse;
  FCheckTrue = Source.FCheckTrue;
  FEditLength = Source.FEditLength;
  FEditLink = Source.FEditLink;
  FEditMask = Source.FEditMask;
  FEditor = Source.FEditor;
  FFixed = Source.FFixed;
  FPassword = Source.FPassword;
  FPrintBorderPen = Source.FPrintBorderPen;
  FPrintBorders = Source.FPrintBorders;
  FPrintColor = Source.FPrintColor;
  FPrintFont = Source.FPrintFont;
  FReadOnly = Source.FReadOnly;
  FSortPrefix = Source.FSortPrefix;
  FSortStyle = Source.FSortStyle;
  FSortSuffix = Source.FSortSuffix;
  FSpinMax = Source.FSpinMax;
  FSpinMin = Source.FSpinMin;
  FSpinStep = Source.FSpinStep;
  FColumnPopup = Source.FColumnPopup;
  FWidth = Source.Width();
  FShowBands = Source.FShowBands;
  FMinSize = Source.FMinSize;
  FMaxSize = Source.FMaxSize;
  FAutoMinSize = Source.FAutoMinSize;
  FAutoMaxSize = Source.FAutoMaxSize;
  FFilter = Source.FFilter;
  FFilterCaseSensitive = Source.FFilterCaseSensitive;
  FDefIdx = Source.FDefIdx;
  FFloatFormat = Source.FFloatFormat;
  if (TZadColumnGrid* grid = Grid()) {
    FColor = grid->Color();
    FFont = TGridFont{grid->GridFont(), grid->FontColor()};
  }
  Changed();
}
