#pragma once
// Shared steps of the grid's file services: the progress event, reading and
// writing whole files, line splitting and encodings, the lenient number
// reading of the text file, and the end of every read.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

#include "platform/atomic_file.h"

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

// A file written line by line, each line encoded as it comes and followed
// by CR LF: the same bytes as Encode_Lines, without a string per line or one
// text for the whole file. The bytes go on to `file` a block at a time, so a
// large file is never held whole; Commit hands over the rest and puts the
// file in place.
class Encoded_Lines {
 public:
  Encoded_Lines(Encoding encoding, atomic_file::Writer& file);
  void Add(const QString& line);
  void Commit();

 private:
  Encoding encoding_;
  QByteArray bytes_;
  atomic_file::Writer& file_;
};
// A file's bytes; throws VAzaZeriVader "File <name> not found" when it
// cannot be read.
QByteArray Read_Bytes(const QString& path);
// The text (UTF-8 or UTF-16 by byte-order mark, else UTF-8 when valid, else
// Windows-1252) split at CR LF, LF or CR; a last empty line is dropped.
QStringList Split_Lines(const QByteArray& bytes);

// The text last read into each column. A cell equal to the one above it
// (units, media, manufacturers repeat down a meter list) takes that cell's
// text instead of a copy of its own, so a million such cells hold one text.
class Repeated_Texts {
 public:
  const QString& Share(int col, QString text);

 private:
  std::vector<QString> last_;
};

// The lines Split_Lines gives, one at a time: the bytes are read and decoded
// a block at a time, so a large file is never held as one text, nor as a
// string per line, nor (read from a file) as one byte array.
class Line_Reader {
 public:
  // The bytes must outlive the reader.
  explicit Line_Reader(QByteArrayView bytes);
  // Reads the device from where it stands to its end; a device that can
  // seek is read twice when its text has other characters than ASCII (once
  // to judge the encoding).
  explicit Line_Reader(QIODevice& device);
  Line_Reader(const Line_Reader&) = delete;
  Line_Reader& operator=(const Line_Reader&) = delete;
  // The next line, valid until the next call; false when none is left.
  bool Next(QStringView& line);
  // Back to the first line, the encoding kept; false when the device cannot
  // seek back.
  bool Rewind();

 private:
  enum class Codec { Ascii_So_Far, Utf8, Utf16LE, Utf16BE, Ansi };
  void Choose_Codec();
  void Make_Decoder();
  bool Valid_Utf8(QByteArrayView current);
  // The next block as read or sliced, and the next not yet decoded (the
  // first block waits while the codec is chosen); empty at the end.
  QByteArrayView Read_Block();
  QByteArrayView Next_Bytes();
  // Decodes the next block after what is left of the text; false at the end.
  bool Fill();

  Codec codec_ = Codec::Ascii_So_Far;
  std::optional<QStringDecoder> decoder_;
  QIODevice* device_ = nullptr;
  qint64 device_start_ = 0;
  bool device_end_ = false;
  QByteArray read_buffer_;
  QByteArray held_;
  QByteArrayView all_;   // bytes in memory
  QByteArrayView rest_;  // of them, those not read yet
  qsizetype mark_size_ = 0;  // the byte-order mark's
  QByteArrayView pending_;
  bool exhausted_ = false;
  std::unique_ptr<char16_t[]> text_;
  qsizetype capacity_ = 0;
  qsizetype size_ = 0;
  qsizetype pos_ = 0;  // where the next line starts in text_
};

// A file opened to be read through a Line_Reader: the file itself, or, when
// it cannot seek (a pipe), all it gives read into memory first. Throws
// VAzaZeriVader "File <name> not found" when it cannot be opened.
class Input_File {
 public:
  explicit Input_File(const QString& path);
  QIODevice& Device() { return *device_; }
  // Whether the file holds no byte (asked before reading any).
  bool Empty() { return device_->peek(1).isEmpty(); }

 private:
  QFile file_;
  QBuffer buffer_;
  QIODevice* device_ = &file_;
};

// Replaces the file through a temporary file beside it: a failed write
// leaves the old file (or none) as it was.
void Write_File(const QString& path, const QByteArray& bytes);

// Leading blanks, a sign, a "$" or "0x" hexadecimal prefix, then digits up
// to the first other character; an empty text reads as 0.
long long Lenient_Number(QStringView text);

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
