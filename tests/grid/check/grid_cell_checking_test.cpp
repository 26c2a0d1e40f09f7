// Checking runs with the base checker and with one that marks digits, and
// the fills.
#include <QApplication>
#include <QtTest>

#include "grid/check/zad_irurur_oziz_check.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/checked_format.h"

namespace {

// Digits are errors; Correct drops them. Counts its runs.
class Digit_Checker : public TZadIrururOzizCheck {
 public:
  QString MarkError(int, int, const QString& s) override {
    QString out = s;
    for (const char digit : QByteArray("0123456789")) out = MarkText(true, out, QString(QChar(digit)));
    return out;
  }
  QString Correct(int, int, const QString& s) override {
    QString out = s;
    out.remove(QRegularExpression("[0-9]"));
    return out;
  }
  void StartCheck() override { ++starts; }
  void StopCheck() override { ++stops; }
  int starts = 0, stops = 0;
};

QStringList Texts(TZadIrururOziz& grid) {
  QStringList texts;
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) texts << grid.GetCellEx(c, r);
  return texts;
}

void Setup(TZadIrururOziz& grid) {
  grid.SetColCount(4);
  grid.SetRowCount(4);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
}

}  // namespace

class GridCellCheckingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void without_checker_nothing_changes() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1, "a<e>1</e>");
    const QStringList before = Texts(grid);
    QVERIFY(grid.CheckGrid(true));
    QVERIFY(grid.CheckCell(1, 1));
    QCOMPARE(Texts(grid), before);
  }

  void base_checker_passes_and_removes_marks() {
    TZadIrururOziz grid;
    Setup(grid);
    TZadIrururOzizCheck checker;
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    grid.SetCellChecker(&checker);
    grid.LinearFill(true);
    grid.SetCellEx(1, 1, "a<e>1</e>");
    grid.SetCellEx(0, 0, "<e>h</e>");
    QVERIFY(grid.CheckGrid(false));
    QCOMPARE(grid.GetCellEx(1, 1), QString("a1"));
    QCOMPARE(grid.GetCellEx(0, 0), QString("<e>h</e>"));  // a fixed cell, not visited
    QCOMPARE(grid.GetCellEx(3, 3), QString("3:3"));
  }

  void digit_checker_marks_and_corrects() {
    TZadIrururOziz grid;
    Setup(grid);
    Digit_Checker checker;
    grid.SetCellChecker(&checker);
    grid.SetCellEx(1, 1, "a1");
    grid.SetCellEx(2, 1, "ab");
    QVERIFY(grid.CheckCell(1, 1));  // neither flag set: nothing is called
    checker.SetUseMarkError(true);
    QVERIFY(!grid.CheckCell(1, 1));
    QCOMPARE(grid.GetCellEx(1, 1), QString("a<e>1</e>"));
    // A second run sees the text without the earlier marks.
    QVERIFY(!grid.CheckCell(1, 1));
    QCOMPARE(grid.GetCellEx(1, 1), QString("a<e>1</e>"));
    QVERIFY(grid.CheckCell(2, 1));
    // With both, both see the unmarked text and the marked one is kept.
    checker.SetUseCorrect(true);
    QVERIFY(!grid.CheckRow(false, 1));
    QCOMPARE(grid.GetCellEx(1, 1), QString("a<e>1</e>"));
    checker.SetUseMarkError(false);
    QVERIFY(!grid.CheckCol(false, 1));
    QCOMPARE(grid.GetCellEx(1, 1), QString("a"));
    QCOMPARE(checker.starts, 2);
    QCOMPARE(checker.stops, 2);
  }

  // Every cell of the block is checked, also after a failure.
  void run_checks_every_cell() {
    TZadIrururOziz grid;
    Setup(grid);
    Digit_Checker checker;
    checker.SetUseMarkError(true);
    grid.SetCellChecker(&checker);
    grid.SetCellEx(1, 1, "1");
    grid.SetCellEx(3, 3, "x3");
    QVERIFY(!grid.CheckCells(1, 1, 3, 3));
    QCOMPARE(grid.GetCellEx(3, 3), QString("x<e>3</e>"));
  }

  void goto_cell_returns_to_the_current_cell() {
    TZadIrururOziz grid;
    Setup(grid);
    Digit_Checker checker;
    checker.SetGotoCell(true);
    checker.SetUseMarkError(true);
    grid.SetCellChecker(&checker);
    grid.FocusCell(2, 2);
    QVERIFY(grid.CheckGrid(false));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 2));
    grid.CheckCell(3, 1);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 1));
  }

  void checker_that_goes_is_forgotten() {
    TZadIrururOziz grid;
    auto checker = std::make_unique<Digit_Checker>();
    checker->SetUseMarkError(true);
    grid.SetCellChecker(checker.get());
    checker.reset();
    QVERIFY(!grid.CellChecker());
    grid.SetCellEx(1, 1, "1");
    QVERIFY(grid.CheckGrid(false));
  }

  void fills() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.FormatFill(false, "%d-%d");
    QCOMPARE(grid.GetCellEx(1, 1), QString("1-1"));
    QCOMPARE(grid.GetCellEx(3, 2), QString("3-2"));
    QCOMPARE(grid.GetCellEx(0, 1), QString());
    const QStringList before = Texts(grid);
    QVERIFY_THROWS_EXCEPTION(EConvertError, grid.FormatFill(false, "%s"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, grid.FormatFill(true, "%d %d %d"));
    QCOMPARE(Texts(grid), before);

    grid.LinearFill(true);
    QCOMPARE(grid.GetCellEx(0, 0), QString("0:0"));
    QCOMPARE(grid.GetCellEx(2, 3), QString("2:3"));

    grid.TextFill(false, "t");
    QCOMPARE(grid.GetCellEx(1, 1), QString("t"));
    QCOMPARE(grid.GetCellEx(0, 1), QString("0:1"));

    for (const int limit : {1, 0, -5}) {
      grid.RandomFill(false, limit);
      for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c) QCOMPARE(grid.GetCellEx(c, r), QString("0"));
    }
    grid.RandomFill(false, 3);
    for (int r = 1; r < 4; ++r)
      for (int c = 1; c < 4; ++c) QVERIFY(QStringList({"0", "1", "2"}).contains(grid.GetCellEx(c, r)));
  }

  // Footers and right fixed columns are left out of the normal cells.
  void fills_leave_footers_alone() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(1);
    grid.TextFill(false, "t");
    QCOMPARE(grid.GetCellEx(2, 2), QString("t"));
    QCOMPARE(grid.GetCellEx(3, 2), QString());
    QCOMPARE(grid.GetCellEx(2, 3), QString());
  }

  // A committed edit is corrected and marked as the checker's Auto flags say.
  void edit_commit_is_checked() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetOptions(grid.Options() | goEditing);
    Digit_Checker checker;
    grid.SetCellChecker(&checker);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    auto edit = [&](int c, int r, const QString& typed) {
      grid.FocusCell(c, r);
      QTest::keyClick(&grid, Qt::Key_F2);
      QWidget* editor = QApplication::focusWidget();
      QVERIFY(editor && grid.EditorMode());
      QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(editor, typed);
      QTest::keyClick(editor, Qt::Key_Return);
    };
    checker.SetAutoMarkError(true);
    edit(1, 1, "a1");
    QCOMPARE(grid.GetCellEx(1, 1), QString("a<e>1</e>"));
    checker.SetAutoMarkError(false);
    checker.SetAutoCorrect(true);
    edit(2, 1, "b2");
    QCOMPARE(grid.GetCellEx(2, 1), QString("b"));
  }
};

QTEST_MAIN(GridCellCheckingTest)
#include "grid_cell_checking_test.moc"
