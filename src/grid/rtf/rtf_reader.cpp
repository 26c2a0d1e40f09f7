#include "grid/rtf/rtf_reader.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <vector>

#include "platform/ansi_codec.h"

namespace rtf {
namespace {

// Groups nested deeper than this share the looks of the deepest kept one.
constexpr int Max_Depth = 256;
constexpr int Max_Word = 32;
constexpr int Max_Digits = 10;
// A \ucN beyond this is not a real fallback count.
constexpr int Max_Fallback = 16;

enum class Dest { Text, Font_Table, Colour_Table, Skip };

struct Look {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int font = -1;
  int half_points = 0;
  int colour = 0;
  int vertical = 0;  // 1 superscript, -1 subscript
  Qt::Alignment align = Qt::AlignLeft;
  int uc = 1;
  Dest dest = Dest::Text;
};

bool Is_Letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }
int Hex_Value(char c) {
  if (Is_Digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  Reader(const QByteArray& stream, QTextDocument* document) : in_(stream), document_(document) {
    if (document_) {
      document_->clear();
      cursor_ = QTextCursor(document_);
    }
  }

  void Run() {
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      switch (c) {
        case '{':
          Open_Group();
          break;
        case '}':
          Close_Group();
          break;
        case '\\':
          Control();
          break;
        case '\r':
        case '\n':
        case '\0':
          break;
        default:
          Text_Byte(c);
          break;
      }
    }
    Flush_Bytes();
    End_Paragraph(false);
  }

  QString Plain() const { return plain_; }

 private:
  // ---- groups

  void Open_Group() {
    Flush_Bytes();
    skip_ = 0;
    if (int(stack_.size()) >= Max_Depth) {
      ++overflow_;
      return;
    }
    stack_.push_back(cur_);
  }

  void Close_Group() {
    Flush_Bytes();
    skip_ = 0;
    if (overflow_ > 0) {
      --overflow_;
      return;
    }
    if (stack_.empty()) return;  // a stray brace
    if (cur_.dest == Dest::Font_Table) End_Font_Entry();
    cur_ = stack_.back();
    stack_.pop_back();
    look_changed_ = true;
  }

  // ---- control words and symbols

  void Control() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!Is_Letter(c)) {
      ++pos_;
      Symbol(c);
      return;
    }
    QByteArray word;
    while (pos_ < in_.size() && Is_Letter(in_[pos_])) {
      if (word.size() < Max_Word) word += in_[pos_];
      ++pos_;
    }
    bool has_param = false;
    bool negative = false;
    qint64 value = 0;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && Is_Digit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < in_.size() && Is_Digit(in_[pos_])) {
      // Digits past the limit are read over, not counted.
      if (digits++ < Max_Digits) value = value * 10 + (in_[pos_] - '0');
      has_param = true;
      ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    value = std::clamp<qint64>(negative ? -value : value, INT32_MIN, INT32_MAX);
    Word(word, has_param, int(value));
  }

  void Symbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Text_Byte(c);
        break;
      case '\'': {
        if (pos_ + 1 < in_.size() && Hex_Value(in_[pos_]) >= 0 && Hex_Value(in_[pos_ + 1]) >= 0) {
          const char byte = char(Hex_Value(in_[pos_]) * 16 + Hex_Value(in_[pos_ + 1]));
          pos_ += 2;
          Text_Byte(byte, true);
        } else {
          pos_ = std::min<qsizetype>(pos_ + 2, in_.size());
        }
        break;
      }
      case '~':
        Text(QString(QChar(0x00A0)));
        break;
      case '_':
        Text(QString(QChar(0x2011)));
        break;
      case '*':
        Flush_Bytes();
        cur_.dest = Dest::Skip;
        break;
      case '\r':
      case '\n':
        Paragraph();
        break;
      default:
        if (skip_ > 0) --skip_;
        break;
    }
  }

  void Word(const QByteArray& w, bool has_param, int param) {
    const bool on = !has_param || param != 0;
    // A control word counts as one character of a \u fallback.
    if (skip_ > 0 && w != "u") {
      --skip_;
      return;
    }
    if (w == "ansicpg") {
      if (has_param && param > 0) codepage_ = param;
    } else if (w == "deff") {
      default_font_ = param;
    } else if (w == "fonttbl") {
      Set_Dest(Dest::Font_Table);
    } else if (w == "colortbl") {
      Set_Dest(Dest::Colour_Table);
      colour_seen_ = false;
      red_ = green_ = blue_ = 0;
    } else if (Is_Skipped_Destination(w)) {
      Set_Dest(Dest::Skip);
    } else if (w == "bin") {
      Flush_Bytes();
      if (has_param && param > 0) pos_ = std::min<qsizetype>(pos_ + param, in_.size());
    } else if (cur_.dest == Dest::Font_Table) {
      if (w == "f") {
        End_Font_Entry();
        font_entry_ = param;
      }
    } else if (cur_.dest == Dest::Colour_Table) {
      if (w == "red") red_ = std::clamp(param, 0, 255), colour_seen_ = true;
      if (w == "green") green_ = std::clamp(param, 0, 255), colour_seen_ = true;
      if (w == "blue") blue_ = std::clamp(param, 0, 255), colour_seen_ = true;
    } else if (cur_.dest == Dest::Skip) {
      // Words inside a skipped group change nothing.
    } else {
      Text_Word(w, has_param, param, on);
    }
  }

  static bool Is_Skipped_Destination(const QByteArray& w) {
    static const char* const names[] = {"stylesheet",   "info",
                                        "pict",         "header",
                                        "headerl",      "headerr",
                                        "headerf",      "footer",
                                        "footerl",      "footerr",
                                        "footerf",      "footnote",
                                        "object",       "fldinst",
                                        "themedata",    "datastore",
                                        "listtable",    "listoverridetable",
                                        "latentstyles", "colorschememapping",
                                        "rsidtbl",      "xmlnstbl",
                                        "generator",    "nonshppict",
                                        "private",      "revtbl",
                                        "filetbl"};
    for (const char* name : names)
      if (w == name) return true;
    return false;
  }

  void Set_Dest(Dest d) {
    Flush_Bytes();
    cur_.dest = d;
  }

  void Text_Word(const QByteArray& w, bool has_param, int param, bool on) {
    auto set_look = [&](auto& field, auto value) {
      Flush_Bytes();
      field = value;
      look_changed_ = true;
    };
    if (w == "par" || w == "row") {
      Paragraph();
    } else if (w == "line") {
      Text(QString(QChar(document_ ? QChar::LineSeparator : QChar('\n'))));
    } else if (w == "tab" || w == "cell") {
      Text(QStringLiteral("\t"));
    } else if (w == "u") {
      skip_ = 0;
      const int unit = (param < 0 ? param + 65536 : param) & 0xFFFF;
      Text(QString(QChar(char16_t(unit))));
      skip_ = cur_.uc;
    } else if (w == "uc") {
      cur_.uc = std::clamp(param, 0, Max_Fallback);
    } else if (w == "b") {
      set_look(cur_.bold, on);
    } else if (w == "i") {
      set_look(cur_.italic, on);
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" || w == "ulwave" || w == "uldash") {
      set_look(cur_.underline, on);
    } else if (w == "ulnone") {
      set_look(cur_.underline, false);
    } else if (w == "strike" || w == "striked") {
      set_look(cur_.strike, on);
    } else if (w == "plain") {
      Flush_Bytes();
      cur_.bold = cur_.italic = cur_.underline = cur_.strike = false;
      cur_.font = -1;
      cur_.half_points = 0;
      cur_.colour = 0;
      cur_.vertical = 0;
      look_changed_ = true;
    } else if (w == "f") {
      set_look(cur_.font, param);
    } else if (w == "fs") {
      set_look(cur_.half_points, std::clamp(param, 0, 3276));
    } else if (w == "cf") {
      set_look(cur_.colour, param);
    } else if (w == "super") {
      set_look(cur_.vertical, 1);
    } else if (w == "sub") {
      set_look(cur_.vertical, -1);
    } else if (w == "nosupersub") {
      set_look(cur_.vertical, 0);
    } else if (w == "up") {
      set_look(cur_.vertical, !has_param || param > 0 ? 1 : 0);
    } else if (w == "dn") {
      set_look(cur_.vertical, !has_param || param > 0 ? -1 : 0);
    } else if (w == "pard") {
      set_look(cur_.align, Qt::Alignment(Qt::AlignLeft));
    } else if (w == "ql") {
      set_look(cur_.align, Qt::Alignment(Qt::AlignLeft));
    } else if (w == "qr") {
      set_look(cur_.align, Qt::Alignment(Qt::AlignRight));
    } else if (w == "qc") {
      set_look(cur_.align, Qt::Alignment(Qt::AlignHCenter));
    } else if (w == "qj") {
      set_look(cur_.align, Qt::Alignment(Qt::AlignJustify));
    } else if (w == "emdash") {
      Text(QString(QChar(0x2014)));
    } else if (w == "endash") {
      Text(QString(QChar(0x2013)));
    } else if (w == "bullet") {
      Text(QString(QChar(0x2022)));
    } else if (w == "lquote") {
      Text(QString(QChar(0x2018)));
    } else if (w == "rquote") {
      Text(QString(QChar(0x2019)));
    } else if (w == "ldblquote") {
      Text(QString(QChar(0x201C)));
    } else if (w == "rdblquote") {
      Text(QString(QChar(0x201D)));
    } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
      Text(QStringLiteral(" "));
    }
  }

  // ---- text

  void Text_Byte(char c, bool escaped = false) {
    if (skip_ > 0) {
      --skip_;
      return;
    }
    switch (cur_.dest) {
      case Dest::Skip:
        return;
      case Dest::Font_Table:
        if (c == ';' && !escaped)
          End_Font_Entry();
        else
          font_name_ += c;
        return;
      case Dest::Colour_Table:
        if (c == ';') {
          colours_.push_back(colour_seen_ ? QColor(red_, green_, blue_) : QColor());
          colour_seen_ = false;
          red_ = green_ = blue_ = 0;
        }
        return;
      case Dest::Text:
        bytes_ += c;
        return;
    }
  }

  void End_Font_Entry() {
    if (font_entry_ >= 0 && !font_name_.isEmpty()) fonts_[font_entry_] = Decode(font_name_).trimmed();
    font_entry_ = -1;
    font_name_.clear();
  }

  QString Decode(const QByteArray& bytes) const {
    if (codepage_ == 65001) return QString::fromUtf8(bytes);
    if (codepage_ != 1252) {
      QStringDecoder decoder(QStringLiteral("windows-%1").arg(codepage_).toLatin1().constData());
      if (decoder.isValid()) return decoder.decode(bytes);
    }
    return ansi::Decode(bytes);
  }

  void Flush_Bytes() {
    if (bytes_.isEmpty()) return;
    const QByteArray bytes = bytes_;
    bytes_.clear();
    Append(Decode(bytes));
  }

  void Text(const QString& s) {
    if (cur_.dest != Dest::Text) return;
    if (skip_ > 0) {
      --skip_;
      return;
    }
    Flush_Bytes();
    Append(s);
  }

  void Append(const QString& s) {
    if (!document_) {
      plain_ += s;
      return;
    }
    if (look_changed_) {
      const QTextCharFormat format = Format_Of(cur_);
      if (format != run_format_) {
        Flush_Run();
        run_format_ = format;
      }
      look_changed_ = false;
    }
    run_ += s;
    paragraph_align_ = cur_.align;
  }

  void Flush_Run() {
    if (run_.isEmpty() || !document_) return;
    cursor_.insertText(run_, run_format_);
    run_.clear();
  }

  void Paragraph() {
    Flush_Bytes();
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (cur_.dest != Dest::Text) return;
    paragraph_align_ = cur_.align;
    End_Paragraph(true);
  }

  void End_Paragraph(bool another) {
    if (!document_) {
      if (another) plain_ += QLatin1Char('\n');
      return;
    }
    Flush_Run();
    QTextBlockFormat block = cursor_.blockFormat();
    block.setAlignment(paragraph_align_);
    cursor_.setBlockFormat(block);
    if (another) cursor_.insertBlock(QTextBlockFormat(), run_format_);
  }

  QTextCharFormat Format_Of(const Look& look) const {
    QTextCharFormat f;
    if (look.bold) f.setFontWeight(QFont::Bold);
    if (look.italic) f.setFontItalic(true);
    if (look.underline) f.setFontUnderline(true);
    if (look.strike) f.setFontStrikeOut(true);
    const int font = look.font >= 0 ? look.font : default_font_;
    if (auto it = fonts_.find(font); it != fonts_.end() && !it->second.isEmpty())
      f.setFontFamilies(QStringList{it->second});
    if (look.half_points > 0) f.setFontPointSize(look.half_points / 2.0);
    if (look.colour > 0 && look.colour < int(colours_.size()) && colours_[size_t(look.colour)].isValid())
      f.setForeground(colours_[size_t(look.colour)]);
    if (look.vertical > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (look.vertical < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return f;
  }

  const QByteArray& in_;
  qsizetype pos_ = 0;
  QTextDocument* document_;
  QTextCursor cursor_;
  std::vector<Look> stack_;
  Look cur_;
  int overflow_ = 0;
  int skip_ = 0;
  int codepage_ = 1252;
  int default_font_ = -1;
  QByteArray bytes_;
  QString run_;
  QTextCharFormat run_format_;
  bool look_changed_ = true;
  Qt::Alignment paragraph_align_ = Qt::AlignLeft;
  std::map<int, QString> fonts_;
  int font_entry_ = -1;
  QByteArray font_name_;
  std::vector<QColor> colours_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colour_seen_ = false;
  QString plain_;
};

}  // namespace

void Read_Rtf(const QByteArray& Stream, QTextDocument& Document) {
  Reader reader(Stream, &Document);
  reader.Run();
}

QString Rtf_Plain_Text(const QByteArray& Stream) {
  Reader reader(Stream, nullptr);
  reader.Run();
  return reader.Plain();
}

bool Is_Rtf(const QByteArray& Stream) { return Stream.startsWith("{\\rtf"); }

}  // namespace rtf
