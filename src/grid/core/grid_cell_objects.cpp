// Cell objects and the per-cell question dispatchers of TZadIrururOziz.
// Column arguments here are storage (real) columns, rows display rows.
#include <QFontMetrics>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_auto_link.h"
#include "grid/store/checked_format.h"

// ---- cell objects

TCellGraphic* TZadIrururOziz::GetCellGraphic(int ACol, int ARow) {
  if (MouseActions().HotmailRowSelect() && ACol == 0) {
    // The shared row check box answers for every row of column 0.
    FCellGraphic.CellType = ctRowCheckBox;
    FCellGraphic.CellAngle = 0;
    FCellGraphic.CellBoolean = false;
    return &FCellGraphic;
  }
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellType TZadIrururOziz::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (MouseActions().HotmailRowSelect() && ACol == 0) return ctRowCheckBox;
  const TCellGraphic* graphic = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
  return graphic ? graphic->CellType : ctEmpty;
}

TIntList* TZadIrururOziz::GetCellImages(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic && graphic->CellType == ctImages ? static_cast<TIntList*>(graphic->CellBitmap) : nullptr;
}

TCellGraphic* TZadIrururOziz::CreateCellGraphic(int ACol, int ARow) {
  auto* graphic = new TCellGraphic();
  // SetGraphicObjectEx frees the cell's own earlier object; a shared one is
  // never stored in a cell, so it is never touched.
  SetGraphicObjectEx(ACol, ARow, graphic);
  const int display = DisplColIndex(ACol);
  if (FNumHidden > 0 && display != ACol) RepaintCell(display, ARow);
  return graphic;
}

bool TZadIrururOziz::RemoveCellGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  // A shared object (the row check box, a column's check box) is not the
  // cell's own: nothing to remove.
  if (graphic == &FCellGraphic || graphic != GetGraphicObjectEx(ACol, ARow)) return true;
  GetCellProperties(ACol, ARow)->SetGraphicObject(nullptr);
  delete graphic;
  if (!Destroying()) RepaintCell(ACol, ARow);
  return true;
}

bool TZadIrururOziz::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind) {
  return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

bool TZadIrururOziz::HasCellType(int ACol, int ARow, std::initializer_list<TCellType> Kinds) {
  if (ACol < 0 || ARow < 0) return false;
  const QPoint base = BaseCell(ACol, ARow);
  const TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
  return graphic && std::find(Kinds.begin(), Kinds.end(), graphic->CellType) != Kinds.end();
}

bool TZadIrururOziz::HasCellControl(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const QPoint base = BaseCell(ACol, ARow);
  switch (GetCellType(base.x(), base.y())) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
      return true;
    default:
      return false;
  }
}

bool TZadIrururOziz::IsDataCellObject(int ACol, int ARow) {
  const QPoint base = BaseCell(ACol, ARow);
  const TCellType kind = GetCellType(base.x(), base.y());
  return kind == ctDataCheckBox || kind == ctDataImage || kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

void TZadIrururOziz::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw std::runtime_error("Invalid cell");
  const TCellVAlign val = FVAlignment == vtaCenter ? vaCenter : FVAlignment == vtaBottom ? vaBottom : vaTop;
  CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, val);
  // A data check box keeps a text that already is one of the two.
  if (Data && GetCellEx(ACol, ARow) != FCheckTrue && GetCellEx(ACol, ARow) != FCheckFalse)
    SetCellEx(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TZadIrururOziz::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TZadIrururOziz::SetAngle(int ACol, int ARow, int AAngle) { CreateCellGraphic(ACol, ARow)->SetAngle(AAngle); }

QPoint TZadIrururOziz::CalcCellGraphicSize(int ACol, int ARow, int Reserve) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return QPoint(0, 0);
  const bool has_text = !GetCellEx(ACol, ARow).isEmpty();
  const QFontMetrics metrics(GridFont());
  const QPoint cell = CellSize(DisplColIndex(ACol), ARow);
  QPoint size(0, 0);
  switch (graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
      size = QPoint(FCheckBoxSize, FCheckBoxSize);
      break;
    case ctPicture:
    case ctFilePicture:
      size = graphic->GetPictureSize(cell.x() - 2 * FXYOffset.x() - 1, cell.y() - 2 * FXYOffset.y() - Reserve - 1,
                                     has_text);
      break;
    case ctImages: {
      const auto* list = static_cast<const TIntList*>(graphic->CellBitmap);
      const int count = list ? list->Count() : 0;
      size = QPoint(0, 0);  // no image list here: images have no size
      (void)count;
      break;
    }
    case ctButton:
    case ctBitButton: {
      const int bw = graphic->CellIndex & 0xFFFF, bh = (uint32_t(graphic->CellIndex) >> 16) & 0xFFFF;
      const bool over_text = graphic->CellVAlign == vaUnderText || graphic->CellVAlign == vaAboveText;
      if (has_text) {
        size.setX(graphic->CellHAlign == haCenter || over_text ? 0
                  : graphic->CellHAlign == haFull              ? metrics.horizontalAdvance(graphic->CellText) + 4
                                                               : bw);
        size.setY(over_text ? bh : 0);
      } else {
        size = QPoint(graphic->CellHAlign == haFull ? metrics.horizontalAdvance(graphic->CellText) + 4 : bw, bh);
      }
      break;
    }
    case ctProgressPie:
      size = QPoint(20, 20);
      break;
    case ctInterface: {
      // The cell's size stands in for a missing interface or a zero side.
      TCellInterface* face = Cell_Interface(*graphic);
      const int w = face ? face->GetWidth() : 0, h = face ? face->GetHeight() : 0;
      size = w == 0 || h == 0 ? cell : QPoint(w, h);
      break;
    }
    case ctRating:
      size = QPoint(graphic->CellAngle * 18, 16);
      break;
    default:
      break;
  }
  const bool keeps_width =
      graphic->CellType == ctRating || (graphic->CellType == ctButton && !has_text && !graphic->CellText.isEmpty());
  if (graphic->CellVAlign == vaFull) size.setY(cell.y());
  if (graphic->CellHAlign == haFull && !keeps_width) size.setX(cell.x());
  return size;
}

// ---- per-cell questions

void TZadIrururOziz::DoGetDisplText(int ACol, int ARow, QString& Value) {
  TBaseGrid::DoGetDisplText(ACol, ARow, Value);
  // The first prefix found, in this order, makes its URL a link.
  if (FURLShowInText) {
    QString linked;
    for (const char* prefix : kAutoLinkPrefixes)
      if (InsertAutoLink(Value, QLatin1String(prefix), linked)) {
        Value = linked;
        break;
      }
  }
  if (FGrouping.ShowGroupCount() && ACol == 1) Value += Group_Count_Text(ARow);
}

QString TZadIrururOziz::Group_Count_Text(int ARow) {
  TCellGraphic* node = ARow >= 0 && ARow < RowCount() ? Node_At(ARow) : nullptr;
  if (!node) return QString();
  // A span of 0 reaches to the next node row.
  const int span = node->CellIndex > 0 ? node->CellIndex : Group_End(ARow, *node) - ARow;
  const int n = std::max(0, span - GetSubNodeCount(ARow) - 1);
  const QString format = FGrouping.GroupCountFormat();
  if (!format.isEmpty()) {
    // A format that does not take one integer falls back to the plain count.
    try {
      return Format_Integers(format, {n});
    } catch (const EConvertError&) {
    }
  }
  return QStringLiteral(" (%1)").arg(n);
}

TRect TZadIrururOziz::Mirrored_In_Cell(const TRect& R, const TRect& C) const {
  if (!isRightToLeft()) return R;
  return TRect{C.Left + C.Right - R.Right, R.Top, C.Left + C.Right - R.Left, R.Bottom};
}

bool TZadIrururOziz::IsFixed(int ACol, int ARow) {
  // A covered cell is as fixed as its block's base cell; footer rows and
  // the right fixed columns are fixed whatever the cell says.
  if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount()) {
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndex(base.x());
    ARow = base.y();
  }
  if (ARow >= RowCount() - FFixedFooters || (ACol >= ColCount() - FFixedRightCols && ACol <= ColCount() - 1))
    return true;
  bool fixed = false;
  DoIsFixedCell(ACol, ARow, fixed);
  return fixed;
}

void TZadIrururOziz::GetInitialCellProps(int ACol, int ARow, QFont& AFont, TColor& AFontColor, TColor& ABrushColor,
                                         TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  TGridDrawState state = 0;
  TCanvas::Brush_State brush;
  // The look the painter would use; a cell of a display column asks by its
  // display index. The cell's properties being made are not read yet.
  FInitialLook = true;
  GetVisualProperties(DisplColIndex(ACol), ARow, state, false, false, false, brush, AColorTo, AMirrorColor,
                      AMirrorColorTo, AFont, AFontColor, HA, VA, WW, GD);
  FInitialLook = false;
  ABrushColor = brush.Color;
  if (IsFixed(DisplColIndex(ACol), ARow) || FBands->Active() || (state & gdSelected)) ABrushColor = AColorTo = clNone;
}

void TZadIrururOziz::GetCellFloatFormat(int, int, QString& Format) { Format = FFloatFormat; }

void TZadIrururOziz::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TZadIrururOziz::DoGridHint(int ACol, int ARow, QString& HintStr) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, HintStr);
}

void TZadIrururOziz::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TCanvas::Brush_State& ABrush,
                                    QFont& AFont, TColor& AFontColor) {
  const int display = DisplColIndex(ACol);
  if (FActiveCellShow && ((display + 1 == FixedCols() && FixedCols() > 0 && ARow == Row()) ||
                          (ARow + 1 == FixedRows() && FixedRows() > 0 && display == Col()))) {
    AFont = FActiveCellFont;
    ABrush.Color = FActiveCellColor;
  }
  if (HasCellProperties(ACol, ARow)) {
    const TCellProperties* props = Store().Object(ACol, ARow);
    switch (GetCellType(ACol, ARow)) {
      case ctIcon:
      case ctNone:
      case ctImageList:
      case ctEmpty:
      case ctImages:
      case ctComment:
        if (props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
        break;
      default:
        break;
    }
    if (props->FontColor() != clNone) AFontColor = props->FontColor();
    if (props->FontStyle() != 0) {
      AFont.setBold(props->FontStyle() & fsBold);
      AFont.setItalic(props->FontStyle() & fsItalic);
      AFont.setUnderline(props->FontStyle() & fsUnderline);
      AFont.setStrikeOut(props->FontStyle() & fsStrikeOut);
    }
    if (props->FontSize() != 0) AFont.setPointSize(props->FontSize());
    if (!props->FontName().isEmpty()) AFont.setFamily(props->FontName());
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont, AFontColor);
}

void TZadIrururOziz::DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TColor& PenColor, int& PenWidth) {
  if (ACol > 0 && FGrouping.HeaderUnderline() && IsNode(ARow)) {
    Borders = cbBottom;
    PenColor = FGrouping.HeaderLineColor();
    PenWidth = FGrouping.HeaderLineWidth();
  }
  if (ACol > 0 && FGrouping.SummaryLine() && IsSummary(ARow)) {
    Borders = cbTop;
    PenColor = FGrouping.SummaryLineColor();
    PenWidth = FGrouping.SummaryLineWidth();
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, PenColor, PenWidth, Borders);
}

void TZadIrururOziz::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TZadIrururOziz::DoGetEditorTypeRaw(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TZadIrururOziz::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TZadIrururOziz::IsEditorNone(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, ACol, ARow, editor);
  return editor == edNone;
}

void TZadIrururOziz::DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) {
  if (IsFixedCell) return;
  IsFixedCell = (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
                (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
                ARow < FixedRows();
  if (!IsFixedCell && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixedCell);
}

void TZadIrururOziz::CheckCellEditable(int ACol, int ARow, bool& CanEdit) {
  const QPoint base = BaseCell(ACol, ARow);
  if (HasCellProperties(base.x(), base.y()) && CanEdit) {
    CanEdit = !Store().Object(base.x(), base.y())->ReadOnly();
    if (!(Options() & goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit()) CanEdit = false;
  }
  if (base.x() < ColCount() + NumHiddenColumns())
    DoCanEditCell(base.x(), base.y(), CanEdit);
  else
    CanEdit = true;
}

void TZadIrururOziz::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TZadIrururOziz::DoGetWordWrap(int ACol, int ARow, bool& WordWrapValue) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrapValue);
}

bool TZadIrururOziz::DoHasComboBox(int ACol, int ARow) {
  bool has = false;
  if (OnHasComboBox) {
    OnHasComboBox(this, ACol, ARow, has);
    return has;
  }
  return false;
}

bool TZadIrururOziz::DoHasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  bool has = false;
  if (OnHasSpinEdit) OnHasSpinEdit(this, ACol, ARow, has);
  return has;
}

void TZadIrururOziz::DoGetCheckTrue(int ACol, int ARow, QString& Value) {
  Value = FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TZadIrururOziz::DoGetCheckFalse(int ACol, int ARow, QString& Value) {
  Value = FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TZadIrururOziz::DoGetColumnFilter(int Column) {
  FFilterList.clear();
  FFilterConditions.clear();
  if (FFilterDropDownAuto && (Column >= FixedCols() || FFilterDropDownColumns == fdAll)) {
    // Display text -> condition; a value with blanks is matched as a quoted
    // whole. The two are kept apart, so values holding "=" or quotes stay
    // intact.
    std::map<QString, QString> values;
    auto add = [&](const QString& v) { values.emplace(v, v.contains(' ') ? '"' + v + '"' : v); };
    const int real = RealColIndex(Column);
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) add(GetCellEx(real, r).trimmed());
    if (!FFilterIncremental)
      for (const auto& item : FGridItems)
        for (const auto& cell : item->Items)
          if (cell.col == real) add(cell.text);
    for (const auto& [display, condition] : values) {
      FFilterList << display;
      FFilterConditions << condition;
    }
    if (!FFilterDropDownClear.isEmpty()) {
      FFilterList.prepend(FFilterDropDownClear);
      FFilterConditions.prepend(QString());
    }
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, Column, FFilterList);
  return !FFilterList.isEmpty();
}

void TZadIrururOziz::DoCanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TZadIrururOziz::DoCanInsertRow(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}
