// Fixed-width text files (fields cut at given widths or start positions)
// and the column-aligned text export of TZadIrururOziz.
#include <QFile>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/store/text_helpers.h"

using namespace grid_files;

namespace {

// The longest line, in characters, among a column's export texts (split at
// line breaks with Multilinecells).
int Longest_Export_Line(TZadIrururOziz& g, int real_col, bool multi) {
  int longest = 0;
  for (int r = 0; r < g.RowCount(); ++r) {
    QString rest;
    g.DoSaveCell(real_col, r, rest);
    do {
      QString line;
      grid_text::ExtractFirstLine(rest, multi, line);
      longest = std::max(longest, int(line.size()));
    } while (!rest.isEmpty());
  }
  return longest;
}

QString First_Line(const QString& text) {
  const qsizetype end = text.indexOf(QLatin1String("\r\n"));
  return end < 0 ? text : text.left(end);
}

QString Aligned(QString text, int width, TAlignment alignment) {
  if (text.size() >= width) return text;
  const qsizetype pad = width - text.size();
  if (alignment == taRightJustify) return QString(pad, u' ') + text;
  if (alignment == taCenter) return QString(pad / 2, u' ') + text + QString(pad - pad / 2, u' ');
  return text;
}

}  // namespace

void TZadIrururOziz::SaveToFixed(const QString& FileName, TIntList& Positions) {
  const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
  const int sc = SaveStartCol(), ec = SaveEndCol() + hidden;
  const bool multi = FPaintLook.Multilinecells;
  for (int c = sc; c <= ec; ++c)
    if (Positions.Count() <= c - sc) Positions.Add(Longest_Export_Line(*this, Save_Col(*this, c), multi) + 1);
  QStringList lines;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    QString line;
    for (int c = sc; c <= ec; ++c) {
      QString text;
      DoSaveCell(Save_Col(*this, c), r, text);
      // Line breaks would split the record; they go out as blanks.
      text.replace(QLatin1String("\r\n"), QLatin1String(" "));
      text.replace(u'\r', u' ');
      text.replace(u'\n', u' ');
      const int w = std::max(0, Positions.GetInteger(c - sc));
      line += text.size() > w ? text.left(w) : text.leftJustified(w, u' ');
    }
    lines.append(line);
  }
  ExportNotification(esExportDone, -1);
  Write_File(FileName, Encode_Lines(lines, Encoding::Ansi));
}

void TZadIrururOziz::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
  if (Positions.Count() < 2)
    throw VAzaZeriVader("Fixed-width reading needs at least two positions (n + 1 for n fields)");
  std::vector<int> pos;
  for (int k = 0; k < Positions.Count(); ++k) pos.push_back(Positions.GetInteger(k));
  std::sort(pos.begin(), pos.end());
  if (pos.front() < 1) throw VAzaZeriVader("Fixed-width positions start at 1");
  const long long fields = (long long)pos.size() - 1;
  if (SaveStartCol() + fields > Max_Columns) throw VAzaZeriVader("Too many fixed-width fields");
  const QStringList lines = Split_Lines(Read_Bytes(FileName));
  // The caller's list is left sorted.
  Positions.Clear();
  for (int p : pos) Positions.Add(p);
  SetColCount(std::max<int>(FixedCols() + int(fields), SaveStartCol() + int(fields)));
  int row = SaveStartRow();
  const int count = MaxRows < 0 ? int(lines.size()) : std::min<int>(int(lines.size()), std::max(1, MaxRows));
  if (count > 0 && (long long)row + count > Max_Rows) throw VAzaZeriVader("File has too many lines");
  for (int i = 0; i < count; ++i, ++row) {
    if (RowCount() <= row) SetRowCount(row + 1);
    const QString& line = lines[i];
    for (qsizetype k = 1; k < qsizetype(pos.size()); ++k) {
      QString field = line.mid(pos[k - 1] - 1, pos[k] - pos[k - 1]);
      if (DoTrim) field = field.trimmed();
      DoLoadCell(SaveStartCol() + int(k) - 1, row, field);
    }
  }
  Cells_Loaded(*this);
}

// The column-aligned export: every column as wide as its longest export
// line plus one blank, texts aligned as their cells, further lines of
// multi-line cells on continuation lines below the row's main line.
static void Write_Ascii(TZadIrururOziz& g, const QString& FileName, bool Append, bool Unicode) {
  QStringList lines;
  if (Append && QFile::exists(FileName)) lines = Split_Lines(Read_Bytes(FileName));
  const int hidden = g.SaveHiddenCells() ? g.NumHiddenColumns() : 0;
  const int c0 = g.SaveFixedCells() || g.SaveFixedCols() ? 0 : g.FixedCols();
  const int r0 = g.SaveFixedCells() || g.SaveFixedRows() ? 0 : g.FixedRows();
  const bool multi = g.PaintLook().Multilinecells;
  struct Column {
    int real, width, start;
  };
  std::vector<Column> columns;
  int start = 0;
  for (int c = c0; c < g.ColCount() + hidden; ++c) {
    const int real = Save_Col(g, c);
    const int width = Longest_Export_Line(g, real, multi);
    columns.push_back({real, width, start});
    start += width + 1;
  }
  g.ExportNotification(esExportStart, r0);
  for (int r = r0; r < g.RowCount(); ++r) {
    g.ExportNotification(esExportNextRow, r);
    QString main;
    QStringList more;
    for (const Column& col : columns) {
      QString text;
      g.DoSaveCell(col.real, r, text);
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      g.CellAlignment(col.real, r, ha, va);
      if (multi && text.contains(QLatin1String("\r\n"))) {
        const QStringList parts = text.split(QStringLiteral("\r\n"));
        text = parts[0];
        for (qsizetype k = 1; k < parts.size(); ++k) {
          if (more.size() < k) more.append(QString());
          QString& cont = more[k - 1];
          if (cont.size() < col.start) cont = cont.leftJustified(col.start, u' ');
          cont += Aligned(parts[k], col.width, ha);
        }
      } else {
        text = First_Line(text);
      }
      const QString aligned = Aligned(text, col.width, ha);
      main += aligned;
      if (col.width >= aligned.size()) main += QString(col.width - aligned.size() + 1, u' ');
    }
    lines.append(main);
    lines.append(more);
  }
  g.ExportNotification(esExportDone, -1);
  Write_File(FileName, Encode_Lines(lines, Unicode ? Encoding::Utf16_Bom : Encoding::Ansi));
}

void TZadIrururOziz::SaveToASCII(const QString& FileName, bool Unicode) {
  Write_Ascii(*this, FileName, false, Unicode);
}

void TZadIrururOziz::AppendToASCII(const QString& FileName, bool Unicode) {
  Write_Ascii(*this, FileName, true, Unicode);
}
