#pragma once
// Text, number and date helpers of the grid pack. Positions are 1-based
// character positions (0 = not found), as the grid's file and clipboard code
// counts them. Functions are pure except that the number and date helpers read
// the current format settings at each call.
//
// Single-line codings of multi-line cell texts (binding for the grid's text,
// CSV, clipboard and HTML formats):
//   PackLineBreaks     CR->#9, LF->#8, #0->#1, only when the text holds a CR, or an LF
//                      and no TAB
//   UnpackLineBreaks   #9->CR, #8->LF, #1->#0, only when the text holds #8
//   QuoteMultiLineText CR LF -> #11, then wrapped in double quotes (CSV)
//   RestoreMultiLineText #11 -> CR LF (CSV)
//   LineBreaksToTilde  CR -> "~", LF dropped;  TildeToLineBreaks "~" -> CR LF, "^" -> ""
//   EscapeLineBreaks   CR -> "\n", LF dropped; UnescapeLineBreaks "\n" -> CR
// The pairs are not exact inverses: a lone CR comes back as a TAB after
// Pack/Unpack, and a TAB beside a CR LF comes back as a CR.
//
// Packed wide text: "|\" followed by two characters per UTF-16 unit, first the
// high byte, then the low byte, each as a character code 0..255.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace grid_text {

// Days since 1899-12-30; 0 is the zero date that stands for "no date".
using TDateTime = double;

using TCharSet = std::vector<QChar>;

// 0 plain, 1 HTML, 2 RTF, 3 formula, 5 packed wide text.
int CellTextKind(const QString& text, bool htmlAware);

QString PackLineBreaks(const QString& text);
QString UnpackLineBreaks(const QString& text, bool keepAll);
QString QuoteMultiLineText(const QString& text);
QString RestoreMultiLineText(const QString& text);
QString LineBreaksToTilde(const QString& text);
QString TildeToLineBreaks(const QString& text);
QString EscapeLineBreaks(const QString& text);
QString UnescapeLineBreaks(const QString& text);
QString LineBreaksToHtml(const QString& text);
QString RemoveCrFromCrLf(const QString& text);
QString RemoveCarriageReturns(const QString& text);
QString CrToLf(const QString& text);
void ExtractFirstLine(QString& text, bool keepRest, QString& first);
int CountTextLines(const QString& text, bool multiLine);

QString EncodeWideCellText(const QString& wide);
QString DecodeWideCellText(const QString& text);

QString QuoteDoubling(const QString& text);
QString UnDoubleChar(QChar ch, const QString& text);
int FindUnpairedChar(QChar ch, const QString& text, int& pos);
int CountUnpairedChars(QChar ch, const QString& text);
QChar FindFirstOfOutsideQuotes(const TCharSet& set, const QString& text, int& pos);

bool IsNumberChar(QChar ch);
bool IsNumberOrMinusChar(QChar ch);
bool IsNumberOrSeparatorChar(QChar ch);
bool IsSignedNumberOrSeparatorChar(QChar ch);
// 0 integer, 1 decimal with separators, 2 not a number, 5 with exponent.
int ClassifyNumberText(const QString& text);
QString NormalizeNumberText(const QString& text);
// The same; Stopped tells whether reading stopped at a character other than
// a closing parenthesis of an enclosed negative number.
QString NormalizeNumberText(const QString& text, bool& Stopped);
// Decimal separator -> ".", thousand separators removed: the form a number
// conversion reads.
QString ToConversionNumberText(const QString& text);

// Two-digit years are windowed (<= 25 -> 20xx, else 19xx); a year written
// with three or more digits is taken as written. A text that is not a valid
// calendar date gives the zero date.
TDateTime ParseDateMDY(const QString& text);
TDateTime ParseDateDMY(const QString& text);
bool LooksLikeDate(const QString& text);
// Only days given: date + days; only years: same day in year + years; only
// months: month shift with the year wrapped (any size); else date + delta.
// A day that does not exist in the target month gives the zero date.
TDateTime AddToDate(int years, int months, int days, double delta, TDateTime date);
TDateTime EncodeDate(int year, int month, int day);  // zero date when invalid

QString MixedCaseText(const QString& text);
bool ParseCellReference(const QString& text, QPoint& point);
bool IsUrlText(const QString& text);
void StripUrlProtocol(QString& text);
int CharPos(QChar ch, const QString& text);
int VarCharPos(QChar ch, const QString& text, int& pos);
int VarPos(const QString& sub, const QString& text, int& pos);
int UpperCasePos(const QString& sub, const QString& text);
int WidePos(const QString& sub, const QString& wide);
QString CutAtSeparator(QString& text, const QString& sep);
QString ConcatStrings(const QStringList& list);
int CountChar(QChar ch, const QString& text);
void FillTextWithChar(QString& text, QChar ch);
int IntMax(int a, int b);
int IntMin(int a, int b);
int ClampToLimits(int value, int min, int max);
// rect holds cell coordinates: Left/Top the first, Right/Bottom the last cell.
bool CellInGridRect(const QRect& rect, int col, int row);

}  // namespace grid_text
