#include "dropdowns/griddropdown/zad_grid_drop_down.h"

#include <QImage>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/griddropdown/grid_drop_down_editor.h"

using grid_drop_down::TDropDownItems;
using grid_drop_down::TZadColGrid;

namespace {

struct Fixture {
  explicit Fixture(const QList<QStringList>& Rows = {{"ABC", "first"}, {"XYZ", "second"}}, int Columns = 2) {
    window.setGeometry(0, 0, 500, 400);
    edit.reset(Create_Drop_Down<TZadGridDropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 1000, 1000); };
    edit->OnSelect = [this](TCustomZadGridDropDown*) { ++selects; };
    edit->setGeometry(20, 20, 160, 22);
    for (int i = 0; i < Columns; ++i) edit->Columns().Add().Header = QStringLiteral("Col %1").arg(i);
    for (const QStringList& r : Rows) edit->Items().Add().Text = r;
    edit->EndUpdate();
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    edit->setFocus();
  }
  void Type(QWidget* W, int Key, const QString& Text = QString(), Qt::KeyboardModifiers Shift = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, Key, Shift, Text);
    QCoreApplication::sendEvent(W, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Shift, Text);
    QCoreApplication::sendEvent(W, &release);
  }
  void Letter(QWidget* W, char C) { Type(W, Qt::Key_A + (QChar(C).toUpper().unicode() - 'A'), QString(QChar(C))); }
  void Open() {
    edit->ShowDropDown();
    QVERIFY(edit->DroppedDown());
  }
  TZadColGrid* Grid() { return edit->InnerGrid(); }
  QPoint Cell_Center(int Col, int Row) { return Grid()->PlatformCellRect(Col, Row).To_QRect().center(); }
  void Mouse(QEvent::Type Type, QPoint At, Qt::MouseButton Button = Qt::LeftButton) {
    QWidget* w = Grid()->viewport();
    QMouseEvent e(Type, QPointF(At), w->mapToGlobal(QPointF(At)), Button,
                  Type == QEvent::MouseButtonRelease ? Qt::NoButton : Button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  }
  void Click(int Col, int Row, Qt::MouseButton Button = Qt::LeftButton) {
    const QPoint at = Cell_Center(Col, Row);
    Mouse(QEvent::MouseButtonPress, at, Button);
    Mouse(QEvent::MouseButtonRelease, at, Button);
  }
  void Wheel(int Delta) {
    QWidget* w = Grid()->viewport();
    const QPointF at = Cell_Center(0, 1);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
  }

  QWidget window;
  std::unique_ptr<TZadGridDropDown> edit;
  int selects = 0;
};

QList<QStringList> Letters(int Count) {
  QList<QStringList> rows;
  for (int i = 0; i < Count; ++i) rows.append({QStringLiteral("item %1").arg(i, 2, 10, QLatin1Char('0'))});
  return rows;
}

}  // namespace

class Grid_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void items_fill_the_inner_grid() {
    Fixture f({{"a"}, {"b", "c"}});
    f.edit->Bands().SetActive(true);
    f.Open();
    TZadColGrid* g = f.Grid();
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(g->ColCount(), 2);
    QCOMPARE(g->GetCellEx(0, 0), QStringLiteral("Col 0"));
    QCOMPARE(g->GetCellEx(1, 1), QString());
    QCOMPARE(g->GetCellEx(1, 2), QStringLiteral("c"));
    QCOMPARE(f.edit->ItemOfRow(1), 0);
    QCOMPARE(f.edit->ItemOfRow(2), 1);
    QCOMPARE(f.edit->ItemOfRow(0), -1);
    QCOMPARE(int(qintptr(g->AllObjects(1, 0))), -1);
    QCOMPARE(f.edit->RowOfItem(1), 2);
    // The drop-down's settings went to the inner grid.
    QVERIFY(g->Bands().Active());
    QCOMPARE(g->Navigation().HomeEndKey(), heFirstLastRow);
  }

  void wrapped_rows_are_at_least_24_high_and_follow_their_text() {
    Fixture f({{"x"}, {"a long text that has to wrap over several lines in a narrow column"}}, 1);
    f.edit->Columns().Items(0).Wordwrap = true;
    f.edit->Columns().Items(0).Width = 60;
    f.edit->SetAutoSizeColumns(false);
    f.Open();
    TZadColGrid* g = f.Grid();
    QCOMPARE(g->RowHeights(1), 24);
    QVERIFY(g->RowHeights(2) > 24);
    QCOMPARE(g->RowHeights(0), 25);
  }

  void assigned_items_keep_their_texts() {
    TDropDownItems a, b;
    auto& item = a.Add();
    item.Text = QStringList{"one", "two"};
    item.ImageIndex = 3;
    b.Assign(a);
    QCOMPARE(b.Count(), 1);
    QCOMPARE(b.Items(0).Text, (QStringList{"one", "two"}));
    QCOMPARE(b.Items(0).ImageIndex, 3);
  }

  void popup_height_and_version() {
    Fixture f;
    f.edit->SetDropDownRowHeight(22);
    int h = 200;
    f.edit->AdjustDropDownHeight(h);
    QCOMPARE(h, 185);
    QCOMPARE(f.edit->GetVersionNr(), 16777984u);
    QCOMPARE(f.edit->Version(), QStringLiteral("1.0.3.0"));
  }

  void columns_stretch_over_the_popup() {
    Fixture f;
    f.edit->SetAutoSizeColumns(false);
    f.Open();
    TZadColGrid* g = f.Grid();
    // Together the columns fill the grid's inside.
    QVERIFY(g->ColWidths(0) + g->ColWidths(1) <= g->viewport()->width() + 1);
    QVERIFY(g->ColWidths(0) + g->ColWidths(1) >= g->viewport()->width() - 2);
  }

  void item_index_writes_the_lookup_text() {
    Fixture f({{"ABC"}, {}, {"XYZ"}});
    f.edit->SetItemIndex(2);
    QCOMPARE(f.edit->text(), QStringLiteral("XYZ"));
    // Past the items: ignored.
    f.edit->SetItemIndex(3);
    QCOMPARE(f.edit->ItemIndex(), 2);
    // An item without a lookup text, and none.
    f.edit->SetItemIndex(1);
    QCOMPARE(f.edit->text(), QString());
    f.edit->SetItemIndex(0);
    f.edit->SetItemIndex(-1);
    QCOMPARE(f.edit->text(), QString());
  }

  void keys_and_wheel_step_with_the_popup_closed() {
    Fixture f(Letters(25), 1);
    f.edit->SetStyle(dsDropDownList);
    f.edit->setFocus();
    f.Type(f.edit.get(), Qt::Key_Down);
    QCOMPARE(f.edit->ItemIndex(), 0);
    f.Type(f.edit.get(), Qt::Key_PageDown);
    QCOMPARE(f.edit->ItemIndex(), 10);
    f.Type(f.edit.get(), Qt::Key_End);
    QCOMPARE(f.edit->ItemIndex(), 24);
    f.Type(f.edit.get(), Qt::Key_PageUp);
    QCOMPARE(f.edit->ItemIndex(), 14);
    f.Type(f.edit.get(), Qt::Key_Home);
    QCOMPARE(f.edit->ItemIndex(), 0);
    QCOMPARE(f.edit->text(), QStringLiteral("item 00"));
    QWheelEvent down(QPointF(5, 5), f.edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f.edit.get(), &down);
    QCOMPARE(f.edit->ItemIndex(), 1);
    // Home and End move the caret in a free-typing edit.
    f.edit->SetStyle(dsDropDown);
    f.Type(f.edit.get(), Qt::Key_Home);
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->cursorPosition(), 0);
  }

  void the_wheel_only_previews_and_enter_takes_the_row() {
    Fixture f(Letters(6), 1);
    f.edit->SetItemIndex(0);
    f.Open();
    f.Wheel(-120);
    f.Wheel(-120);
    QVERIFY(f.Grid()->Row() > 1);
    QCOMPARE(f.edit->ItemIndex(), 0);
    QCOMPARE(f.edit->text(), QStringLiteral("item 00"));
    // A click outside closes without taking the previewed row.
    f.edit->DropDownForm()->DeActivated(&f.window);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 0);
    QCOMPARE(f.edit->text(), QStringLiteral("item 00"));
    QCOMPARE(f.selects, 0);
    // Enter takes the row the keys reached.
    f.Open();
    f.Type(f.Grid(), Qt::Key_Down);
    f.Type(f.Grid(), Qt::Key_Down);
    QCOMPARE(f.edit->ItemIndex(), 2);
    f.Type(f.Grid(), Qt::Key_Return);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 2);
    QCOMPARE(f.edit->text(), QStringLiteral("item 02"));
    QCOMPARE(f.selects, 1);
  }

  void escape_after_moves_restores_the_row_and_text() {
    Fixture f(Letters(6), 1);
    f.edit->SetItemIndex(1);
    f.Open();
    f.Type(f.Grid(), Qt::Key_Down);
    f.Type(f.Grid(), Qt::Key_Down);
    QCOMPARE(f.edit->text(), QStringLiteral("item 03"));
    f.Type(f.Grid(), Qt::Key_Escape);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->text(), QStringLiteral("item 01"));
    QCOMPARE(f.selects, 0);
  }

  void a_click_selects_and_closes_unless_the_grid_is_editable() {
    Fixture f(Letters(4), 1);
    f.Open();
    f.Click(0, 3);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 2);
    QCOMPARE(f.selects, 1);
    // The header and the right button select nothing.
    f.Open();
    f.Click(0, 0);
    f.Click(0, 2, Qt::RightButton);
    QVERIFY(f.edit->DroppedDown());
    QCOMPARE(f.selects, 1);
    f.edit->HideDropDown(true);
    f.edit->SetGridEditable(true);
    f.Open();
    f.Click(0, 2);
    QVERIFY(f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.selects, 2);
  }

  void typing_looks_up_and_completes() {
    Fixture f;
    // Free typing: the typed part stays, the rest of the match is selected.
    f.Letter(f.edit.get(), 'a');
    f.Letter(f.edit.get(), 'b');
    QCOMPARE(f.edit->text(), QStringLiteral("ABC"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("C"));
    QCOMPARE(f.edit->ItemIndex(), 0);
    // A typed prefix of no item cuts off what followed the caret.
    f.edit->SetText(QString());
    f.Letter(f.edit.get(), 'q');
    QCOMPARE(f.edit->text(), QStringLiteral("q"));
  }

  // Where the grid drop-down parts from the multi-column drop-down: the
  // caret after a completion taken on key release, a step that stays on the
  // item, and a selection colour style's selection colour.
  void its_own_caret_steps_and_selection_colour() {
    Fixture f;
    f.Letter(f.edit.get(), 'x');
    QCOMPARE(f.edit->text(), QStringLiteral("XYZ"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("YZ"));
    QCOMPARE(f.edit->cursorPosition(), 1);
    // No step that stays on the item writes its text.
    f.edit->SetItemIndex(0);
    f.edit->SetRawText(QStringLiteral("typed"));
    f.edit->SelectPreviousRow();
    f.edit->SelectFirstRow();
    f.edit->SelectPreviousPage();
    QCOMPARE(f.edit->text(), QStringLiteral("typed"));
    QCOMPARE(f.edit->ItemIndex(), 0);
    // The selection colour style sets a selection colour of its own (the
    // edit's own for the style is 0xFCEBDC).
    f.edit->SetSelectionColorStyle(scWindows7);
    QCOMPARE(f.edit->SelectionColor(), TColor(0xEACAB6));
  }

  void typing_in_a_list_selects_by_the_entry_or_its_last_letter() {
    Fixture f;
    f.edit->SetStyle(dsDropDownList);
    f.Letter(f.edit.get(), 'a');
    QCOMPARE(f.edit->ItemIndex(), 0);
    f.Letter(f.edit.get(), 'x');
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->text(), QStringLiteral("XYZ"));
    QCOMPARE(f.edit->LookupEntry(), QStringLiteral("x"));
    // Nothing matches: the entry is forgotten, the row stays.
    f.Letter(f.edit.get(), 'q');
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->LookupEntry(), QString());
  }

  void typing_into_the_edit_moves_the_open_grid() {
    Fixture f({{"ABC"}, {"KLM"}, {"XYZ"}}, 1);
    f.Open();
    f.Letter(f.edit.get(), 'k');
    QCOMPARE(f.Grid()->Row(), 2);
    QCOMPARE(f.edit->text(), QStringLiteral("KLM"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("LM"));
  }

  void without_a_lookup_method_typing_never_moves() {
    Fixture f;
    f.edit->SetStyle(dsDropDownList);
    f.edit->SetLookupMethod(lmNone);
    f.Letter(f.edit.get(), 'x');
    QCOMPARE(f.edit->ItemIndex(), -1);
    QCOMPARE(f.edit->TypeAheadLookup(QLatin1Char('a')), -1);
    QCOMPARE(f.edit->ItemIndex(), -1);
  }

  void escape_reselects_by_the_text() {
    Fixture f;
    f.edit->SetText(QStringLiteral("XYZ"));
    f.Type(f.edit.get(), Qt::Key_Escape);
    QCOMPARE(f.edit->ItemIndex(), 1);
    f.edit->SetText(QStringLiteral("Q"));
    f.Type(f.edit.get(), Qt::Key_Escape);
    QCOMPARE(f.edit->ItemIndex(), -1);
    QCOMPARE(f.edit->text(), QStringLiteral("Q"));
  }

  void enter_with_return_is_tab_moves_the_focus() {
    Fixture f;
    QLineEdit next(&f.window);
    next.setGeometry(20, 60, 100, 22);
    next.show();
    f.edit->SetReturnIsTab(true);
    f.edit->setFocus();
    f.edit->SetText(QStringLiteral("xyz"));
    QTest::keyClick(f.edit.get(), Qt::Key_Return);
    QTRY_VERIFY(next.hasFocus());
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->text(), QStringLiteral("XYZ"));
  }

  void narrowing_down_in_the_grid() {
    Fixture f({{"abc"}, {"xyz"}, {"cbd"}, {"qqq"}}, 1);
    f.edit->SetLookupMethod(lmNarrowDown);
    f.Open();
    f.Letter(f.Grid(), 'b');
    TZadColGrid* g = f.Grid();
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(g->GetCellEx(0, 1), QStringLiteral("abc"));
    QCOMPARE(g->GetCellEx(0, 2), QStringLiteral("cbd"));
    QCOMPARE(g->Row(), 1);
    // Backspace takes the completed part away first, then the entry; an
    // empty entry removes the filter.
    f.Type(f.Grid(), Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(f.edit->text(), QStringLiteral("a"));
    QCOMPARE(f.edit->LookupEntry(), QStringLiteral("b"));
    f.Type(f.Grid(), Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(f.edit->LookupEntry(), QString());
    f.edit->TypeAheadLookup(QLatin1Char('\t'));
    QCOMPARE(g->RowCount(), 5);
  }

  void a_lookup_in_a_sorted_grid_makes_the_items_row_current() {
    Fixture f({{"ABC"}, {"KLM"}, {"XYZ"}}, 1);
    f.edit->SetSorting(gsSingleColumn);
    f.Open();
    f.edit->HideDropDown(true);
    f.Grid()->SortSettings().Column = 0;
    f.Grid()->SortSettings().Direction = sdDescending;
    f.Open();
    TZadColGrid* g = f.Grid();
    QCOMPARE(g->GetCellEx(0, 1), QStringLiteral("XYZ"));
    f.Letter(g, 'a');
    QCOMPARE(g->Row(), 3);
    QCOMPARE(f.edit->ItemOfRow(g->Row()), 0);
    QCOMPARE(f.edit->text(), QStringLiteral("ABC"));
  }

  void entering_removes_the_filters() {
    Fixture f({{"abc"}, {"xyz"}}, 1);
    f.edit->SetLookupMethod(lmNarrowDown);
    f.Open();
    f.Letter(f.Grid(), 'x');
    QCOMPARE(f.Grid()->RowCount(), 2);
    f.edit->HideDropDown(true);
    QLineEdit other(&f.window);
    other.show();
    other.setFocus();
    f.edit->setFocus();
    QTRY_VERIFY(f.edit->hasFocus());
    QCOMPARE(f.Grid()->RowCount(), 3);
    QCOMPARE(f.edit->LookupEntry(), QString());
  }

  void a_grid_without_items() {
    Fixture f({}, 1);
    f.edit->SetUseItems(false);
    TZadColGrid* g = f.Grid();
    g->SetRowCount(4);
    g->SetCellEx(0, 1, QStringLiteral("one"));
    g->SetCellEx(0, 2, QStringLiteral("two"));
    g->SetCellEx(0, 3, QStringLiteral("three"));
    QString match;
    int row = -1;
    QVERIFY(f.edit->FindLookupMatch(QStringLiteral("TW"), match, row));
    QCOMPARE(row, 2);
    QCOMPARE(match, QStringLiteral("two"));
    f.edit->SetText(QStringLiteral("th"));
    f.Open();
    QCOMPARE(g->Row(), 3);
    f.Type(g, Qt::Key_Up);
    f.Type(g, Qt::Key_Return);
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->text(), QStringLiteral("two"));
  }

  void styles_set_the_colours() {
    Fixture f;
    f.edit->SetComponentStyle(tsOffice2003Blue);
    QCOMPARE(f.edit->HeaderColor(), TColor(0xD68759));
    QCOMPARE(f.edit->LineColor(), TColor(0x962D00));
    QCOMPARE(f.edit->SelectionColorStyle(), scOffice2007);
    f.edit->SetComponentStyle(tsOffice2010Blue);
    QCOMPARE(f.edit->HeaderColor(), TColor(0xD68759));
    f.edit->SetSelectionColorStyle(scWindows7);
    QCOMPARE(f.edit->LineColor(), TColor(0xECECF0));
    QCOMPARE(f.edit->FixedLineColor(), TColor(0xD4D2D1));
  }

  void the_grids_editor_opens_on_the_row_of_the_cell_text() {
    Register_Grid_Drop_Down_Editor();
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.resize(400, 200);
    grid.SetOptions(grid.Options() | goEditing);
    grid.OnGetEditorType = [](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
      if (ACol == 1) AEditor = edZadGridDropDown;
    };
    auto* editor = static_cast<TGridZadGridDropDown*>(grid.ZadGridDropDown());
    QVERIFY(editor);
    editor->Columns().Add();
    for (const char* text : {"ABC", "XYZ"}) editor->Items().Add().Text = QStringList{QString::fromLatin1(text)};
    grid.Store().Set_Text(1, 1, QStringLiteral("xy"));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(1, 1);
    grid.ShowInplaceEdit();
    QCOMPARE(grid.EditCtrl(), static_cast<QWidget*>(editor));
    QCOMPARE(editor->ItemIndex(), 1);
    QCOMPARE(editor->Text(), QStringLiteral("xy"));
    QVERIFY(editor->InnerGrid()->FixedRowAlways());
    grid.HideInplaceEdit();
    // An empty cell opens on the first row; a text of no row on none.
    grid.FocusCell(1, 2);
    grid.ShowInplaceEdit();
    QCOMPARE(editor->ItemIndex(), 0);
    QCOMPARE(editor->Text(), QString());
    grid.HideInplaceEdit();
    grid.Store().Set_Text(1, 3, QStringLiteral("Q"));
    grid.FocusCell(1, 3);
    grid.ShowInplaceEdit();
    QCOMPARE(editor->ItemIndex(), -1);
    QCOMPARE(editor->Text(), QStringLiteral("Q"));
    grid.HideInplaceEdit();
    QCOMPARE(grid.Store().Text(1, 3), QStringLiteral("Q"));
  }

  void forwarded_events() {
    Fixture f(Letters(30), 2);
    f.edit->Columns().Items(1).Color = 0x00FFFF;
    QObject* mouse_sender = nullptr;
    QObject* top_left_sender = nullptr;
    QObject* key_sender = nullptr;
    f.edit->OnGridMouseDown = [&](TZadIrururOziz* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
      mouse_sender = Sender;
    };
    f.edit->OnGridTopLeftChanged = [&](TCustomZadGridDropDown* Sender) { top_left_sender = Sender; };
    f.edit->OnGridKeyDown = [&](TCustomZadGridDropDown* Sender, int&, Qt::KeyboardModifiers) { key_sender = Sender; };
    f.Open();
    TZadColGrid* g = f.Grid();
    // Without OnGridGetCellColor a column paints in its own colour.
    const QImage shot = g->grab().toImage();
    const QRect cell = g->PlatformCellRect(1, 3).To_QRect();
    const QPoint inside = g->viewport()->mapTo(g, QPoint(cell.right() - 3, cell.top() + 3));
    QCOMPARE(shot.pixelColor(inside), QColor(0xFF, 0xFF, 0x00));
    f.Mouse(QEvent::MouseButtonPress, f.Cell_Center(0, 2), Qt::RightButton);
    QCOMPARE(mouse_sender, static_cast<QObject*>(g));
    g->SetTopRow(5);
    QCOMPARE(top_left_sender, static_cast<QObject*>(f.edit.get()));
    f.Type(g, Qt::Key_Down);
    QCOMPARE(key_sender, static_cast<QObject*>(f.edit.get()));
  }

  void a_window_opened_by_an_anchor_click_leaves_the_popup_open() {
    Fixture f;
    QWidget other;
    f.edit->OnGridAnchorClick = [&](TZadIrururOziz*, int, int, const QString&, bool&) {
      // Another window takes the activation while the handler runs.
      f.edit->DropDownForm()->DeActivated(&other);
    };
    f.edit->OnGridEllipsClick = [&](TZadIrururOziz*, int, int, QString&) {
      f.edit->DropDownForm()->DeActivated(&other);
    };
    f.Open();
    bool handle = true;
    f.Grid()->OnAnchorClick(f.Grid(), 1, 0, QStringLiteral("x"), handle);
    QVERIFY(f.edit->DroppedDown());
    QString s;
    f.Grid()->OnEllipsClick(f.Grid(), 0, 1, s);
    QVERIFY(f.edit->DroppedDown());
    QVERIFY(!f.edit->DropDownForm()->BlockActivate());
  }

  void presets_of_alignment_and_float_format() {
    Fixture f;
    f.edit->Columns().Items(1).Alignment = taRightJustify;
    f.Open();
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    f.Grid()->OnGetAlignment(f.Grid(), 1, 1, h, v);
    QCOMPARE(h, taRightJustify);
    h = taCenter;
    f.Grid()->OnGetAlignment(f.Grid(), 1, 5, h, v);
    QCOMPARE(h, taCenter);
    bool is_float = true;
    QString format = QStringLiteral("%.2f");
    f.Grid()->OnGetFloatFormat(f.Grid(), 0, 1, is_float, format);
    QCOMPARE(format, QString());
  }
};

QTEST_MAIN(Grid_Drop_Down_Test)
#include "zad_grid_drop_down_test.moc"
