// The row routines on a column grid set up as a CANopen table: 31 rows, a
// row-number column and a check-box column, with the paste's questions
// answered by a scripted dialog provider.
#include "shell/table_rows/grid_row_routines.h"

#include <QtTest>

#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"

namespace {

// Columns 1 "Id", 2 "Size", 3 "On" (check box), 4 "Text".
struct Table {
  TZadColumnGrid grid;
  Table() {
    grid.resize(500, 400);
    grid.SetColCount(5);
    grid.SetRowCount(31);
    grid.SetOptions(grid.Options() | goEditing);
    TGridColumnItem& check = *grid.Columns()[3];
    check.SetEditor(edDataCheckBox);
    check.SetCheckTrue("Y");
    check.SetCheckFalse("N");
    for (int r = 1; r < 31; ++r) grid.SetCellEx(0, r, QString::number(r));
  }
  void Set_Row(int r, const QStringList& texts) {
    for (int c = 1; c <= texts.size(); ++c) grid.SetCellEx(c, r, texts[c - 1]);
  }
  QStringList Row_Texts(int r) {
    QStringList texts;
    for (int c = 1; c < 5; ++c) texts << grid.GetCellEx(c, r);
    return texts;
  }
};

struct Globals_Scope {
  Globals_Scope() { Reset(); }
  ~Globals_Scope() { Reset(); }
  static void Reset() {
    Row_Copy_Buffer.clear();
    Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = false;
  }
};

}  // namespace

class GridRowRoutinesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void copy_and_paste_go_through_the_buffer() {
    Globals_Scope globals;
    dialogs::Scripted_Scope script;
    Table t;
    t.Set_Row(2, {"0x181", "2", "Y", "t"});
    Grid_Copy_Row(t.grid, 2);
    QCOMPARE(Row_Copy_Buffer, QStringList({"0x181", "2", "Y", "t"}));
    // Into an empty row, and into one that holds only its check box: no question.
    t.Set_Row(6, {"", "", "N", ""});
    Grid_Paste_Row(t.grid, 5, true);
    Grid_Paste_Row(t.grid, 6, true);
    QCOMPARE(script->messages.size(), size_t(0));
    QCOMPARE(t.Row_Texts(5), QStringList({"0x181", "2", "Y", "t"}));
    QCOMPARE(t.Row_Texts(6), QStringList({"0x181", "2", "Y", "t"}));
  }

  void paste_over_text_asks_and_no_keeps_the_row() {
    Globals_Scope globals;
    dialogs::Scripted_Scope script;
    Table t;
    Row_Copy_Buffer = {"1", "2", "Y", "new"};
    t.Set_Row(4, {"", "", "", "x"});
    script->message_answers = {dialogs::No, dialogs::Yes};
    Grid_Paste_Row(t.grid, 4, true);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Confirmation);
    QCOMPARE(script->messages[0].buttons, int(dialogs::Yes | dialogs::No));
    QVERIFY(script->messages[0].text.contains("Row 4"));
    QCOMPARE(t.Row_Texts(4), QStringList({"", "", "", "x"}));
    Grid_Paste_Row(t.grid, 4, true);
    QCOMPARE(t.Row_Texts(4), QStringList({"1", "2", "Y", "new"}));
  }

  void refused_pastes_say_why_and_change_nothing() {
    Globals_Scope globals;
    dialogs::Scripted_Scope script;
    Table t;
    Row_Copy_Buffer = {"1", "2", "Y", "new"};
    Grid_Paste_Row(t.grid, 3, false);
    Row_Copy_Buffer = {"1", "2", "Y"};  // a row of a table with other columns
    Grid_Paste_Row(t.grid, 3, true);
    QCOMPARE(script->messages.size(), size_t(2));
    for (const auto& shown : script->messages) {
      QCOMPARE(shown.kind, dialogs::Kind::Error);
      QCOMPARE(shown.buttons, int(dialogs::Ok));
    }
    QVERIFY(script->messages[0].text != script->messages[1].text);
    QCOMPARE(t.Row_Texts(3), QStringList({"", "", "", ""}));
  }

  void insert_and_delete_move_texts_and_keep_the_row_count() {
    Globals_Scope globals;
    Table t;
    for (int r = 1; r <= 30; ++r) t.Set_Row(r, {QString("r%1").arg(r)});
    Grid_Insert_Row(1, t.grid);
    QCOMPARE(t.grid.GetCellEx(1, 1), QString());
    QCOMPARE(t.grid.GetCellEx(1, 2), QString("r1"));
    QCOMPARE(t.grid.GetCellEx(1, 30), QString("r29"));
    QCOMPARE(t.grid.GetCellEx(0, 2), QString("2"));  // row numbers stay
    QCOMPARE(t.grid.RowCount(), 31);
    Grid_Delete_Row(30, t.grid);
    QCOMPARE(t.grid.GetCellEx(1, 30), QString());
    QCOMPARE(t.grid.GetCellEx(1, 29), QString("r28"));
    Grid_Delete_Row(1, t.grid);
    QCOMPARE(t.grid.GetCellEx(1, 1), QString("r1"));
    QCOMPARE(t.grid.RowCount(), 31);
  }

  void enter_steps_only_with_the_option() {
    Globals_Scope globals;
    Table t;
    t.grid.FocusCell(4, 30);
    QChar key(QChar::CarriageReturn);
    Grid_Enter_Next_Cell(t.grid, key);
    QCOMPARE(key, QChar(QChar::CarriageReturn));
    QCOMPARE(QPoint(t.grid.Col(), t.grid.Row()), QPoint(4, 30));

    Enable_Jump_Field_Tables = true;
    Grid_Enter_Next_Cell(t.grid, key);
    QVERIFY(key.isNull());
    QCOMPARE(QPoint(t.grid.Col(), t.grid.Row()), QPoint(1, 1));
    key = QChar(QChar::CarriageReturn);
    Grid_Enter_Next_Cell(t.grid, key);
    QCOMPARE(QPoint(t.grid.Col(), t.grid.Row()), QPoint(2, 1));
    QChar other('a');
    Grid_Enter_Next_Cell(t.grid, other);
    QCOMPARE(other, QChar('a'));
    QCOMPARE(QPoint(t.grid.Col(), t.grid.Row()), QPoint(2, 1));
  }

  void header_double_click_fits_the_column_with_the_option() {
    Globals_Scope globals;
    Table t;
    t.grid.SetColWidths(4, 30);
    t.grid.SetCellEx(4, 3, "a description much wider than thirty pixels");
    Grid_DblClick_AutoSize(t.grid, 0, 4);
    QCOMPARE(t.grid.ColWidths(4), 30);
    Enable_Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(t.grid, 3, 4);  // not the header row
    QCOMPARE(t.grid.ColWidths(4), 30);
    Grid_DblClick_AutoSize(t.grid, 0, 4);
    QVERIFY(t.grid.ColWidths(4) > 100);
  }
};

QTEST_MAIN(GridRowRoutinesTest)
#include "grid_row_routines_test.moc"
