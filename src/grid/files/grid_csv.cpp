// CSV files of TZadIrururOziz: the save range written as delimited lines
// (quoted where a value needs it, line breaks kept on the line as 0x0B or,
// for Java-style files, "~"), and read back replacing rows from the first
// data row or added after the last one.
#include <QBuffer>
#include <QFile>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/store/text_helpers.h"

using namespace grid_files;

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Line_Mark = QChar(0x0B);

// A value's form in the file: the caller's value coded so that it stays one
// field on one line.
QString Csv_Value(QString v, QChar d, bool always_quotes, bool quote_empty, bool java) {
  v = grid_text::QuoteDoubling(v);
  bool quoted = false;
  if (always_quotes || (!v.contains(d) && v.contains(Quote))) {
    v = Quote + v + Quote;
    quoted = true;
  }
  if (v.isEmpty()) {
    if (java)
      v = QStringLiteral("^");
    else if (quote_empty)
      v = QStringLiteral("\"\"");
  }
  const bool multi_line = v.contains(u'\r') || v.contains(u'\n');
  if (v.contains(d) || multi_line) {
    if (java) {
      v = grid_text::LineBreaksToTilde(v);
      // A delimiter inside a Java-style value would split it on reading.
      if (!quoted && v.contains(d)) v = Quote + v + Quote;
    } else if (quoted) {
      // Inside quotes the line breaks take 0x0B too, so the record stays on
      // one line for the line-based reader.
      v.replace(QLatin1String("\r\n"), QString(Line_Mark));
    } else {
      v = grid_text::QuoteMultiLineText(v);
    }
  }
  // A lone CR or LF would still break the line.
  v.replace(u'\r', Line_Mark);
  v.replace(u'\n', Line_Mark);
  return v;
}

QString Decode_Field(const QString& field, bool java) {
  return java ? grid_text::TildeToLineBreaks(field) : grid_text::RestoreMultiLineText(field);
}

// Blanks before a field go, though never its last character.
void Drop_Leading_Blanks(QStringView& line) {
  qsizetype n = 0;
  while (line.size() - n >= 2 && line[n] == u' ') ++n;
  line = line.sliced(n);
}

// The 1-based position of the last of the first odd run of `ch` that some
// other character follows; else the text's size when it ends in `ch`; else 0.
qsizetype Find_Unpaired(QChar ch, QStringView text) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n) {
    if (text[i] != ch) {
      ++i;
      continue;
    }
    qsizetype run_end = i;
    while (run_end < n && text[run_end] == ch) ++run_end;
    if ((run_end - i) % 2 == 1 && run_end < n) return run_end;
    i = run_end;
  }
  return n > 0 && text[n - 1] == ch ? n : 0;
}

// The text with each pair of `ch` made one.
QString Un_Double(QChar ch, QStringView text) {
  if (!text.contains(ch)) return text.toString();
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == ch && i + 1 < text.size() && text[i + 1] == ch) ++i;
  }
  return result;
}

const QChar Candidates[] = {u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};

QChar Detect_Delimiter(const QString& l1, const QString& l2) {
  QChar chosen;
  int best = 0;
  for (QChar c : Candidates) {
    const int n1 = grid_text::CountUnpairedChars(c, l1), n2 = grid_text::CountUnpairedChars(c, l2);
    if (n1 == n2 && n1 > best) chosen = c, best = n1;
  }
  if (!chosen.isNull()) return chosen;
  for (QChar c : Candidates) {
    const int n1 = grid_text::CountChar(c, l1), n2 = grid_text::CountChar(c, l2);
    if (n1 == n2 && n1 > best) chosen = c, best = n1;
  }
  if (!chosen.isNull()) return chosen;
  for (QChar c : Candidates) {
    const int n1 = grid_text::CountChar(c, l1), n2 = grid_text::CountChar(c, l2);
    if (n1 > best || n2 > best) chosen = c, best = std::max(n1, n2);
  }
  return chosen;
}

bool Starts_With_Utf8_Bom(const QByteArray& bytes) { return bytes.startsWith("\xEF\xBB\xBF"); }

}  // namespace

// The save range as CSV lines after the given ones, written to the file.
static void Write_Csv(TZadIrururOziz& g, const QString& FileName, QStringList lines, bool Unicode) {
  const int hidden = g.SaveHiddenCells() ? g.NumHiddenColumns() : 0;
  const QChar d = g.Delimiter().isNull() ? QChar(u',') : g.Delimiter();
  Progress progress(g);
  // The lines are encoded one at a time and go to the file a block at a
  // time: a million rows make no million line strings, nor one text or one
  // byte array of the whole file.
  atomic_file::Writer file(FileName);
  Encoded_Lines out(Unicode ? Encoding::Utf8_Bom : Encoding::Ansi, file);
  for (const QString& line : lines) out.Add(line);
  QString line;
  g.ExportNotification(esExportStart, g.SaveStartRow());
  for (int r = g.SaveStartRow(); r <= g.SaveEndRow(); ++r) {
    g.ExportNotification(esExportNextRow, r);
    line.clear();
    for (int c = g.SaveStartCol(); c <= g.SaveEndCol() + hidden; ++c) {
      if (c > g.SaveStartCol()) line += d;
      QString v;
      g.DoSaveCell(Save_Col(g, c), r, v);
      line += Csv_Value(v, d, g.AlwaysQuotes(), g.QuoteEmptyCells(), g.JavaCSV());
    }
    out.Add(line);
    progress.Report(r, g.RowCount() - 1);
  }
  g.ExportNotification(esExportDone, -1);
  out.Commit();
}

void TZadIrururOziz::SaveToCSV(const QString& FileName, bool Unicode) { Write_Csv(*this, FileName, {}, Unicode); }

void TZadIrururOziz::AppendToCSV(const QString& FileName, bool Unicode) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw VAzaZeriVader(QStringLiteral("Cannot open file %1").arg(FileName).toStdString());
  const QByteArray bytes = file.readAll();
  file.close();
  // The file keeps the encoding it has: UTF-8 with its mark stays so, as
  // does a file in the ANSI code page.
  const bool utf8 = bytes.isEmpty() ? Unicode : Starts_With_Utf8_Bom(bytes);
  Write_Csv(*this, FileName, Split_Lines(bytes), utf8);
}

static void Read_Csv(TZadIrururOziz& g, QIODevice& input, bool insert, int MaxRows);

void TZadIrururOziz::LoadFromCSV(const QString& FileName, int MaxRows) {
  Input_File file(FileName);
  if (file.Empty()) return;
  Read_Csv(*this, file.Device(), false, MaxRows);
}

void TZadIrururOziz::InsertFromCSV(const QString& FileName, int MaxRows) {
  Input_File file(FileName);
  if (file.Empty()) return;
  Read_Csv(*this, file.Device(), true, MaxRows);
}

void TZadIrururOziz::LoadFromCSVStream(QIODevice& Stream, int MaxRows) {
  QBuffer bytes;
  bytes.setData(Stream.readAll());
  bytes.open(QIODevice::ReadOnly);
  Read_Csv(*this, bytes, false, MaxRows);
}

// The file's lines are read as views a block at a time, once to count them
// (and keep the first two for the delimiter's detection), once to store
// them: a million lines make no million line strings.
static void Read_Csv(TZadIrururOziz& g, QIODevice& input, bool insert, int MaxRows) {
  Line_Reader reader(input);
  qsizetype lines = 0;
  QString line1, line2;
  for (QStringView line; reader.Next(line); ++lines)
    if (lines == 0)
      line1 = line.toString();
    else if (lines == 1)
      line2 = line.toString();
  if (lines == 0) throw VAzaZeriVader("File is empty");
  // Files and buffers seek back; the check keeps any other device from
  // being read on past its end.
  if (!reader.Rewind()) throw VAzaZeriVader("File cannot be read twice");
  const int sc = g.SaveStartCol();
  int row = g.SaveStartRow();
  const bool footer = insert && g.FloatingFooter().Visible();
  QStringList footer_texts;
  int footer_rows = g.FixedFooters();
  if (insert) {
    row = g.RowCount();
    if (footer) {
      const int last = g.RowCount() - 1;
      for (int c = 0; c < g.ColCount() + g.NumHiddenColumns(); ++c) footer_texts.append(g.GetGridCell(c, last));
      g.ResetRowCells(last);
      row = last;
      // The footer row comes back below the new rows even when it is not
      // counted among the fixed footers.
      footer_rows = std::max(footer_rows, 1);
    }
  }
  const QChar d =
      g.Delimiter().isNull()
          ? Detect_Delimiter(line1, lines > 1 ? line2 : QString())
          : g.Delimiter();
  const bool java = g.JavaCSV();
  qsizetype first = g.LoadFirstRow() ? 0 : 1;
  qsizetype count = lines - first;
  if (MaxRows > 0) count = std::min<qsizetype>(count, MaxRows);
  const int hidden = g.SaveHiddenCells() ? g.NumHiddenColumns() : 0;
  if ((long long)row + count + footer_rows > Max_Rows) throw VAzaZeriVader("File has too many lines");
  // Room for every line at once, the footer rows below.
  if (row + count + footer_rows > g.RowCount()) g.SetRowCount(int(row + count + footer_rows));
  Progress progress(g);
  QStringView line;
  Repeated_Texts repeated;
  if (first > 0) reader.Next(line);
  for (qsizetype i = 0; i < count && reader.Next(line); ++i) {
    int c = sc;
    auto store = [&](const QString& field) {
      if (c < Max_Columns) {
        if (c + 1 > g.ColCount() + hidden) g.SetColCount(c + 1 - hidden);
        g.DoLoadCell(c, row, repeated.Share(c, Decode_Field(field, java)));
      }
      ++c;
    };
    // d null: no candidate occurred, the line is one field.
    qsizetype p = d.isNull() ? -1 : line.indexOf(d);
    while (p >= 0) {
      Drop_Leading_Blanks(line);
      QString field;
      if (line.startsWith(Quote)) {
        line = line.sliced(1);
        if (const qsizetype q = Find_Unpaired(Quote, line); q > 0) {
          field = Un_Double(Quote, line.first(q - 1));
          line = line.sliced(q);
        }
        p = line.indexOf(d);
        if (p < 0) {
          // The closing quote ended the line: the field was its last.
          store(field);
          line = QStringView();
          break;
        }
      } else {
        p = line.indexOf(d);
        field = line.first(p).toString();
      }
      store(field);
      line = line.sliced(p + 1);
      p = line.indexOf(d);
    }
    if (!line.isEmpty()) {
      Drop_Leading_Blanks(line);
      if (line.startsWith(Quote)) {
        line = line.sliced(1);
        if (line.endsWith(Quote)) line.chop(1);
        store(Un_Double(Quote, line));
      } else {
        store(line.toString());
      }
    }
    ++row;
    progress.Report(i + 1, count);
  }
  g.SetRowCount(row + footer_rows);
  if (footer) {
    const int last = g.RowCount() - 1;
    for (int c = 0; c < footer_texts.size() && c < g.ColCount() + g.NumHiddenColumns(); ++c)
      g.SetGridCell(c, last, footer_texts[c]);
  }
  Cells_Loaded(g);
}
