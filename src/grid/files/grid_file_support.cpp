// Shared steps of the grid's file services.
#include "grid/files/grid_file_support.h"

#include <QFile>
#include <cmath>
#include <cstring>

#include "grid/core/zad_irurur_oziz.h"
#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"

namespace grid_files {

void Progress::Report(long long part, long long whole) {
  if (!grid_.OnFileProgress) return;
  const int percent = int(std::lround(100.0 * double(part) / double(std::max(1LL, whole))));
  if (percent == last_) return;
  last_ = percent;
  grid_.OnFileProgress(&grid_, percent);
}

QByteArray Encode_Lines(const QStringList& lines, Encoding encoding) {
  QString text;
  qsizetype size = 0;
  for (const QString& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String("\r\n");
  }
  return Encode_Text(text, encoding);
}

namespace {

// Bytes read and decoded, or encoded and written, at a time: large enough
// that a block holds many lines, small enough that its buffers stay below
// the size the C library maps fresh from the system for every request.
constexpr qsizetype Block_Bytes = qsizetype(1) << 20;

QByteArray Mark_Of(Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8_Bom:
      return QByteArray("\xEF\xBB\xBF");
    case Encoding::Utf16_Bom:
      return QByteArray("\xFF\xFE");
    case Encoding::Ansi:
      break;
  }
  return {};
}

// The text's bytes in the encoding, without a byte-order mark.
void Append_Encoded(QByteArray& bytes, const QString& text, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8_Bom:
      bytes += text.toUtf8();
      return;
    case Encoding::Utf16_Bom:
      bytes.reserve(bytes.size() + text.size() * 2);
      for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
      }
      return;
    case Encoding::Ansi:
      bytes += ansi::Encode(text);
      return;
  }
}

}  // namespace

QByteArray Encode_Text(const QString& text, Encoding encoding) {
  QByteArray bytes = Mark_Of(encoding);
  Append_Encoded(bytes, text, encoding);
  return bytes;
}

Encoded_Lines::Encoded_Lines(Encoding encoding, atomic_file::Writer& file)
    : encoding_(encoding), bytes_(Mark_Of(encoding)), file_(file) {}

void Encoded_Lines::Commit() {
  if (!bytes_.isEmpty()) file_.Append(bytes_);
  bytes_.resize(0);
  file_.Commit();
}

void Encoded_Lines::Add(const QString& line) {
  // A block handed on keeps its room for the next.
  if (bytes_.size() >= Block_Bytes) {
    file_.Append(bytes_);
    bytes_.resize(0);
  }
  Append_Encoded(bytes_, line, encoding_);
  if (encoding_ == Encoding::Utf16_Bom)
    bytes_.append("\r\0\n\0", 4);
  else
    bytes_.append("\r\n", 2);
}

const QString& Repeated_Texts::Share(int col, QString text) {
  static const QString none;
  if (col < 0 || text.isEmpty()) return none;
  if (size_t(col) >= last_.size()) last_.resize(size_t(col) + 1);
  QString& last = last_[size_t(col)];
  if (last != text) last = std::move(text);
  return last;
}

QByteArray Read_Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw VAzaZeriVader(QStringLiteral("File %1 not found").arg(path).toStdString());
  return file.readAll();
}

namespace {

// The length of the plain ASCII the bytes start with.
qsizetype Ascii_Prefix(QByteArrayView bytes) {
  const qsizetype n = bytes.size();
  const char* data = bytes.data();
  qsizetype i = 0;
  // Eight bytes at a time over the plain ASCII most files are.
  for (quint64 word; i + 8 <= n; i += 8) {
    std::memcpy(&word, data + i, 8);
    if (word & 0x8080808080808080ULL) break;
  }
  while (i < n && uchar(data[i]) < 0x80) ++i;
  return i;
}

}  // namespace

Input_File::Input_File(const QString& path) : file_(path) {
  if (!file_.open(QIODevice::ReadOnly))
    throw VAzaZeriVader(QStringLiteral("File %1 not found").arg(path).toStdString());
  if (file_.isSequential()) {
    buffer_.setData(file_.readAll());
    buffer_.open(QIODevice::ReadOnly);
    device_ = &buffer_;
  }
}

Line_Reader::Line_Reader(QByteArrayView bytes) : all_(bytes), rest_(bytes) { Choose_Codec(); }

Line_Reader::Line_Reader(QIODevice& device) : device_(&device), device_start_(device.pos()) { Choose_Codec(); }

QByteArrayView Line_Reader::Read_Block() {
  if (!device_) {
    const QByteArrayView block = rest_.first(std::min(Block_Bytes, rest_.size()));
    rest_ = rest_.sliced(block.size());
    return block;
  }
  if (device_end_) return {};
  read_buffer_.resize(Block_Bytes);
  const qint64 got = device_->read(read_buffer_.data(), Block_Bytes);
  if (got <= 0) {
    device_end_ = true;
    return {};
  }
  return QByteArrayView(read_buffer_.constData(), got);
}

QByteArrayView Line_Reader::Next_Bytes() {
  if (!pending_.isEmpty()) return std::exchange(pending_, QByteArrayView());
  return Read_Block();
}

// Whether the text from `current` (the block in hand) to the end decodes as
// UTF-8 without error. Bytes in memory are looked at in place; a device is
// read on to its end and set back to where it stood.
bool Line_Reader::Valid_Utf8(QByteArrayView current) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  std::unique_ptr<QChar[]> scratch;
  qsizetype scratch_size = 0;
  const auto check = [&](QByteArrayView bytes) {
    const qsizetype need = utf8.requiredSpace(bytes.size());
    if (need > scratch_size) scratch.reset(new QChar[size_t(scratch_size = need)]);
    utf8.appendToBuffer(scratch.get(), bytes);
  };
  check(current);
  if (!device_) {
    for (qsizetype at = 0; at < rest_.size() && !utf8.hasError(); at += Block_Bytes)
      check(rest_.sliced(at, std::min(Block_Bytes, rest_.size() - at)));
    return !utf8.hasError();
  }
  const qint64 resume = device_->pos();
  bool read_more = false;
  for (QByteArrayView bytes = Read_Block(); !bytes.isEmpty() && !utf8.hasError(); bytes = Read_Block()) {
    read_more = true;
    check(bytes);
  }
  if (read_more) device_end_ = !device_->seek(resume);
  return !utf8.hasError();
}

// The encoding is chosen as text_file::Decode chooses it: a byte-order mark,
// else UTF-8 when the whole text is valid UTF-8, else Windows-1252. Without
// a mark the choice waits for the first byte that is not ASCII: the plain
// ASCII before it reads the same either way, and a file of ASCII alone is
// so never read twice.
void Line_Reader::Choose_Codec() {
  pending_ = Read_Block();
  // A mark cut by a short first read is completed.
  while (device_ && pending_.size() < 3) {
    const QByteArray before = pending_.toByteArray();
    const QByteArrayView more = Read_Block();
    if (more.isEmpty()) break;
    held_ = before + more.toByteArray();
    pending_ = QByteArrayView(held_);
  }
  if (pending_.startsWith("\xEF\xBB\xBF")) {
    codec_ = Codec::Utf8;
    mark_size_ = 3;
  } else if (pending_.startsWith("\xFF\xFE")) {
    codec_ = Codec::Utf16LE;
    mark_size_ = 2;
  } else if (pending_.startsWith("\xFE\xFF")) {
    codec_ = Codec::Utf16BE;
    mark_size_ = 2;
  } else {
    codec_ = Codec::Ascii_So_Far;
  }
  Make_Decoder();
  pending_ = pending_.sliced(mark_size_);
}

// The mark is skipped before decoding: a U+FEFF the decoder then meets
// first is the text's own (a cell that starts with it), not a mark to drop.
void Line_Reader::Make_Decoder() {
  constexpr auto keep = QStringDecoder::Flag::ConvertInitialBom;
  switch (codec_) {
    case Codec::Utf8:
      decoder_.emplace(QStringDecoder::Utf8, keep);
      break;
    case Codec::Utf16LE:
      decoder_.emplace(QStringDecoder::Utf16LE, keep);
      break;
    case Codec::Utf16BE:
      decoder_.emplace(QStringDecoder::Utf16BE, keep);
      break;
    case Codec::Ascii_So_Far:
    case Codec::Ansi:
      break;
  }
}

bool Line_Reader::Rewind() {
  if (device_) {
    device_end_ = !device_->seek(device_start_ + mark_size_);
    if (device_end_) return false;
  } else {
    rest_ = all_.sliced(mark_size_);
  }
  if (decoder_) decoder_->resetState();
  pending_ = QByteArrayView();
  exhausted_ = false;
  size_ = pos_ = 0;
  return true;
}

bool Line_Reader::Fill() {
  QByteArrayView bytes = Next_Bytes();
  const bool ascii = codec_ == Codec::Ascii_So_Far && Ascii_Prefix(bytes) == bytes.size();
  if (codec_ == Codec::Ascii_So_Far && !ascii) {
    // The block is kept while the rest of the text is looked at.
    held_ = bytes.toByteArray();
    bytes = QByteArrayView(held_);
    codec_ = Valid_Utf8(bytes) ? Codec::Utf8 : Codec::Ansi;
    Make_Decoder();
  }
  // What is left of the text moves to the front; the block is decoded
  // after it into the same buffer.
  const qsizetype left = size_ - pos_;
  const qsizetype need = left + (decoder_ ? decoder_->requiredSpace(bytes.size()) : bytes.size());
  if (need > capacity_) {
    std::unique_ptr<char16_t[]> bigger(new char16_t[size_t(need)]);
    if (left > 0) std::copy_n(text_.get() + pos_, left, bigger.get());
    text_ = std::move(bigger);
    capacity_ = need;
  } else if (pos_ > 0 && left > 0) {
    std::copy_n(text_.get() + pos_, left, text_.get());
  }
  pos_ = 0;
  size_ = left;
  if (bytes.isEmpty()) return false;
  char16_t* const out = text_.get() + size_;
  if (ascii) {
    const char* in = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = char16_t(uchar(in[i]));
    size_ += bytes.size();
  } else if (decoder_) {
    // One decoder for all blocks: a character cut by a block's end is
    // completed by the next block.
    QChar* const start = reinterpret_cast<QChar*>(text_.get());
    size_ = decoder_->appendToBuffer(reinterpret_cast<QChar*>(out), bytes) - start;
  } else {
    const QString decoded = ansi::Decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
    std::copy_n(decoded.utf16(), decoded.size(), out);
    size_ += decoded.size();
  }
  return true;
}

bool Line_Reader::Next(QStringView& line) {
  qsizetype i = pos_;
  for (;;) {
    const char16_t* text = text_.get();
    const qsizetype n = size_;
    while (i < n && text[i] != u'\r' && text[i] != u'\n') ++i;
    // A CR ending the text may be the first half of a CR LF.
    const bool open_end = i == n || (text[i] == u'\r' && i + 1 == n);
    if (open_end && !exhausted_) {
      const qsizetype scanned = i - pos_;
      exhausted_ = !Fill();
      i = scanned;
      continue;
    }
    if (i == n) {
      if (pos_ >= n) return false;
      line = QStringView(text + pos_, n - pos_);
      pos_ = n;
      return true;
    }
    line = QStringView(text + pos_, i - pos_);
    if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    pos_ = i + 1;
    return true;
  }
}

QStringList Split_Lines(const QByteArray& bytes) {
  QStringList lines;
  Line_Reader reader(bytes);
  for (QStringView line; reader.Next(line);) lines.append(line.toString());
  return lines;
}

void Write_File(const QString& path, const QByteArray& bytes) { atomic_file::Write(path, bytes); }

long long Lenient_Number(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int base = 10;
  if (i < n && text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  long long value = 0;
  for (; i < n; ++i) {
    const char16_t u = text[i].unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
      d = u - u'0';
    else if (base == 16 && u >= u'a' && u <= u'f')
      d = u - u'a' + 10;
    else if (base == 16 && u >= u'A' && u <= u'F')
      d = u - u'A' + 10;
    if (d < 0) break;
    // Beyond any count the grid takes; stop growing rather than overflow.
    if (value < (1LL << 40)) value = value * base + d;
  }
  return negative ? -value : value;
}

int Save_Col(TZadIrururOziz& grid, int c) { return grid.SaveHiddenCells() ? c : grid.RealColIndex(c); }

void Cells_Loaded(TZadIrururOziz& grid) {
  grid.DoCellsChanged(TGridRect{0, 0, grid.ColCount(), grid.RowCount()});
  // The footer's recalculation is not in the grid yet; its repaint stands
  // in until it is.
  grid.InvalidateGrid();
}

}  // namespace grid_files
