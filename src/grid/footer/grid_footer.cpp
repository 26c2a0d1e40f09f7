// The grid's side of the floating footer: its settings object and panel,
// the footer row that follows the row count, and the footer calculations
// that fill the last row from each column's calculation type.
#include "controls/canvas.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/footer/footer_panel.h"

// ---- the settings

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const {
  if (!FOwner || c < 0) return acNONE;
  const int r = FOwner->RowCount() - 1;
  if (!FOwner->HasCellProperties(c, r)) return acNONE;
  return FOwner->Store().Object(c, r)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value) {
  if (!FOwner || c < 0) return;
  const int r = FOwner->RowCount() - 1;
  FOwner->GetCellProperties(c, r)->SetCalcType(Value);
  FOwner->RecalcFooterColumn(c, r);
}

void TFloatingFooter::Assign(const TFloatingFooter& Source) {
  if (&Source == this) return;
  FCalculateHiddenRows = Source.FCalculateHiddenRows;
  FColor = Source.FColor;
  FColumn = Source.FColumn;
  FCustomTemplate = Source.FCustomTemplate;
  FFooterStyle = Source.FFooterStyle;
  SetVisible(Source.FVisible);
  SetShowHint(Source.FShowHint);
  // The style was stored without a notice: the grid follows it now.
  if (OnChange) OnChange();
}

// ---- the grid's members

TFloatingFooter& TZadIrururOziz::FloatingFooter() {
  if (!FFloatingFooter) {
    FFloatingFooter = std::make_shared<TFloatingFooter>(this);
    FFloatingFooter->OnChange = [this] { Floating_Footer_Changed(); };
    FFloatingFooter->OnHeight = [this] {
      if (FFooterPanel && FFloatingFooter->Visible() && FFloatingFooter->Height() > 0) FFooterPanel->Place();
    };
    FFloatingFooter->OnShowHint = [this] {
      if (FFooterPanel) FFooterPanel->setAttribute(Qt::WA_AlwaysShowToolTips, FFloatingFooter->ShowHint());
    };
    FFloatingFooter->OnInvalidate = [this] {
      if (FFooterPanel) FFooterPanel->update();
    };
  }
  return *FFloatingFooter;
}

void TZadIrururOziz::Create_Footer_Panel() {
  FloatingFooter();
  FFooterPanel = new TFooterPanel(this);
  FFooterPanel->Place();
  if (OnCreatedFloatingFooter) OnCreatedFloatingFooter(this);
}

void TZadIrururOziz::Floating_Footer_Changed() {
  const bool visible = FFloatingFooter->Visible();
  const bool footer_row = visible && FFloatingFooter->FooterStyle() == fsFixedLastRow;
  SetFixedFooters(footer_row ? 1 : 0);
  SetHideLastRow(footer_row);
  if (FFooterPanel) {
    FFooterPanel->setVisible(visible);
    FFooterPanel->Place();
    FFooterPanel->update();
  }
  InvalidateGrid();
}

void TZadIrururOziz::HiddenRowChanged() {
  TBaseGrid::HiddenRowChanged();
  if (FFooterPanel) FFooterPanel->update();
}

int TZadIrururOziz::Bottom_Reserve() const {
  int reserve = SearchPanelHeight();
  // The last row of fsFixedLastRow lies under the panel; any other footer
  // takes its own room.
  if (FFloatingFooter && FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() != fsFixedLastRow)
    reserve += FFloatingFooter->Height();
  return reserve;
}

QString TZadIrururOziz::FooterCellText(int ACol, int ARow) {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return QString();
  return GetCellEx(RealColIndex(ACol), ARow);
}

void TZadIrururOziz::PaintFooterCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  PaintCellContent(ACanvas, ACol, ARow, ARect, AState);
}

void TZadIrururOziz::Carry_Footer_Row(int OldCount) {
  if (!FFloatingFooter || !FFloatingFooter->Visible() || OldCount == RowCount() || OldCount < 1) return;
  // The footer row moves with its texts and cell properties (the column
  // calculations live there); the rows between shift by one.
  Store().Move_Row(OldCount - 1, RowCount() - 1);
  CalcFooter(-1);
  InvalidateGrid();
  if (FFooterPanel) FFooterPanel->update();
}

// ---- calculations

void TZadIrururOziz::RecalcFooter() { CalcFooter(-1); }

void TZadIrururOziz::RecalcFooterColumn(int ACol, int ARow) {
  (void)ARow;
  CalcFooter(ACol);
}

void TZadIrururOziz::CalcFooter(int ACol) {
  if (!FFloatingFooter || !FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != fsFixedLastRow ||
      !FFloatingFooter->EnableCalculation())
    return;
  if (ACol >= 0) {
    Calc_Footer_Column(ACol);
  } else {
    for (int c = 0; c < AllColCount(); ++c) Calc_Footer_Column(c);
  }
  if (FFooterPanel) FFooterPanel->update();
}

void TZadIrururOziz::Calc_Footer_Column(int ACol) {
  const int r = RowCount() - 1;
  if (ACol < 0 || !HasCellProperties(ACol, r)) return;
  const TColumnCalcType kind = Store().Object(ACol, r)->CalcType();
  if (kind == acNONE) return;
  // The data rows as shown, or as real rows with the hidden ones.
  int from = FixedRows();
  int to = RowCount() - FFixedFooters - 1;
  if (FFloatingFooter->CalculateHiddenRows() && NumHiddenRows() > 0) to = AllRowCount() - FFixedFooters - 1;
  if (kind == acCUSTOM) {
    QString text;
    if (OnFooterCalc)
      OnFooterCalc(this, ACol, text);
    else if (FFloatingFooter->OnCalcFooter)
      FFloatingFooter->OnCalcFooter(this, ACol, text);
    SetCellEx(ACol, r, text);
    return;
  }
  if (kind == acCOUNT || kind == acDISTINCT) {
    const int count = kind == acCOUNT ? std::max(0, to - from + 1) : int(ColumnDistinct(ACol, from, to));
    SetCellEx(ACol, r, QString::number(count));
    return;
  }
  try {
    double value = 0;
    switch (kind) {
      case acSUM:
        value = ColumnSum(ACol, from, to);
        break;
      case acAVG:
        value = ColumnAvg(ACol, from, to);
        break;
      case acMIN:
        value = ColumnMin(ACol, from, to);
        break;
      case acMAX:
        value = ColumnMax(ACol, from, to);
        break;
      case acSPREAD:
        value = ColumnMax(ACol, from, to) - ColumnMin(ACol, from, to);
        break;
      case acSTDDEV:
        value = ColumnStdDev(ACol, from, to);
        break;
      default:
        return;
    }
    SetFloats(ACol, r, value);
  } catch (const VAzaZeriVader&) {
    // A column whose first value (or any, for the deviation) is no number
    // has no result: the footer stays empty rather than failing the edit.
    SetCellEx(ACol, r, QString());
  }
}
