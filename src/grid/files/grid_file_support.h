#pragma once
// Shared steps of the grid's file services: the progress event, reading and
// writing whole files, line splitting and encodings, the lenient number
// reading of the text file, and the end of every read.
#include <QByteArray>
#include <QString>
#include <QStringList>

class TZadIrururOziz;

namespace grid_files {

// Fires the grid's OnFileProgress when the rounded percentage changes.
class Progress {
 public:
  explicit Progress(TZadIrururOziz& grid) : grid_(grid) {}
  // part of whole, 100 × part ÷ max(1, whole) rounded.
  void Report(long long part, long long whole);

 private:
  TZadIrururOziz& grid_;
  int last_ = -1;
};

enum class Encoding { Ansi, Utf8_Bom, Utf16_Bom };

// Every line followed by CR LF, in the encoding given.
QByteArray Encode_Lines(const QStringList& lines, Encoding encoding);
// Text whose lines already end in CR LF.
QByteArray Encode_Text(const QString& text, Encoding encoding);
// A file's bytes; throws VAzaZeriVader "File <name> not found" when it
// cannot be read.
QByteArray Read_Bytes(const QString& path);
// The text (UTF-8 or UTF-16 by byte-order mark, else UTF-8 when valid, else
// Windows-1252) split at CR LF, LF or CR; a last empty line is dropped.
QStringList Split_Lines(const QByteArray& bytes);
// Replaces the file through a temporary file beside it: a failed write
// leaves the old file (or none) as it was.
void Write_File(const QString& path, const QByteArray& bytes);

// Leading blanks, a sign, a "$" or "0x" hexadecimal prefix, then digits up
// to the first other character; an empty text reads as 0.
long long Lenient_Number(const QString& text);

// The storage column of save-range column c: itself with SaveHiddenCells
// (hidden columns are counted on past the visible ones), else the real
// column of the display column.
int Save_Col(TZadIrururOziz& grid, int c);

// After a read: the grid's cells-changed hook and the footer's recalculation.
void Cells_Loaded(TZadIrururOziz& grid);

// Largest counts a file may set.
inline constexpr long long Max_Columns = 65536;
inline constexpr long long Max_Rows = 50'000'000;

}  // namespace grid_files
