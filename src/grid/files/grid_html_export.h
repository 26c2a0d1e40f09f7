#pragma once
// The string grid's cells as an HTML table, its cell looks collected into
// numbered CSS classes ".c0", ".c1" ... in order of first use; optionally
// an XHTML 1.0 Strict document, which is then well-formed XML (lower-case
// names, quoted values, "<br />", "<img ... />", numeric entities).
//
// Document: [prologue] [PrefixTag] "<style>" class lines "</style>" TABLE
// line, [header row], one row per grid row, "</TABLE>", [SuffixTag],
// ["</HTML>"]; every line ends in CR LF. A TD line is
//   <TD class="cN"[ COLSPAN="x"][ ROWSPAN="y"][ nowrap][ width=w]>content</td>
// Cell pictures (ExportImages) go to dir + "images/imgN.jpg", N counting
// every picture of one export from 0.
#include <QString>
#include <functional>

class TZadIrururOziz;

// The HTML text; dir is the folder (with "/" and a final "/", or empty for
// the current folder) that receives the "images" folder.
QString SaveToHTMLString(TZadIrururOziz& Grid, const QString& Dir);
// Writes [the file's lines when appending] [HeaderFile's lines] the HTML
// [FooterFile's lines], as UTF-8 with Unicode, else as 7-bit text with every
// other character as "&#N;". Show or HTMLSettings.AutoPreview opens it.
void SaveToHTML(TZadIrururOziz& Grid, const QString& FileName, bool Show = false, bool Unicode = false);
void AppendToHTML(TZadIrururOziz& Grid, const QString& FileName, bool Show = false, bool Unicode = false);

// What opens a written file (the desktop's viewer); tests replace it.
using THTMLOpener = std::function<void(const QString& FileName)>;
void SetHTMLOpener(THTMLOpener Opener);
