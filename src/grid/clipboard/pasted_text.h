#pragma once
// Splitting pasted text into lines and fields.
//
// Fields end at TAB, lines at CR (an LF right after it belongs to it) or at
// a lone LF outside double quotes, the line end of text from other desktop
// programs. A field that starts with a double quote runs to the quote that is
// followed by a TAB, a line end or the end of the text, so a quoted text
// keeps its LFs. Each line's last field is the rest after its last TAB;
// a text ending in a line break ends with one empty line.
#include <QString>
#include <QStringList>
#include <vector>

namespace grid_clipboard {

struct Pasted_Line {
  QStringList Fields;       // never empty: at least the rest of the line
  bool Line_Break = false;  // the line ended in a line break
  bool Empty = true;        // no character between the line's start and end
};

std::vector<Pasted_Line> Split_Pasted_Text(const QString& text);

// A field as the grid stores it: a field holding LF loses its enclosing
// double quotes, 0x0B becomes CR LF and, when it was quoted, every lone LF
// becomes CR LF.
QString Decode_Pasted_Field(const QString& field);

}  // namespace grid_clipboard
