// In-place editing of the string grid: which cells open the editor, the
// editing option following the current cell, footers and merged cells in
// the cell-selection check, validation, and the text editor's filters,
// paste and look-up as a user meets them.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/columns/grid_column_collection.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_line_breaks.h"
#include "grid/edit/zad_inplace_edit.h"

namespace {

// A 6x6 grid with editing on; the editor type of column 2 is given.
struct Edit_Grid {
  TZadIrururOziz grid;
  explicit Edit_Grid(TEditorType column2 = edNormal) {
    grid.SetRowCount(6);
    grid.SetColCount(6);
    grid.resize(500, 300);
    grid.SetOptions(grid.Options() | goEditing);
    grid.OnGetEditorType = [column2](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
      if (ACol == 2) AEditor = column2;
    };
  }
  // F2 on the current cell; the editor, when one opened.
  TZadInplaceEdit* Open(int c, int r) {
    grid.FocusCell(c, r);
    QTest::keyClick(&grid, Qt::Key_F2);
    return grid.EditorMode() ? grid.NormalEdit() : nullptr;
  }
};

// The editor's rules hold alike in the line edit (no word wrap) and in the
// multi-line control (word wrap, the grid's default).
void Both_Modes() {
  QTest::addColumn<bool>("wrap");
  QTest::newRow("line edit") << false;
  QTest::newRow("multi-line") << true;
}

// Sets the mode of the data row and opens the editor on (c, r).
TZadInplaceEdit* Open_In_Mode(Edit_Grid& g, int c, int r) {
  QFETCH(bool, wrap);
  g.grid.SetGridWordWrap(wrap);
  TZadInplaceEdit* edit = g.Open(c, r);
  if (edit && edit->MultiLine() != wrap) return nullptr;
  return edit;
}

class Tree_Grid : public TZadIrururOziz {
 public:
  bool HasNodes() override { return true; }
};

}  // namespace

class GridEditingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void edNone_opens_nothing() {
    Edit_Grid g(edNone);
    g.grid.Store().Set_Text(2, 1, QStringLiteral("keep"));
    QVERIFY(!g.Open(2, 1));
    QTest::keyClick(&g.grid, Qt::Key_X);
    QVERIFY(!g.grid.EditorMode());
    g.grid.ShowInplaceEdit();
    QVERIFY(!g.grid.EditorMode());
    QTest::mouseDClick(g.grid.viewport(), Qt::LeftButton, {}, g.grid.PlatformCellRect(2, 1).To_QRect().center());
    QVERIFY(!g.grid.EditorMode());
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.grid.Store().Text(2, 1), QStringLiteral("keep"));
    // The neighbour column opens the text editor as usual.
    QVERIFY(g.Open(1, 1));
    QCOMPARE(g.grid.CurrentEditor(), edNormal);
  }

  void typing_starts_the_editor_with_the_character() {
    Edit_Grid g(edNumeric);
    g.grid.Store().Set_Text(2, 1, QStringLiteral("99"));
    g.grid.FocusCell(2, 1);
    QTest::keyClick(&g.grid, Qt::Key_7);
    QVERIFY(g.grid.EditorMode());
    QCOMPARE(g.grid.NormalEdit()->text(), QStringLiteral("7"));
    QVERIFY(g.grid.StartEditChar().isNull());
    g.grid.HideInplaceEdit();
    // A refused first character opens the editor on the unchanged text.
    QTest::keyClick(&g.grid, Qt::Key_A);
    QVERIFY(g.grid.EditorMode());
    QCOMPARE(g.grid.NormalEdit()->text(), QStringLiteral("7"));
  }

  void read_only_cell_switches_editing_off_and_back() {
    Edit_Grid g;
    g.grid.OnCanEditCell = [](TZadIrururOziz*, int ARow, int ACol, bool& CanEdit) {
      if (ACol == 2 && ARow == 1) CanEdit = false;
    };
    g.grid.FocusCell(1, 1);
    QVERIFY(g.grid.Options() & goEditing);
    g.grid.FocusCell(2, 1);
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(2, 1));
    QVERIFY(!(g.grid.Options() & goEditing));
    QVERIFY(g.grid.EditDisable());
    QTest::keyClick(&g.grid, Qt::Key_F2);
    QVERIFY(!g.grid.EditorMode());
    g.grid.FocusCell(3, 1);
    QVERIFY(g.grid.Options() & goEditing);
    QVERIFY(!g.grid.EditDisable());
    QVERIFY(g.Open(3, 1));
  }

  // Columns after a hidden one are asked whether they are fixed by the
  // index they show at.
  void fixed_cell_question_after_a_hidden_column() {
    Edit_Grid g;
    g.grid.OnIsFixedCell = [](TZadIrururOziz*, int, int ACol, bool& IsFixed) { IsFixed = ACol == 3; };
    g.grid.HideColumn(1);
    QVERIFY(g.grid.IsEditable(2, 1));
    QVERIFY(!g.grid.IsEditable(3, 1));
  }

  void range_over_a_read_only_cell_keeps_its_anchor() {
    Edit_Grid g;
    g.grid.OnCanEditCell = [](TZadIrururOziz*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 3; };
    g.grid.FocusCell(1, 1);
    g.grid.FocusCell(2, 1, true);
    g.grid.FocusCell(3, 1, true);
    QVERIFY(!(g.grid.Options() & goEditing));
    QCOMPARE(g.grid.Selection(), (TGridRect{1, 1, 3, 1}));
  }

  void editing_off_stays_off() {
    Edit_Grid g;
    g.grid.SetOptions(g.grid.Options() & ~goEditing);
    g.grid.FocusCell(2, 2);
    g.grid.FocusCell(3, 3);
    QVERIFY(!(g.grid.Options() & goEditing));
    QVERIFY(!g.grid.IsEditable(3, 3));
  }

  void moving_away_writes_the_edited_text() {
    Edit_Grid g;
    TZadInplaceEdit* edit = g.Open(1, 1);
    QVERIFY(edit);
    QTest::keyClicks(edit, "abc");
    g.grid.FocusCell(1, 2);
    QVERIFY(!g.grid.EditorMode());
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("abc"));
  }

  void footer_last_row_never_becomes_current() {
    Edit_Grid g;
    g.grid.FloatingFooter().SetVisible(true);
    QCOMPARE(g.grid.FixedFooters(), 1);
    QVERIFY(g.grid.IsFixed(1, 5));
    g.grid.FocusCell(1, 4);
    g.grid.FocusCell(1, 5);
    QCOMPARE(g.grid.Row(), 4);
    QTest::keyClick(&g.grid, Qt::Key_Down);
    QCOMPARE(g.grid.Row(), 4);
    g.grid.FloatingFooter().SetFooterStyle(fsColumnPreview);
    QCOMPARE(g.grid.FixedFooters(), 0);
    g.grid.FocusCell(1, 5);
    QCOMPARE(g.grid.Row(), 5);
  }

  void is_fixed_covers_footers_and_right_columns_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("data cell") << 2 << 2 << false;
    QTest::newRow("first footer row") << 2 << 4 << true;
    QTest::newRow("last row") << 2 << 5 << true;
    QTest::newRow("right fixed column") << 5 << 2 << true;
    QTest::newRow("fixed column") << 0 << 2 << true;
    QTest::newRow("last data column") << 4 << 3 << false;
  }

  void is_fixed_covers_footers_and_right_columns() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, fixed);
    Edit_Grid g;
    g.grid.SetFixedFooters(2);
    g.grid.SetFixedRightCols(1);
    QCOMPARE(g.grid.IsFixed(col, row), fixed);
  }

  void covered_cell_moves_to_its_base_without_range_select() {
    Edit_Grid g;
    g.grid.SetOptions(g.grid.Options() & ~goRangeSelect);
    g.grid.MergeCells(2, 2, 2, 2);
    g.grid.FocusCell(1, 1);
    g.grid.FocusCell(3, 3);
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(2, 2));
  }

  void node_column_is_refused_without_row_select() {
    Tree_Grid grid;
    grid.SetFixedCols(0);
    grid.FocusCell(1, 1);
    grid.FocusCell(0, 1);
    QCOMPARE(grid.Col(), 1);
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.FocusCell(0, 2);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(0, 2));
  }

  void data_check_box_opens_nothing_but_reports_done() {
    Edit_Grid g(edDataCheckBox);
    int done = 0;
    g.grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    QVERIFY(!g.Open(2, 1));
    QVERIFY(g.grid.EditMode());
    g.grid.HideInplaceEdit();
    QCOMPARE(done, 1);
    QVERIFY(!g.grid.EditMode());
  }

  void typed_characters_by_editor_type_data() {
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("editor");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const bool wrap : {false, true}) {
      const char* mode = wrap ? " (multi-line)" : " (line edit)";
      QTest::newRow(qPrintable(QStringLiteral("numeric minus only first") + QLatin1String(mode)))
          << wrap << int(edNumeric) << 0 << "-12-3"
          << "-123";
      QTest::newRow(qPrintable(QStringLiteral("numeric minus at 2") + QLatin1String(mode)))
          << wrap << int(edNumeric) << 0 << "12-"
          << "12";
      QTest::newRow(qPrintable(QStringLiteral("float comma decimal") + QLatin1String(mode)))
          << wrap << int(edFloat) << 0 << "3.1,4,1"
          << "31,41";
      QTest::newRow(qPrintable(QStringLiteral("positive float no minus") + QLatin1String(mode)))
          << wrap << int(edPositiveFloat) << 0 << "-2,5"
          << "2,5";
      QTest::newRow(qPrintable(QStringLiteral("limit 5") + QLatin1String(mode)))
          << wrap << int(edNormal) << 5 << "123456"
          << "12345";
      QTest::newRow(qPrintable(QStringLiteral("capital") + QLatin1String(mode))) << wrap << int(edCapital) << 0 << "abc"
                                                                                 << "ABC";
      QTest::newRow(qPrintable(QStringLiteral("lower") + QLatin1String(mode))) << wrap << int(edLowerCase) << 0 << "AbC"
                                                                               << "abc";
      QTest::newRow(qPrintable(QStringLiteral("mixed case") + QLatin1String(mode)))
          << wrap << int(edMixedCase) << 0 << "big meter"
          << "Big Meter";
    }
  }

  void typed_characters_by_editor_type() {
    QFETCH(int, editor);
    QFETCH(int, limit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Format_Settings seps;
    seps.Decimal_Separator = QLatin1Char(',');
    seps.Thousand_Separator = QLatin1Char('.');
    Format_Settings_Scope scope(seps);
    Edit_Grid g{TEditorType(editor)};
    g.grid.SetMaxEditLength(limit);
    TZadInplaceEdit* edit = Open_In_Mode(g, 2, 1);
    QVERIFY(edit);
    QTest::keyClicks(edit->MultiLine() ? static_cast<QWidget*>(edit->LinesControl()) : edit, typed);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(g.grid.Store().Text(2, 1), shown);
  }

  void password_cell_shows_the_password_character() {
    Edit_Grid g(edPassword);
    g.grid.SetPasswordChar(QLatin1Char('#'));
    TZadInplaceEdit* edit = g.Open(2, 1);
    QVERIFY(edit);
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), int('#'));
    QVERIFY(g.Open(1, 1));
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
  }

  void paste_is_filtered_data() { Both_Modes(); }

  void paste_is_filtered() {
    Edit_Grid g(edNumeric);
    int after = 0, changes = 0;
    g.grid.OnClipboardAfterPasteCell = [&](TZadIrururOziz*, int, int, const QString&) { ++after; };
    g.grid.Store().Set_Text(2, 1, QStringLiteral("7"));
    TZadInplaceEdit* edit = Open_In_Mode(g, 2, 1);
    QVERIFY(edit);
    g.grid.OnEditChange = [&](TZadIrururOziz*, int, int, const QString&) { ++changes; };
    QApplication::clipboard()->setText(QStringLiteral("123\r\n"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QCOMPARE(g.grid.Store().Text(2, 1), QStringLiteral("123"));
    QCOMPARE(after, 1);
    after = changes = 0;
    edit->selectAll();
    edit->PasteText(QStringLiteral("12a"));
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QCOMPARE(g.grid.Store().Text(2, 1), QStringLiteral("123"));
    QCOMPARE(after, 0);
    QCOMPARE(changes, 0);
  }

  void paste_can_be_refused_by_the_grid() {
    Edit_Grid g;
    g.grid.OnClipboardPaste = [](TZadIrururOziz*, bool& Allow) { Allow = false; };
    TZadInplaceEdit* edit = g.Open(1, 1);
    QVERIFY(edit);
    edit->PasteText(QStringLiteral("x"));
    QCOMPARE(edit->text(), QString());
  }

  void lookup_completes_typed_text_data() { Both_Modes(); }

  void lookup_completes_typed_text() {
    Edit_Grid g;
    g.grid.SetLookup(true);
    g.grid.LookupItems() << QStringLiteral("apple") << QStringLiteral("apricot");
    TZadInplaceEdit* edit = Open_In_Mode(g, 1, 1);
    QVERIFY(edit);
    QTest::keyClicks(edit, "ap");
    QCOMPARE(edit->text(), QStringLiteral("apple"));
    QCOMPARE(edit->selectedText(), QStringLiteral("ple"));
    QTest::keyClick(edit, Qt::Key_R);
    QCOMPARE(edit->text(), QStringLiteral("apricot"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("apr"));
  }

  void escape_restores_the_text_data() { Both_Modes(); }

  void escape_restores_the_text() {
    Edit_Grid g;
    g.grid.Store().Set_Text(1, 1, QStringLiteral("old"));
    TZadInplaceEdit* edit = Open_In_Mode(g, 1, 1);
    QVERIFY(edit);
    QTest::keyClicks(edit, "new");
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!g.grid.EditorMode());
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("old"));
  }

  void validation_refuses_and_keeps_the_editor_data() { Both_Modes(); }

  void validation_refuses_and_keeps_the_editor() {
    Edit_Grid g;
    g.grid.Store().Set_Text(1, 1, QStringLiteral("ok"));
    g.grid.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      if (Value == QStringLiteral("bad")) Valid = false;
      Value = Value.trimmed();
    };
    TZadInplaceEdit* edit = Open_In_Mode(g, 1, 1);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "bad");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(g.grid.EditorMode());
    QCOMPARE(edit->text(), QStringLiteral("bad"));
    QCOMPARE(edit->selectedText(), QStringLiteral("bad"));
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("ok"));
    // Leaving the cell with a refused value is refused as well.
    g.grid.FocusCell(1, 2);
    QCOMPARE(g.grid.Row(), 1);
    QTest::keyClicks(edit, " good ");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!g.grid.EditorMode());
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("good"));
  }

  void cursor_walk_leaves_at_the_text_edges_data() { Both_Modes(); }

  void cursor_walk_leaves_at_the_text_edges() {
    Edit_Grid g;
    g.grid.Navigation().SetCursorWalkEditor(true);
    TZadInplaceEdit* edit = Open_In_Mode(g, 2, 1);
    QVERIFY(edit);
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(g.grid.Col(), 2);
    QTest::keyClick(edit, Qt::Key_Right);
    QCOMPARE(g.grid.Col(), 2);
    QTest::keyClick(edit, Qt::Key_Right);
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(3, 1));
    QCOMPARE(g.grid.Store().Text(2, 1), QStringLiteral("ab"));
    QVERIFY(g.grid.EditorMode());
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(g.grid.Col(), 2);
    // Without walking, the arrows stay inside the text.
    g.grid.Navigation().SetCursorWalkEditor(false);
    g.grid.ShowInplaceEdit();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Right);
    QCOMPARE(g.grid.Col(), 2);
  }

  void column_items_reach_the_editor() {
    TZadColumnGrid grid;
    grid.SetRowCount(5);
    grid.SetColCount(4);
    grid.SetOptions(grid.Options() | goEditing);
    grid.Columns()[2]->SetEditor(edPositiveNumeric);
    grid.Columns()[2]->SetEditLength(3);
    grid.Columns()[3]->SetPassword(true);
    grid.FocusCell(2, 1);
    QTest::keyClick(&grid, Qt::Key_F2);
    TZadInplaceEdit* edit = grid.NormalEdit();
    QVERIFY(edit && grid.EditorMode());
    QCOMPARE(edit->LengthLimit(), 3);
    QTest::keyClicks(edit, "-12a34");
    QCOMPARE(edit->text(), QStringLiteral("123"));
    grid.FocusCell(3, 1);
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(grid.EditorMode());
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(grid.Store().Text(2, 1), QStringLiteral("123"));
  }

  void column_edit_mask_shapes_the_text() {
    TZadColumnGrid grid;
    grid.SetRowCount(3);
    grid.SetColCount(3);
    grid.SetOptions(grid.Options() | goEditing);
    grid.Columns()[1]->SetEditMask(QStringLiteral("00:00;1;_"));
    Format_Settings seps;
    seps.Time_Separator = QLatin1Char(':');
    Format_Settings_Scope scope(seps);
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_F2);
    TZadInplaceEdit* edit = grid.NormalEdit();
    QVERIFY(edit && grid.EditorMode());
    QTest::keyClicks(edit, "12a34");
    QCOMPARE(edit->text(), QStringLiteral("12:34"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(grid.Store().Text(1, 1), QStringLiteral("12:34"));
    // A column without a mask edits freely.
    grid.FocusCell(2, 1);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClicks(edit, "free");
    QCOMPARE(edit->text(), QStringLiteral("free"));
  }

  void focus_to_another_control_ends_the_edit() {
    QWidget window;
    auto* grid = new TZadIrururOziz(&window);
    auto* other = new QLineEdit(&window);
    grid->setGeometry(0, 0, 400, 200);
    other->setGeometry(0, 210, 100, 20);
    grid->SetOptions(grid->Options() | goEditing);
    int done = 0;
    grid->OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    grid->OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool&) { Value = Value.toUpper(); };
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    grid->FocusCell(1, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(grid->EditorMode());
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    other->setFocus();
    QVERIFY(!grid->EditorMode());
    QVERIFY(!grid->EditMode());
    QCOMPARE(grid->Store().Text(1, 1), QStringLiteral("ABC"));
    QCOMPARE(done, 1);
  }

  void grid_destroyed_while_editing() {
    auto* grid = new TZadIrururOziz;
    grid->SetOptions(grid->Options() | goEditing);
    grid->show();
    grid->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid));
    grid->FocusCell(1, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(grid->EditorMode());
    QTest::keyClicks(QApplication::focusWidget(), "x");
    delete grid;
  }

  // Multi-line editing in column 2, row 2 (AllowCtrlEnter is on). Keys:
  // plain text is typed; <ce> Ctrl+Enter, <enter>, <up>, <down>, <home>,
  // <esc>, <tab>, and <paste>X pastes X through Ctrl+V. "result" is the
  // editor's text while it stays open on the cell, else the cell's (Tab
  // opens the editor again on the next cell).
  void multi_line_editing_data() {
    QTest::addColumn<int>("editor");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("line_feed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("result");
    const int normal = int(edNormal);
    using L = QStringList;
    QTest::newRow("wrap on: multi-line") << normal << true << false << 0 << "" << L{"abc"} << true << true << 2
                                         << "abc";
    QTest::newRow("wrap off, one line: line edit")
        << normal << false << false << 0 << "abc" << L{"d"} << false << true << 2 << "abcd";
    QTest::newRow("wrap off, text with breaks: multi-line")
        << normal << false << false << 0 << "a\r\nb" << L{"c"} << true << true << 2 << "a\r\nbc";
    QTest::newRow("ctrl+enter breaks the line")
        << normal << true << false << 0 << "" << L{"ab", "<ce>", "cd"} << true << true << 2 << "ab\r\ncd";
    QTest::newRow("ctrl+enter kept through enter")
        << normal << true << false << 0 << "" << L{"ab", "<ce>", "cd", "<enter>"} << true << false << 2 << "ab\r\ncd";
    QTest::newRow("ctrl+enter swallowed without wrap")
        << normal << false << false << 0 << "" << L{"ab", "<ce>", "cd"} << false << true << 2 << "abcd";
    QTest::newRow("line feed on enter turns a one-line cell multi-line")
        << normal << false << true << 0 << "" << L{"ab", "<enter>", "cd"} << true << true << 2 << "ab\r\ncd";
    QTest::newRow("password stays single-line") << int(edPassword) << true << true << 0 << ""
                                                << L{"ab", "<enter>", "<ce>", "cd"} << false << true << 2 << "abcd";
    QTest::newRow("numeric refuses ctrl+enter")
        << int(edNumeric) << true << false << 0 << "" << L{"12", "<ce>", "3"} << true << true << 2 << "123";
    QTest::newRow("lower case over lines")
        << int(edLowerCase) << true << false << 0 << "" << L{"AB", "<ce>", "C"} << true << true << 2 << "ab\r\nc";
    QTest::newRow("limit counts a break as two")
        << normal << true << false << 5 << "" << L{"ab", "<ce>", "cd"} << true << true << 2 << "ab\r\nc";
    QTest::newRow("limit refuses a break that does not fit")
        << normal << true << false << 5 << "" << L{"abcd", "<ce>", "e"} << true << true << 2 << "abcde";
    QTest::newRow("paste keeps breaks") << normal << true << false << 0 << "x" << L{"<paste>1\r\n2"} << true << true
                                        << 2 << "x1\r\n2";
    QTest::newRow("paste with breaks turns a one-line cell multi-line")
        << normal << false << false << 0 << "" << L{"<paste>1\r\n2"} << true << true << 2 << "1\r\n2";
    QTest::newRow("paste trailing break dropped")
        << int(edNumeric) << true << false << 0 << "" << L{"<paste>42\r\n"} << true << true << 2 << "42";
    QTest::newRow("paste into password takes the first line")
        << int(edPassword) << true << false << 0 << "" << L{"<paste>pw\r\nx"} << false << true << 2 << "pw";
    QTest::newRow("paste over limit refused")
        << normal << true << false << 5 << "" << L{"<paste>ab\r\ncd"} << true << true << 2 << "";
    QTest::newRow("up moves inside the text")
        << normal << true << false << 0 << "a\r\nb" << L{"<up>", "x"} << true << true << 2 << "ax\r\nb";
    QTest::newRow("up on the first line leaves")
        << normal << true << false << 0 << "a\r\nb" << L{"<up>", "<up>"} << true << false << 1 << "a\r\nb";
    QTest::newRow("down moves inside the text")
        << normal << true << false << 0 << "a\r\nb" << L{"<home>", "<down>", "x"} << true << true << 2 << "a\r\nxb";
    QTest::newRow("down on the last line leaves")
        << normal << true << false << 0 << "a\r\nb" << L{"x", "<down>"} << true << false << 3 << "a\r\nbx";
    QTest::newRow("enter leaves a multi-line cell")
        << normal << true << false << 0 << "a\r\nb" << L{"c", "<enter>"} << true << false << 2 << "a\r\nbc";
    QTest::newRow("tab leaves a one-line cell")
        << normal << false << false << 0 << "a" << L{"b", "<tab>"} << false << true << 2 << "ab";
    QTest::newRow("tab leaves a multi-line cell")
        << normal << true << false << 0 << "a\r\nb" << L{"c", "<tab>"} << true << true << 2 << "a\r\nbc";
    QTest::newRow("escape restores a multi-line cell")
        << normal << true << false << 0 << "a\r\nb" << L{"<ce>", "c", "<esc>"} << true << false << 2 << "a\r\nb";
  }

  void multi_line_editing() {
    QFETCH(int, editor);
    QFETCH(bool, wrap);
    QFETCH(bool, line_feed);
    QFETCH(int, limit);
    QFETCH(QString, start);
    QFETCH(QStringList, keys);
    QFETCH(bool, multi);
    QFETCH(bool, open);
    QFETCH(int, row);
    QFETCH(QString, result);
    Edit_Grid g{TEditorType(editor)};
    g.grid.SetGridWordWrap(wrap);
    g.grid.Navigation().SetLineFeedOnEnter(line_feed);
    // The caret starts at the end of the text.
    g.grid.Navigation().SetEditSelectAll(false);
    g.grid.SetMaxEditLength(limit);
    g.grid.Store().Set_Text(2, 2, start);
    TZadInplaceEdit* edit = g.Open(2, 2);
    QVERIFY(edit);
    for (const QString& key : keys) {
      // Keys reach the control the user types into.
      QWidget* to = edit->MultiLine() ? static_cast<QWidget*>(edit->LinesControl()) : edit;
      if (key == QLatin1String("<ce>")) {
        QTest::keyClick(to, Qt::Key_Return, Qt::ControlModifier);
      } else if (key.startsWith(QLatin1String("<paste>"))) {
        QApplication::clipboard()->setText(key.mid(7));
        QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
      } else if (key.startsWith(QLatin1Char('<'))) {
        const QHash<QString, Qt::Key> named{{"<enter>", Qt::Key_Return}, {"<up>", Qt::Key_Up},
                                            {"<down>", Qt::Key_Down},    {"<home>", Qt::Key_Home},
                                            {"<esc>", Qt::Key_Escape},   {"<tab>", Qt::Key_Tab}};
        QTest::keyClick(to, named.value(key));
      } else {
        QTest::keyClicks(to, key);
      }
    }
    QCOMPARE(edit->MultiLine(), multi);
    QCOMPARE(g.grid.EditorMode(), open);
    QCOMPARE(g.grid.Row(), row);
    QCOMPARE(open && g.grid.Col() == 2 ? edit->text() : g.grid.Store().Text(2, 2), result);
    if (multi) {
      // The control shows the same text and wraps only a wrapping cell.
      QCOMPARE(edit->LinesControl()->toPlainText(), edit_filter::To_Control_Lines(edit->text()));
      QCOMPARE(edit->LinesControl()->lineWrapMode(), wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
  }

  void multi_line_selection_counts_breaks_as_two() {
    Edit_Grid g;
    g.grid.Store().Set_Text(1, 1, QStringLiteral("ab\r\ncd"));
    TZadInplaceEdit* edit = g.Open(1, 1);
    QVERIFY(edit && edit->MultiLine());
    QCOMPARE(edit->cursorPosition(), 6);
    edit->setSelection(1, 4);
    QCOMPARE(edit->selectedText(), QStringLiteral("b\r\nc"));
    QCOMPARE(edit->State(), (edit_filter::Edit_State{QStringLiteral("ab\r\ncd"), 1, 4}));
    edit->SetState({QStringLiteral("ab\r\ncd"), 4, 0});
    QCOMPARE(edit->LinesControl()->textCursor().position(), 3);
    // A text set from outside (as the grid does) reaches the control.
    edit->setText(QStringLiteral("x\r\ny\r\nz"));
    QCOMPARE(edit->LinesControl()->toPlainText(), QStringLiteral("x\ny\nz"));
    // A password cell afterwards is a line edit again.
    g.grid.OnGetEditorType = [](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
      if (ACol == 3) AEditor = edPassword;
    };
    QVERIFY(g.Open(3, 1));
    QVERIFY(!edit->MultiLine());
    QVERIFY(edit->LinesControl()->isHidden());
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
  }

  // A long text in a tall word-wrapping cell is edited over several lines
  // inside the cell; with EDITING_SHOT set the grid is saved as a picture.
  void wrapped_cell_is_edited_inside_the_cell() {
    Edit_Grid g;
    g.grid.SetColWidths(1, 150);
    g.grid.SetRowHeights(1, 80);
    g.grid.Store().Set_Text(1, 1, QStringLiteral("The gateway reads every meter once in fifteen minutes"));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("next"));
    g.grid.Navigation().SetEditSelectAll(false);
    g.grid.show();
    g.grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    TZadInplaceEdit* edit = g.Open(1, 1);
    QVERIFY(edit && edit->MultiLine());
    QVERIFY(edit->LinesControl()->isVisible());
    QVERIFY(edit->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "ok");
    QCOMPARE(edit->text(), QStringLiteral("The gateway reads every meter once in fifteen minutes\r\nok"));
    // The first paragraph wraps over several lines within the cell's width.
    const QTextBlock first = edit->LinesControl()->document()->firstBlock();
    QVERIFY(first.layout()->lineCount() > 1);
    QVERIFY(edit->geometry().width() <= g.grid.PlatformCellRect(1, 1).To_QRect().width());
    if (qEnvironmentVariableIsSet("EDITING_SHOT"))
      g.grid.grab().save(qEnvironmentVariable("EDITING_SHOT") + QStringLiteral("_wrapped.png"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("The gateway reads every meter once in fifteen minutes\r\nok"));
  }

  // A line break typed into a one-line cell moves the typing into the
  // multi-line control without ending the edit.
  void line_break_keeps_the_edit_going() {
    Edit_Grid g;
    g.grid.SetGridWordWrap(false);
    g.grid.Navigation().SetLineFeedOnEnter(true);
    int done = 0;
    g.grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    g.grid.show();
    g.grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.FocusCell(1, 2);
    for (const char* key : {"a", "b"}) QTest::keyClicks(QApplication::focusWidget(), key);
    TZadInplaceEdit* edit = g.grid.NormalEdit();
    QVERIFY(edit && g.grid.EditorMode() && !edit->MultiLine());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(edit->MultiLine());
    QCOMPARE(QApplication::focusWidget(), edit->LinesControl());
    QVERIFY(g.grid.EditorMode());
    QCOMPARE(done, 0);
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClicks(QApplication::focusWidget(), "x");
    QCOMPARE(edit->text(), QStringLiteral("abx\r\nab"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(g.grid.Row(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(g.grid.Row(), 3);
    QVERIFY(!g.grid.EditorMode());
    QCOMPARE(g.grid.Store().Text(1, 2), QStringLiteral("abx\r\nab"));
    QCOMPARE(done, 1);
    QCOMPARE(QApplication::focusWidget(), &g.grid);
  }

  // Clicking into a cell, typing and Enter, as a spreadsheet user would;
  // with EDITING_SHOT set the grid is saved there as a picture.
  void click_type_enter() {
    Edit_Grid g;
    g.grid.Navigation().SetAdvanceOnEnter(true);
    g.grid.show();
    g.grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    const QPoint cell = g.grid.PlatformCellRect(2, 2).To_QRect().center();
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(2, 2));
    // Keys go wherever the focus is, as the user's would.
    for (const char* key : {"4", "2", "5"}) QTest::keyClicks(QApplication::focusWidget(), key);
    QVERIFY(g.grid.EditorMode());
    // The editor holds the focus (through its multi-line text control in a
    // word-wrapping cell).
    QVERIFY(g.grid.NormalEdit()->hasFocus());
    if (qEnvironmentVariableIsSet("EDITING_SHOT"))
      g.grid.grab().save(qEnvironmentVariable("EDITING_SHOT") + QStringLiteral("_typing.png"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("425"));
    // The Enter advance goes on to the right (the default direction).
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(3, 2));
    if (qEnvironmentVariableIsSet("EDITING_SHOT"))
      g.grid.grab().save(qEnvironmentVariable("EDITING_SHOT") + QStringLiteral("_after.png"));
  }

  // Enter typed in the open editor reaches the grid's key-press event once,
  // after the text is in the cell, in both editor modes and with the advance
  // off or on; a handler that moves the current cell is obeyed.
  void enter_in_the_editor_reaches_the_key_press_event_data() {
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("advance");
    QTest::addColumn<QPoint>("after");
    QTest::newRow("line edit") << false << false << QPoint(4, 3);
    QTest::newRow("multi-line") << true << false << QPoint(4, 3);
    QTest::newRow("line edit, advance on") << false << true << QPoint(4, 3);
  }
  void enter_in_the_editor_reaches_the_key_press_event() {
    QFETCH(bool, wrap);
    QFETCH(bool, advance);
    QFETCH(QPoint, after);
    Edit_Grid g;
    g.grid.SetGridWordWrap(wrap);
    g.grid.Navigation().SetAdvanceOnEnter(advance);
    g.grid.Navigation().SetAdvanceAutoEdit(false);
    g.grid.show();
    g.grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    QStringList heard;
    g.grid.OnKeyPress = [&heard](TZadIrururOziz* Sender, QChar& Key) {
      if (Key != QChar::CarriageReturn) return;
      heard << Sender->GetCellEx(2, 2);
      Sender->FocusCell(4, 3);
      Key = QChar();
    };
    g.grid.FocusCell(2, 2);
    // The first key opens the editor, which takes the next.
    for (const char* key : {"1", "7"}) QTest::keyClicks(QApplication::focusWidget(), key);
    QVERIFY(g.grid.EditorMode());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(heard, QStringList{"17"});
    QVERIFY(!g.grid.EditorMode());
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("17"));
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), after);
    // Without a handler the Enter stays the grid's own: the text is stored
    // and the editor closes where it was.
    g.grid.OnKeyPress = nullptr;
    g.grid.Navigation().SetAdvanceOnEnter(false);
    g.grid.FocusCell(3, 3);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(g.grid.Store().Text(3, 3), QStringLiteral("5"));
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(3, 3));
  }
};

QTEST_MAIN(GridEditingTest)
#include "grid_editing_test.moc"
