// The print settings as one section of an INI file (ini_file.h). Keys in the
// order written, with the value loading uses when a key is missing:
//   ColumnSpacing, RowSpacing, TitleSpacing (20), FixedHeight, FixedWidth (0)
//   Centered ("Y"), NoAutoSize, UseFixedHeight, UseFixedWidth,
//   RepeatFixedRows, RepeatFixedCols, UseDisplFont, UseDefOrientation ("N")
//   Borders (0..8), BorderColor, BorderStyle (0..5), Date, PageNr, Title,
//   Time (0..6), DateFormat, TitleText (""), FooterSize, HeaderSize,
//   LeftSize, RightSize (100), FitToPage (0..4),
//   FontName ("Arial"), FontSize (10), FontStyle (0), FontColor (0), the same
//   four for HeaderFont... and FooterFont..., PageNumSep, PageSuffix,
//   PagePrefix (""), Orientation (0..1), TitleLines (""), PrintGraphics ("N").
// Booleans are "Y"/"N" (only "Y" reads true); enumerations their ordinal (an
// ordinal out of range leaves the setting, except the positions, which read
// as none); a font's style is the sum of 1 bold, 2 italic, 4 underline,
// 8 strike-out; colours are decimal, negative for system colours; the title
// lines are one value with the two characters "\n" between lines.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/settings/ini_file.h"

namespace {

QString Yes_No(bool value) { return value ? QStringLiteral("Y") : QStringLiteral("N"); }

int Style_Bits(const QFont& font) {
  return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0);
}

void Write_Font(Ini_File& ini, const QString& section, const QString& prefix, const QFont& font, TColor color) {
  ini.Write_String(section, prefix + QStringLiteral("Name"), font.family());
  ini.Write_Integer(section, prefix + QStringLiteral("Size"), font.pointSize());
  ini.Write_Integer(section, prefix + QStringLiteral("Style"), Style_Bits(font));
  ini.Write_Integer(section, prefix + QStringLiteral("Color"), int32_t(color));
}

// A loaded font takes exactly the stored styles: adding them to the current
// ones would leave a bold font bold for ever.
QFont Read_Font(const Ini_File& ini, const QString& section, const QString& prefix, QFont font, TColor& color) {
  font.setFamily(ini.Read_String(section, prefix + QStringLiteral("Name"), QStringLiteral("Arial")));
  const int size = ini.Read_Integer(section, prefix + QStringLiteral("Size"), 10);
  font.setPointSize(size > 0 && size <= 4096 ? size : 10);
  const int style = ini.Read_Integer(section, prefix + QStringLiteral("Style"), 0);
  font.setBold(style & 1);
  font.setItalic(style & 2);
  font.setUnderline(style & 4);
  font.setStrikeOut(style & 8);
  color = TColor(uint32_t(ini.Read_Integer(section, prefix + QStringLiteral("Color"), 0)));
  return font;
}

TPrintPosition Read_Position(const Ini_File& ini, const QString& section, const char* key) {
  const int value = ini.Read_Integer(section, QLatin1String(key), 0);
  return value >= 1 && value <= 6 ? TPrintPosition(value) : ppNone;
}

}  // namespace

void TZadIrururOziz::SavePrintSettings(const QString& Key, const QString& Section) {
  const TPrintSettings& p = FPrintSettings;
  Ini_File ini = Ini_File::Open(Key);
  const auto integer = [&](const char* key, int value) { ini.Write_Integer(Section, QLatin1String(key), value); };
  const auto text = [&](const char* key, const QString& value) { ini.Write_String(Section, QLatin1String(key), value); };
  integer("ColumnSpacing", p.ColumnSpacing());
  integer("RowSpacing", p.RowSpacing());
  integer("TitleSpacing", p.TitleSpacing());
  integer("FixedHeight", p.FixedHeight());
  integer("FixedWidth", p.FixedWidth());
  text("Centered", Yes_No(p.Centered()));
  text("NoAutoSize", Yes_No(p.NoAutoSize()));
  text("UseFixedHeight", Yes_No(p.UseFixedHeight()));
  text("UseFixedWidth", Yes_No(p.UseFixedWidth()));
  text("RepeatFixedRows", Yes_No(p.RepeatFixedRows()));
  text("RepeatFixedCols", Yes_No(p.RepeatFixedCols()));
  text("UseDisplFont", Yes_No(p.UseDisplayFont()));
  text("UseDefOrientation", Yes_No(p.UseDefaultOrientation()));
  integer("Borders", int(p.Borders()));
  integer("BorderColor", int32_t(p.BorderColor()));
  integer("BorderStyle", int(p.BorderStyle()));
  integer("Date", int(p.Date()));
  integer("PageNr", int(p.PageNr()));
  integer("Title", int(p.Title()));
  integer("Time", int(p.Time()));
  text("DateFormat", p.DateFormat());
  text("TitleText", p.TitleText());
  integer("FooterSize", p.FooterSize());
  integer("HeaderSize", p.HeaderSize());
  integer("LeftSize", p.LeftSize());
  integer("RightSize", p.RightSize());
  integer("FitToPage", int(p.FitToPage()));
  Write_Font(ini, Section, QStringLiteral("Font"), p.Font(), p.FontColor());
  Write_Font(ini, Section, QStringLiteral("HeaderFont"), p.HeaderFont(), p.HeaderFontColor());
  Write_Font(ini, Section, QStringLiteral("FooterFont"), p.FooterFont(), p.FooterFontColor());
  text("PageNumSep", p.PageNumSep());
  text("PageSuffix", p.PageSuffix());
  text("PagePrefix", p.PagePrefix());
  integer("Orientation", int(p.Orientation()));
  text("TitleLines", p.TitleLines().join(QStringLiteral("\\n")));
  text("PrintGraphics", Yes_No(p.PrintGraphics()));
  ini.Update();
}

void TZadIrururOziz::LoadPrintSettings(const QString& Key, const QString& Section) {
  // Loading writes nothing back: the file stays as it was.
  const Ini_File ini = Ini_File::Open(Key);
  TPrintSettings& p = FPrintSettings;
  const auto integer = [&](const char* key, int fallback) {
    return ini.Read_Integer(Section, QLatin1String(key), fallback);
  };
  const auto text = [&](const char* key) { return ini.Read_String(Section, QLatin1String(key), QString()); };
  const auto yes = [&](const char* key, const char* fallback) {
    return ini.Read_String(Section, QLatin1String(key), QLatin1String(fallback)) == QLatin1String("Y");
  };
  p.SetColumnSpacing(integer("ColumnSpacing", 20));
  p.SetRowSpacing(integer("RowSpacing", 20));
  p.SetTitleSpacing(integer("TitleSpacing", 20));
  p.SetFixedHeight(integer("FixedHeight", 0));
  p.SetFixedWidth(integer("FixedWidth", 0));
  p.SetCentered(yes("Centered", "Y"));
  p.SetNoAutoSize(yes("NoAutoSize", "N"));
  p.SetUseFixedHeight(yes("UseFixedHeight", "N"));
  p.SetUseFixedWidth(yes("UseFixedWidth", "N"));
  p.SetRepeatFixedRows(yes("RepeatFixedRows", "N"));
  p.SetRepeatFixedCols(yes("RepeatFixedCols", "N"));
  p.SetUseDisplayFont(yes("UseDisplFont", "N"));
  p.SetUseDefaultOrientation(yes("UseDefOrientation", "N"));
  if (const int v = integer("Borders", 0); v >= 0 && v <= 8) p.SetBorders(TPrintBorders(v));
  p.SetBorderColor(TColor(uint32_t(integer("BorderColor", 0))));
  // The pen styles here end at psClear (5).
  if (const int v = integer("BorderStyle", 0); v >= 0 && v <= int(TPenStyle::psClear)) p.SetBorderStyle(TPenStyle(v));
  p.SetDate(Read_Position(ini, Section, "Date"));
  p.SetPageNr(Read_Position(ini, Section, "PageNr"));
  p.SetTitle(Read_Position(ini, Section, "Title"));
  p.SetTime(Read_Position(ini, Section, "Time"));
  p.SetDateFormat(text("DateFormat"));
  p.SetTitleText(text("TitleText"));
  p.SetFooterSize(integer("FooterSize", 100));
  p.SetHeaderSize(integer("HeaderSize", 100));
  p.SetLeftSize(integer("LeftSize", 100));
  p.SetRightSize(integer("RightSize", 100));
  if (const int v = integer("FitToPage", 0); v >= 0 && v <= 4) p.SetFitToPage(TFitToPage(v));
  TColor color = 0;
  p.SetFont(Read_Font(ini, Section, QStringLiteral("Font"), p.Font(), color));
  p.SetFontColor(color);
  p.SetHeaderFont(Read_Font(ini, Section, QStringLiteral("HeaderFont"), p.HeaderFont(), color));
  p.SetHeaderFontColor(color);
  p.SetFooterFont(Read_Font(ini, Section, QStringLiteral("FooterFont"), p.FooterFont(), color));
  p.SetFooterFontColor(color);
  p.SetPageNumSep(text("PageNumSep"));
  p.SetPageSuffix(text("PageSuffix"));
  p.SetPagePrefix(text("PagePrefix"));
  if (const int v = integer("Orientation", 0); v == 0 || v == 1) p.SetOrientation(TPrinterOrientation(v));
  const QString lines = text("TitleLines");
  p.SetTitleLines(lines.isEmpty() ? QStringList() : lines.split(QStringLiteral("\\n")));
  p.SetPrintGraphics(yes("PrintGraphics", "N"));
}
