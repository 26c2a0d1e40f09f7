// The grid's column order list and its column-states string: moves recorded,
// the first order restored, layouts written and applied to a fresh grid,
// bad strings refused without a change, positions while grouped.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Grouping sets the group column; the tests set it directly.
class Grouped_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::Set_Group_Column;
};

// Columns without fixed ones, the given widths, row 0 "c<i>".
void Setup(TZadIrururOziz& grid, const QList<int>& widths) {
  grid.SetFixedCols(0);
  grid.SetColCount(int(widths.size()));
  for (int c = 0; c < widths.size(); ++c) {
    grid.SetColWidths(c, widths[c]);
    grid.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
  }
}

QStringList Headers(TZadIrururOziz& grid) {
  QStringList out;
  for (int c = 0; c < grid.ColCount(); ++c) out << grid.GetCellEx(grid.RealColIndex(c), 0);
  return out;
}

QList<int> Widths(TZadIrururOziz& grid) {
  QList<int> out;
  for (int c = 0; c < grid.ColCount(); ++c) out << grid.ColWidths(c);
  return out;
}

QList<int> Order(TZadIrururOziz& grid) {
  QList<int> out;
  for (int i = 0; i < grid.ColumnOrder().Count(); ++i) out << grid.ColumnOrder().GetInteger(i);
  return out;
}

}  // namespace

class Grid_Column_Order_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void States_Of_An_Unmoved_Grid() {
    TZadIrururOziz grid;
    Setup(grid, {64, 80, 100});
    QCOMPARE(grid.ColumnStatesToString(), QStringLiteral("3#64,80,100#0,1,2#1,1,1"));
  }

  void Moved_Columns_Write_Their_Order_And_Come_Back() {
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30, 40});
    grid.MoveColumn(0, 2);
    const QString states = grid.ColumnStatesToString();
    QCOMPARE(states, QStringLiteral("4#20,30,10,40#1,2,0,3#1,1,1,1"));

    TZadIrururOziz fresh;
    Setup(fresh, {64, 64, 64, 64});
    fresh.StringToColumnStates(states);
    QCOMPARE(fresh.ColumnStatesToString(), states);
    QCOMPARE(Headers(fresh), (QStringList{"c1", "c2", "c0", "c3"}));
    // The cells of the first column are reached by their first index.
    QCOMPARE(fresh.OriginalCells(0, 0), QStringLiteral("c0"));
  }

  void A_Hidden_Column_Comes_Back_Hidden() {
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30, 40});
    grid.MoveColumn(3, 0);
    grid.HideColumn(2);  // the real column at position 2: first column 1
    const QString states = grid.ColumnStatesToString();
    QCOMPARE(states, QStringLiteral("4#40,10,30,64#3,0,1,2#1,1,0,1"));

    TZadIrururOziz fresh;
    Setup(fresh, {50, 50, 50, 50, 50});
    fresh.StringToColumnStates(states);
    QCOMPARE(fresh.ColCount(), 3);
    QVERIFY(fresh.IsHiddenColumn(2));
    QCOMPARE(Widths(fresh), (QList<int>{40, 10, 30}));
    QCOMPARE(Headers(fresh), (QStringList{"c3", "c0", "c2"}));
    QCOMPARE(fresh.ColumnStatesToString(), states);
  }

  void Bad_Strings_Change_Nothing_data() {
    QTest::addColumn<QString>("states");
    QTest::newRow("not a number") << "3#64,x,100#0,1,2#1,1,1";
    QTest::newRow("repeated column") << "3#1,2,3#0,0,1#1,1,1";
    QTest::newRow("too few widths") << "5#1,2,3#0,1,2,3,4#1,1,1,1,1";
    QTest::newRow("too many columns") << "900#1#0#1";
  }
  void Bad_Strings_Change_Nothing() {
    QFETCH(QString, states);
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30, 40});
    grid.MoveColumn(0, 1);
    grid.HideColumn(3);
    const QString before = grid.ColumnStatesToString();
    const QStringList headers = Headers(grid);
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.StringToColumnStates(states));
    QCOMPARE(grid.ColumnStatesToString(), before);
    QCOMPARE(Headers(grid), headers);
    QVERIFY(grid.IsHiddenColumn(3));
    // Without a "#" the text is no states string at all.
    grid.StringToColumnStates(QStringLiteral("garbage"));
    QCOMPARE(grid.ColumnStatesToString(), before);
  }

  void Reset_Brings_Every_Column_Home() {
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30, 40, 50});
    grid.MoveColumn(0, 4);
    grid.MoveColumn(1, 3);
    grid.MoveColumn(4, 0);
    grid.HideColumn(1);
    grid.ResetColumnOrder();
    QCOMPARE(grid.NumHiddenColumns(), 0);
    QCOMPARE(Headers(grid), (QStringList{"c0", "c1", "c2", "c3", "c4"}));
    QCOMPARE(Widths(grid), (QList<int>{10, 20, 30, 40, 50}));
    QCOMPARE(Order(grid), (QList<int>{0, 1, 2, 3, 4}));
  }

  void Reset_Of_A_Damaged_List_Ends_Without_Moving() {
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30});
    for (int v : {0, 0, 1}) grid.ColumnOrder().Add(v);
    grid.ResetColumnOrder();
    QCOMPARE(Headers(grid), (QStringList{"c0", "c1", "c2"}));
    QCOMPARE(Order(grid), (QList<int>{0, 1, 2}));
  }

  void Positions_With_And_Without_Grouping() {
    Grouped_Grid grid;
    Setup(grid, {10, 10, 10, 10, 10, 10});
    QCOMPARE(grid.ColumnPosition(4), 4);  // no list: the argument
    QCOMPARE(grid.ColumnOrder().Count(), 0);
    grid.MoveColumn(4, 5);  // first column 4 now at 5
    QCOMPARE(grid.ColumnPosition(4), 5);
    QCOMPARE(grid.ColumnAtPosition(5), 4);
    grid.Set_Group_Column(2);
    QCOMPARE(grid.ColumnPosition(4), 4);
    QCOMPARE(grid.ColumnPosition(1), 1);
    QCOMPARE(grid.ColumnAtPosition(5), 5);
    QCOMPARE(grid.ColumnAtPosition(1), 1);
    QCOMPARE(grid.ColumnAtPosition(40), -1);
  }

  void Column_By_Header() {
    TZadIrururOziz grid;
    Setup(grid, {10, 10, 10});
    grid.HideColumn(1);
    QCOMPARE(grid.ColumnByHeader("c1"), 1);  // hidden columns count
    QCOMPARE(grid.ColumnByHeader("c2"), 2);
    QCOMPARE(grid.ColumnByHeader("C2"), -1);
    QCOMPARE(grid.ColumnByHeader("c"), -1);
  }
};

QTEST_MAIN(Grid_Column_Order_Test)
#include "grid_column_order_test.moc"
