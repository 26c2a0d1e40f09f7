// Fitting columns and rows to their contents, stretching the columns over
// the control and sizing the control to its cells (TZadIrururOziz).
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

using grid_text::ClampToLimits;

int TZadIrururOziz::GetAllColWidths(int i) const {
  if (i < 0 || i >= TotalColCount()) return 0;
  if (i < Column_Flags && !FVisibleCol[size_t(i)]) return FAllColWidths[size_t(i)];
  return ColWidths(const_cast<TZadIrururOziz*>(this)->DisplColIndex(i));
}

void TZadIrururOziz::SetAllColWidths(int i, int Value) {
  if (i < 0 || i >= TotalColCount()) return;
  if (i < Column_Flags && !FVisibleCol[size_t(i)])
    FAllColWidths[size_t(i)] = int16_t(std::clamp(Value, 0, 32767));
  else
    SetColWidths(DisplColIndex(i), Value);
}

void TZadIrururOziz::DoUpdateColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TZadIrururOziz::DoUpdateColumnSizeAuto(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

QPoint TZadIrururOziz::GetCellGraphicRowExtent(int ACol, int ARow, int Extra) {
  (void)Extra;
  return GetCellGraphicSize(ACol, ARow);
}

// ---- columns

void TZadIrururOziz::FitColumnWidth(int ACol, bool GrowOnly) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int real = RealColIndex(ACol);
  int first = 0, last = RowCount() - 1;
  if (FColumnSizeRows == arNormal) {
    first = FixedRows();
    last = RowCount() - FFixedFooters - 1;
  } else if (FColumnSizeRows == arFixed) {
    last = FixedRows() - 1;
  }
  const int lines = 2 * (GridLineWidth() + 1);
  int widest = 0;
  for (int r = first; r <= last; ++r) {
    if (IsXMergedCell(real, r)) continue;
    int need = GetCellGraphicSize(real, r).x() + GetCellTextSize(real, r, false, false).width();
    if (FControlLook.DropDownAlwaysVisible() && DoHasComboBox(real, r)) need += 16;
    if (ShowsSortGlyph(ACol, r) && ACol == FSortSettings.Column) need += 10;
    if (const TCellGraphic* graphic = GetCellGraphic(real, r); graphic && graphic->CellHAlign == haFull)
      need = GetCellGraphicSize(real, r).x() - (lines + FXYOffset.x());
    widest = std::max(widest, need);
  }
  int width = HorzCellMargin() + widest + lines;
  if (GrowOnly && ColWidths(ACol) >= width) return;
  DoUpdateColumnSizeAuto(ACol, width);
  SetColWidths(ACol, ClampToLimits(width, FMinColWidth, FMaxColWidth));
}

void TZadIrururOziz::AutoSizeCol(int ACol, int Padding) {
  FitColumnWidth(ACol, FSizeGrowOnly);
  if (Padding != 0 && ACol >= 0 && ACol < ColCount())
    SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TZadIrururOziz::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int first = DoFixedCols ? 0 : FixedCols();
  const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

void TZadIrururOziz::AutoFitColumns(bool DoFixedCells) {
  const bool rows_hidden_below = VisibleRowCount() + FixedRows() < RowCount();
  const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
  const int sb = policy == Qt::ScrollBarAlwaysOn || (policy != Qt::ScrollBarAlwaysOff && rows_hidden_below)
                     ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)
                     : 0;
  const int bw = frameShape() == QFrame::NoFrame ? 0 : 2 * frameWidth();
  int first = 0, last = ColCount() - 1, room = width();
  if (!DoFixedCells) {
    first = FixedCols();
    last = ColCount() - FFixedRightCols - 1;
    for (int c = 0; c < ColCount(); ++c)
      if (c < first || c > last) room -= ColWidths(c);
  }
  int lines = (Options() & goVertLine) ? (ColCount() - FixedCols() - FFixedRightCols) * GridLineWidth() : 0;
  if ((Options() & goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;

  if (ColCount() < 2) {
    SetColWidths(0, width() - sb - 5);
  } else {
    long long sum = 0;
    for (int c = first; c <= last; ++c) sum += ColWidths(c);
    if (sum == room - sb - bw || sum <= 0) return;
    const double ratio = double(room - sb - bw - lines) / double(sum);
    long long total = 0;
    for (int c = first; c <= last; ++c) total += std::llround(std::nearbyint(ColWidths(c) * ratio));
    for (int c = first; c <= last; ++c)
      SetColWidths(c, int(std::nearbyint(double(ColWidths(c)) * double(total) / double(sum))));
  }
  const int count = last - first + 1;
  if (count <= 0) return;
  int used = 0;
  for (int c = first; c <= last; ++c) used += ColWidths(c);
  int rest = room - (used + sb + bw);
  if (count > 1 && count < rest) {
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / count);
    rest %= count;
  }
  int widest = first;
  for (int c = first; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  SetColWidths(widest, ColWidths(widest) + rest);
}

// ---- rows

void TZadIrururOziz::FitRowHeight(int ARow, bool GrowOnly, int Extra) {
  if (ARow < 0 || ARow >= RowCount()) return;
  int tallest = 0;
  for (int c = 0; c < ColCount(); ++c) {
    const int real = RealColIndex(c);
    if (IsYMergedCell(real, ARow) || IsIgnoredColumn(real)) continue;
    int text = GetCellTextSize(real, ARow, false, GridWordWrap()).height();
    int graphic = GetCellGraphicRowExtent(real, ARow, Extra).y();
    const TCellGraphic* object = GetCellGraphic(real, ARow);
    if (object && object->CellVAlign == vaFull) graphic = text > 0 ? 0 : DefaultRowHeight();
    const TCellType kind = object ? object->CellType : ctEmpty;
    if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && graphic > 0) text = 0;
    int need = text + graphic;
    if (IsMergedNonBaseCell(real, ARow)) need = 0;
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton)
      need = DefaultRowHeight();
    tallest = std::max(tallest, need);
  }
  const int height = VertCellMargin() + tallest + 2 * GridLineWidth() + (FPaintLook.XYOffsetTopLeftOnly ? 2 : 0);
  if (GrowOnly && RowHeights(ARow) >= height) return;
  SetRowHeights(ARow, ClampToLimits(height, FMinRowHeight, FMaxRowHeight));
}

void TZadIrururOziz::AutoSizeRow(int ARow, int Padding) {
  FitRowHeight(ARow, FSizeGrowOnly, Padding);
  if (Padding != 0 && ARow >= 0 && ARow < RowCount())
    SetRowHeights(ARow, ClampToLimits(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TZadIrururOziz::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() == 0) return;
  for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
    if (GridWordWrap())
      AutoSizeRow(r, Padding);
    else
      SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
  }
}

void TZadIrururOziz::SetRowHeightForLines(int ARow, int Lines, int Base) {
  if (ARow < 0 || ARow >= RowCount()) return;
  QFont font = GridFont();
  TColor font_colour = FontColor();
  TCanvas::Brush_State brush;
  brush.Color = Color();
  DoGetCellColor(FixedCols(), ARow, 0, brush, font, font_colour);
  const int h = QFontMetrics(font).height();
  SetRowHeights(ARow, ClampToLimits(Base + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

void TZadIrururOziz::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  BeginUpdate();
  const int first_col = DoFixedCells ? 0 : FixedCols();
  const int first_row = DoFixedCells ? 0 : FixedRows();
  for (int c = first_col; c < ColCount(); ++c) {
    const int real = RealColIndex(c);
    int running = FSizeGrowOnly ? ColWidths(c) : 0;
    for (int r = first_row; r < RowCount(); ++r) {
      const QPoint graphic = GetCellGraphicSize(real, r);
      const QSize text = GetCellTextSize(real, r, false, false);
      int w = text.width() + graphic.x() + PaddingX + FXYOffset.x();
      if (!IsXMergedCell(real, r) && w > running) {
        w = ClampToLimits(w, FMinColWidth, FMaxColWidth);
        if (w > running) {
          SetColWidths(c, w);
          running = w;
        }
      }
      int h = text.height() + graphic.y() + PaddingY + FXYOffset.y();
      if (!IsYMergedCell(real, r) && h > RowHeights(r)) {
        h = ClampToLimits(h, FMinRowHeight, FMaxRowHeight);
        if (h > RowHeights(r)) SetRowHeights(r, h);
      }
    }
  }
  EndUpdate();
}

// ---- the control

void TZadIrururOziz::SizeToCols() {
  int total = 0;
  for (int c = 0; c < ColCount(); ++c) total += ColWidths(c);
  resize(total + width() - viewport()->width(), height());
}

void TZadIrururOziz::SizeToRows() {
  int total = 0;
  for (int r = 0; r < RowCount(); ++r) total += RowHeights(r);
  resize(width(), total + height() - viewport()->height());
}

void TZadIrururOziz::SizeToCells() {
  const Qt::ScrollBarPolicy h = horizontalScrollBarPolicy(), v = verticalScrollBarPolicy();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SizeToCols();
  SizeToRows();
  setHorizontalScrollBarPolicy(h);
  setVerticalScrollBarPolicy(v);
}
