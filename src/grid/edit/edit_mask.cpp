#include "grid/edit/edit_mask.h"

#include <QStringList>

namespace edit_mask {
namespace {

// Characters the input mask reads as placeholders or switches: written as
// literals they need an escape.
bool Special_In_Input_Mask(QChar ch) {
  static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\;[]{}");
  return special.contains(ch);
}

void Literal(QString& out, QChar ch) {
  if (Special_In_Input_Mask(ch)) out += QLatin1Char('\\');
  out += ch;
}

}  // namespace

QString Input_Mask(const QString& mask, QChar time_separator, QChar date_separator) {
  const QStringList fields = mask.split(QLatin1Char(';'));
  const QString& body = fields.value(0);
  if (body.isEmpty()) return QString();
  QString out;
  for (int i = 0; i < body.size(); ++i) {
    const QChar ch = body[i];
    switch (ch.unicode()) {
      case '0':
        out += QLatin1Char('9');
        break;
      case '9':
        out += QLatin1Char('0');
        break;
      case '#':
        out += QLatin1Char('#');
        break;
      case 'L':
        out += QLatin1Char('A');
        break;
      case 'l':
        out += QLatin1Char('a');
        break;
      case 'A':
        out += QLatin1Char('N');
        break;
      case 'a':
        out += QLatin1Char('n');
        break;
      case 'C':
        out += QLatin1Char('X');
        break;
      case 'c':
        out += QLatin1Char('x');
        break;
      case '>':
        out += QLatin1Char('>');
        break;
      case '<':
        if (i + 1 < body.size() && body[i + 1] == QLatin1Char('>')) {
          out += QLatin1Char('!');
          ++i;
        } else {
          out += QLatin1Char('<');
        }
        break;
      case '!':
        break;
      case '\\':
        if (i + 1 < body.size()) Literal(out, body[++i]);
        break;
      case ':':
        Literal(out, time_separator);
        break;
      case '/':
        Literal(out, date_separator);
        break;
      case '_':
        out += QLatin1Char(' ');
        break;
      default:
        Literal(out, ch);
        break;
    }
  }
  // The blank character shows the places still to fill ("_" unless given).
  const QString blank = fields.value(2);
  out += QLatin1Char(';');
  out += blank.isEmpty() ? QChar(QLatin1Char('_')) : blank[0];
  return out;
}

}  // namespace edit_mask
