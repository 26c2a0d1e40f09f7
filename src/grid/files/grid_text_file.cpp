// The grid's own text form: a header "C,R", "cw I,W" width lines and
// "I,J,text" cell lines (texts with line breaks packed onto one line), as a
// file with absolute coordinates or as UTF-16 lines in a stream with
// coordinates relative to the save range.
#include <QIODevice>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/store/text_helpers.h"

using namespace grid_files;

namespace {

// The text before the first comma, cut off with the comma; empty (and the
// text untouched) when there is none.
QString Cut_Field(QString& text) { return grid_text::CutAtSeparator(text, QStringLiteral(",")); }

// Cut_Field on a view: no string is made for the part cut off.
QStringView Cut_Field(QStringView& text) {
  const qsizetype pos = text.indexOf(u',');
  if (pos < 0) return QStringView();
  const QStringView head = text.first(pos);
  text = text.sliced(pos + 1);
  return head;
}

int Strict_Number(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok) throw VAzaZeriVader(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
  return value;
}

void Write_Stream_Line(QIODevice& stream, const QString& line) {
  QByteArray bytes;
  bytes.reserve((line.size() + 2) * 2);
  for (QChar ch : line) {
    bytes.append(char(ch.unicode() & 0xFF));
    bytes.append(char(ch.unicode() >> 8));
  }
  bytes.append("\r\0\n\0", 4);
  if (stream.write(bytes) != bytes.size())
    throw VAzaZeriVader(QStringLiteral("Stream write error: %1").arg(stream.errorString()).toStdString());
}

// One UTF-16 line up to a CR (the unit after it dropped) or the end.
QString Read_Stream_Line(QIODevice& stream) {
  QString line;
  char unit[2];
  while (stream.read(unit, 2) == 2) {
    const char16_t u = char16_t(uchar(unit[0]) | (uchar(unit[1]) << 8));
    if (u == u'\r') {
      stream.read(unit, 2);
      break;
    }
    line.append(QChar(u));
  }
  return line;
}

}  // namespace

void TZadIrururOziz::SaveToFile(const QString& FileName, bool Unicode) {
  const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
  const int first_col = SaveStartCol(), last_col = SaveEndCol() + hidden;
  // The lines are encoded one at a time and go to the file a block at a time.
  atomic_file::Writer file(FileName);
  Encoded_Lines out(Unicode ? Encoding::Utf16_Bom : Encoding::Ansi, file);
  out.Add(QStringLiteral("%1,%2").arg(SaveColCount() + hidden).arg(SaveRowCount()));
  for (int c = first_col; c <= last_col; ++c)
    out.Add(QStringLiteral("cw %1,%2").arg(c).arg(c < ColCount() ? ColWidths(c) : GetAllColWidths(c)));
  Progress progress(*this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = first_col; c <= last_col; ++c) {
      QString value;
      DoSaveCell(Save_Col(*this, c), r, value);
      if (!value.isEmpty())
        out.Add(QString::number(c) + u',' + QString::number(r) + u',' + grid_text::PackLineBreaks(value));
    }
    progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  out.Commit();
}

void TZadIrururOziz::LoadFromFile(const QString& FileName) {
  // The lines are read as views a block at a time: only the cells' own texts
  // are made as strings.
  Input_File file(FileName);
  Line_Reader reader(file.Device());
  QStringView line;
  const bool has_header = reader.Next(line);
  const auto corrupt = [&] {
    return VAzaZeriVader(QStringLiteral("File contains no data or corrupt file %1").arg(FileName).toStdString());
  };
  const int fixed_cols = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int fixed_rows = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  // The header is checked whole before anything of the grid changes.
  if (has_header && !line.isEmpty()) {
    QString header = line.toString();
    const QString first = Cut_Field(header);
    const long long cols = Lenient_Number(first.isNull() ? QString() : first);
    const long long rows = Lenient_Number(first.isNull() ? QString() : header);
    if (first.isNull() || cols <= 0 || rows <= 0 || fixed_cols + cols > Max_Columns || fixed_rows + rows > Max_Rows)
      throw corrupt();
    SetColCount(int(fixed_cols + cols));
    SetRowCount(int(fixed_rows + rows));
  } else if (ColCount() == 0 || RowCount() == 0) {
    throw corrupt();
  }
  Progress progress(*this);
  const bool multi = FPaintLook.Multilinecells;
  Repeated_Texts repeated;
  while (reader.Next(line)) {
    if (line.startsWith(u"cw")) {
      QString rest = line.toString().mid(3);
      const long long index = Lenient_Number(Cut_Field(rest));
      const long long width = Lenient_Number(rest);
      if (index >= 0 && index < ColCount() && width >= 0 && width <= 1'000'000) SetColWidths(int(index), int(width));
      continue;
    }
    const long long col = Lenient_Number(Cut_Field(line));
    const long long row = Lenient_Number(Cut_Field(line));
    if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount()) {
      DoLoadCell(int(col), int(row), repeated.Share(int(col), grid_text::UnpackLineBreaks(line.toString(), multi)));
      progress.Report(row, RowCount() - 1);
    }
  }
  Cells_Loaded(*this);
}

void TZadIrururOziz::SaveToStream(QIODevice& Stream) {
  Write_Stream_Line(Stream, QStringLiteral("%1,%2").arg(SaveColCount()).arg(SaveRowCount()));
  for (int c = 0; c < ColCount(); ++c) Write_Stream_Line(Stream, QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c)));
  const int sc = SaveStartCol(), sr = SaveStartRow();
  ExportNotification(esExportStart, sr);
  for (int r = sr; r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = sc; c <= SaveEndCol(); ++c) {
      QString value;
      DoSaveCell(RealColIndex(c), r, value);
      if (!value.isEmpty())
        Write_Stream_Line(
            Stream, QString::number(c - sc) + u',' + QString::number(r - sr) + u',' + grid_text::PackLineBreaks(value));
    }
  }
  ExportNotification(esExportDone, -1);
}

void TZadIrururOziz::LoadFromStream(QIODevice& Stream) {
  if (!Stream.atEnd()) {
    const qint64 start = Stream.pos();
    QString header = Read_Stream_Line(Stream);
    if (!header.isEmpty()) {
      const QString first = Cut_Field(header);
      const int cols = Strict_Number(first);
      const int rows = Strict_Number(header);
      const long long new_cols = (long long)cols + SaveStartCol(), new_rows = (long long)rows + SaveStartRow();
      // No grid has no data column or row: such a size would take the
      // fixed ones away, as the file reader also refuses it.
      if (cols <= 0 || rows <= 0 || new_cols > Max_Columns || new_rows > Max_Rows) {
        Stream.seek(start);
        throw VAzaZeriVader(QStringLiteral("Invalid grid size %1,%2 in stream").arg(cols).arg(rows).toStdString());
      }
      SetColCount(int(new_cols));
      SetRowCount(int(new_rows));
    }
  }
  const bool multi = FPaintLook.Multilinecells;
  const int sc = SaveStartCol(), sr = SaveStartRow();
  Repeated_Texts repeated;
  while (!Stream.atEnd()) {
    const qint64 mark = Stream.pos();
    QString line = Read_Stream_Line(Stream);
    if (line.startsWith(QLatin1String("cw"))) {
      QString rest = line.mid(3);
      const int index = Strict_Number(Cut_Field(rest));
      const int width = Strict_Number(rest);
      // Widths of columns this grid does not have are skipped.
      if (index >= 0 && index < ColCount() && width >= 0) SetColWidths(index, width);
      continue;
    }
    const QString col_field = Cut_Field(line);
    if (col_field.isEmpty()) {
      Stream.seek(mark);
      break;
    }
    const QString row_field = Cut_Field(line);
    if (row_field.isEmpty()) {
      Stream.seek(mark);
      break;
    }
    const long long col = (long long)Strict_Number(col_field) + sc;
    const long long row = (long long)Strict_Number(row_field) + sr;
    if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
      DoLoadCell(int(col), int(row), repeated.Share(int(col), grid_text::UnpackLineBreaks(line, multi)));
  }
  Cells_Loaded(*this);
}
