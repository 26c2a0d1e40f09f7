// Highlighting and marking text in the grid's cells. A cell text is taken
// as plain text: it is escaped for HTML when the first tags go in, and the
// entities are turned back when the last ones come out, so a cell "a&b"
// round-trips. A text that already holds highlight or mark tags is escaped
// already and is not escaped again (a highlighted cell that gets marked
// would otherwise show its tags and entities as text); a cell without hits,
// or without the tags to remove, is left as it is.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_entities.h"
#include "grid/html/html_highlight.h"

namespace {

const QString Hi_Tag = QStringLiteral("hi");
const QString Mark_Tag = QStringLiteral("e");

bool Has_Tag(const QString& text, const QString& tag) {
  return text.contains(QLatin1Char('<') + tag + QLatin1Char('>'), Qt::CaseInsensitive) ||
         text.contains(QLatin1String("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive);
}

bool Has_Marks(const QString& text) { return Has_Tag(text, Hi_Tag) || Has_Tag(text, Mark_Tag); }

}  // namespace

TGridRect TZadIrururOziz::Tag_Column(bool DoFixed, int Col) const {
  if (DoFixed) return {Col, 0, Col, RowCount() - 1};
  return {Col, FixedRows(), Col, RowCount() - FFixedFooters - 1};
}

TGridRect TZadIrururOziz::Tag_Row(bool DoFixed, int Row) const {
  if (DoFixed) return {0, Row, ColCount() - 1, Row};
  return {FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row};
}

void TZadIrururOziz::Tag_Cells(const TGridRect& Block, const QString& Tag, bool DoCase, const QString& Text) {
  const QString search = EscapeHtmlChars(Text, false);
  for (int r = Block.Top; r <= Block.Bottom; ++r)
    for (int c = Block.Left; c <= Block.Right; ++c) {
      if (!IsBaseCell(c, r)) continue;
      const QString text = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
      const QString source = Has_Marks(text) ? text : EscapeHtmlChars(text, false);
      const QString tagged = HighlightInHtml(source, search, Tag, DoCase);
      if (tagged != source) SetCellEx(c, r, tagged);
    }
}

void TZadIrururOziz::Untag_Cells(const TGridRect& Block, const QString& Tag) {
  const QString open = QLatin1Char('<') + Tag + QLatin1Char('>');
  const QString close = QLatin1String("</") + Tag + QLatin1Char('>');
  for (int r = Block.Top; r <= Block.Bottom; ++r)
    for (int c = Block.Left; c <= Block.Right; ++c) {
      if (!IsBaseCell(c, r)) continue;
      const QString text = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
      if (!Has_Tag(text, Tag)) continue;
      QString untagged = text;
      untagged.remove(open, Qt::CaseInsensitive).remove(close, Qt::CaseInsensitive);
      // Back to plain text once the other family's tags are gone too.
      if (!Has_Marks(untagged)) untagged = UnescapeHtmlChars(untagged, false);
      SetCellEx(c, r, untagged);
    }
}

void TZadIrururOziz::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText) {
  Tag_Cells({Col, Row, Col, Row}, Hi_Tag, DoCase, HiText);
}

void TZadIrururOziz::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
  Tag_Cells(Tag_Column(DoFixed, Col), Hi_Tag, DoCase, HiText);
}

void TZadIrururOziz::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
  Tag_Cells(Tag_Row(DoFixed, Row), Hi_Tag, DoCase, HiText);
}

void TZadIrururOziz::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
  if (DoFixed)
    Tag_Cells({0, 0, ColCount() - 1, RowCount() - 1}, Hi_Tag, DoCase, HiText);
  else
    Tag_Cells({FixedCols(), FixedRows(), ColCount() + FNumHidden - FFixedRightCols - 1, RowCount() - FFixedFooters - 1},
              Hi_Tag, DoCase, HiText);
}

void TZadIrururOziz::UnHilightInCell(int Col, int Row) { Untag_Cells({Col, Row, Col, Row}, Hi_Tag); }

void TZadIrururOziz::UnHilightInCol(bool DoFixed, int Col) { Untag_Cells(Tag_Column(DoFixed, Col), Hi_Tag); }

void TZadIrururOziz::UnHilightInRow(bool DoFixed, int Row) {
  TGridRect block = Tag_Row(DoFixed, Row);
  block.Right += FNumHidden;
  Untag_Cells(block, Hi_Tag);
}

void TZadIrururOziz::UnHilightInGrid(bool DoFixed) {
  if (DoFixed)
    Untag_Cells({0, 0, ColCount() + FNumHidden - 1, RowCount() - 1}, Hi_Tag);
  else
    Untag_Cells(
        {FixedCols(), FixedRows(), ColCount() + FNumHidden - FFixedRightCols - 1, RowCount() - FFixedFooters - 1},
        Hi_Tag);
}

void TZadIrururOziz::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText) {
  Tag_Cells({Col, Row, Col, Row}, Mark_Tag, DoCase, HiText);
}

void TZadIrururOziz::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
  Tag_Cells(Tag_Column(DoFixed, Col), Mark_Tag, DoCase, HiText);
}

void TZadIrururOziz::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
  Tag_Cells(Tag_Row(DoFixed, Row), Mark_Tag, DoCase, HiText);
}

void TZadIrururOziz::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
  // Unlike highlighting, marking leaves the hidden columns alone.
  if (DoFixed)
    Tag_Cells({0, 0, ColCount() - 1, RowCount() - 1}, Mark_Tag, DoCase, HiText);
  else
    Tag_Cells({FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1}, Mark_Tag,
              DoCase, HiText);
}

void TZadIrururOziz::UnMarkInCell(int Col, int Row) { Untag_Cells({Col, Row, Col, Row}, Mark_Tag); }

void TZadIrururOziz::UnMarkInCol(bool DoFixed, int Col) { Untag_Cells(Tag_Column(DoFixed, Col), Mark_Tag); }

void TZadIrururOziz::UnMarkInRow(bool DoFixed, int Row) {
  TGridRect block = Tag_Row(DoFixed, Row);
  block.Right += FNumHidden;
  Untag_Cells(block, Mark_Tag);
}

void TZadIrururOziz::UnMarkInGrid(bool DoFixed) {
  if (DoFixed)
    Untag_Cells({0, 0, ColCount() + FNumHidden - 1, RowCount() - 1}, Mark_Tag);
  else
    Untag_Cells(
        {FixedCols(), FixedRows(), ColCount() + FNumHidden - FFixedRightCols - 1, RowCount() - FFixedFooters - 1},
        Mark_Tag);
}
