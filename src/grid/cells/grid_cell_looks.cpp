// Per-cell and per-row looks of TZadIrururOziz, kept in the cells'
// properties. Columns are real columns, rows display rows.
#include "grid/core/zad_irurur_oziz.h"

namespace {

TFontStyles Styles_Of(const QFont& font) {
  TFontStyles style = 0;
  if (font.bold()) style |= fsBold;
  if (font.italic()) style |= fsItalic;
  if (font.underline()) style |= fsUnderline;
  if (font.strikeOut()) style |= fsStrikeOut;
  return style;
}

bool Colour_Set(TColor value, TColor initial) { return value != clNone && value != initial; }

}  // namespace

TCellProperties* TZadIrururOziz::Look_Props(int ACol, int ARow) const {
  return HasCellProperties(ACol, ARow) ? Store().Object(ACol, ARow) : nullptr;
}

// ---- single cells

TColor TZadIrururOziz::Colors(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->BrushColor() : clNone;
}

void TZadIrururOziz::SetColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColor(Value);
  if (!LockUpdate()) RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TZadIrururOziz::ColorsTo(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->BrushColorTo() : clNone;
}

void TZadIrururOziz::SetColorsTo(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

TCellGradientDirection TZadIrururOziz::GetGradientDir(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->GradientDirection() : GradientVertical;
}

void TZadIrururOziz::SetGradientDir(int ACol, int ARow, TCellGradientDirection Value) {
  GetCellProperties(ACol, ARow)->SetGradientDirection(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TZadIrururOziz::FontColors(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->FontColor() : clNone;
}

void TZadIrururOziz::SetFontColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetFontColor(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

TFontStyles TZadIrururOziz::FontStyles(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->FontStyle() : TFontStyles(0);
}

void TZadIrururOziz::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
  GetCellProperties(ACol, ARow)->SetFontStyle(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

QString TZadIrururOziz::FontNames(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->FontName() : QString();
}

void TZadIrururOziz::SetFontNames(int ACol, int ARow, const QString& Value) {
  GetCellProperties(ACol, ARow)->SetFontName(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

int TZadIrururOziz::FontSizes(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->FontSize() : 0;
}

void TZadIrururOziz::SetFontSizes(int ACol, int ARow, int Value) {
  GetCellProperties(ACol, ARow)->SetFontSize(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

const QFont& TZadIrururOziz::GetCellFont(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  if (!props) return GridFont();
  FCellFont = GridFont();
  if (!props->FontName().isEmpty()) FCellFont.setFamily(props->FontName());
  if (props->FontSize() > 0) FCellFont.setPointSize(props->FontSize());
  const TFontStyles style = props->FontStyle();
  FCellFont.setBold(style & fsBold);
  FCellFont.setItalic(style & fsItalic);
  FCellFont.setUnderline(style & fsUnderline);
  FCellFont.setStrikeOut(style & fsStrikeOut);
  return FCellFont;
}

void TZadIrururOziz::SetCellFont(int ACol, int ARow, const QFont& AFont, TColor AFontColor) {
  TCellProperties* props = GetCellProperties(ACol, ARow);
  props->SetFontName(AFont.family());
  if (AFont.pointSize() > 0) props->SetFontSize(AFont.pointSize());
  props->SetFontStyle(Styles_Of(AFont));
  props->SetFontColor(AFontColor);
  if (!LockUpdate()) RepaintCell(DisplColIndex(ACol), ARow);
}

TAlignment TZadIrururOziz::Alignments(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->Alignment() : taLeftJustify;
}

void TZadIrururOziz::SetAlignments(int ACol, int ARow, TAlignment Value) {
  GetCellProperties(ACol, ARow)->SetAlignment(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

bool TZadIrururOziz::ReadOnly(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props && props->ReadOnly();
}

void TZadIrururOziz::SetReadOnly(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetReadOnly(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

bool TZadIrururOziz::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TZadIrururOziz::SetWordWraps(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetWordWrap(Value);
  RepaintCell(DisplColIndex(ACol), ARow);
}

int TZadIrururOziz::LinesInCell(int ACol, int ARow) { return 1 + int(GetCellEx(ACol, ARow).count(QLatin1Char('\r'))); }

// ---- whole rows

namespace {

// Whether a cell's properties hold anything besides the look the grid gives
// a fresh cell: a merge, an object, a control, the read-only flag, a node
// level, a calculation, an editor or a look of its own.
bool Carries_Something(const TCellProperties& p, const TCellProperties& initial) {
  if (!p.IsBaseCell() || p.CellSpanX() != -1 || p.CellSpanY() != -1) return true;
  if (p.GraphicObject() || p.CellObject() || p.Control() || p.ReadOnly()) return true;
  if (p.NodeLevel() != 0 || p.CalcType() != acNONE || p.CalcObject() || p.Editor() != edNormal) return true;
  if (Colour_Set(p.BrushColor(), initial.BrushColor()) || Colour_Set(p.BrushColorTo(), initial.BrushColorTo()) ||
      Colour_Set(p.FontColor(), initial.FontColor()))
    return true;
  return p.FontSize() != initial.FontSize() || p.FontStyle() != initial.FontStyle() ||
         p.FontName() != initial.FontName() || p.Alignment() != initial.Alignment() ||
         p.VAlignment() != initial.VAlignment() || p.WordWrap() != initial.WordWrap() ||
         p.GradientDirection() != initial.GradientDirection() || p.BorderWidth() != initial.BorderWidth() ||
         p.BrushStyle() != initial.BrushStyle();
}

enum class Row_Field { Brush, BrushTo, Font };

void Clear_Field(TCellProperties& p, Row_Field field) {
  switch (field) {
    case Row_Field::Brush:
      p.SetBrushColor(clNone);
      break;
    case Row_Field::BrushTo:
      p.SetBrushColorTo(clNone);
      break;
    case Row_Field::Font:
      p.SetFontColor(clNone);
      break;
  }
}

void Set_Field(TCellProperties& p, Row_Field field, TColor value) {
  switch (field) {
    case Row_Field::Brush:
      p.SetBrushColor(value);
      break;
    case Row_Field::BrushTo:
      p.SetBrushColorTo(value);
      break;
    case Row_Field::Font:
      p.SetFontColor(value);
      break;
  }
}

}  // namespace

// Writing clNone clears only the row's own field; a cell's properties go
// only when nothing else is kept in them, so a merge, a check box, a user
// object or a control in the row survive a row colour being taken off.
void TZadIrururOziz::Set_Row_Look(int ARow, TColor Value, int Field) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const auto field = Row_Field(Field);
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone) {
      Set_Field(*GetCellProperties(c, ARow), field, Value);
      continue;
    }
    TCellProperties* props = Look_Props(c, ARow);
    if (!props) continue;
    Clear_Field(*props, field);
    TCellProperties initial(this, c, ARow);
    Initial_Cell_Look(c, ARow, initial);
    if (!Carries_Something(*props, initial)) Free_Cell_Props(c, ARow);
  }
  RepaintRow(ARow);
}

void TZadIrururOziz::SetRowColor(int ARow, TColor Value) { Set_Row_Look(ARow, Value, int(Row_Field::Brush)); }

void TZadIrururOziz::SetRowColorTo(int ARow, TColor Value) { Set_Row_Look(ARow, Value, int(Row_Field::BrushTo)); }

void TZadIrururOziz::SetRowFontColor(int ARow, TColor Value) { Set_Row_Look(ARow, Value, int(Row_Field::Font)); }
