#include "grid/rtf/rtf_writer.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

namespace rtf {
namespace {

QString Family_Of(const QTextCharFormat& f) {
  if (f.hasProperty(QTextFormat::FontFamilies)) {
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty()) return families.first();
  }
  return f.hasProperty(QTextFormat::FontFamily) ? f.fontFamily() : QString();
}

bool Has_Colour(const QTextCharFormat& f) {
  return f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush;
}

template <typename T>
int Index_Of(std::vector<T>& list, const T& value) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == value) return int(i);
  list.push_back(value);
  return int(list.size()) - 1;
}

void Escape(const QString& text, QByteArray& out) {
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += char(u);
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u == QChar::LineSeparator) {
      out += "\\line ";
    } else if (u >= 0x20 && u < 0x7F) {
      out += char(u);
    } else {
      // Signed 16 bits, as readers expect; "?" stands in for readers that
      // know no \u.
      out += "\\u" + QByteArray::number(u > 32767 ? int(u) - 65536 : int(u)) + '?';
    }
  }
}

QByteArray Align_Word(Qt::Alignment a) {
  if (a & Qt::AlignRight) return "\\qr";
  if (a & Qt::AlignHCenter) return "\\qc";
  if (a & Qt::AlignJustify) return "\\qj";
  return "\\ql";
}

}  // namespace

QByteArray Write_Rtf(const QTextDocument& Document) {
  std::vector<QString> fonts;
  std::vector<QRgb> colours;
  QByteArray body;
  bool first = true;
  for (QTextBlock block = Document.begin(); block.isValid(); block = block.next()) {
    if (!first) body += "\\par\r\n";
    first = false;
    body += "\\pard" + Align_Word(block.blockFormat().alignment()) + ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const QTextCharFormat f = fragment.charFormat();
      QByteArray words;
      if (const QString family = Family_Of(f); !family.isEmpty())
        words += "\\f" + QByteArray::number(Index_Of(fonts, family));
      if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        words += "\\fs" + QByteArray::number(qRound(f.fontPointSize() * 2));
      if (f.hasProperty(QTextFormat::FontWeight) && f.fontWeight() >= QFont::Bold) words += "\\b";
      if (f.fontItalic()) words += "\\i";
      if (f.fontUnderline()) words += "\\ul";
      if (f.fontStrikeOut()) words += "\\strike";
      if (Has_Colour(f)) words += "\\cf" + QByteArray::number(Index_Of(colours, f.foreground().color().rgb()) + 1);
      if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) words += "\\super";
      if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) words += "\\sub";
      body += '{';
      if (!words.isEmpty()) body += words + ' ';
      Escape(fragment.text(), body);
      body += '}';
    }
  }

  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
  if (!fonts.empty()) {
    out += "{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
      out += "{\\f" + QByteArray::number(int(i)) + "\\fnil ";
      Escape(fonts[i], out);
      out += ";}";
    }
    out += '}';
  }
  if (!colours.empty()) {
    out += "{\\colortbl ;";
    for (QRgb c : colours)
      out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
             QByteArray::number(qBlue(c)) + ';';
    out += '}';
  }
  out += "\r\n" + body + "}";
  return out;
}

}  // namespace rtf
