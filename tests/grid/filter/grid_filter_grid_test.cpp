// The grid's filter conditions and its change notifiers.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

class Logging_Notifier : public TGridChangeNotifier {
 public:
  Logging_Notifier(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
  void CellsChanged(const TGridRect& R) override {
    log_ << name_;
    last = R;
  }
  TGridRect last;

 private:
  QString name_;
  QStringList& log_;
};

// A shown grid whose column 1 offers the values of its cells in a filter list.
void Filter_Grid(TZadIrururOziz& grid) {
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetFixedRows(1);
  grid.SetColWidths(1, 120);
  const char* values[] = {"Apples", "Pears", "Plums", "Apples", "Red currants"};
  for (int r = 1; r < 6; ++r) grid.SetCellEx(1, r, values[r - 1]);
  grid.OnGetColumnFilter = [](TZadIrururOziz* g, int Column, QStringList& list) {
    if (Column != 1) return;
    // Display texts and conditions side by side, as the grid keeps them.
    for (const QString& v : {QString("Apples"), QString("Pears"), QString("Plums"), QString("Red currants")}) {
      list << v;
      g->FilterConditions() << (v.contains(' ') ? '"' + v + '"' : v);
    }
  };
  grid.resize(420, 200);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QPoint Filter_Button(TZadIrururOziz& grid, int col) {
  const TRect cell = grid.CellRect(col, 0);
  return QPoint(cell.Right - 8, cell.Top + 6);
}

}  // namespace

class GridFilterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void notifiers_hear_changes_after_the_event_in_registration_order() {
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    QStringList log;
    grid.OnCellsChanged = [&](TZadIrururOziz*, const TGridRect&) { log << "OnCellsChanged"; };
    Logging_Notifier n1("N1", log), n2("N2", log);
    grid.RegisterNotifier(&n1);
    grid.RegisterNotifier(&n2);
    grid.RegisterNotifier(&n1);  // once only
    grid.InsertRows(2, 1);
    QCOMPARE(log, QStringList({"OnCellsChanged", "N1", "N2"}));
    QCOMPARE(n2.last.Top, 2);

    log.clear();
    grid.UnRegisterNotifier(&n1);
    grid.RemoveRows(2, 1);
    QCOMPARE(log, QStringList({"OnCellsChanged", "N2"}));
  }

  void a_destroyed_notifier_is_not_called() {
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    QStringList log;
    auto* gone = new Logging_Notifier("gone", log);
    Logging_Notifier kept("kept", log);
    grid.RegisterNotifier(gone);
    grid.RegisterNotifier(&kept);
    delete gone;
    grid.InsertRows(1, 1);
    QCOMPARE(log, QStringList({"kept"}));
  }

  void column_filters_live_in_the_grid() {
    TZadIrururOziz grid;
    TFilterData* data = grid.Filter().GetColFilter(3);
    QCOMPARE(data->Operation(), foNONE);
    QCOMPARE(grid.Filter().GetColFilter(3), data);
    QCOMPARE(grid.Filter().Owner(), static_cast<QObject*>(&grid));
    grid.Filter().RemoveColumnFilter(3);
    QCOMPARE(grid.Filter().Count(), 0);
  }

  void a_filter_button_opens_its_list_and_a_second_click_closes_it() {
    TZadIrururOziz grid;
    Filter_Grid(grid);
    const TRect cell = grid.CellRect(1, 0);
    // Beside the button (3 pixels from the border) nothing opens.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.Right - 3, cell.Top + 6));
    QVERIFY(!grid.FilterDropList()->isVisible());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    TDropList* list = grid.FilterDropList();
    QVERIFY(list->isVisible());
    QCOMPARE(grid.FilterColumn(), 1);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), QString("Red currants"));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->geometry().top(), cell.Top + 16);
    QCOMPARE(list->geometry().left(), cell.Right - 16);
    QCOMPARE(list->width(), grid.FilterDropDown().Width());
    // Ends beyond the grid: moved left to end at the column's right edge.
    QVERIFY(list->geometry().right() < grid.viewport()->width() ||
            list->geometry().left() == cell.Right - list->width());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    QVERIFY(!list->isVisible());
    QCOMPARE(grid.FilterColumn(), -1);
    // A column without a filter list opens nothing.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 2));
    QVERIFY(!list->isVisible());
  }

  void picking_a_value_hides_the_list_and_reports_it() {
    struct Picking : TZadIrururOziz {
      QList<int> picks;
      void DoFilterSelect(QObject*, int ItemIndex) override { picks << ItemIndex; }
    } grid;
    Filter_Grid(grid);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    TDropList* list = grid.FilterDropList();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(grid.picks, QList<int>({1}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 2));  // forgets column 1
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(grid.picks, QList<int>({1, 2}));
  }

  void the_check_list_ticks_the_column_conditions_and_reports_toggles() {
    struct Checking : TZadIrururOziz {
      QList<int> checks;
      void DoFilterCheck(QObject*, int ItemIndex) override { checks << ItemIndex; }
    } grid;
    Filter_Grid(grid);
    grid.SetFilterDropDownCheck(true);
    grid.FilterDropDown().SetAutoSize(true);
    grid.Filter().GetColFilter(1)->SetCondition("\"Red currants\"");
    grid.Filter().Add()->SetCondition("Pears");  // column 0: not this column's
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Filter_Button(grid, 1));
    TDropCheckList* list = grid.FilterDropCheckList();
    QVERIFY(list->isVisible());
    QVERIFY(!grid.FilterDropList()->isVisible());
    QVERIFY(list->Checked(3));
    QVERIFY(!list->Checked(1));
    QVERIFY(grid.checks.isEmpty());  // filling reports nothing
    // Auto size: every item fits.
    QCOMPARE(list->height(), 4 * list->sizeHintForRow(0) + 4);
    list->SetChecked(0, true);
    QCOMPARE(grid.checks, QList<int>({-1}));
    QVERIFY(list->isVisible());
    // GRID_FILTER_SHOT=<file.png> keeps a picture of the open list to look at.
    if (const QString shot = qEnvironmentVariable("GRID_FILTER_SHOT"); !shot.isEmpty()) grid.grab().save(shot);

    // Focus moving away from the grid closes it and forgets the column.
    QWidget elsewhere;
    elsewhere.setFocusPolicy(Qt::StrongFocus);
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(grid.FilterColumn(), -1);
  }
};

QTEST_MAIN(GridFilterTest)
#include "grid_filter_grid_test.moc"
