// Typed views of the string grid's cells, print metrics, the version text,
// header lists, the merged-columns list, zoom and the grid-level looks.
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

Format_Settings Separators(QChar decimal, QChar thousand) {
  Format_Settings settings;
  settings.Decimal_Separator = decimal;
  settings.Thousand_Separator = thousand;
  settings.Short_Date_Format = "d/m/yyyy";
  settings.Date_Separator = '/';
  return settings;
}

QString Error_Of(const std::function<void()>& f) {
  try {
    f();
  } catch (const VAzaZeriVader& e) {
    return QString::fromStdString(e.what());
  }
  return QString();
}

}  // namespace

class GridTypedCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Ints_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("raises");
    QTest::newRow("html") << "<b>42</b>" << 42 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("minus") << "-" << 0 << false;
    QTest::newRow("blanks") << " 7 " << 7 << false;
    QTest::newRow("negative") << "-12" << -12 << false;
    QTest::newRow("letter") << "7a" << 0 << true;
    QTest::newRow("word") << "abc" << 0 << true;
  }
  void Ints() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, raises);
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, text);
    int read = -999;
    const QString error = Error_Of([&] { read = grid.Ints(1, 1); });
    if (raises) {
      QCOMPARE(error, QString("Cell does not contain integer value"));
    } else {
      QCOMPARE(error, QString());
      QCOMPARE(read, value);
    }
  }

  void All_Ints_Keep_The_Tags() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 2, "<b>42</b>");
    QCOMPARE(Error_Of([&] { grid.AllInts(1, 2); }), QString("Cell does not contain integer value"));
    grid.SetAllInts(2, 3, 17);
    QCOMPARE(grid.GetCellEx(2, 3), QString("17"));
    grid.HideRow(3);
    QCOMPARE(grid.AllInts(2, 3), 17);
    grid.SetAllInts(2, 3, 18);
    QCOMPARE(grid.AllInts(2, 3), 18);
    grid.SetInts(1, 1, -5);
    QCOMPARE(grid.GetCellEx(1, 1), QString("-5"));
  }

  void Floats() {
    Format_Settings_Scope scope(Separators(',', '.'));
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "(1.234,50)");
    QCOMPARE(grid.Floats(1, 1), -1234.5);
    grid.SetCellEx(1, 2, "");
    QCOMPARE(grid.Floats(1, 2), 0.0);
    grid.SetCellEx(1, 3, "<i>2,5</i>");
    QCOMPARE(grid.Floats(1, 3), 2.5);
    // Reading stops at the first character that is no part of a number.
    grid.SetCellEx(1, 4, "x");
    QCOMPARE(grid.Floats(1, 4), 0.0);
    grid.SetCellEx(1, 5, "-3,25 kg");
    QCOMPARE(grid.Floats(1, 5), -3.25);
  }

  void Float_Writers_Use_Their_Formats() {
    TZadIrururOziz grid;
    grid.SetFloats(1, 1, 3.14159);
    QCOMPARE(grid.GetCellEx(1, 1), QString("3.14"));
    grid.SetFloatFormat("%.3f");
    grid.SetAllFloats(1, 2, 2.5);
    QCOMPARE(grid.GetCellEx(1, 2), QString("2.500"));
    QCOMPARE(grid.AllFloats(1, 2), 2.5);
  }

  void Dates_And_Times() {
    Format_Settings_Scope scope(Separators('.', ','));
    TZadIrururOziz grid;
    grid.SetDates(1, 1, QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    QCOMPARE(grid.GetCellEx(1, 1), QString("5/3/2024"));
    QCOMPARE(grid.Dates(1, 1).date(), QDate(2024, 3, 5));
    grid.SetShowNullDates(false);
    grid.SetDates(1, 1, QDateTime());
    QCOMPARE(grid.GetCellEx(1, 1), QString());
    grid.SetShowNullDates(true);
    grid.SetDates(1, 1, QDateTime());
    QVERIFY(!grid.GetCellEx(1, 1).isEmpty());
    grid.SetCellEx(1, 2, "no date");
    bool raised = false;
    try {
      grid.Dates(1, 2);
    } catch (const std::invalid_argument&) {
      raised = true;
    }
    QVERIFY(raised);
    grid.SetTimes(2, 2, QTime(13, 45, 10));
    QCOMPARE(grid.Times(2, 2), QTime(13, 45, 0).addSecs(grid.Times(2, 2).second()));
    QCOMPARE(grid.Times(2, 2).hour(), 13);
    QCOMPARE(grid.Times(2, 2).minute(), 45);
  }

  void Control_Values_And_Stripped_Cells() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "Name <CONTROL TYPE=\"EDIT\" WIDTH=\"60\" VALUE=\"abc\" ID=\"e1\">");
    QCOMPARE(grid.ControlValues(1, 1, "e1"), QString("abc"));
    QCOMPARE(grid.ControlValues(1, 1, "none"), QString());
    grid.SetControlValues(1, 1, "e1", "xyz");
    QCOMPARE(grid.ControlValues(1, 1, "e1"), QString("xyz"));
    const QString before = grid.GetCellEx(1, 1);
    grid.SetControlValues(1, 1, "none", "q");
    QCOMPARE(grid.GetCellEx(1, 1), before);
    grid.SetCellEx(2, 2, "<b>bold</b> and <i>more</i>");
    QCOMPARE(grid.StrippedCells(2, 2), QString("bold and more"));
  }

  void Print_Metrics_And_Version() {
    TZadIrururOziz grid;
    grid.MaxWidths()[3] = 120;
    grid.Indents()[3] = 40;
    QCOMPARE(grid.PrintColWidth(3), 120);
    QCOMPARE(grid.PrintColOffset(3), 40);
    QCOMPARE(grid.PrintColWidth(511), 0);
    QCOMPARE(Error_Of([&] { grid.PrintColWidth(512); }), QString("Columns is not in valid range"));
    QCOMPARE(Error_Of([&] { grid.PrintColOffset(-1); }), QString("Columns is not in valid range"));
    QCOMPARE(grid.Version(), QString("2.0.1.0"));
    grid.SetVersion("9.9");
    QCOMPARE(grid.Version(), QString("2.0.1.0"));
  }

  void Column_Headers() {
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetCellEx(1, 0, "old");
    grid.SetColumnHeaders({"a\\nb", "", "c"});
    QCOMPARE(grid.GetCellEx(0, 0), QString("a\rb"));
    QCOMPARE(grid.GetCellEx(1, 0), QString());
    QCOMPARE(grid.GetCellEx(2, 0), QString());
    // Hidden columns are still columns of the header list.
    grid.SetColCount(3);
    grid.HideColumn(1);
    grid.SetColumnHeaders({"x", "y", "z"});
    QCOMPARE(grid.GetCellEx(1, 0), QString("y"));
    QCOMPARE(grid.GetCellEx(2, 0), QString("z"));
    grid.SetFixedRows(0);
    grid.SetCellEx(0, 0, "data");
    grid.SetColumnHeaders({"h"});
    QCOMPARE(grid.GetCellEx(0, 0), QString("data"));
  }

  void Row_Headers() {
    TZadIrururOziz grid;
    grid.SetRowCount(3);
    grid.SetCellEx(0, 2, "kept");
    grid.SetRowHeaders({"", "one\\ntwo"});
    QCOMPARE(grid.GetCellEx(0, 1), QString("one\rtwo"));
    QCOMPARE(grid.GetCellEx(0, 2), QString("kept"));
    grid.ClearRowHeaders();
    QCOMPARE(grid.GetCellEx(0, 1), QString());
    // Loading writes the lists in without clearing what the cells hold.
    grid.SetCellEx(1, 0, "title");
    grid.Loaded();
    QCOMPARE(grid.GetCellEx(1, 0), QString("title"));
  }

  void Lookup_Items_Ignore_Nil() {
    TZadIrururOziz grid;
    const QStringList items{"a", "b"};
    grid.SetLookupItems(&items);
    QCOMPARE(grid.LookupItems(), items);
    grid.SetLookupItems(nullptr);
    QCOMPARE(grid.LookupItems(), items);
  }

  void Merged_Columns_Merge_Again_On_Change() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(5);
    for (int r = 1; r < 5; ++r) grid.SetCellEx(2, r, "same");
    grid.MergedColumns().Add(2);
    QVERIFY(grid.IsMergedCell(2, 2));
    grid.MergedColumns().Clear();
    grid.MergedColumns().Add(3);
    QVERIFY(!grid.IsMergedCell(2, 2));
  }

  void Zoom_Is_Kept_Within_Ten() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetColWidths(1, 3);
    grid.SetColWidths(2, 50);
    grid.SetRowHeights(1, 20);
    grid.Zoom(4);
    grid.Zoom(4);
    QCOMPARE(grid.ZoomFactor(), 8);
    QCOMPARE(grid.ColWidths(2), 58);
    QCOMPARE(grid.RowHeights(1), 28);
    grid.Zoom(4);
    QCOMPARE(grid.ZoomFactor(), 8);
    QCOMPARE(grid.ColWidths(2), 58);
    TZadIrururOziz small;
    small.SetColWidths(1, 3);
    small.Zoom(-4);
    QCOMPARE(small.ColWidths(1), 3);
    QCOMPARE(small.ZoomFactor(), -4);
  }

  void Grid_Level_Looks() {
    TZadIrururOziz grid;
    grid.SetDUDGradientFrom(clRed);
    grid.SetDUDGradientTo(clBtnFace);
    grid.SetDUDGradientMirrorFrom(clBlue);
    grid.SetDUDGradientMirrorTo(clNone);
    QCOMPARE(grid.DUDGradientFrom(), clRed);
    QVERIFY(!Is_System_Color(grid.DUDGradientTo()));
    QCOMPARE(grid.DUDGradientMirrorFrom(), clBlue);
    QCOMPARE(grid.DUDGradientMirrorTo(), clNone);
    grid.SetCursor(QCursor(Qt::IBeamCursor));
    QCOMPARE(grid.Cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(grid.OldCursor().shape(), Qt::IBeamCursor);
    TFocusHelper helper;
    helper.SetEnabled(true);
    grid.SetFocusHelper(helper);
    QVERIFY(grid.FocusHelper().Enabled());
    QCOMPARE(grid.AllColCount(), grid.ColCount());
  }

  void Integral_Height_Cuts_To_Whole_Rows() {
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetDefaultRowHeight(22);
    grid.resize(300, 100);
    grid.SetIntegralHeight(true);
    // Two pixels for a border, when the grid draws one.
    const int b = grid.frameWidth() > 0 ? 2 : 0;
    QCOMPARE(grid.height(), 100 + b - ((100 - b) % 22));
    grid.SetBounds(0, 0, 300, 150);
    QCOMPARE(grid.height(), 150 + b - ((150 - b) % 22));
    grid.SetIntegralHeight(false);
    grid.SetBounds(0, 0, 300, 150);
    QCOMPARE(grid.height(), 150);
  }
};

QTEST_MAIN(GridTypedCellsTest)
#include "grid_typed_cells_test.moc"
