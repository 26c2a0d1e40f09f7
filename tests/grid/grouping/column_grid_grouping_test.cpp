// The column grid around grouping, header filters, the footer
// recalculation and scaling: its column items stay with their columns.
#include <QBuffer>
#include <QtTest>

#include "grid/columns/zad_column_grid.h"
#include "grid/filter/filter_collection.h"

namespace {

// Opens a header filter list on a column the way the header click does.
class Test_Grid : public TZadColumnGrid {
 public:
  void Open_Filter(int ACol) { Set_Filter_Column(ACol); }
};

// Five columns, items named and looking apart; one fixed row and four data
// rows grouped by column 2 into runs x, y.
void Fill(TZadColumnGrid& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(5);
  grid.SetFixedRows(1);
  for (int c = 0; c < 5; ++c) {
    TGridColumnItem& item = *grid.Columns()[c];
    item.SetName(QString("col%1").arg(c));
    item.SetHeader(QString("H%1").arg(c));
    item.SetColor(TColor(0x100000 * c + 0x10));
    item.SetFont(TGridFont{QFont("Sans", 8 + c), TColor(c)});
    item.SetWidth(50 + 7 * c);
  }
  grid.Columns()[2]->SetFilter({"Big=>100"});
  grid.Columns()[2]->SetFilterCaseSensitive(true);
  grid.Columns()[2]->SetComboItems({"x", "y"});
  const QStringList grp{"y", "x", "y", "x"};
  for (int r = 1; r < 5; ++r) {
    grid.SetCellEx(1, r, QString("a%1").arg(r));
    grid.SetCellEx(2, r, grp[r - 1]);
    grid.SetCellEx(3, r, QString::number(r * 50));
    grid.SetCellEx(4, r, QString("b%1").arg(r));
  }
}

QByteArray Items(TZadColumnGrid& grid) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  grid.SaveColumnsToStream(out);
  return out.buffer();
}

}  // namespace

class ColumnGridGroupingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void group_and_ungroup_keep_the_item() {
    TZadColumnGrid grid;
    Fill(grid);
    const QByteArray before = Items(grid);
    grid.Group(2);
    QCOMPARE(grid.Columns().Count(), 4);
    QCOMPARE(grid.Columns()[2]->Name(), QString("col3"));
    QCOMPARE(grid.SavedColumn().Name(), QString("col2"));
    grid.UnGroup();
    QCOMPARE(grid.Columns().Count(), 5);
    QCOMPARE(grid.Columns()[2]->Name(), QString("col2"));
    QCOMPARE(grid.Columns()[2]->Filter(), QStringList{"Big=>100"});
    QCOMPARE(grid.ColWidths(2), 64);
    QCOMPARE(Items(grid), before);
  }

  void regrouping_brings_the_first_item_back() {
    TZadColumnGrid grid;
    Fill(grid);
    const QByteArray before = Items(grid);
    grid.Group(2);
    grid.Group(3);
    QCOMPARE(grid.GroupColumn(), 3);
    QCOMPARE(grid.Columns()[2]->Name(), QString("col2"));
    QCOMPARE(grid.SavedColumn().Name(), QString("col3"));
    QCOMPARE(grid.Columns()[3]->Name(), QString("col4"));
    grid.UnGroup();
    QCOMPARE(Items(grid), before);
  }

  void group_on_a_column_without_item_throws_first() {
    TZadColumnGrid grid;
    Fill(grid);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.Group(7));
    QCOMPARE(grid.GroupColumn(), -1);
    QCOMPARE(grid.RowCount(), 5);
  }

  void filter_entries_give_header_and_condition_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("display");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("condition");
    QTest::newRow("caption and condition") << QStringList{"All=*", "Big=>100"} << true << "Big" << ">100";
    QTest::newRow("entry without =") << QStringList{"x", "<50"} << true << "<50" << "<50";
    QTest::newRow("only the first = splits") << QStringList{"Eq=a=b"} << true << "Eq" << "a=b";
    QTest::newRow("header kept without display") << QStringList{"All=*", "Big=>100"} << false << "H3" << ">100";
  }
  void filter_entries_give_header_and_condition() {
    QFETCH(QStringList, entries);
    QFETCH(bool, display);
    QFETCH(QString, header);
    QFETCH(QString, condition);
    Test_Grid grid;
    Fill(grid);
    TGridColumnItem& item = *grid.Columns()[3];
    item.SetFilter(entries);
    item.SetFilterCaseSensitive(true);
    grid.SetAutoFilterDisplay(display);
    QVERIFY(grid.DoGetColumnFilter(3));
    QStringList captions;
    for (const QString& e : entries) captions << e.left(e.indexOf('=') < 0 ? e.size() : e.indexOf('='));
    QCOMPARE(grid.FilterList(), captions);
    QString seen;
    grid.OnFilterSelect = [&](TZadIrururOziz*, int, int, const QString& name, QString&) { seen = name; };
    grid.Open_Filter(3);
    grid.DoFilterSelect(nullptr, int(entries.size()) - 1);
    QCOMPARE(grid.FilterColumn(), -1);
    QCOMPARE(item.Header(), header);
    QCOMPARE(seen, captions.last());
    QCOMPARE(grid.Filter().GetColFilter(3)->Condition(), condition);
    QVERIFY(grid.Filter().GetColFilter(3)->CaseSensitive());
  }

  void pick_outside_the_entries_changes_nothing() {
    Test_Grid grid;
    Fill(grid);
    grid.SetAutoFilterDisplay(true);
    grid.Open_Filter(2);
    grid.DoFilterSelect(nullptr, 1);
    QCOMPARE(grid.FilterColumn(), -1);
    QCOMPARE(grid.Columns()[2]->Header(), QString("H2"));
    QCOMPARE(grid.Filter().Count(), 0);
  }

  void pick_filters_the_rows_with_auto_update() {
    Test_Grid grid;
    Fill(grid);
    grid.SetAutoFilterUpdate(true);
    grid.Columns()[3]->SetFilter({"Big=>100"});
    grid.Open_Filter(3);
    grid.DoFilterSelect(nullptr, 0);
    QVERIFY(grid.FilterActive());
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.GetCellEx(3, 1), QString("150"));
    QCOMPARE(grid.GetCellEx(3, 2), QString("200"));
  }

  void column_without_entries_uses_the_grid_list() {
    Test_Grid grid;
    Fill(grid);
    grid.SetFilterDropDownAuto(true);
    grid.SetAutoFilterUpdate(true);
    QVERIFY(!grid.DoGetColumnFilter(1));
    QCOMPARE(grid.FilterList(), QStringList({"(All)", "a1", "a2", "a3", "a4"}));
    grid.Open_Filter(1);
    grid.DoFilterSelect(nullptr, 3);  // a3
    QVERIFY(grid.FilterActive());
    QCOMPARE(grid.RowCount(), 2);
    QCOMPARE(grid.GetCellEx(1, 1), QString("a3"));
  }

  void footer_recalculation_follows_the_columns() {
    TZadColumnGrid grid;
    Fill(grid);
    grid.TZadIrururOziz::SetColCount(4);  // the string grid alone: the items stay
    QCOMPARE(grid.Columns().Count(), 5);
    grid.RecalcFooter();
    QCOMPARE(grid.Columns().Count(), 4);
  }

  void inserted_and_removed_columns_keep_one_item_each() {
    // The recalculation after every change must not add or drop items of
    // its own while a column goes in or out with its item.
    TZadColumnGrid grid;
    Fill(grid);
    grid.InsertCols(1, 1);
    QCOMPARE(grid.ColCount(), 6);
    QCOMPARE(grid.Columns().Count(), 6);
    QCOMPARE(grid.Columns()[2]->Name(), QString("col1"));
    QCOMPARE(grid.Columns()[5]->Name(), QString("col4"));
    grid.RemoveCols(0, 2);
    QCOMPARE(grid.Columns().Count(), 4);
    QCOMPARE(grid.Columns()[0]->Name(), QString("col1"));
    QCOMPARE(grid.Columns()[3]->Name(), QString("col4"));
  }

  void scaling_the_item_fonts_data() {
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("size");  // of an 8-point font
    QTest::newRow("96 to 120 dpi") << 120 << 96 << 10;
    QTest::newRow("same dpi") << 96 << 96 << 8;
    QTest::newRow("120 to 96 dpi, 6.4 rounds to 6") << 96 << 120 << 6;
  }
  void scaling_the_item_fonts() {
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(int, size);
    TZadColumnGrid grid;
    grid.SetColCount(3);
    for (int c = 0; c < 3; ++c) {
      grid.Columns()[c]->SetFont(TGridFont{QFont("Sans", 8), clBlack});
      grid.Columns()[c]->SetHeaderFont(TGridFont{QFont("Sans", 8), clBlack});
    }
    grid.ChangeScale(m, d);
    for (int c = 0; c < 3; ++c) {
      QCOMPARE(grid.Columns()[c]->Font().Font.pointSize(), size);
      QCOMPARE(grid.Columns()[c]->HeaderFont().Font.pointSize(), size);
    }
  }
};

QTEST_MAIN(ColumnGridGroupingTest)
#include "column_grid_grouping_test.moc"
