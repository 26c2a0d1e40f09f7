// A column grid set up like the CANopen tables (a header row, 31 data rows,
// a check-box column and a hidden column), worked the way a user works it:
// real mouse presses and key strokes on the grid, cell texts read back.
//
// With KELVRA_GRID_SHOT set to a file name, the edited grid is saved there
// as a picture (run under xvfb-run to look at it on a real X server).
#include <QLineEdit>
#include <QtTest>

#include "grid/columns/zad_column_grid.h"

namespace {

// Real columns: 0 fixed, 1 "Index", 2 hidden key, 3 "Sub", 4 "Enabled"
// (check box), 5 "Value". Display columns after hiding: 0, 1, 3, 4, 5 -> 0..4.
constexpr int Display_Index = 1, Display_Sub = 2, Display_Enabled = 3, Display_Value = 4;
constexpr int Real_Enabled = 4, Real_Value = 5;

struct Table_Fixture {
  TZadColumnGrid grid;

  Table_Fixture() {
    grid.resize(560, 420);
    grid.SetColCount(6);
    grid.SetRowCount(32);
    grid.SetFixedRowHeight(22);
    grid.SetOptions(grid.Options() | goEditing | goColSizing | goTabs);
    const QStringList headers{"No", "Index", "Key", "Sub", "Enabled", "Value"};
    for (int c = 0; c < 6; ++c) grid.Columns()[c]->SetHeader(headers[c]);
    TGridColumnItem& enabled = *grid.Columns()[Real_Enabled];
    enabled.SetEditor(edDataCheckBox);
    enabled.SetCheckTrue("Y");
    enabled.SetCheckFalse("N");
    for (int r = 1; r < 32; ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(2, r, QString("key%1").arg(r));
    }
    grid.HideColumn(2);
    grid.show();
    grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
  }

  QPoint Center(int display_col, int row) const {
    const TRect r = grid.CellRect(display_col, row);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Click(int display_col, int row) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Center(display_col, row));
  }
  // Keys go where a user's keys go: to the widget that has the focus.
  static QWidget* Focus() { return QApplication::focusWidget(); }
  // The first typed character may open the editor, so each one goes to
  // whatever has the focus by then.
  void Type(const QString& text) {
    for (QChar ch : text) QTest::keyClick(Focus(), ch.toLatin1());
  }
  void Press(Qt::Key key) { QTest::keyClick(Focus(), key); }
};

}  // namespace

class ColumnGridUserTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void hidden_column_is_kept_out_of_the_display() {
    Table_Fixture t;
    QCOMPARE(t.grid.ColCount(), 5);
    QCOMPARE(t.grid.NumHiddenColumns(), 1);
    QCOMPARE(t.grid.RowCount(), 32);
    QCOMPARE(t.grid.ColumnHeaders().value(3), QString("Sub"));
  }

  void click_type_enter_stores_the_text_in_the_clicked_cell() {
    Table_Fixture t;
    t.Click(Display_Index, 1);
    QCOMPARE(t.grid.Col(), Display_Index);
    QCOMPARE(t.grid.Row(), 1);
    t.Type("2000");
    t.Press(Qt::Key_Return);
    QCOMPARE(t.grid.GetCellEx(1, 1), QString("2000"));
    QVERIFY(!t.grid.EditorMode());
  }

  void typing_in_a_column_after_the_hidden_one_reaches_its_real_column() {
    Table_Fixture t;
    t.Click(Display_Value, 3);
    t.Type("42");
    t.Press(Qt::Key_Return);
    QCOMPARE(t.grid.GetCellEx(Real_Value, 3), QString("42"));
    QCOMPARE(t.grid.GetCellEx(2, 3), QString("key3"));  // the hidden key column is untouched
  }

  // The items of columns after the hidden one answer for their own cells:
  // editor type, limit, read-only and password follow the column shown.
  void columns_after_the_hidden_one_edit_by_their_own_items() {
    Table_Fixture t;
    TGridColumnItem& value = *t.grid.Columns()[Real_Value];
    value.SetEditor(edNumeric);
    value.SetEditLength(4);
    // The hidden key column is read-only and a password column; "Sub",
    // shown at its display index, is neither.
    t.grid.Columns()[2]->SetReadOnly(true);
    t.grid.Columns()[2]->SetPassword(true);
    t.Click(Display_Value, 5);
    t.Type("12a345");
    t.Press(Qt::Key_Return);
    QCOMPARE(t.grid.GetCellEx(Real_Value, 5), QString("1234"));

    t.Click(Display_Sub, 6);
    t.Type("ab");
    QVERIFY(t.grid.EditorMode());
    auto* editor = qobject_cast<QLineEdit*>(t.grid.InplaceEditor());
    QVERIFY(editor);
    QCOMPARE(editor->echoMode(), QLineEdit::Normal);
    t.Press(Qt::Key_Return);
    QCOMPARE(t.grid.GetCellEx(3, 6), QString("ab"));
  }

  void tab_moves_right_and_escape_drops_the_typed_text() {
    Table_Fixture t;
    t.Click(Display_Index, 2);
    t.Press(Qt::Key_Tab);
    QCOMPARE(t.grid.Col(), Display_Sub);
    QCOMPARE(t.grid.Row(), 2);
    t.Type("7");
    t.Press(Qt::Key_Escape);
    QVERIFY(!t.grid.EditorMode());
    QCOMPARE(t.grid.GetCellEx(3, 2), QString(""));
  }

  void check_box_column_toggles_between_its_check_texts() {
    Table_Fixture t;
    QCOMPARE(t.grid.GetCellEx(Real_Enabled, 4), QString(""));
    t.Click(Display_Enabled, 4);
    QCOMPARE(t.grid.GetCellEx(Real_Enabled, 4), QString("Y"));
    t.Click(Display_Enabled, 4);
    QCOMPARE(t.grid.GetCellEx(Real_Enabled, 4), QString("N"));
    // Space on the current check-box cell toggles it as well and opens no editor.
    t.Press(Qt::Key_Space);
    QCOMPARE(t.grid.GetCellEx(Real_Enabled, 4), QString("Y"));
    QVERIFY(!t.grid.EditorMode());
  }

  void dragging_a_header_border_sizes_the_column_within_its_limits() {
    Table_Fixture t;
    t.grid.Columns()[1]->SetMaxSize(100);
    const TRect header = t.grid.CellRect(Display_Index, 0);
    const QPoint border(header.Right - 1, (header.Top + header.Bottom) / 2);
    QTest::mousePress(t.grid.viewport(), Qt::LeftButton, {}, border);
    QTest::mouseMove(t.grid.viewport(), border + QPoint(200, 0));
    QTest::mouseRelease(t.grid.viewport(), Qt::LeftButton, {}, border + QPoint(200, 0));
    QCOMPARE(t.grid.ColWidths(Display_Index), 100);
  }

  void a_user_session_can_be_looked_at() {
    Table_Fixture t;
    t.Click(Display_Index, 1);
    t.Type("2000");
    t.Press(Qt::Key_Return);
    t.Click(Display_Enabled, 1);
    t.Click(Display_Value, 2);
    t.Type("12");
    const QString shot = qEnvironmentVariable("KELVRA_GRID_SHOT");
    if (!shot.isEmpty()) QVERIFY(t.grid.grab().save(shot));
    t.Press(Qt::Key_Return);
    QCOMPARE(t.grid.GetCellEx(Real_Value, 2), QString("12"));
  }
};

QTEST_MAIN(ColumnGridUserTest)
#include "column_grid_user_test.moc"
