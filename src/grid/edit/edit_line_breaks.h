#pragma once
// Line breaks between the cell text and the multi-line text control. Cell
// texts break their lines with CR LF; the text control keeps one line-feed
// character per break. Positions in the editor's state (edit_char_filter.h)
// count in cell text, so a break there is two characters long.
#include <QString>

namespace edit_filter {

bool Has_Line_Break(const QString& text);
// CR LF and lone CR or LF become one line feed.
QString To_Control_Lines(const QString& cell_text);
// Each line feed becomes CR LF.
QString To_Cell_Lines(const QString& control_text);
// A position in the control's text as a position in the cell text.
int Cell_Position(const QString& control_text, int pos);
// A position in the cell text as a position in the control's text; a
// position between CR and LF counts as the start of the break.
int Control_Position(const QString& cell_text, int pos);
// The cell text cut before its first line break (what a single-line editor
// takes of a pasted text).
QString First_Line(const QString& text);

}  // namespace edit_filter
