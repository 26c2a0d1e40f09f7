// The print settings as a section of an INI file: the defaults of an empty
// section, the value forms, and every key written and read back.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

QByteArray Read_File(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QFont Font(const char* family, int size, bool bold, bool italic) {
  QFont f(QString::fromLatin1(family));
  f.setPointSize(size);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

}  // namespace

class Grid_Print_Settings_Test : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString File(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

 private Q_SLOTS:
  void Empty_Section_Gives_The_Defaults() {
    Write_File(File("empty.ini"), "[Print]\r\n[Other]\r\nColumnSpacing=5\r\n");
    TZadIrururOziz grid;
    TPrintSettings& p = grid.PrintSettings();
    p.SetBorders(pbDouble);
    p.SetCentered(false);
    p.SetDate(ppTopLeft);
    p.SetTitleLines({"old"});
    p.SetFont(Font("Courier", 20, true, true));
    p.SetFontColor(clRed);
    grid.LoadPrintSettings(File("empty.ini"), "Print");
    QCOMPARE(p.ColumnSpacing(), 20);
    QCOMPARE(p.RowSpacing(), 20);
    QCOMPARE(p.TitleSpacing(), 20);
    QCOMPARE(p.FixedHeight(), 0);
    QCOMPARE(p.FixedWidth(), 0);
    for (int size : {p.FooterSize(), p.HeaderSize(), p.LeftSize(), p.RightSize()}) QCOMPARE(size, 100);
    for (const QFont& f : {p.Font(), p.HeaderFont(), p.FooterFont()}) {
      QCOMPARE(f.family(), QStringLiteral("Arial"));
      QCOMPARE(f.pointSize(), 10);
      QVERIFY(!f.bold() && !f.italic() && !f.underline() && !f.strikeOut());
    }
    for (TColor c : {p.FontColor(), p.HeaderFontColor(), p.FooterFontColor(), p.BorderColor()}) QCOMPARE(c, TColor(0));
    QVERIFY(p.Centered());
    QCOMPARE(p.Borders(), pbNoborder);
    QCOMPARE(p.BorderStyle(), TPenStyle::psSolid);
    QCOMPARE(p.Date(), ppNone);
    QCOMPARE(p.FitToPage(), fpNever);
    QCOMPARE(p.Orientation(), poPortrait);
    QCOMPARE(p.DateFormat(), QString());
    QCOMPARE(p.PageNumSep(), QString());
    QVERIFY(p.TitleLines().isEmpty());
    QVERIFY(!p.NoAutoSize() && !p.UseFixedHeight() && !p.UseFixedWidth() && !p.RepeatFixedRows() &&
            !p.RepeatFixedCols() && !p.UseDisplayFont() && !p.UseDefaultOrientation() && !p.PrintGraphics());
    // Loading writes nothing.
    QCOMPARE(Read_File(File("empty.ini")), QByteArray("[Print]\r\n[Other]\r\nColumnSpacing=5\r\n"));
  }

  void Every_Key_Round_Trips_In_Order() {
    TZadIrururOziz grid;
    TPrintSettings& p = grid.PrintSettings();
    p.SetColumnSpacing(1);
    p.SetRowSpacing(2);
    p.SetTitleSpacing(3);
    p.SetFixedHeight(4);
    p.SetFixedWidth(5);
    p.SetCentered(false);
    p.SetNoAutoSize(true);
    p.SetUseFixedHeight(true);
    p.SetUseFixedWidth(true);
    p.SetRepeatFixedRows(true);
    p.SetRepeatFixedCols(true);
    p.SetUseDisplayFont(true);
    p.SetUseDefaultOrientation(true);
    p.SetBorders(pbCustom);
    p.SetBorderColor(clBtnFace);
    p.SetBorderStyle(TPenStyle::psDashDot);
    p.SetDate(ppBottomCenter);
    p.SetPageNr(ppTopRight);
    p.SetTitle(ppTopCenter);
    p.SetTime(ppBottomLeft);
    p.SetDateFormat("yyyy-mm-dd");
    p.SetTitleText("Report");
    p.SetFooterSize(6);
    p.SetHeaderSize(7);
    p.SetLeftSize(8);
    p.SetRightSize(9);
    p.SetFitToPage(fpCustom);
    p.SetFont(Font("Courier", 12, true, false));
    p.SetFontColor(0x00C08040);
    p.SetHeaderFont(Font("Times", 14, false, true));
    p.SetHeaderFontColor(clRed);
    p.SetFooterFont(Font("Helvetica", 7, true, true));
    p.SetFooterFontColor(clWindowText);
    p.SetPageNumSep(" of ");
    p.SetPageSuffix(")");
    p.SetPagePrefix("(");
    p.SetOrientation(poLandscape);
    p.SetTitleLines({"A", "B"});
    p.SetPrintGraphics(true);
    Write_File(File("all.ini"), "; kept\r\n[Print]\r\nOld=1\r\n");
    grid.SavePrintSettings(File("all.ini"), "Print");
    const QByteArray expected =
        "; kept\r\n[Print]\r\nOld=1\r\n"
        "ColumnSpacing=1\r\nRowSpacing=2\r\nTitleSpacing=3\r\nFixedHeight=4\r\nFixedWidth=5\r\n"
        "Centered=N\r\nNoAutoSize=Y\r\nUseFixedHeight=Y\r\nUseFixedWidth=Y\r\nRepeatFixedRows=Y\r\n"
        "RepeatFixedCols=Y\r\nUseDisplFont=Y\r\nUseDefOrientation=Y\r\nBorders=8\r\nBorderColor=-16777201\r\n"
        "BorderStyle=3\r\nDate=6\r\nPageNr=2\r\nTitle=3\r\nTime=4\r\nDateFormat=yyyy-mm-dd\r\nTitleText=Report\r\n"
        "FooterSize=6\r\nHeaderSize=7\r\nLeftSize=8\r\nRightSize=9\r\nFitToPage=4\r\n"
        "FontName=Courier\r\nFontSize=12\r\nFontStyle=1\r\nFontColor=12615744\r\n"
        "HeaderFontName=Times\r\nHeaderFontSize=14\r\nHeaderFontStyle=2\r\nHeaderFontColor=255\r\n"
        "FooterFontName=Helvetica\r\nFooterFontSize=7\r\nFooterFontStyle=3\r\nFooterFontColor=-16777208\r\n"
        "PageNumSep= of \r\nPageSuffix=)\r\nPagePrefix=(\r\nOrientation=1\r\nTitleLines=A\\nB\r\nPrintGraphics=Y\r\n";
    QCOMPARE(Read_File(File("all.ini")), expected);

    TZadIrururOziz fresh;
    fresh.LoadPrintSettings(File("all.ini"), "print");
    QCOMPARE(fresh.PrintSettings().TitleLines(), (QStringList{"A", "B"}));
    QCOMPARE(fresh.PrintSettings().BorderColor(), clBtnFace);
    QCOMPARE(fresh.PrintSettings().FooterFontColor(), clWindowText);
    Write_File(File("again.ini"), "; kept\r\n[Print]\r\nOld=1\r\n");
    fresh.SavePrintSettings(File("again.ini"), "Print");
    QCOMPARE(Read_File(File("again.ini")), expected);
  }

  void Loaded_Values_And_Their_Ranges() {
    Write_File(File("odd.ini"),
               "[P]\r\nCentered=y\r\nNoAutoSize=Y\r\nBorders=9\r\nBorderStyle=-1\r\nFitToPage=5\r\n"
               "Orientation=2\r\nDate=7\r\nTime=-1\r\nTitle=x\r\nFontStyle=0\r\nHeaderFontStyle=12\r\n"
               "FontSize=0\r\nColumnSpacing=$10\r\nRowSpacing=many\r\n");
    TZadIrururOziz grid;
    TPrintSettings& p = grid.PrintSettings();
    p.SetBorders(pbAround);
    p.SetBorderStyle(TPenStyle::psDot);
    p.SetFitToPage(fpGrow);
    p.SetOrientation(poLandscape);
    p.SetDate(ppTopLeft);
    p.SetTime(ppTopLeft);
    p.SetTitle(ppTopLeft);
    p.SetFont(Font("Arial", 10, true, true));
    p.SetHeaderFont(Font("Arial", 10, true, false));
    grid.LoadPrintSettings(File("odd.ini"), "P");
    QVERIFY(!p.Centered());  // only "Y" is true
    QVERIFY(p.NoAutoSize());
    QCOMPARE(p.Borders(), pbAround);
    QCOMPARE(p.BorderStyle(), TPenStyle::psDot);
    QCOMPARE(p.FitToPage(), fpGrow);
    QCOMPARE(p.Orientation(), poLandscape);
    QCOMPARE(p.Date(), ppNone);
    QCOMPARE(p.Time(), ppNone);
    QCOMPARE(p.Title(), ppNone);
    // The stored style exactly: a bold font with style 0 is plain.
    QVERIFY(!p.Font().bold() && !p.Font().italic());
    QVERIFY(!p.HeaderFont().bold() && p.HeaderFont().underline() && p.HeaderFont().strikeOut());
    QCOMPARE(p.Font().pointSize(), 10);
    QCOMPARE(p.ColumnSpacing(), 16);
    QCOMPARE(p.RowSpacing(), 20);
  }
};

QTEST_MAIN(Grid_Print_Settings_Test)
#include "grid_print_settings_test.moc"
