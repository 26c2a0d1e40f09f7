#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"

#include <QFontMetrics>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "controls/canvas.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/multicolumn/zad_col_grid.h"

using multi_column::TZadColGrid;

namespace {

struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 400, 300);
    edit.reset(Create_Drop_Down<TZadMultiColumnDropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 1000, 1000); };
    edit->OnSelect = [this](TZadCustomDropDown*) { ++selects; };
    edit->setGeometry(20, 20, 160, 22);
    for (const char* header : {"City", "Country"}) edit->Columns().Add().Header = QString::fromLatin1(header);
    const char* rows[][2] = {{"Berlin", "DE"}, {"Bern", "CH"}, {"Bonn", "DE"}, {"Xanten", "DE"}};
    for (auto& r : rows) edit->Items().Add().Text = QStringList{QString::fromLatin1(r[0]), QString::fromLatin1(r[1])};
    edit->EndUpdate();
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    edit->setFocus();
  }
  // A key typed into the edit: press and release.
  void Type(QWidget* W, int Key, const QString& Text = QString()) {
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QCoreApplication::sendEvent(W, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
    QCoreApplication::sendEvent(W, &release);
  }
  void Letter(QWidget* W, char C) { Type(W, Qt::Key_A + (QChar(C).toUpper().unicode() - 'A'), QString(QChar(C))); }
  void Open() {
    edit->ShowDropDown();
    QVERIFY(edit->DroppedDown());
  }
  TZadColGrid* List() { return edit->List(); }
  QPoint Row_Center(int Row) { return List()->FullCellRect(0, Row).To_QRect().center(); }
  void Mouse(QEvent::Type Type, QPoint At) {
    QWidget* w = List()->viewport();
    QMouseEvent e(Type, QPointF(At), w->mapToGlobal(QPointF(At)), Qt::LeftButton,
                  Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  }
  void Wheel(int Delta) {
    QWidget* w = List()->viewport();
    QWheelEvent e(QPointF(10, 40), w->mapToGlobal(QPointF(10, 40)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
  }

  QWidget window;
  std::unique_ptr<TZadMultiColumnDropDown> edit;
  int selects = 0;
};

}  // namespace

class Multi_Column_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void typing_completes_from_the_lookup_texts() {
    Fixture f;
    f.Letter(f.edit.get(), 'b');
    f.Letter(f.edit.get(), 'e');
    f.Letter(f.edit.get(), 'r');
    QCOMPARE(f.edit->text(), QStringLiteral("Berlin"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("lin"));
    QCOMPARE(f.edit->ItemIndex(), 0);
    // Backspace takes the completed part away and completes nothing.
    f.Type(f.edit.get(), Qt::Key_Backspace);
    QCOMPARE(f.edit->text(), QStringLiteral("Ber"));
    QVERIFY(!f.edit->WorkMode());
    f.Letter(f.edit.get(), 'n');
    QCOMPARE(f.edit->text(), QStringLiteral("Bern"));
    QCOMPARE(f.edit->ItemIndex(), 1);
  }

  // Where the multi-column drop-down parts from the grid drop-down: the
  // caret after a completion taken on key release, a jump that stays on the
  // item, and a selection colour style's selection colour.
  void its_own_caret_steps_and_selection_colour() {
    Fixture f;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(f.edit.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(f.edit.get(), &release);
    QCOMPARE(f.edit->text(), QStringLiteral("Xanten"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("anten"));
    QCOMPARE(f.edit->cursorPosition(), 6);
    // First, last and a page staying on the item write its text again; next
    // and previous at the ends do not.
    f.edit->SetItemIndex(0);
    f.edit->SetRawText(QStringLiteral("typed"));
    f.edit->SelectPreviousRow();
    QCOMPARE(f.edit->text(), QStringLiteral("typed"));
    f.edit->SelectFirstRow();
    QCOMPARE(f.edit->text(), QStringLiteral("Berlin"));
    f.edit->SetItemIndex(3);
    f.edit->SetRawText(QStringLiteral("typed"));
    f.edit->SelectNextPage();
    QCOMPARE(f.edit->text(), QStringLiteral("Xanten"));
    // The selection colour is the edit's own for the style (the grid
    // drop-down sets one of its own).
    f.edit->SetSelectionColorStyle(scWindows7);
    QCOMPARE(f.edit->SelectionColor(), TColor(0xFCEBDC));
  }

  void completion_details() {
    Fixture f;
    // The typed part keeps its case until the key is released.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(f.edit.get(), &press);
    QCOMPARE(f.edit->text(), QStringLiteral("xanten"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(f.edit.get(), &release);
    QCOMPARE(f.edit->text(), QStringLiteral("Xanten"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("anten"));
    // A prefix of no item drops what followed the caret.
    f.edit->SetText(QString());
    f.edit->SetRawText(QStringLiteral("qrs"));
    f.edit->setCursorPosition(1);
    f.Letter(f.edit.get(), 'z');
    QCOMPARE(f.edit->text(), QStringLiteral("qz"));
    // A text the program sets is not completed.
    f.edit->SetText(QStringLiteral("B"));
    QCOMPARE(f.edit->text(), QStringLiteral("B"));
    // MatchCase: lower case finds nothing.
    f.edit->SetText(QString());
    f.edit->SetMatchCase(true);
    f.Letter(f.edit.get(), 'b');
    QCOMPARE(f.edit->text(), QStringLiteral("b"));
  }

  void modified_compares_with_the_text_at_focus_entry() {
    Fixture f;
    f.edit->SetItemIndex(1);
    f.edit->clearFocus();
    f.edit->setFocus();
    QTest::qWait(1);
    f.edit->setCursorPosition(4);
    f.Letter(f.edit.get(), 'x');
    QVERIFY(f.edit->IsModified());
    f.Type(f.edit.get(), Qt::Key_Backspace);
    // Backspace completes nothing and so does not re-check; typing back to
    // the opening text clears the flag.
    f.edit->SetRawText(QStringLiteral("Ber"));
    f.edit->setCursorPosition(3);
    f.Letter(f.edit.get(), 'n');
    QCOMPARE(f.edit->text(), QStringLiteral("Bern"));
    QVERIFY(!f.edit->IsModified());
  }

  void enter_takes_an_exact_entry_and_escape_reselects_by_text() {
    Fixture f;
    f.edit->SetItemIndex(3);
    f.edit->SetRawText(QStringLiteral("BONN"));
    f.edit->setCursorPosition(4);
    f.Type(f.edit.get(), Qt::Key_Return);
    QCOMPARE(f.edit->ItemIndex(), 2);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    f.edit->SetRawText(QStringLiteral("bern"));
    f.Type(f.edit.get(), Qt::Key_Escape);
    QCOMPARE(f.edit->ItemIndex(), 1);
    // A text of no item: no item, the text stays.
    f.edit->SetRawText(QStringLiteral("Paris"));
    f.Type(f.edit.get(), Qt::Key_Escape);
    QCOMPARE(f.edit->ItemIndex(), -1);
    QCOMPARE(f.edit->text(), QStringLiteral("Paris"));
  }

  void item_index_writes_the_lookup_text() {
    Fixture f;
    f.edit->SetItemIndex(2);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    f.edit->SetItemIndex(4);  // past the items: nothing
    QCOMPARE(f.edit->ItemIndex(), 2);
    f.edit->SetItemIndex(-7);
    QCOMPARE(f.edit->ItemIndex(), -1);
    QCOMPARE(f.edit->text(), QString());
    f.edit->SetLookupColumn(1);
    f.edit->SetItemIndex(1);
    QCOMPARE(f.edit->text(), QStringLiteral("CH"));
    QCOMPARE(f.edit->GetItemIndex(QStringLiteral("DE")), 0);
    QCOMPARE(f.edit->GetItemIndex(QStringLiteral("de")), -1);
  }

  void keys_and_wheel_step_with_the_popup_closed() {
    Fixture f;
    f.Type(f.edit.get(), Qt::Key_Down);
    QCOMPARE(f.edit->ItemIndex(), 0);
    f.Type(f.edit.get(), Qt::Key_PageDown);
    QCOMPARE(f.edit->ItemIndex(), 3);
    f.Type(f.edit.get(), Qt::Key_Down);
    QCOMPARE(f.edit->ItemIndex(), 3);
    f.Type(f.edit.get(), Qt::Key_Up);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    // Home and End move the caret while typing is on.
    f.Type(f.edit.get(), Qt::Key_Home);
    QCOMPARE(f.edit->ItemIndex(), 2);
    f.edit->SetEditorEnabled(false);
    f.Type(f.edit.get(), Qt::Key_Home);
    QCOMPARE(f.edit->ItemIndex(), 0);
    f.Type(f.edit.get(), Qt::Key_End);
    QCOMPARE(f.edit->ItemIndex(), 3);
    QWheelEvent up(QPointF(5, 5), f.edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f.edit.get(), &up);
    QCOMPARE(f.edit->ItemIndex(), 2);
  }

  void next_page_stops_at_the_last_item() {
    Fixture f;
    f.edit->Items().Clear();
    for (int i = 0; i < 100; ++i) f.edit->Items().Add().Text = QStringList{QString::number(i)};
    f.edit->SetItemIndex(95);
    f.edit->SelectNextPage();
    QCOMPARE(f.edit->ItemIndex(), 99);
  }

  void opening_shows_the_current_row_in_whole_rows() {
    Fixture f;
    f.edit->SetItemIndex(2);
    f.Open();
    TZadColGrid* list = f.List();
    QCOMPARE(list->RowCount(), 5);
    QCOMPARE(list->Row(), 3);
    QCOMPARE(f.edit->DropDownForm()->height(), 181);
    // As wide as its columns (no scroll bar for four rows) and the border.
    QCOMPARE(f.edit->DropDownForm()->width(), 160 + 2 * f.edit->DropDownBorderWidth());
    QCOMPARE(list->ColWidths(0) + list->ColWidths(1), list->width());
    QCOMPARE(f.edit->ItemIndex(), 2);
    // A popup the user widens stretches the columns again.
    f.edit->DropDownForm()->resize(f.edit->DropDownForm()->width() + 100, f.edit->DropDownForm()->height());
    f.edit->DoDropDownFormSizing();
    // The share leaves the list's width less the rounding (a pixel of
    // the total stands for the line).
    const int sum = list->ColWidths(0) + list->ColWidths(1);
    QVERIFY(sum <= list->width() && sum >= list->width() - 2);
    QVERIFY(list->ColWidths(0) > 120);
    QCOMPARE(f.edit->Columns().Items(0).Width, 80);
  }

  void a_long_list_opens_scrolled_to_its_item() {
    Fixture f;
    f.edit->Items().Clear();
    for (int i = 0; i < 200; ++i) f.edit->Items().Add().Text = QStringList{QString::number(i), QStringLiteral("x")};
    f.edit->EndUpdate();
    f.edit->SetItemIndex(150);
    f.Open();
    TZadColGrid* list = f.List();
    QCOMPARE(list->Row(), 151);
    QVERIFY(!list->FullCellRect(0, 151).Is_Empty());
    // Room for the scroll bar next to the columns.
    QVERIFY(f.edit->DropDownForm()->width() > 160 + 2 * f.edit->DropDownBorderWidth());
  }

  void type_ahead_in_the_list() {
    Fixture f;
    f.Open();
    QWidget* list = f.List();
    f.Letter(list, 'b');
    QCOMPARE(f.edit->ItemIndex(), 0);
    f.Letter(list, 'o');
    QCOMPARE(f.edit->ItemIndex(), 2);
    QCOMPARE(f.List()->Row(), 3);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("nn"));
    // "bob" matches nothing, "b" alone does; then "bx" nothing, "x" Xanten.
    f.Letter(list, 'b');
    QCOMPARE(f.edit->ItemIndex(), 0);
    QCOMPARE(f.edit->LookupEntry(), QStringLiteral("b"));
    f.Letter(list, 'x');
    QCOMPARE(f.edit->ItemIndex(), 3);
    QCOMPARE(f.edit->LookupEntry(), QStringLiteral("x"));
    QCOMPARE(f.edit->text(), QStringLiteral("Xanten"));
    QVERIFY(f.edit->DroppedDown());
    // Backspace takes just the selection away; it looks nothing up and so
    // ends the entry: the next one leaves the entry's text less its last
    // character, which is empty now.
    f.Letter(list, 'a');
    QCOMPARE(f.edit->selectedText(), QStringLiteral("nten"));
    f.Type(list, Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(f.edit->text(), QStringLiteral("Xa"));
    QCOMPARE(f.edit->LookupEntry(), QString());
    f.Type(list, Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(f.edit->text(), QString());
    QCOMPARE(f.edit->ItemIndex(), 3);
  }

  void escape_restores_and_enter_keeps_the_row() {
    Fixture f;
    f.edit->SetItemIndex(1);
    f.Open();
    f.Type(f.List(), Qt::Key_Down);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    f.Type(f.List(), Qt::Key_Escape);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 1);
    QCOMPARE(f.edit->text(), QStringLiteral("Bern"));
    QCOMPARE(f.selects, 0);
    f.Open();
    f.Type(f.List(), Qt::Key_Down);
    f.Type(f.List(), Qt::Key_Down);
    f.Type(f.List(), Qt::Key_Return);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 3);
    QCOMPARE(f.edit->text(), QStringLiteral("Xanten"));
    QCOMPARE(f.selects, 1);
  }

  void a_click_selects_and_the_wheel_only_previews() {
    Fixture f;
    f.Open();
    f.Wheel(-120);
    f.Wheel(-120);
    QCOMPARE(f.List()->Row(), 3);
    QCOMPARE(f.edit->ItemIndex(), -1);
    // Going elsewhere keeps the selection the wheel did not confirm.
    f.edit->HideDropDown(false);
    QCOMPARE(f.edit->ItemIndex(), -1);
    f.Open();
    f.Mouse(QEvent::MouseButtonPress, f.Row_Center(3));
    f.Mouse(QEvent::MouseButtonRelease, f.Row_Center(3));
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->ItemIndex(), 2);
    QCOMPARE(f.edit->text(), QStringLiteral("Bonn"));
    QCOMPARE(f.selects, 1);
    // A click on the header selects nothing.
    f.Open();
    f.Mouse(QEvent::MouseButtonPress, f.List()->FullCellRect(0, 0).To_QRect().center());
    f.Mouse(QEvent::MouseButtonRelease, f.List()->FullCellRect(0, 0).To_QRect().center());
    QVERIFY(f.edit->DroppedDown());
  }

  void styles_set_the_list_colours() {
    Fixture f;
    QCOMPARE(f.edit->LineColor(), TColor(0xF1EDEB));
    QCOMPARE(f.edit->FixedLineColor(), TColor(0xD1BBA4));
    QCOMPARE(f.edit->HeaderColor(), TColor(0xFFFFFF));
    f.edit->SetComponentStyle(tsOffice2010Blue);
    QCOMPARE(f.edit->HeaderColor(), TColor(0xEDDBCD));
    QCOMPARE(f.edit->LineColor(), TColor(0xEEDDCF));
    QCOMPARE(f.edit->SelectionColor(), TColor(0x6CD0FF));
    QCOMPARE(f.edit->HeaderFontColor(), TColor(0x5B391E));
    f.edit->SetSelectionColorStyle(scWindows7);
    QCOMPARE(f.edit->LineColor(), TColor(0xECECF0));
    // Assign takes the list settings and the items.
    std::unique_ptr<TZadMultiColumnDropDown> copy(Create_Drop_Down<TZadMultiColumnDropDown>(&f.window));
    f.edit->SetItemIndex(2);
    copy->Assign(*f.edit);
    QCOMPARE(copy->HeaderColor(), TColor(0xEDDBCD));
    QCOMPARE(copy->Items().Count(), 4);
    QCOMPARE(copy->Columns().Items(1).Header, QStringLiteral("Country"));
    QCOMPARE(copy->ItemIndex(), 2);
    QCOMPARE(copy->text(), QString());
  }

  void the_list_paints_header_selection_and_lines() {
    Fixture f;
    f.edit->SetComponentStyle(tsOffice2010Blue);
    f.edit->Columns().Items(1).Color = 0x00FFFF;
    f.edit->SetItemIndex(1);
    f.Open();
    const QImage picture = f.List()->viewport()->grab().toImage();
    const auto at = [&](int Col, int Row, int Dx, int Dy) {
      const TRect r = f.List()->FullCellRect(Col, Row);
      return picture.pixelColor(r.Left + Dx, r.Top + Dy);
    };
    // Header: a plain fill, ToColor none. The column colour under an
    // unselected item, the selection colour on the selected one, a line at
    // the bottom of a row.
    QCOMPARE(at(0, 0, 5, 5), To_QColor(0xEDDBCD));
    QCOMPARE(at(1, 1, 5, 5), To_QColor(0x00FFFF));
    QCOMPARE(at(1, 2, 5, 5), To_QColor(0x6CD0FF));
    const TRect row = f.List()->FullCellRect(0, 3);
    QCOMPARE(picture.pixelColor(row.Left + 5, row.Bottom - 1), To_QColor(0xEEDDCF));
  }

  void auto_sized_and_wrapping_columns() {
    Fixture f;
    f.edit->Columns().Items(0).AutoSize = true;
    f.edit->Columns().Items(1).Wordwrap = true;
    f.edit->Items().Items(1).Text[1] = QStringLiteral("a long text that wraps over several lines in its column");
    f.Open();
    const QFontMetrics metrics(f.edit->Columns().Items(0).Font);
    const int widest = metrics.horizontalAdvance(QStringLiteral("Xanten")) + 6;
    QVERIFY(f.edit->Columns().Items(0).Width >= widest);
    QCOMPARE(f.edit->Columns().Items(0).Width, std::max({metrics.horizontalAdvance(QStringLiteral("Berlin")),
                                                         metrics.horizontalAdvance(QStringLiteral("Bern")),
                                                         metrics.horizontalAdvance(QStringLiteral("Bonn")),
                                                         metrics.horizontalAdvance(QStringLiteral("Xanten"))}) +
                                                   6);
    // Rows are at least 24 high once a column wraps; the long text's row grows.
    QCOMPARE(f.List()->RowHeights(1), 24);
    QVERIFY(f.List()->RowHeights(2) > 2 * metrics.height());
    QCOMPARE(f.List()->RowHeights(0), 25);
  }

  void image_columns_and_the_drawing_event() {
    Fixture f;
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const TDropDownImages images{red};
    f.edit->SetImages(&images);
    f.edit->Columns().Items(0).ColumnType = multi_column::ctImage;
    f.edit->Items().Items(2).ImageIndex = 0;
    f.Open();
    QImage picture = f.List()->viewport()->grab().toImage();
    const TRect with = f.List()->FullCellRect(0, 3), without = f.List()->FullCellRect(0, 2);
    const int y = (with.Top + with.Bottom) / 2;
    QCOMPARE(picture.pixelColor(with.Left + 6, y), QColor(Qt::red));
    QVERIFY(picture.pixelColor(without.Left + 6, (without.Top + without.Bottom) / 2) != QColor(Qt::red));
    f.edit->HideDropDown(true);
    // The event draws every cell instead of the list.
    f.edit->OnDropDownDrawItem = [](TZadCustomDropDown*, int, int, TCanvas& Canvas, const TRect& R) {
      Canvas.Brush.Color = clBlue;
      Canvas.Fill_Rect(R);
    };
    f.Open();
    picture = f.List()->viewport()->grab().toImage();
    QCOMPARE(picture.pixelColor(with.Left + 6, y), QColor(Qt::blue));
    QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::blue));
  }

  void a_list_without_items_opens_and_keeps_the_text() {
    Fixture f;
    f.edit->Items().Clear();
    f.edit->SetText(QStringLiteral("free text"));
    f.Open();
    (void)f.List()->viewport()->grab();
    f.Type(f.List(), Qt::Key_Down);
    f.Type(f.List(), Qt::Key_Return);
    QVERIFY(!f.edit->DroppedDown());
    QCOMPARE(f.edit->text(), QStringLiteral("free text"));
    QCOMPARE(f.edit->ItemIndex(), -1);
  }

  void cells_take_their_text_from_the_event() {
    Fixture f;
    int asked = 0;
    f.edit->OnDropDownGetItemText = [&](TZadCustomDropDown*, int, int, QString& Text) {
      ++asked;
      Text = QStringLiteral("#");
    };
    f.Open();
    (void)f.List()->viewport()->grab();
    QVERIFY(asked >= 10);
  }
};

QTEST_MAIN(Multi_Column_Drop_Down_Test)
#include "zad_multi_column_drop_down_test.moc"
