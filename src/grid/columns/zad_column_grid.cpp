#include "grid/columns/zad_column_grid.h"

#include <QMouseEvent>
#include <QRegularExpression>

#include "controls/format_settings.h"
#include "grid/draw/progress_paint.h"
#include "grid/edit/edit_link.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_spin.h"
#include "grid/store/text_helpers.h"

namespace {

// One number by a column's float format: the first conversion takes it, the
// decimal point becomes the process's decimal separator, "%%" is a percent
// sign, and any further conversion is copied as written.
QString Format_Column_Float(const QString& format, double value) {
  static const QRegularExpression conversion(QStringLiteral("%[-+ 0#]{0,5}[0-9]{0,3}(?:\\.[0-9]{1,3})?([diuxXeEfgG])"));
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != QLatin1Char('%')) continue;
    if (i + 1 < format.size() && format[i + 1] == QLatin1Char('%')) {
      ++i;
      continue;
    }
    const QRegularExpressionMatch m =
        conversion.match(format, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch()) continue;
    const QChar kind = m.captured(1)[0];
    const bool as_integer = QStringLiteral("diuxX").contains(kind);
    QString number = Format_Progress_Value(m.captured(0), value, as_integer);
    if (!as_integer) number.replace(QLatin1Char('.'), Process_Format_Settings().Decimal_Separator);
    QString prefix = format.left(i), suffix = format.mid(i + m.capturedLength(0));
    prefix.replace(QStringLiteral("%%"), QStringLiteral("%"));
    suffix.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return prefix + number + suffix;
  }
  QString plain = format;
  return plain.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

}  // namespace

TZadColumnGrid::TZadColumnGrid(QWidget* AOwner) : TZadIrururOziz(AOwner) {
  FColumnCollection = CreateColumns();
  {
    Column_Guard guard(*FColumnCollection);
    SynchColumns();
  }
  FSaveCol = std::make_unique<TGridColumnItem>();
}

TZadColumnGrid::~TZadColumnGrid() { FColumnCollection->NoRecursiveUpdate = true; }

std::unique_ptr<TGridColumnCollection> TZadColumnGrid::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

void TZadColumnGrid::Loaded() {
  TZadIrururOziz::Loaded();
  {
    Column_Guard guard(*FColumnCollection);
    SynchColumns();
  }
  FColumnCollection->SetOrganization();
}

QString TZadColumnGrid::GetVersionString() {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4 Dec, 2026").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ---- columns and items

void TZadColumnGrid::SetColCount(int Value) {
  TZadIrururOziz::SetColCount(Value);
  if (!FColumnCollection) return;  // still being made
  Column_Guard guard(*FColumnCollection);
  SynchColumns();
}

void TZadColumnGrid::SynchColumns() {
  const int wanted = ColCount() + NumHiddenColumns();
  while (FColumnCollection->Count() < wanted) FColumnCollection->Add();
  while (FColumnCollection->Count() > wanted) FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TZadColumnGrid::UpdateColumnHeaders() {
  if (FixedRows() <= 0) return;
  QStringList headers;
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->GetItem(i);
    if (item->Header().isEmpty()) {
      const QString typed = GetCellEx(i, 0);
      if (!typed.isEmpty()) item->StoreHeader(typed);
    }
    headers << item->Header();
  }
  SetColumnHeaders(headers);
}

void TZadColumnGrid::ColumnHeadersChanging() {
  if (!FColumnCollection) return;
  const QStringList& headers = ColumnHeaders();
  for (int i = 0; i < FColumnCollection->Count() && i < headers.size(); ++i)
    FColumnCollection->GetItem(i)->StoreHeader(headers[i]);
}

void TZadColumnGrid::InsertCols(int ColIndex, int CCount) {
  const int before = TotalColCount();
  // Held over the grid's insertion too: the footer recalculation it runs
  // must leave the item count to this function.
  Column_Guard guard(*FColumnCollection);
  TZadIrururOziz::InsertCols(ColIndex, CCount);
  const int added = TotalColCount() - before;
  for (int k = 0; k < added && ColIndex <= FColumnCollection->Count(); ++k) FColumnCollection->Insert(ColIndex);
}

void TZadColumnGrid::RemoveCols(int ColIndex, int CCount) {
  const int before = TotalColCount();
  Column_Guard guard(*FColumnCollection);
  TZadIrururOziz::RemoveCols(ColIndex, CCount);
  // Only the columns the grid really removed take their items along.
  const int removed = before - TotalColCount();
  for (int k = 0; k < removed && ColIndex < FColumnCollection->Count(); ++k) FColumnCollection->Delete(ColIndex);
}

TGridColumnItem* TZadColumnGrid::GetColumnByName(const QString& AValue) const {
  for (int i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->GetItem(i)->Name() == AValue) return FColumnCollection->GetItem(i);
  return nullptr;
}

void TZadColumnGrid::ColumnMoved(int from, int to) {
  TZadIrururOziz::ColumnMoved(from, to);
  TGridColumnCollection& columns = *FColumnCollection;
  const int real_from = RealColIndex(from), real_to = RealColIndex(to);
  {
    Column_Guard guard(columns);
    const int top = TopRow();
    if (real_from >= 0 && real_to >= 0 && real_from < columns.Count() && real_to < columns.Count() &&
        real_from != real_to) {
      BeginUpdate();
      FColMoving = true;
      TGridColumnItem* copy = columns.Add();
      copy->Assign(*columns.GetItem(real_from));
      columns.Delete(real_from);
      TGridColumnItem* moved = columns.Insert(real_to);
      moved->Assign(*columns.GetItem(columns.Count() - 1));
      columns.Delete(columns.Count() - 1);
      SetTopRow(top);
      FColMoving = false;
      EndUpdate();
    }
    // Row 0 moved with its column; the header list follows the new order.
    if (FixedRows() > 0) {
      UpdateColumnHeaders();
    } else {
      QStringList headers;
      for (int i = 0; i < columns.Count(); ++i) headers << columns.GetItem(i)->Header();
      SetColumnHeaders(headers);
    }
  }
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, real_from, real_to);
}

void TZadColumnGrid::SwapColumns(int ACol1, int ACol2) {
  TZadIrururOziz::SwapColumns(ACol1, ACol2);
  TGridColumnCollection& columns = *FColumnCollection;
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= columns.Count() || ACol2 >= columns.Count()) return;
  {
    Column_Guard guard(columns);
    columns.Exchange(ACol1, ACol2);
  }
  // Row 0 swapped with the columns; the header list follows.
  if (FixedRows() > 0) UpdateColumnHeaders();
}

// ---- column popup

void TZadColumnGrid::mousePressEvent(QMouseEvent* event) {
  TZadIrururOziz::mousePressEvent(event);
  const QPoint pos = event->position().toPoint();
  const TGridCoord cell = MouseCoord(pos.x(), pos.y());
  if (cell.X < 0 || cell.Y < 0) return;
  Column_Popup(cell.X, cell.Y, event->button());
}

void TZadColumnGrid::Column_Popup(int ACol, int ARow, Qt::MouseButton Button) {
  TGridColumnItem* item = Item_Of(RealColIndex(ACol));
  if (!item || !item->ColumnPopup()) return;
  const TColumnPopupType type = item->ColumnPopupType();
  const bool left_type = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
  if (Button == Qt::LeftButton ? !left_type : Button == Qt::RightButton ? left_type : true) return;
  QMenu* menu = item->ColumnPopup();
  if (OnColumnPopup) OnColumnPopup(this, ACol, ARow, menu);
  const bool header = ARow < FixedRows();
  const bool fixed_type = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
  const bool normal_type = type == cpNormalCellsLClick || type == cpNormalCellsRClick;
  const bool all_type = type == cpAllCellsLClick || type == cpAllCellsRClick;
  if (!(all_type || (header && fixed_type) || (!header && normal_type))) return;
  const TRect r = CellRect(ACol, ARow);
  const QPoint at = viewport()->mapToGlobal(QPoint(r.Left, r.Bottom));
  if (ShowPopup)
    ShowPopup(menu, at);
  else
    menu->popup(at);
}

// ---- per-cell answers

TGridColumnItem* TZadColumnGrid::Item_Of(int ACol) const {
  if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
  return FColumnCollection->GetItem(ACol);
}

bool TZadColumnGrid::Is_Normal_Cell(int ACol, int ARow) const {
  return ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
         ARow < RowCount() - FixedFooters();
}

void TZadColumnGrid::GetInitialCellProps(int ACol, int ARow, QFont& AFont, TColor& AFontColor, TColor& ABrushColor,
                                         TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  TGridColumnItem* item = Item_Of(ACol);
  if (!item) {
    TZadIrururOziz::GetInitialCellProps(ACol, ARow, AFont, AFontColor, ABrushColor, AColorTo, AMirrorColor,
                                        AMirrorColorTo, HA, VA, WW, GD);
    return;
  }
  AFont = item->Font().Font;
  AFontColor = item->Font().Color;
  ABrushColor = item->Color();
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VA = VAlignment();
  WW = GridWordWrap();
  GD = GradientVertical;
  if (IsFixed(DisplColIndex(ACol), ARow) || (Bands().Active() && item->ShowBands())) ABrushColor = AColorTo = clNone;
}

QString TZadColumnGrid::GetFormattedCell(int ACol, int ARow) {
  TGridColumnItem* item = Item_Of(ACol);
  if (!item) return TZadIrururOziz::GetFormattedCell(ACol, ARow);
  QString format = item->FloatFormat();
  const QString text = GetCellEx(ACol, ARow);
  const int kind = grid_text::ClassifyNumberText(text);
  bool is_float = kind == 0 || kind == 1;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, is_float, format);
  if (format.isEmpty() || !is_float) return text;
  bool ok = false;
  const double value = grid_text::ToConversionNumberText(text.trimmed()).toDouble(&ok);
  // The event may call a text a number that is none: it stays as it is.
  if (!ok || !std::isfinite(value)) return text;
  return Format_Column_Float(format, value);
}

void TZadColumnGrid::GetCellFloatFormat(int ACol, int ARow, QString& Format) {
  TZadIrururOziz::GetCellFloatFormat(ACol, ARow, Format);
  if (TGridColumnItem* item = Item_Of(ACol); item && !item->FloatFormat().isEmpty()) Format = item->FloatFormat();
}

TCellType TZadColumnGrid::GetCellType(int ACol, int ARow) {
  const TCellType kind = TZadIrururOziz::GetCellType(ACol, ARow);
  if (kind != ctEmpty || !Is_Normal_Cell(ACol, ARow)) return kind;
  TGridColumnItem* item = Item_Of(ACol);
  return item && item->Editor() == edDataCheckBox ? ctDataCheckBox : kind;
}

TCellGraphic* TZadColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = TZadIrururOziz::GetCellGraphic(ACol, ARow);
  if (graphic || Destroying() || !Is_Normal_Cell(ACol, ARow)) return graphic;
  TGridColumnItem* item = Item_Of(ACol);
  if (!item || item->Editor() != edDataCheckBox) return nullptr;
  FCellGraphic.CellType = ctVirtCheckBox;
  FCellGraphic.CellTransparent = ControlLook().ControlStyle() == csFlat;
  // Placed as the grid places the check boxes it adds.
  FCellGraphic.CellHAlign = haBeforeText;
  FCellGraphic.CellVAlign = VAlignment() == vtaCenter ? vaCenter : VAlignment() == vtaBottom ? vaBottom : vaTop;
  return &FCellGraphic;
}

void TZadColumnGrid::DoUpdateColumnSize(int ACol, int& AWidth) {
  if (TGridColumnItem* item = Item_Of(ACol)) {
    if (item->MinSize() > 0 && AWidth < item->MinSize()) AWidth = item->MinSize();
    if (item->MaxSize() > 0 && AWidth > item->MaxSize()) AWidth = item->MaxSize();
  }
  TZadIrururOziz::DoUpdateColumnSize(ACol, AWidth);
}

void TZadColumnGrid::DoUpdateColumnSizeAuto(int ACol, int& AWidth) {
  if (TGridColumnItem* item = Item_Of(ACol)) {
    if (item->AutoMinSize() > 0 && AWidth < item->AutoMinSize()) AWidth = item->AutoMinSize();
    if (item->AutoMaxSize() > 0 && AWidth > item->AutoMaxSize()) AWidth = item->AutoMaxSize();
  }
  TZadIrururOziz::DoUpdateColumnSizeAuto(ACol, AWidth);
}

void TZadColumnGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TCanvas::Brush_State& ABrush,
                                    QFont& AFont, TColor& AFontColor) {
  TGridColumnItem* item = Item_Of(ACol);
  if (item && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
      ARow < RowCount() - FixedFooters()) {
    const bool header = ARow < FixedRows();
    if (item->Fixed())
      ABrush.Color = FixedColor();
    else if (!header && !(item->ShowBands() && Bands().Active()))
      ABrush.Color = item->Color();
    const TGridFont& font = header ? item->HeaderFont() : item->Font();
    AFont = font.Font;
    AFontColor = font.Color;
    if (HasCellProperties(ACol, ARow)) {
      const TCellProperties* props = GetGridObject(ACol, ARow);
      if (props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
      if (props->FontColor() != clNone) AFontColor = props->FontColor();
    }
  }
  TZadIrururOziz::DoGetCellColor(ACol, ARow, AState, ABrush, AFont, AFontColor);
}

void TZadColumnGrid::DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TColor& PenColor, int& PenWidth) {
  if (TGridColumnItem* item = Item_Of(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
    Borders = item->Borders();
    PenColor = item->BorderPen().Color;
    PenWidth = item->BorderPen().Width;
  }
  TZadIrururOziz::DoGetCellBorder(ACol, ARow, Borders, PenColor, PenWidth);
}

void TZadColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TColor& ABrushColor, TGridFont& AFont,
                                         const TGridFont& GridPrintFont, const TGridFont& GridFixedPrintFont) {
  TGridColumnItem* item = Item_Of(ACol);
  if (!item) return;
  const bool fixed_part = ACol < FixedCols() || ARow < FixedRows() ||
                          ACol >= ColCount() + NumHiddenColumns() - FixedRightCols() ||
                          ARow >= RowCount() - FixedFooters();
  if (fixed_part) {
    AFont = GridFixedPrintFont;
    return;
  }
  const TCellProperties* props = HasCellProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
  if (item->Fixed()) {
    ABrushColor = FixedColor();
  } else if (!(item->ShowBands() && Bands().Active() && Bands().Print())) {
    ABrushColor = item->PrintColor();
    if (props && props->BrushColor() != clNone) ABrushColor = props->BrushColor();
  }
  if (!item->PrintFontCustom()) {
    AFont = GridPrintFont;
    return;
  }
  AFont = item->PrintFont();
  if (!props) return;
  if (props->FontColor() != clNone) AFont.Color = props->FontColor();
  if (props->FontStyle() != 0) {
    AFont.Font.setBold(props->FontStyle() & fsBold);
    AFont.Font.setItalic(props->FontStyle() & fsItalic);
    AFont.Font.setUnderline(props->FontStyle() & fsUnderline);
    AFont.Font.setStrikeOut(props->FontStyle() & fsStrikeOut);
  }
  if (props->FontSize() != 0) AFont.Font.setPointSize(props->FontSize());
  if (!props->FontName().isEmpty()) AFont.Font.setFamily(props->FontName());
}

void TZadColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TCanvas::Pen_State& APen) {
  TGridColumnItem* item = Item_Of(ACol);
  if (item && item->PrintBorderCustom() && ACol >= FixedCols() && ARow >= FixedRows()) {
    Borders = item->PrintBorders();
    APen = item->PrintBorderPen();
  }
  TZadIrururOziz::DoGetCellPrintBorder(ACol, ARow, Borders, APen);
}

void TZadColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (TGridColumnItem* item = Item_Of(ACol)) {
    HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    if (HasCellProperties(ACol, ARow)) HAlign = GetGridObject(ACol, ARow)->Alignment();
  }
  TZadIrururOziz::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TZadColumnGrid::DoGetFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
  if (TGridColumnItem* item = Item_Of(ACol)) {
    AStyle = item->SortStyle();
    aPrefix = item->SortPrefix();
    aSuffix = item->SortSuffix();
  }
  TZadIrururOziz::DoGetFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TZadColumnGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
  FEditorSettingsSet = false;
  if (TGridColumnItem* item = Item_Of(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
    AEditor = item->Editor();
    FEditorSettings = TColumnEditorSettings{item->ComboItems(), item->DropDownCount(), item->SpinMin(),
                                            item->SpinMax(),    item->SpinStep(),      item->EditLink()};
    FEditorSettingsSet = true;
  }
  // A column's float format stays with that column (GetCellFloatFormat);
  // opening an editor does not make it the grid's.
  TZadIrururOziz::DoGetEditorType(ACol, ARow, AEditor);
}

void TZadColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) {
  if (TGridColumnItem* item = Item_Of(RealColIndex(ACol)); item && ACol >= FixedCols() && ARow >= FixedRows())
    IsFixedCell = item->Fixed();
  TZadIrururOziz::DoIsFixedCell(ACol, ARow, IsFixedCell);
}

void TZadColumnGrid::CheckCellEditable(int ACol, int ARow, bool& CanEdit) {
  CanEdit = false;
  if (TGridColumnItem* item = Item_Of(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
    CanEdit = !(item->ReadOnly() || item->Fixed());
    if (CanEdit && HasCellProperties(ACol, ARow)) CanEdit = !GetGridObject(ACol, ARow)->ReadOnly();
  }
  const QPoint base = BaseCell(ACol, ARow);
  DoCanEditCell(base.x(), base.y(), CanEdit);
}

void TZadColumnGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (TGridColumnItem* item = Item_Of(ACol)) IsPassword = item->Password();
  TZadIrururOziz::DoIsPasswordCell(ACol, ARow, IsPassword);
}

bool TZadColumnGrid::DoHasComboBox(int ACol, int ARow) {
  TGridColumnItem* item = Item_Of(ACol);
  bool result = item && ACol >= FixedCols() && ARow >= FixedRows() &&
                (item->Editor() == edComboEdit || item->Editor() == edComboList);
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, result);
  return result;
}

void TZadColumnGrid::DoGetCheckTrue(int ACol, int ARow, QString& Value) {
  TZadIrururOziz::DoGetCheckTrue(ACol, ARow, Value);
  if (TGridColumnItem* item = Item_Of(ACol); item && Is_Normal_Cell(ACol, ARow)) Value = item->CheckTrue();
}

void TZadColumnGrid::DoGetCheckFalse(int ACol, int ARow, QString& Value) {
  TZadIrururOziz::DoGetCheckFalse(ACol, ARow, Value);
  if (TGridColumnItem* item = Item_Of(ACol); item && Is_Normal_Cell(ACol, ARow)) Value = item->CheckFalse();
}

int TZadColumnGrid::QueryEditLimit() {
  int limit = TZadIrururOziz::QueryEditLimit();
  if (Col() >= FixedCols())
    if (TGridColumnItem* item = Item_Of(RealColIndex(Col()))) limit = item->EditLength();
  return limit;
}

QString TZadColumnGrid::QueryEditMask(int ACol, int ARow) {
  QString mask;
  if (TGridColumnItem* item = Item_Of(RealColIndex(ACol)); item && ACol >= FixedCols()) mask = item->EditMask();
  const QString grid_mask = TZadIrururOziz::QueryEditMask(ACol, ARow);
  return grid_mask.isEmpty() ? mask : grid_mask;
}

void TZadColumnGrid::PrepareCellEditor(int ACol, int ARow) {
  // The editor query just made for this cell recorded its column's
  // settings.
  if (FEditorSettingsSet) {
    const TColumnEditorSettings& settings = FEditorSettings;
    TGridCombo* combo = Combobox();
    combo->Items().Clear();
    for (const QString& item : settings.ComboItems) combo->Items().Add(item);
    combo->SetDropDownCount(settings.DropDownCount);
    TGridSpin* spin = SpinEdit();
    spin->SetMinValue(settings.SpinMin);
    spin->SetMaxValue(settings.SpinMax);
    spin->SetIncrement(settings.SpinStep);
    SetEditLink(qobject_cast<TEditLink*>(settings.EditLink));
    ControlLook().SetDropDownCount(settings.DropDownCount);
  }
  TZadIrururOziz::PrepareCellEditor(ACol, ARow);
}
