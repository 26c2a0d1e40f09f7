#include "grid/core/base_grid.h"

#include <QPainter>

#include "grid/core/base_cell_painter.h"
#include "grid/store/text_helpers.h"

TBaseGrid::TBaseGrid(QWidget* parent) : Platform_Grid(parent) {}

TBaseGrid::~TBaseGrid() {
  destroying_ = true;
  // Properties and the cell objects the grid owns go with the store; nothing
  // may repaint on the way.
  Store().Clear();
}

// ---- cell text

QString TBaseGrid::GetCellEx(int c, int r) {
  if (c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount()) return QString();
  const QPoint base = HasCellProperties(c, r) ? BaseCell(c, r) : QPoint(c, r);
  QString value = Store().Text(base.x(), base.y());
  if (base.y() < FNormalRowCount) {
    DoGetDisplText(base.x(), base.y(), value);
    if (OnGetDisplWideText) {
      QString wide = grid_text::DecodeWideCellText(value);
      DoGetDisplWideText(base.x(), base.y(), wide);
      value = grid_text::EncodeWideCellText(wide);
    }
  }
  return value;
}

void TBaseGrid::SetCellEx(int c, int r, const QString& Value) {
  if (c < 0 || r < 0) return;
  if (HasCellProperties(c, r)) {
    const QPoint base = BaseCell(c, r);
    Store().Set_Text(base.x(), base.y(), Value);
    CellWritten(base.x(), base.y());
    RepaintCell(c, r);
  } else {
    Store().Set_Text(c, r, Value);
    InvalidateCell(c, r);
  }
  if (FHideLastRow && r == RowCount() - 1) HiddenRowChanged();
}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

// ---- objects and properties

quintptr TBaseGrid::GetObjectEx(int c, int r) const {
  const TCellProperties* props = HasCellProperties(c, r) ? Store().Object(c, r) : nullptr;
  return props ? props->CellObject() : 0;
}

void TBaseGrid::SetObjectEx(int c, int r, quintptr Value) {
  GetCellProperties(c, r)->SetCellObject(Value);
  RepaintCell(c, r);
}

TCellObjectBase* TBaseGrid::GetGraphicObjectEx(int c, int r) const {
  const TCellProperties* props = HasCellProperties(c, r) ? Store().Object(c, r) : nullptr;
  return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TCellObjectBase* Value) {
  if (destroying_) return;
  TCellProperties* props = GetCellProperties(c, r);
  TCellObjectBase* old = props->GraphicObject();
  // A cell object the grid owns is not left behind when it is replaced.
  if (old && old != Value && old->Owned_By_Grid()) delete old;
  props->SetGraphicObject(Value);
  RepaintCell(c, r);
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r) { return Store().GetCellProperties(c, r); }

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value) { Store().SetCellProperties(c, r, Value); }

TCellObjectBase* TBaseGrid::GraphicObjectOf(const TCellProperties* Props) {
  return Props ? Props->GraphicObject() : nullptr;
}

void TBaseGrid::Initial_Cell_Look(int ACol, int ARow, TCellProperties& Props) {
  QFont font = FFont;
  TColor font_color = FFontColor, brush = FColor, color_to = clNone, mirror = clNone, mirror_to = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  GetInitialCellProps(ACol, ARow, font, font_color, brush, color_to, mirror, mirror_to, ha, va, ww, gd);
  Props.SetCalcType(acNONE);
  Props.SetAlignment(ha);
  Props.SetVAlignment(va);
  Props.SetWordWrap(ww);
  Props.SetFontName(font.family());
  Props.SetFontSize(font.pointSize());
  TFontStyles style = 0;
  if (font.bold()) style |= fsBold;
  if (font.italic()) style |= fsItalic;
  if (font.underline()) style |= fsUnderline;
  if (font.strikeOut()) style |= fsStrikeOut;
  Props.SetFontStyle(style);
  Props.SetFontColor(font_color);
  Props.SetBrushColor(brush);
  Props.SetBrushColorTo(color_to);
  Props.SetGradientDirection(gd);
}

void TBaseGrid::GetInitialCellProps(int, int, QFont& AFont, TColor& AFontColor, TColor& ABrushColor, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) {
  AFont = FFont;
  AFontColor = FFontColor;
  ABrushColor = FColor;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = FWordWrap;
  GD = GradientVertical;
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TCanvas::Brush_State&, TColor&,
                                    TColor&, TColor&, QFont&, TColor&, TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&) {}

// ---- merging and geometry

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) { Store().MergeCells(c, r, spanx, spany); }

void TBaseGrid::SplitCells(int c, int r) { Store().SplitCells(c, r); }

TRect TBaseGrid::CellRect(int c, int r) const {
  const TCellProperties* props = HasCellProperties(c, r) ? Store().Object(c, r) : nullptr;
  if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
    const QPoint base = BaseCell(c, r);
    const QPoint span = CellSpan(c, r);
    TRect first = UnclippedCellRect(base.x(), base.y());
    TRect last = UnclippedCellRect(base.x() + span.x(), base.y() + span.y());
    // Hidden (zero-width) columns must not drop out of the union.
    if (first.Width() == 0) first.Right += 1;
    if (last.Width() == 0) last.Left -= 1;
    return TRect{std::min(first.Left, last.Left), std::min(first.Top, last.Top), std::max(first.Right, last.Right),
                 std::max(first.Bottom, last.Bottom)};
  }
  if (props && props->Control()) return UnclippedCellRect(c, r);
  return PlatformCellRect(c, r);
}

QPoint TBaseGrid::CellSize(int c, int r) const {
  const TCellProperties* props = HasCellProperties(c, r) ? Store().Object(c, r) : nullptr;
  if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
    const QPoint base = BaseCell(c, r);
    const QPoint span = CellSpan(c, r);
    const TRect first = UnclippedCellRect(base.x(), base.y());
    const TRect last = UnclippedCellRect(base.x() + span.x(), base.y() + span.y());
    return QPoint(last.Right - first.Left, last.Bottom - first.Top);
  }
  const TRect rect = UnclippedCellRect(c, r);
  return QPoint(rect.Width(), rect.Height());
}

void TBaseGrid::RepaintCell(int c, int r) {
  // Only a shown grid repaints; blocks out of view need no rectangle.
  if (destroying_ || !isVisible() || !Block_In_View(FullCell(c, r))) return;
  InvalidateRect(CellRect(c, r));
}

void TBaseGrid::MoveToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  const QPoint base = BaseCell(Col(), Row());
  if (base != QPoint(Col(), Row())) FocusCell(base.x(), base.y());
}

// ---- freeing and resetting

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  Store().FreeCellPropertiesRange(FromCol, FromRow, ToCol, ToRow);
}

void TBaseGrid::FreeCellProperties(int c, int r) { Store().FreeCellProperties(c, r); }

void TBaseGrid::ResetCell(int c, int r) {
  // The slot is cleared first so that the cell's own text is emptied, not the
  // text of a merged block's base cell.
  Store().Set_Object(c, r, nullptr);
  SetCellEx(c, r, QString());
}

void TBaseGrid::ResetRowCells(int ARow) {
  for (int c = 0; c < TotalColCount(); ++c) ResetCell(c, ARow);
}

void TBaseGrid::ResetColumnCells(int ACol) {
  for (int r = 0; r < RowCount(); ++r) ResetCell(ACol, r);
}

// ---- properties

void TBaseGrid::Set_And_Invalidate(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  InvalidateGrid();
}

void TBaseGrid::SetColor(TColor Value) { Set_And_Invalidate(FColor, Value); }
void TBaseGrid::SetFontColor(TColor Value) { Set_And_Invalidate(FFontColor, Value); }

void TBaseGrid::SetGridFont(const QFont& Value) {
  FFont = Value;
  InvalidateGrid();
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  InvalidateGrid();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  InvalidateGrid();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  InvalidateGrid();
}

void TBaseGrid::SetActiveRowShow(bool Value) {
  if (FActiveRowShow == Value) return;
  FActiveRowShow = Value;
  InvalidateGrid();
}

void TBaseGrid::SetActiveRowColor(TColor Value) { Set_And_Invalidate(FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { Set_And_Invalidate(FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { Set_And_Invalidate(FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { Set_And_Invalidate(FActiveRowMirrorColorTo, Value); }

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
  if (FSelectionStyle == Value) return;
  FSelectionStyle = Value;
  InvalidateGrid();
}

// ---- painting

void TBaseGrid::PaintGrid(QPainter& painter) {
  Platform_Grid::PaintGrid(painter);
  ++FPaintID;
}

void TBaseGrid::DrawCell(QPainter& painter, int c, int r, const TRect& rect, TGridDrawState state) {
  TCanvas canvas(painter);
  DrawGridCell(canvas, c, r, rect, state);
}

void TBaseGrid::DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCell(*this, ACanvas, ACol, ARow, ARect, AState);
}

void TBaseGrid::PaintCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState) {
  TRect r = ARect;
  ACanvas.Brush.Style = TBrushStyle::bsClear;
  ACanvas.Draw_Text(GetCellEx(ACol, ARow), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

// ---- selection, keys, wheel, scrolling

bool TBaseGrid::SelectCell(int c, int r) {
  RepaintCell(Col(), Row());
  const bool allowed = Platform_Grid::SelectCell(c, r);
  RepaintCell(c, r);
  return allowed;
}

bool TBaseGrid::HandleKeyDown(int key, Qt::KeyboardModifiers shift) {
  const bool has_props = HasCellProperties(Col(), Row());
  const QPoint base = has_props ? BaseCell(Col(), Row()) : QPoint(Col(), Row());
  const TCellProperties* base_props =
      HasCellProperties(base.x(), base.y()) ? Store().Object(base.x(), base.y()) : nullptr;
  const int span_x = base_props ? base_props->CellSpanX() : -1;
  const int span_y = base_props ? base_props->CellSpanY() : -1;
  switch (key) {
    case Qt::Key_PageDown:
      if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
        SetRow(RowCount() - 2);
      break;
    case Qt::Key_Left:
      // From a covered cell the step starts at the block's base cell.
      if (has_props && base.x() < Col() && Col() > FixedCols() && base.x() > 0) FocusCell(base.x(), base.y());
      break;
    case Qt::Key_Up:
      if (has_props && base.y() < Row() && Row() > FixedRows() && base.y() > 0) FocusCell(base.x(), base.y());
      break;
    case Qt::Key_Right: {
      const int last = base.x() + span_x;
      if (last >= Col() && Col() < ColCount() - 1 && base.x() < ColCount() - 1 && last < ColCount()) SetCol(last);
      break;
    }
    case Qt::Key_Down: {
      const int last = base.y() + span_y;
      if (last >= Row() && Row() < RowCount() - 1 && base.y() < RowCount() - 1) SetRow(last);
      break;
    }
    default:
      break;
  }
  const bool used = Platform_Grid::HandleKeyDown(key, shift);
  MoveToBaseCell();
  return used;
}

bool TBaseGrid::HandleWheelDown() {
  const bool result = Platform_Grid::HandleWheelDown();
  if (Row() > TopRow() + VisibleRowCount() && Row() != RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::HandleWheelUp() {
  const bool result = Platform_Grid::HandleWheelUp();
  MoveToBaseCell();
  return result;
}

void TBaseGrid::TopLeftChanged() {
  Platform_Grid::TopLeftChanged();
  // Blocks reaching from the fixed area into scrolled cells are redrawn whole.
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}
