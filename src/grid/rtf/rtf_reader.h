#pragma once
// Reads Rich Text Format into a QTextDocument: the text with its character
// looks (bold, italic, underline, strike-out, font, size, colour, super- and
// subscript) and paragraph alignment. Everything else an RTF stream may
// carry (pictures, style sheets, document information, fields' instructions,
// any "\*" destination) is skipped.
//
// The stream, as far as it is read:
//   "{" and "}" open and close a group; a group's looks end with it.
//   "\" + letters + an optional signed number + an optional space is a
//   control word; "\" + one other character a control symbol:
//     \\ \{ \}          the character itself
//     \'hh              one byte in the code page named by \ansicpgN
//                       (Windows-1252 when none is named)
//     \uN               UTF-16 unit N (negative N counts from 65536); the
//                       next \ucN characters (1 by default) are skipped
//     \~ \_ \-          no-break space, no-break hyphen, optional hyphen
//     \par \line \tab   new paragraph, line break, tab
//     \fonttbl          entries "\fN ... name;"
//     \colortbl         entries "\redR\greenG\blueB;" (an empty first entry
//                       is the automatic colour)
//     \b \i \ul \strike (with 0 to switch off), \ulnone, \plain, \fN,
//     \fsN (half points), \cfN, \super, \sub, \nosupersub, \upN, \dnN
//     \pard \ql \qr \qc \qj
//     \binN             N bytes of binary data, skipped
//   Other bytes are text; CR and LF between them are not.
// The reader never fails: unbalanced braces, a cut stream or huge numbers
// end or limit the reading, and what was read so far stays.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace rtf {

// Replaces the document's content with the stream's text and looks.
void Read_Rtf(const QByteArray& Stream, QTextDocument& Document);
// The stream's text alone, paragraphs separated by "\n".
QString Rtf_Plain_Text(const QByteArray& Stream);
// Whether the bytes start an RTF stream ("{\rtf").
bool Is_Rtf(const QByteArray& Stream);

}  // namespace rtf
