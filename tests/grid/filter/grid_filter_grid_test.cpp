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
};

QTEST_MAIN(GridFilterTest)
#include "grid_filter_grid_test.moc"
