// Rich-text cells of TZadIrururOziz. A rich-text cell holds an RTF stream,
// one character per byte; the grid stores 7-bit RTF (every other character
// as \uN), so the low byte of each character is the whole stream and older
// cells that hold one 8-bit character per byte read as before.
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/rtf/rtf_reader.h"
#include "grid/rtf/rtf_writer.h"

namespace {

QByteArray Low_Bytes(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar ch : text) bytes += char(ch.unicode() & 0xFF);
  return bytes;
}

}  // namespace

void TZadIrururOziz::CellToRich(int ACol, int ARow, QTextDocument& Richeditor) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) {
    Richeditor.clear();
    return;
  }
  const QByteArray stream = Low_Bytes(text);
  if (rtf::Is_Rtf(stream))
    rtf::Read_Rtf(stream, Richeditor);
  else
    Richeditor.setPlainText(text);
}

QString TZadIrururOziz::RichToString(const QTextDocument& Richeditor) {
  if (Destroying()) return QString();
  return QString::fromLatin1(rtf::Write_Rtf(Richeditor));
}

void TZadIrururOziz::RichToCell(int ACol, int ARow, const QTextDocument& Richeditor) {
  SetCellEx(ACol, ARow, RichToString(Richeditor));
}

bool TZadIrururOziz::Rich_Cell_Selected(int ACol, int ARow) {
  const int shown = DisplColIndex(ACol);
  const bool focused_current = shown == Col() && ARow == Row() && hasFocus();
  if (FMouseActions->DisjunctRowSelect() && Paint_Row_Selected(ARow)) return true;
  if (FMouseActions->DisjunctColSelect() && Paint_Col_Selected(shown)) return true;
  return Paint_Is_Selected(shown, ARow) && (!focused_current || (Options() & goDrawFocusSelected));
}

void TZadIrururOziz::DrawRichCell(int ACol, int ARow, const TRect& ARect, TCanvas& ACanvas) {
  QTextDocument doc;
  doc.setDocumentMargin(0);
  doc.setDefaultFont(ACanvas.Font);
  CellToRich(ACol, ARow, doc);
  if (Rich_Cell_Selected(ACol, ARow) && !FSelectionRTFKeep && FSelectionTextColor != clNone) {
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    QTextCharFormat colour;
    colour.setForeground(To_QColor(FSelectionTextColor, palette()));
    all.mergeCharFormat(colour);
  }
  // The text is laid out in the cell less the text offset on every side.
  const QPoint xy = XYOffset();
  const QRect box(ARect.Left + xy.x(), ARect.Top + xy.y(), ARect.Width() - 2 * xy.x(), ARect.Height() - 2 * xy.y());
  if (box.width() <= 0 || box.height() <= 0) return;
  doc.setTextWidth(box.width());
  QPainter& painter = ACanvas.Painter();
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  painter.translate(box.topLeft());
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  // Text without a colour of its own shows in the window text colour, as in
  // a rich edit, not in the colour the canvas took for the selection.
  context.palette.setColor(QPalette::Text, To_QColor(clWindowText, palette()));
  context.clip = QRectF(0, 0, box.width(), box.height());
  doc.documentLayout()->draw(&painter, context);
  painter.restore();
}

QSize TZadIrururOziz::Measure_Rich_Cell(int ACol, int ARow, const TRect& R, const QFont& Font) {
  QTextDocument doc;
  doc.setDocumentMargin(0);
  doc.setDefaultFont(Font);
  CellToRich(ACol, ARow, doc);
  // The text asks for the room it needs in a box of the cell's width,
  // wrapped as the grid wraps.
  doc.setTextWidth(FWordWrapEx ? std::max(1, R.Width()) : -1);
  const QSizeF size = doc.documentLayout()->documentSize();
  const int width = FWordWrapEx ? int(std::ceil(doc.idealWidth())) : int(std::ceil(size.width()));
  return QSize(width, int(std::ceil(size.height())) + 4);
}
