#include <QLineEdit>
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/input/proportional_scroll.h"

// A 6x6 grid (one fixed row and column) whose cells listed as fixed answer so.
static void Make_Fixed(TZadIrururOziz& grid, const QList<QPoint>& fixed) {
  grid.SetRowCount(6);
  grid.SetColCount(6);
  grid.OnIsFixedCell = [fixed](TZadIrururOziz*, int ARow, int ACol, bool& Value) {
    if (fixed.contains(QPoint(ACol, ARow))) Value = true;
  };
}

class GridInputTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void skip_fixed_cells_data() {
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    // Fixed cells: (2,2), (3,2) and (2,3), (2,4).
    QTest::newRow("right over two") << true << QPoint(1, 2) << int(Qt::Key_Right) << QPoint(4, 2);
    QTest::newRow("left over two") << true << QPoint(4, 2) << int(Qt::Key_Left) << QPoint(1, 2);
    QTest::newRow("down over three") << true << QPoint(2, 1) << int(Qt::Key_Down) << QPoint(2, 5);
    QTest::newRow("up over three") << true << QPoint(2, 5) << int(Qt::Key_Up) << QPoint(2, 1);
    QTest::newRow("plain move without fixed neighbour") << true << QPoint(4, 4) << int(Qt::Key_Left) << QPoint(3, 4);
    // Without skipping, the plain move meets the fixed cell, which refuses to become current.
    QTest::newRow("switched off takes the plain move") << false << QPoint(1, 2) << int(Qt::Key_Right) << QPoint(1, 2);
  }

  void skip_fixed_cells() {
    QFETCH(bool, skip);
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    TZadIrururOziz grid;
    Make_Fixed(grid, {{2, 2}, {3, 2}, {2, 3}, {2, 4}});
    grid.Navigation().SetSkipFixedCells(skip);
    grid.FocusCell(from.x(), from.y());
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), to);
  }

  void skip_fixed_cells_stays_when_only_fixed_cells_follow() {
    TZadIrururOziz grid;
    Make_Fixed(grid, {{4, 3}, {5, 3}});
    grid.FocusCell(3, 3);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 3));
  }

  void down_on_the_last_row_appends_an_empty_row() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.Navigation().SetAppendOnArrowDown(true);
    int added = -1;
    grid.OnAutoAddRow = [&](TZadIrururOziz*, int ARow) { added = ARow; };
    grid.FocusCell(1, 3);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(added, 4);
    QCOMPARE(grid.Row(), 4);
    QCOMPARE(grid.GetGridCell(1, 4), QString());
    // Down inside the grid appends nothing.
    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowCount(), 5);
  }

  void append_refused_leaves_the_row_count() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.Navigation().SetAppendOnArrowDown(true);
    grid.OnCanAddRow = [](TZadIrururOziz*, bool& CanAdd) { CanAdd = false; };
    bool added = false;
    grid.OnAutoAddRow = [&](TZadIrururOziz*, int) { added = true; };
    grid.FocusCell(1, 3);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowCount(), 4);
    QVERIFY(!added);
  }

  void arrows_carry_the_disjunct_row_selection() {
    TZadIrururOziz grid;
    grid.SetRowCount(8);
    grid.SetColCount(3);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.FocusCell(1, 2);
    grid.SetRowSelect(5, true);
    // A plain arrow replaces the marks by the new row.
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowSelectCount(), 1);
    QVERIFY(grid.RowSelect(3));
    // Ctrl keeps the marks and adds the row.
    grid.FocusCell(1, 6);
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ControlModifier);
    QVERIFY(grid.RowSelect(3));
    QVERIFY(grid.RowSelect(5));
    QCOMPARE(grid.RowSelectCount(), 2);
    // Space toggles the current row.
    QTest::keyClick(&grid, Qt::Key_Space);
    QVERIFY(!grid.RowSelect(5));
  }

  void arrows_carry_the_disjunct_column_selection() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(6);
    grid.MouseActions().SetDisjunctColSelect(true);
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.ColSelectCount(), 1);
    QVERIFY(grid.ColSelect(2));
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(grid.ColSelectCount(), 0);
  }

  void space_flips_a_check_box_and_reports_it() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.SetOptions(grid.Options() | goEditing);
    grid.AddCheckBox(1, 2, false, false);
    QList<bool> clicks;
    grid.OnCheckBoxClick = [&](TZadIrururOziz*, int, int, bool State) { clicks << State; };
    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(clicks, (QList<bool>{true, false}));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 2));
  }

  void space_on_an_inactive_check_box_does_nothing() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.AddCheckBox(1, 2, false, false);
    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QVERIFY(!grid.IsChecked(1, 2));
    grid.ControlLook().SetCheckAlwaysActive(true);
    QTest::keyClick(&grid, Qt::Key_Space);
    QVERIFY(grid.IsChecked(1, 2));
  }

  // After a hidden column a check box is active or not by its own cell.
  void space_after_a_hidden_column_asks_the_check_box_cell() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(5);
    grid.SetOptions(grid.Options() | goEditing);
    grid.AddCheckBox(3, 2, false, false);
    grid.AddCheckBox(4, 2, false, false);
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 4; };
    grid.HideColumn(1);
    grid.FocusCell(2, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QVERIFY(grid.IsChecked(3, 2));
    grid.FocusCell(3, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QVERIFY(!grid.IsChecked(4, 2));
  }

  void space_cycles_a_radio_group() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.SetOptions(grid.Options() | goEditing);
    *grid.CreateRadio(1, 1, 0, 0) << "a"
                                  << "b"
                                  << "c";
    QList<int> indexes;
    grid.OnRadioClick = [&](TZadIrururOziz*, int, int, int AIdx) { indexes << AIdx; };
    grid.FocusCell(1, 1);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(indexes, (QList<int>{1, 2, 0}));
  }

  void keypad_decimal_key_types_the_locale_separator_data() {
    QTest::addColumn<bool>("excel_style");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::newRow("keypad with the option") << true << int(Qt::KeypadModifier) << QStringLiteral(",");
    QTest::newRow("main keyboard with the option") << true << int(Qt::NoModifier) << QStringLiteral(".");
    QTest::newRow("keypad without the option") << false << int(Qt::KeypadModifier) << QStringLiteral(".");
  }

  void keypad_decimal_key_types_the_locale_separator() {
    QFETCH(bool, excel_style);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    Format_Settings comma;
    comma.Decimal_Separator = QLatin1Char(',');
    comma.Thousand_Separator = QLatin1Char('.');
    Format_Settings_Scope scope(comma);
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetExcelStyleDecimalSeparator(excel_style);
    QString pressed;
    grid.OnKeyPress = [&](TZadIrururOziz*, QChar& Key) { pressed = Key; };
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Period, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pressed, typed);
    auto* editor = qobject_cast<QLineEdit*>(grid.InplaceEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), typed);
  }

  // 100 rows of 20 pixels plus one-pixel lines below one fixed row, 232
  // pixels of client height: about a tenth is visible.
  void proportional_scroll_range_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("above");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::newRow("at the top") << 232 << 2101 << 1 << true << 141 << 0;
    QTest::newRow("in the middle") << 232 << 2101 << 946 << true << 141 << 64;
    QTest::newRow("at the bottom") << 232 << 2101 << 1870 << true << 141 << 128;
    QTest::newRow("everything fits") << 3000 << 2101 << 1 << false << 0 << 0;
    QTest::newRow("no scrollable rows") << 232 << 0 << 0 << false << 0 << 0;
  }

  void proportional_scroll_range() {
    QFETCH(int, control);
    QFETCH(int, total);
    QFETCH(int, above);
    QFETCH(bool, shown);
    QFETCH(int, maximum);
    QFETCH(int, position);
    const auto range = Proportional_Scroll_Range(control, 22, total, above);
    QCOMPARE(range.has_value(), shown);
    if (!range) return;
    QCOMPARE(range->Maximum, maximum);
    QCOMPARE(range->Page, maximum - 126);
    QCOMPARE(range->Position, position);
  }

  void scroll_hint_names_the_row_or_column() {
    TZadIrururOziz grid;
    QCOMPARE(grid.ScrollHintText(Qt::Vertical, 42), QStringLiteral("Row : 42"));
    QCOMPARE(grid.ScrollHintText(Qt::Horizontal, 3), QStringLiteral("Col : 3"));
    int asked = -1;
    grid.OnScrollHint = [&](TZadIrururOziz*, int ARow, QString& hint) {
      asked = ARow;
      hint = QStringLiteral("Meter ") + QString::number(ARow);
    };
    QCOMPARE(grid.ScrollHintText(Qt::Vertical, 7), QStringLiteral("Meter 7"));
    QCOMPARE(asked, 7);
  }
};

QTEST_MAIN(GridInputTest)
#include "grid_input_test.moc"
