// Row filtering: the row test, filter levels, narrowing down by typed text and
// the header filter picks.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// One fixed row, then one data row per value in column 1.
void Fill(TZadIrururOziz& grid, const QStringList& values) {
  grid.SetColCount(3);
  grid.SetRowCount(int(values.size()) + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int r = 0; r < values.size(); ++r) grid.SetCellEx(1, r + 1, values[r]);
}

QStringList Shown(TZadIrururOziz& grid, int col = 1) {
  QStringList rows;
  for (int r = grid.GetFixedRows(); r < grid.RowCount(); ++r) rows << grid.GetCellEx(col, r);
  return rows;
}

struct Cond {
  QString condition;
  TFilterOperation operation = foNONE;
  TFilterMethod method = fmExpression;
  QString prefix, suffix;
  TFilterCells data = fcVirtual;
  bool case_sensitive = false;
};

void Show(TZadIrururOziz& grid) {
  grid.SetColWidths(1, 120);
  grid.resize(420, 220);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QPoint Filter_Button(TZadIrururOziz& grid, int col) {
  const TRect cell = grid.CellRect(col, 0);
  return QPoint(cell.Right - 8, cell.Top + 6);
}

}  // namespace

Q_DECLARE_METATYPE(QVector<Cond>)

class GridRowFilterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void row_test_follows_the_conditions_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QVector<Cond>>("conds");
    QTest::addColumn<bool>("passes");
    QTest::newRow("short fails before or") << "abc" << QVector<Cond>{{"x*", foSHORT}, {"abc", foOR}} << false;
    QTest::newRow("short passes then or") << "abc" << QVector<Cond>{{"a*", foSHORT}, {"x", foOR}} << true;
    QTest::newRow("and") << "abc" << QVector<Cond>{{"a*", foNONE}, {"x*", foAND}} << false;
    QTest::newRow("xor") << "abc" << QVector<Cond>{{"a*", foNONE}, {"*c", foXOR}} << false;
    QTest::newRow("literal keeps case") << "abc" << QVector<Cond>{{"Abc", foNONE, fmLiteral}} << false;
    QTest::newRow("literal equal") << "abc" << QVector<Cond>{{"abc", foNONE, fmLiteral}} << true;
    QTest::newRow("expression folds case") << "abc" << QVector<Cond>{{"Abc"}} << true;
    QTest::newRow("trimmed number") << "  42 " << QVector<Cond>{{">40"}} << true;
    QTest::newRow("prefix removed") << "$12" << QVector<Cond>{{"12", foNONE, fmLiteral, "$"}} << true;
    QTest::newRow("prefix only at start") << "12$" << QVector<Cond>{{"12$", foNONE, fmLiteral, "$"}} << true;
    QTest::newRow("suffix removed") << "5 kg" << QVector<Cond>{{"<6", foNONE, fmExpression, "", " kg"}} << true;
    QTest::newRow("suffix not at end") << "5 kg x" << QVector<Cond>{{"5 kg x", foNONE, fmLiteral, "", " kg"}} << true;
    QTest::newRow("whole row folds ascii")
        << "apple" << QVector<Cond>{{"APP", foNONE, fmExpression, "", "", fcRow}} << true;
    QTest::newRow("whole row has no wildcards")
        << "apple" << QVector<Cond>{{"a*e", foNONE, fmExpression, "", "", fcRow}} << false;
    QTest::newRow("empty condition passes") << "x" << QVector<Cond>{{""}} << true;
    QTest::newRow("stored text") << "abc" << QVector<Cond>{{"abc", foNONE, fmLiteral, "", "", fcNormal}} << true;
    QTest::newRow("tags stripped") << "<b>abc</b>" << QVector<Cond>{{"abc", foNONE, fmLiteral, "", "", fcStripHTML}}
                                   << true;
  }
  void row_test_follows_the_conditions() {
    QFETCH(QString, cell);
    QFETCH(QVector<Cond>, conds);
    QFETCH(bool, passes);
    TZadIrururOziz grid;
    Fill(grid, {cell});
    for (const Cond& c : conds) {
      TFilterData* item = grid.Filter().Add();
      item->SetColumn(1);
      item->SetCondition(c.condition);
      item->SetOperation(c.operation);
      item->SetMethod(c.method);
      item->SetPrefix(c.prefix);
      item->SetSuffix(c.suffix);
      item->SetData(c.data);
      item->SetCaseSensitive(c.case_sensitive);
    }
    QCOMPARE(grid.MatchFilter(1), passes);
    // ApplyFilter reads each condition once and must agree.
    grid.ApplyFilter();
    QCOMPARE(grid.RowCount(), passes ? 2 : 1);
  }

  void custom_filter_has_the_last_word() {
    TZadIrururOziz grid;
    Fill(grid, {"a", "b"});
    TFilterData* item = grid.Filter().Add();
    item->SetColumn(1);
    item->SetCondition("a");
    QList<bool> seen;
    grid.OnCustomFilter = [&](TZadIrururOziz*, int, bool& accept) {
      seen << accept;
      accept = !accept;
    };
    grid.SetFilterActive(true);
    QCOMPARE(seen, (QList<bool>{true, false}));
    QCOMPARE(Shown(grid), QStringList{"b"});
  }

  void empty_filter_adds_a_level_and_special_rows_stay() {
    TZadIrururOziz grid;
    Fill(grid, {"x", "y", "z"});
    grid.ApplyFilter();
    QCOMPARE(grid.FilterLevel(), 1);
    QCOMPARE(grid.RowCount(), 4);
    grid.RemoveAllFilters();
    QCOMPARE(grid.FilterLevel(), 0);
  }

  void normal_cells_only_keeps_nodes_and_summaries() {
    TZadIrururOziz grid;
    Fill(grid, {"head", "a", "b", "sum"});
    grid.AddNode(1, 3);
    grid.MarkSummaryRow(4);
    TFilterData* item = grid.Filter().Add();
    item->SetColumn(1);
    item->SetCondition("a");
    grid.SetFilterNormalCellsOnly(true);
    QList<int> progress;
    grid.OnFilterProgress = [&](TZadIrururOziz*, int p) { progress << p; };
    grid.SetFilterActive(true);
    QCOMPARE(Shown(grid), (QStringList{"head", "a", "sum"}));
    // Two of four data rows tested, reported against all four, the last
    // figure once more at the end.
    QCOMPARE(progress, (QList<int>{25, 50, 50}));
  }

  void filter_off_and_on_restores_and_hides_the_same_rows() {
    TZadIrururOziz grid;
    Fill(grid, {"apple", "banana", "cherry", "avocado"});
    grid.Filter().GetColFilter(1)->SetCondition("a*");
    int footers = 0;
    grid.SetFilterActive(true);
    QCOMPARE(Shown(grid), (QStringList{"apple", "avocado"}));
    grid.SetFilterActive(false);
    QCOMPARE(Shown(grid), (QStringList{"apple", "banana", "cherry", "avocado"}));
    QCOMPARE(grid.FixedRows(), 1);
    grid.SetFilterActive(true);
    QCOMPARE(Shown(grid), (QStringList{"apple", "avocado"}));
    (void)footers;
    grid.RemoveAllFilters();
    QCOMPARE(Shown(grid).size(), 4);
    QCOMPARE(grid.Filter().Count(), 1);  // the conditions stay
    grid.RemoveAllFilters();             // no level: the conditions go
    QCOMPARE(grid.Filter().Count(), 0);
  }

  void narrow_down_stacks_and_pops_levels() {
    TZadIrururOziz grid;
    Fill(grid, {"apple", "banana", "cherry", "abc", "dummy"});
    grid.HideRow(5);  // "dummy", hidden before any filter
    int tests = 0;
    grid.OnCustomFilter = [&](TZadIrururOziz*, int, bool&) { ++tests; };
    grid.NarrowDown("a", 1);
    QCOMPARE(Shown(grid), (QStringList{"apple", "banana", "abc"}));
    grid.NarrowDown("ab", 1);
    QCOMPARE(Shown(grid), QStringList{"abc"});
    // The filter's levels sit above the level of the row hidden before.
    QCOMPARE(grid.FilterLevel(), 3);
    tests = 0;
    grid.NarrowDown("a", 1);
    QCOMPARE(tests, 0);
    QCOMPARE(Shown(grid), (QStringList{"apple", "banana", "abc"}));
    grid.NarrowDown("xyz", 1);
    QCOMPARE(grid.FilterLevel(), 2);
    QCOMPARE(Shown(grid), QStringList{});
    QCOMPARE(grid.RowCount(), 1);
    QVERIFY(grid.FixedRowAlways());
    grid.NarrowDown("", 1);
    QCOMPARE(grid.FilterLevel(), 0);
    QCOMPARE(Shown(grid), (QStringList{"apple", "banana", "cherry", "abc"}));
    QVERIFY(grid.IsHiddenRow(5));
  }

  void narrow_down_whole_row_and_blanks() {
    TZadIrururOziz grid;
    Fill(grid, {"red apple", "redapple", "pear"});
    grid.SetCellEx(2, 3, "APPLE tree");
    grid.NarrowDown("d a", 1);
    QCOMPARE(Shown(grid), QStringList{"red apple"});
    QCOMPARE(grid.Filter().Items(0)->Condition(), QString("\"*d a*\""));
    grid.NarrowDown("", 1);
    grid.NarrowDown("apple", -1);
    QCOMPARE(Shown(grid), (QStringList{"red apple", "redapple", "pear"}));
    grid.NarrowDown("tree", -1);
    QCOMPARE(Shown(grid), QStringList{"pear"});
  }

  void pick_list_sets_and_clears_the_column_condition() {
    TZadIrururOziz grid;
    Fill(grid, {"a b", "a", "b", "a b"});
    grid.SetFilterDropDownAuto(true);
    grid.SetAutoFilterUpdate(true);
    Show(grid);
    int done = 0;
    grid.OnFilterDone = [&](TZadIrururOziz*) { ++done; };
    QStringList picked;
    grid.OnFilterSelect = [&](TZadIrururOziz*, int, int, const QString& name, QString& condition) {
      picked << name + "|" + condition;
    };
    // Entries: (All), a, a b, b.
    auto pick = [&](int index) {
      QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
      TDropList* list = grid.FilterDropList();
      QVERIFY(list->isVisible());
      for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
    };
    pick(2);
    QCOMPARE(Shown(grid), (QStringList{"a b", "a b"}));
    QCOMPARE(grid.Filter().GetColFilter(1)->Condition(), QString("\"a b\""));
    QCOMPARE(grid.Row(), 1);
    pick(0);
    QCOMPARE(grid.Filter().Count(), 0);
    QCOMPARE(Shown(grid).size(), 4);
    QCOMPARE(done, 2);
    QCOMPARE(picked, (QStringList{"a b|\"a b\"", "(All)|"}));
    QCOMPARE(grid.FilterColumn(), -1);
    // An index outside the list only forgets the open column.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    grid.DoFilterSelect(nullptr, 9);
    QCOMPARE(grid.FilterColumn(), -1);
    QCOMPARE(done, 2);
  }

  void pick_that_leaves_no_row_keeps_the_current_row() {
    TZadIrururOziz grid;
    Fill(grid, {"a", "b"});
    grid.SetFilterDropDownAuto(true);
    grid.SetAutoFilterUpdate(true);
    Show(grid);
    grid.OnFilterSelect = [&](TZadIrururOziz*, int, int, const QString&, QString& condition) { condition = "zzz"; };
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    QTest::keyClick(grid.FilterDropList(), Qt::Key_Down);
    QTest::keyClick(grid.FilterDropList(), Qt::Key_Return);
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.GetFixedRows(), 1);
    QCOMPARE(grid.Row(), 0);
  }

  void check_list_joins_the_ticked_values_by_or() {
    TZadIrururOziz grid;
    Fill(grid, {"a", "b", "c"});
    grid.SetFilterDropDownAuto(true);
    grid.SetFilterDropDownCheck(true);
    grid.SetAutoFilterUpdate(true);  // every tick re-applies
    Show(grid);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    TDropCheckList* list = grid.FilterDropCheckList();
    QVERIFY(list->isVisible());
    list->SetChecked(1, true);  // a
    list->SetChecked(3, true);  // c
    QCOMPARE(grid.Filter().Count(), 2);
    QCOMPARE(grid.Filter().Items(0)->Operation(), foNONE);
    QCOMPARE(grid.Filter().Items(1)->Operation(), foOR);
    QCOMPARE(Shown(grid), (QStringList{"a", "c"}));
    // "(All)" ticked: an always-true condition, every row passes.
    list->SetChecked(0, true);
    QCOMPARE(grid.Filter().Items(0)->Condition(), QString());
    QCOMPARE(Shown(grid), (QStringList{"a", "b", "c"}));
  }

  void insert_key_works_on_the_unfiltered_grid() {
    TZadIrururOziz grid;
    Fill(grid, {"a", "b", "a"});
    grid.Navigation().SetAllowInsertRow(true);
    Show(grid);
    grid.Filter().GetColFilter(1)->SetCondition("a");
    grid.SetFilterActive(true);
    QCOMPARE(Shown(grid), (QStringList{"a", "a"}));
    grid.FocusCell(1, 2);  // the second "a", real row 3
    QTest::keyClick(grid.viewport(), Qt::Key_Insert);
    QVERIFY(grid.FilterActive());
    grid.SetFilterActive(false);
    QCOMPARE(Shown(grid), (QStringList{"a", "b", "", "a"}));
  }
};

QTEST_MAIN(GridRowFilterTest)
#include "grid_rowfilter_test.moc"
