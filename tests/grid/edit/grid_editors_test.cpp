// The grid's editor controls as a user meets them over a cell: spin, combo,
// check box, date pickers, edit with button, unit editor, cell button, the
// header editors and the rich-text editor. Each test opens the editor the
// way the grid's opening places it (over the current cell, focused) and
// then types, clicks and leaves.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "controls/editors/combo_list_popup.h"
#include "controls/editors/editor_input.h"
#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_cell_button.h"
#include "grid/edit/grid_check_box.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_date_picker.h"
#include "grid/edit/grid_date_time_picker.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_trans_edit.h"
#include "grid/edit/grid_unit_edit_btn.h"
#include "grid/edit/zad_rich_edit.h"

namespace {

// A grid whose column 2 opens the editor of the given type. Opening places
// the control set in `editor` over the cell; closing hides it again (the
// value is not written back here).
class Editor_Grid : public TZadIrururOziz {
 public:
  QWidget* editor = nullptr;
  explicit Editor_Grid(TEditorType column2) {
    SetRowCount(8);
    SetColCount(6);
    resize(520, 260);
    SetOptions(Options() | goEditing);
    OnGetEditorType = [column2](TZadIrururOziz*, int ACol, int, TEditorType& AEditor) {
      if (ACol == 2) AEditor = column2;
    };
    show();
    activateWindow();
  }
  void PrepareCellEditor(int ACol, int ARow) override {
    Grid_Edit_Access::Start_Special_Edit(*this);
    if (!editor) return;
    editor->setGeometry(CellRect(ACol, ARow).To_QRect());
    editor->setEnabled(true);
    editor->show();
    editor->setFocus();
  }
  void StoreCellEditorValue(int ACol, int ARow) override {
    if (editor) editor->hide();
    TZadIrururOziz::StoreCellEditorValue(ACol, ARow);
  }
  // Opens the editor on (c, r); whether editing started.
  bool Open(int c, int r) {
    FocusCell(c, r);
    setFocus();
    ShowInplaceEdit();
    return EditMode() && (!editor || editor->isVisible());
  }
  QString Cell(int c, int r) { return Store().Text(c, r); }
};

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

int Field_Of(const TDateTimePicker& picker, Dtp_Field_Kind kind) {
  for (int i = 0; i < int(picker.Fields().size()); ++i)
    if (picker.Fields()[size_t(i)].Kind == kind) return i;
  return -1;
}

}  // namespace

class GridEditorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // ---- spin

  void spin_page_and_end_keys_keep_the_limits() {
    Editor_Grid g(edSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 3));
    spin.SetIncrement(5);
    spin.SetMaxValue(100);
    spin.SetValue(98);
    QList<std::pair<int, bool>> clicks;
    g.OnSpinClick = [&](TZadIrururOziz*, int ACol, int ARow, int AValue, bool UpDown) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 3));
      clicks << std::make_pair(AValue, UpDown);
    };
    QTest::keyClick(&spin, Qt::Key_PageUp);
    QCOMPARE(spin.Value(), 98);
    QTest::keyClick(&spin, Qt::Key_Home);
    QCOMPARE(spin.Value(), 100);
    QTest::keyClick(&spin, Qt::Key_End);
    QCOMPARE(spin.Value(), 0);
    QTest::keyClick(&spin, Qt::Key_PageDown);
    QCOMPARE(spin.Value(), 0);
    QTest::keyClick(&spin, Qt::Key_PageUp);
    QCOMPARE(spin.Value(), 5);
    const QList<std::pair<int, bool>> expected{{98, true}, {100, true}, {0, false}, {0, false}, {5, true}};
    QCOMPARE(clicks, expected);
    QVERIFY(g.EditMode());
  }

  void spin_up_validates_ends_and_moves_up() {
    Editor_Grid g(edSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QStringList validated;
    g.OnCellValidate = [&](TZadIrururOziz*, int, int, QString& Value, bool&) { validated << Value; };
    QVERIFY(g.Open(2, 3));
    spin.SetValue(42);
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(validated, QStringList{QStringLiteral("42")});
    QCOMPARE(g.Cell(2, 3), QStringLiteral("42"));
    QVERIFY(!g.EditMode());
    QVERIFY(!spin.isVisible());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 2));
  }

  void spin_refused_value_keeps_the_editor_with_the_cell_text() {
    Editor_Grid g(edSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SetCellEx(2, 3, QStringLiteral("7"));
    g.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) { Valid = Value.toInt() < 10; };
    QVERIFY(g.Open(2, 3));
    spin.SetValue(13);
    QTest::keyClick(&spin, Qt::Key_Return);
    QVERIFY(g.EditMode());
    QVERIFY(spin.isVisible());
    QCOMPARE(spin.text(), QStringLiteral("7"));
    QCOMPARE(spin.cursorPosition(), 1);
    QCOMPARE(g.Cell(2, 3), QStringLiteral("7"));
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 3));
    // A value the handler takes ends the edit.
    spin.SetValue(9);
    QTest::keyClick(&spin, Qt::Key_Return);
    QVERIFY(!g.EditMode());
    QCOMPARE(g.Cell(2, 3), QStringLiteral("9"));
  }

  void spin_escape_puts_back_the_text_from_before_editing() {
    Editor_Grid g(edSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SetCellEx(2, 3, QStringLiteral("12"));
    QVERIFY(g.Open(2, 3));
    spin.SetValue(40);
    QTest::keyClick(&spin, Qt::Key_Escape);
    QCOMPARE(spin.Value(), 12);
    QVERIFY(!g.EditMode());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 3));
  }

  void spin_buttons_tell_the_grid_by_spin_type() {
    Editor_Grid g(edFloatSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 1));
    spin.SetSpinType(sptFloat);
    spin.SetFloatValue(1.0);
    QList<std::pair<double, bool>> floats;
    int integers = 0;
    g.OnSpinClick = [&](TZadIrururOziz*, int, int, int, bool) { ++integers; };
    g.OnFloatSpinClick = [&](TZadIrururOziz*, int ACol, int ARow, double AValue, bool UpDown) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 1));
      floats << std::make_pair(AValue, UpDown);
    };
    spin.UpClick(&spin);
    spin.DownClick(&spin);
    QCOMPARE(integers, 0);
    QCOMPARE(floats.size(), 2);
    QVERIFY(qFuzzyCompare(floats[0].first, 1.1) && floats[0].second);
    QVERIFY(qFuzzyCompare(floats[1].first, 1.0) && !floats[1].second);
  }

  void spin_tab_with_goTabs_steps_to_the_next_cell() {
    Editor_Grid g(edSpinEdit);
    TGridSpin spin(&g);
    g.editor = &spin;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SetOptions(g.Options() | goTabs);
    QVERIFY(g.Open(2, 1));
    spin.SetValue(3);
    QTest::keyClick(&spin, Qt::Key_Tab);
    QCOMPARE(g.Cell(2, 1), QStringLiteral("3"));
    QVERIFY(!spin.isVisible());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(3, 1));
    // The next cell's own editor follows the step.
    QVERIFY(g.EditorMode());
  }

  // ---- combo

  void pick_list_left_ends_and_moves_left_list_open_or_closed() {
    for (const bool dropped : {false, true}) {
      Editor_Grid g(edComboList);
      TGridCombo* combo = g.Combobox();
      g.editor = combo;
      QVERIFY(QTest::qWaitForWindowActive(&g));
      combo->SetStyle(csDropDownList);
      g.ClearComboString();
      for (const char* item : {"Alpha", "Beta", "Gamma"}) g.AddComboString(QString::fromLatin1(item));
      QVERIFY(g.Open(2, 3));
      QWidget* target = combo;
      if (dropped) {
        combo->SetDroppedDown(true);
        QVERIFY(combo->DroppedDown());
        target = combo->Popup()->List();
      }
      QTest::keyClick(target, Qt::Key_Left);
      QVERIFY2(!g.EditMode(), dropped ? "open list" : "closed list");
      QVERIFY(!combo->Popup()->isVisible());
      QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(1, 3));
    }
  }

  void pick_list_up_down_by_ComboGetUpDown() {
    Editor_Grid g(edComboList);
    TGridCombo* combo = g.Combobox();
    g.editor = combo;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    combo->SetStyle(csDropDownList);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) g.AddComboStringObject(QString::fromLatin1(item), 7);
    QList<int> changes;
    g.OnComboChange = [&](TZadIrururOziz*, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 3));
      QCOMPARE(ASelection, combo->Items().Strings(AItemIndex));
      changes << AItemIndex;
    };
    QVERIFY(g.Open(2, 3));
    combo->SetItemIndex(0);
    // The combo takes Up and Down.
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->ItemIndex(), 1);
    QCOMPARE(changes, (QList<int>{1, 2, 1}));
    QVERIFY(g.EditMode());
    QCOMPARE(g.Row(), 3);
    // Without it Down leaves for the row below.
    g.Navigation().SetComboGetUpDown(false);
    QTest::keyClick(combo, Qt::Key_Down);
    QVERIFY(!g.EditMode());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 4));
  }

  void combo_completes_from_the_items_in_list_order() {
    Editor_Grid g(edComboEdit);
    TGridCombo* combo = g.Combobox();
    g.editor = combo;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    combo->SetStyle(csDropDown);
    g.AddComboString(QStringLiteral("Alpha"));
    g.AddComboString(QStringLiteral("Albert"));
    g.LookupItems() << QStringLiteral("Zulu");
    g.SetLookup(true);
    QVERIFY(g.Open(2, 3));
    QLineEdit* edit = combo->EditPart();
    QVERIFY(edit && edit->hasFocus());
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("A"));
    QCOMPARE(edit->text(), QStringLiteral("Alpha"));
    QTest::keyClicks(edit, QStringLiteral("l"));
    QCOMPARE(edit->text(), QStringLiteral("Alpha"));
    QCOMPARE(edit->selectedText(), QStringLiteral("pha"));
    QCOMPARE(combo->ItemIndex(), 0);
    QCOMPARE(combo->ItemIdx, 0);
    // No item begins so: the look-up list is next.
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Z);
    QCOMPARE(edit->text(), QStringLiteral("zulu"));
    QCOMPARE(edit->selectedText(), QStringLiteral("ulu"));
    // Backspace does not complete again.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("z"));
  }

  void combo_enter_refused_keeps_the_validated_text_selected() {
    Editor_Grid g(edComboEdit);
    TGridCombo* combo = g.Combobox();
    g.editor = combo;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    combo->SetStyle(csDropDown);
    g.SetCellEx(2, 3, QStringLiteral("ok"));
    g.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      Valid = Value != QStringLiteral("bad");
    };
    QVERIFY(g.Open(2, 3));
    combo->SetText(QStringLiteral("bad"));
    QTest::keyClick(combo->EditPart(), Qt::Key_Return);
    QVERIFY(g.EditMode());
    QCOMPARE(combo->Text(), QStringLiteral("bad"));
    QCOMPARE(combo->EditPart()->selectedText(), QStringLiteral("bad"));
    QCOMPARE(g.Cell(2, 3), QStringLiteral("ok"));
    combo->SetText(QStringLiteral("good"));
    QTest::keyClick(combo->EditPart(), Qt::Key_Return);
    QVERIFY(!g.EditMode());
    QCOMPARE(g.Cell(2, 3), QStringLiteral("good"));
  }

  void combo_wheel_steps_the_items_and_tells_the_grid() {
    Editor_Grid g(edComboList);
    TGridCombo* combo = g.Combobox();
    g.editor = combo;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    combo->SetStyle(csDropDownList);
    g.AddComboStringObject(QStringLiteral("One"), 10);
    g.AddComboStringObject(QStringLiteral("Two"), 20);
    QVERIFY(g.Open(2, 3));
    combo->SetItemIndex(-1);
    QList<QVariant> objects;
    QStringList edits;
    g.OnComboObjectChange = [&](TZadIrururOziz*, int, int, int, const QString&, const QVariant& AObject) {
      objects << AObject;
    };
    g.OnEditChange = [&](TZadIrururOziz*, int, int, const QString& Value) { edits << Value; };
    auto wheel = [&](int delta) {
      QWheelEvent event(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(combo, &event);
    };
    wheel(-120);
    wheel(-120);
    wheel(-120);
    wheel(120);
    wheel(120);
    wheel(120);
    QCOMPARE(combo->ItemIndex(), 0);
    QCOMPARE(objects, (QList<QVariant>{10, 20, 20, 10, 10, 10}));
    QCOMPARE(edits.first(), QStringLiteral("One"));
  }

  void grid_combo_list_operations() {
    Editor_Grid g(edComboList);
    g.ClearComboString();
    g.AddComboString(QStringLiteral("Red"));
    g.AddComboStringObject(QStringLiteral("Green"), 5);
    g.AddComboString(QStringLiteral("Blue"));
    QCOMPARE(g.GetComboCount(), 3);
    QVERIFY(g.RemoveComboString(QStringLiteral("Green")));
    QVERIFY(!g.RemoveComboString(QStringLiteral("Green")));
    QCOMPARE(g.GetComboCount(), 2);
    QVERIFY(g.SetComboSelectionString(QStringLiteral("Blue")));
    QCOMPARE(g.ComboSelection(), 1);
    QVERIFY(!g.SetComboSelectionString(QStringLiteral("Pink")));
    QCOMPARE(g.ComboSelection(), 1);
    // The application fills the list per cell in OnGetEditorProp.
    QList<QPoint> asked;
    g.OnGetEditorProp = [&](TZadIrururOziz* Sender, int ACol, int ARow, TEditLink*) {
      asked << QPoint(ACol, ARow);
      Sender->ClearComboString();
      for (const char* item : {"North", "South"}) Sender->AddComboString(QString::fromLatin1(item));
    };
    g.SetComboIndex(3, 2, 1);
    QCOMPARE(g.Cell(3, 2), QStringLiteral("South"));
    QCOMPARE(g.GetComboIndex(3, 2), 1);
    g.SetCellEx(3, 2, QStringLiteral("West"));
    QCOMPARE(g.GetComboIndex(3, 2), -1);
    // An index outside the list leaves the cell alone.
    g.SetComboIndex(3, 2, 5);
    QCOMPARE(g.Cell(3, 2), QStringLiteral("West"));
    QCOMPARE(asked.size(), 4);
  }

  void combo_drop_down_width_follows_the_widest_item() {
    Editor_Grid g(edComboList);
    TGridCombo* combo = g.Combobox();
    combo->resize(40, 22);
    const QString wide = QStringLiteral("A rather long item text");
    g.AddComboString(QStringLiteral("x"));
    g.AddComboString(wide);
    combo->SizeDropDownWidth();
    QCOMPARE(combo->DropWidth(), QFontMetrics(g.font()).horizontalAdvance(wide) + 8);
  }

  // ---- check box

  void check_box_toggles_and_closes_on_its_keys_only() {
    Editor_Grid g(edCheckBox);
    TGridCheckBox box(&g);
    g.editor = &box;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 3));
    QTest::keyClick(&box, Qt::Key_Space);
    QVERIFY(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton);
    QVERIFY(!box.isChecked());
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(g.EditMode());
    QVERIFY(box.isVisible());
    QTest::keyClick(&box, Qt::Key_Down);
    QVERIFY(!g.EditMode());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 4));
    QVERIFY(g.hasFocus());
    // The state never reaches the cell.
    QVERIFY(g.Cell(2, 3).isEmpty());
  }

  // ---- date pickers

  void date_digits_move_to_the_next_field_but_not_past_the_last() {
    Editor_Grid g(edDateEdit);
    TGridDatePicker picker(&g);
    g.editor = &picker;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 3));
    picker.SetFormat(QStringLiteral("dd/MM/yyyy"));
    picker.SetDate(Encode_Date(QDate(2020, 6, 1)));
    const int day = Field_Of(picker, Dtp_Field_Kind::Day), month = Field_Of(picker, Dtp_Field_Kind::Month),
              year = Field_Of(picker, Dtp_Field_Kind::Year);
    picker.SetFieldIndex(day);
    QTest::keyClick(&picker, Qt::Key_1);
    Settle();
    QCOMPARE(picker.FieldIndex(), day);
    QTest::keyClick(&picker, Qt::Key_5);
    Settle();
    QCOMPARE(picker.Value().date(), QDate(2020, 6, 15));
    QCOMPARE(picker.FieldIndex(), month);
    picker.SetFieldIndex(year);
    for (Qt::Key k : {Qt::Key_2, Qt::Key_0, Qt::Key_2, Qt::Key_4}) {
      QTest::keyClick(&picker, k);
      Settle();
      QCOMPARE(picker.FieldIndex(), year);
    }
    QCOMPARE(picker.Value().date().year(), 2024);
  }

  void date_without_format_moves_on_day_and_month_only() {
    Editor_Grid g(edDateEdit);
    TGridDatePicker picker(&g);
    g.editor = &picker;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 3));
    picker.SetFormat(QString());
    picker.SetDate(Encode_Date(QDate(2020, 6, 5)));
    const int year = Field_Of(picker, Dtp_Field_Kind::Year), day = Field_Of(picker, Dtp_Field_Kind::Day);
    QVERIFY(year >= 0 && day >= 0);
    picker.SetFieldIndex(year);
    QTest::keyClick(&picker, Qt::Key_1);
    Settle();
    QVERIFY(picker.Value().date().year() != 2020);
    QCOMPARE(picker.FieldIndex(), year);
    picker.SetFieldIndex(day);
    QTest::keyClick(&picker, Qt::Key_3);
    Settle();
    QCOMPARE(picker.Value().date().day(), 3);
    QVERIFY(picker.FieldIndex() != day);
  }

  void time_picker_moves_when_a_time_field_changes() {
    Editor_Grid g(edTimeEdit);
    TGridDatePicker picker(&g);
    picker.SetKind(dtkTime);
    picker.SetFormat(QStringLiteral("HH:mm:ss"));
    picker.SetTime(Encode_Time(QTime(1, 2, 3)));
    picker.SetFieldIndex(0);
    // The hour before the digit was 1: typing 1 changes nothing, 2 changes
    // the hour.
    QTest::keyClick(&picker, Qt::Key_1);
    Settle();
    QCOMPARE(picker.FieldIndex(), 0);
    QTest::keyClick(&picker, Qt::Key_2);
    Settle();
    QCOMPARE(picker.Value().time().hour(), 12);
    QCOMPARE(picker.FieldIndex(), Field_Of(picker, Dtp_Field_Kind::Minute));
  }

  void date_enter_stores_validates_and_escape_restores() {
    Editor_Grid g(edDateEdit);
    TGridDatePicker picker(&g);
    g.editor = &picker;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    Format_Settings settings = Process_Format_Settings();
    settings.Short_Date_Format = QStringLiteral("dd/mm/yyyy");
    settings.Date_Separator = QLatin1Char('/');
    Set_Process_Format_Settings(settings);
    g.SetCellEx(2, 3, QStringLiteral("01/02/2021"));
    bool refuse = true;
    g.OnCellValidate = [&](TZadIrururOziz*, int, int, QString&, bool& Valid) { Valid = !refuse; };
    QVERIFY(g.Open(2, 3));
    picker.SetFormat(QString());
    picker.SetDate(Encode_Date(QDate(2022, 3, 4)));
    QTest::keyClick(&picker, Qt::Key_Return);
    QVERIFY(g.EditMode());
    QCOMPARE(g.Cell(2, 3), QStringLiteral("01/02/2021"));
    // Escape brings back the cell's value and ends the edit.
    QTest::keyClick(&picker, Qt::Key_Escape);
    QCOMPARE(picker.Value().date(), QDate(2021, 2, 1));
    QVERIFY(!g.EditMode());
    refuse = false;
    QVERIFY(g.Open(2, 3));
    picker.SetDate(Encode_Date(QDate(2022, 3, 4)));
    QTest::keyClick(&picker, Qt::Key_Return);
    QVERIFY(!g.EditMode());
    QCOMPARE(g.Cell(2, 3), QStringLiteral("04/03/2022"));
  }

  void date_time_picker_escape_restores_the_opening_value() {
    Editor_Grid g(edDateTimeEdit);
    TGridDateTimePicker picker(&g);
    g.editor = &picker;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 3));
    g.SetOriginalDateTime(Encode_Date(QDate(2019, 7, 8)));
    picker.SetDate(Encode_Date(QDate(2024, 1, 2)));
    QTest::keyClick(&picker, Qt::Key_Escape);
    QCOMPARE(picker.Value().date(), QDate(2019, 7, 8));
    QVERIFY(g.hasFocus());
    // It stays over the cell until the grid closes the edit.
    QVERIFY(picker.isVisible());
    QVERIFY(g.EditMode());
  }

  // ---- edit with button, unit editor, cell button

  void cell_button_takes_the_ellipsis_answer_into_caption_and_cell() {
    Editor_Grid g(edButton);
    TGridButton button(&g);
    g.editor = &button;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    int answered = 0, clicked = 0;
    g.OnEllipsClick = [&](TZadIrururOziz*, int ACol, int ARow, QString& S) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 3));
      ++answered;
      S = QStringLiteral("Done");
    };
    g.OnButtonClick = [&](TZadIrururOziz*, int, int) { ++clicked; };
    QVERIFY(g.Open(2, 3));
    button.setText(QStringLiteral("Go"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.text(), QStringLiteral("Done"));
    QCOMPARE(g.Cell(2, 3), QStringLiteral("Done"));
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(answered, 2);
    QCOMPARE(clicked, 2);
    // An arrow gives the key back to the grid.
    QTest::keyClick(&button, Qt::Key_Right);
    QVERIFY(!button.isVisible());
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(3, 3));
  }

  void edit_button_click_with_stop_closes_the_editor() {
    Editor_Grid g(edEditBtn);
    TGridEditBtn edit(&g);
    g.editor = &edit;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.OnEllipsClick = [](TZadIrururOziz*, int, int, QString& S) { S = S + QStringLiteral("!"); };
    QVERIFY(g.Open(2, 3));
    edit.setText(QStringLiteral("Hi"));
    QTest::mouseClick(edit.Button()->Button(), Qt::LeftButton, {}, edit.Button()->Button()->rect().center());
    QCOMPARE(edit.text(), QStringLiteral("Hi!"));
    QCOMPARE(edit.selectedText(), QStringLiteral("Hi!"));
    QVERIFY(g.EditMode());
    edit.SetStopEditAfterClick(true);
    QTest::mouseClick(edit.Button()->Button(), Qt::LeftButton, {}, edit.Button()->Button()->rect().center());
    QCOMPARE(edit.text(), QStringLiteral("Hi!!"));
    QVERIFY(!g.EditMode());
    QVERIFY(!edit.isVisible());
    QVERIFY(g.hasFocus());
  }

  void numeric_button_editors_refuse_letters_and_bad_pastes() {
    Editor_Grid g(edNumericEditBtn);
    TGridEditBtn edit(&g);
    g.editor = &edit;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    int pastes = 0;
    g.OnClipboardPaste = [&](TZadIrururOziz*, bool&) { ++pastes; };
    QVERIFY(g.Open(2, 3));
    edit.setText(QStringLiteral("5"));
    const int beeps = Editor_Beep_Count();
    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
    QTest::keyClick(&edit, Qt::Key_7);
    QCOMPARE(edit.text(), QStringLiteral("57"));
    edit.PasteText(QStringLiteral("12a"));
    QCOMPARE(edit.text(), QStringLiteral("57"));
    QVERIFY(g.Cell(2, 3).isEmpty());
    QCOMPARE(pastes, 0);
    edit.PasteText(QStringLiteral("12\r\n"));
    QCOMPARE(edit.text(), QStringLiteral("5712"));
    QCOMPARE(edit.selectedText(), QStringLiteral("12"));
    QCOMPARE(g.Cell(2, 3), QStringLiteral("5712"));
    QCOMPARE(pastes, 1);
  }

  void edit_button_keys_validate_restore_and_leave() {
    Editor_Grid g(edEditBtn);
    TGridEditBtn edit(&g);
    g.editor = &edit;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SetCellEx(2, 3, QStringLiteral("old"));
    g.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      Valid = Value != QStringLiteral("bad");
    };
    QVERIFY(g.Open(2, 3));
    edit.setText(QStringLiteral("bad"));
    QTest::keyClick(&edit, Qt::Key_Down);
    QVERIFY(g.EditMode());
    QCOMPARE(edit.selectedText(), QStringLiteral("bad"));
    QCOMPARE(g.CurrentEditor(), edEditBtn);
    QTest::keyClick(&edit, Qt::Key_Escape);
    QCOMPARE(edit.text(), QStringLiteral("old"));
    QVERIFY(!g.EditMode());
    QVERIFY(g.Open(2, 3));
    edit.setText(QStringLiteral("new"));
    QTest::keyClick(&edit, Qt::Key_Down);
    QCOMPARE(g.Cell(2, 3), QStringLiteral("new"));
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(2, 4));
  }

  void edit_button_cursor_walk_enters_the_neighbour_cell() {
    Editor_Grid g(edEditBtn);
    TGridEditBtn edit(&g);
    g.editor = &edit;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.Navigation().SetCursorWalkEditor(true);
    g.Navigation().SetCursorWalkAlwaysEdit(false);
    QVERIFY(g.Open(2, 3));
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_Right);
    QVERIFY(g.EditMode());
    QTest::keyClick(&edit, Qt::Key_Right);
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(3, 3));
    QVERIFY(!edit.isVisible());
  }

  void unit_editor_filters_validates_and_escape_clears_the_unit() {
    Editor_Grid g(edNumericUnitEditBtn);
    TGridUnitEditBtn unit(&g);
    g.editor = &unit;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    unit.SetUnits({QStringLiteral("m"), QStringLiteral("km")});
    g.SetCellEx(2, 3, QStringLiteral("3km"));
    QVERIFY(g.Open(2, 3));
    unit.SetTextAndUnit(QStringLiteral("12m"));
    const int beeps = Editor_Beep_Count();
    QTest::keyClick(&unit, Qt::Key_A);
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
    QCOMPARE(unit.TextAndUnit(), QStringLiteral("12m"));
    QTest::keyClick(&unit, Qt::Key_Escape);
    QVERIFY(unit.UnitID().isEmpty());
    QCOMPARE(unit.text(), QStringLiteral("3km"));
    QVERIFY(!g.EditMode());
    QVERIFY(g.Open(2, 3));
    unit.SetTextAndUnit(QStringLiteral("7km"));
    QTest::keyClick(&unit, Qt::Key_Return);
    QCOMPARE(g.Cell(2, 3), QStringLiteral("7km"));
    QCOMPARE(unit.UnitID(), QStringLiteral("km"));
    QVERIFY(!g.EditMode());
    QString changed;
    g.OnUnitChanged = [&](TZadIrururOziz*, int, int, const QString& NewUnit) { changed = NewUnit; };
    unit.UnitMenuCommand(1);
    QCOMPARE(changed, QStringLiteral("m"));
  }

  // ---- header editors

  void header_editor_stays_open_on_a_refused_value() {
    Editor_Grid g(edNormal);
    QVERIFY(QTest::qWaitForWindowActive(&g));
    TGridTransEdit header(&g);
    header.SetCol(2);
    header.SetRow(0);
    header.setGeometry(g.CellRect(2, 0).To_QRect());
    header.show();
    header.setFocus();
    header.setText(QStringLiteral("Name"));
    int done = 0;
    g.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    g.OnCellValidate = [](TZadIrururOziz*, int ACol, int ARow, QString& Value, bool& Valid) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 0));
      Valid = !Value.isEmpty();
      Value = Value.toUpper();
    };
    header.setText(QString());
    QVERIFY(!header.StopEdit());
    QVERIFY(header.isVisible());
    QVERIFY(header.hasFocus());
    QCOMPARE(done, 0);
    header.setText(QStringLiteral("Name"));
    // Leaving it finishes the edit.
    g.setFocus();
    QVERIFY(!header.isVisible());
    QCOMPARE(g.Cell(2, 0), QStringLiteral("NAME"));
    QCOMPARE(done, 1);
  }

  void header_combo_writes_its_text() {
    Editor_Grid g(edNormal);
    QVERIFY(QTest::qWaitForWindowActive(&g));
    TGridTransCombo header(&g);
    header.SetCol(1);
    header.SetRow(0);
    header.Items().Assign({QStringLiteral("Min"), QStringLiteral("Max")});
    header.setGeometry(g.CellRect(1, 0).To_QRect());
    header.show();
    header.SetItemIndex(1);
    QVERIFY(header.StopEdit());
    QCOMPARE(g.Cell(1, 0), QStringLiteral("Max"));
    QVERIFY(!header.isVisible());
  }

  // ---- rich text

  void rich_edit_script_offsets() {
    Editor_Grid g(edRichEdit);
    TZadRichEdit rich(&g);
    rich.setPlainText(QStringLiteral("abc"));
    auto select = [&](int from) {
      QTextCursor cursor = rich.textCursor();
      cursor.setPosition(from);
      cursor.setPosition(from + 1, QTextCursor::KeepAnchor);
      rich.setTextCursor(cursor);
    };
    select(1);
    QVERIFY(rich.IsSelNormal());
    QVERIFY(!rich.IsSelSuperscript());
    rich.SelSuperscript();
    QVERIFY(rich.IsSelSuperscript());
    QVERIFY(!rich.IsSelNormal() && !rich.IsSelSubscript());
    select(2);
    rich.SelSubscript();
    QVERIFY(rich.IsSelSubscript());
    select(0);
    QVERIFY(rich.IsSelNormal());
    select(1);
    QVERIFY(rich.IsSelSuperscript());
    rich.SelNormal();
    QVERIFY(rich.IsSelNormal());
  }

  void rich_edit_grows_the_row_while_typing_within_the_grid() {
    Editor_Grid g(edRichEdit);
    TZadRichEdit rich(&g);
    g.editor = &rich;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SizeWhileTyping().SetHeight(true);
    QList<int> sized;
    g.OnEndRowSize = [&](TZadIrururOziz*, int Index) { sized << Index; };
    QVERIFY(g.Open(2, 2));
    const int start = g.RowHeights(2);
    QTest::keyClicks(&rich, QStringLiteral("one"));
    QCOMPARE(g.RowHeights(2), start);
    QTest::keyClick(&rich, Qt::Key_Return);
    QTest::keyClicks(&rich, QStringLiteral("two"));
    QTest::keyClick(&rich, Qt::Key_Return);
    QTest::keyClicks(&rich, QStringLiteral("three"));
    QCOMPARE(g.RowHeights(2), rich.ReqHeight() + 10);
    QCOMPARE(rich.height(), rich.ReqHeight() + 9);
    QVERIFY(!sized.isEmpty() && sized.first() == 2);
    for (int i = 0; i < 40; ++i) QTest::keyClick(&rich, Qt::Key_Return);
    const int top = g.CellRect(2, 2).Top;
    QVERIFY(g.RowHeights(2) < rich.ReqHeight() + 10);
    QVERIFY(top + g.RowHeights(2) - 5 < g.viewport()->height());
    // While the grid fills the editor nothing grows.
    const int kept = g.RowHeights(2);
    rich.Lock();
    rich.setPlainText(QStringLiteral("x"));
    QCOMPARE(g.RowHeights(2), kept);
  }

  void rich_edit_stays_open_when_the_focus_goes_elsewhere() {
    Editor_Grid g(edRichEdit);
    TZadRichEdit rich(&g);
    g.editor = &rich;
    QLineEdit other(&g);
    other.move(0, 200);
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&g));
    QVERIFY(g.Open(2, 2));
    other.setFocus();
    QVERIFY(rich.isVisible());
    QVERIFY(g.EditMode());
    // While a drop-down moves the focus itself even the grid leaves it open.
    rich.setFocus();
    g.SetInvokedFocusChange(true);
    g.setFocus();
    QVERIFY(g.EditMode());
    g.SetInvokedFocusChange(false);
    rich.setFocus();
    g.setFocus();
    QVERIFY(!g.EditMode());
    QVERIFY(!rich.isVisible());
  }

  void rich_edit_hands_up_down_to_a_grid_without_wrapping() {
    Editor_Grid g(edRichEdit);
    TZadRichEdit rich(&g);
    g.editor = &rich;
    QVERIFY(QTest::qWaitForWindowActive(&g));
    g.SetGridWordWrap(false);
    QVERIFY(g.Open(2, 2));
    QTest::keyClick(&rich, Qt::Key_Down);
    QVERIFY(!g.EditMode());
    QCOMPARE(g.Row(), 3);
  }

  // ---- a look at every editor over its cell (KELVRA_SHOT names the file)

  void gallery() {
    const QString shot = qEnvironmentVariable("KELVRA_SHOT");
    if (shot.isEmpty()) QSKIP("no picture asked for");
    Editor_Grid g(edNormal);
    g.resize(760, 420);
    for (int c = 0; c < 6; ++c) g.SetColWidths(c, 120);
    for (int r = 0; r < 8; ++r) g.SetRowHeights(r, 28);
    const QStringList heads{"", "Spin", "Combo", "Check / Date", "Button / Date-time", "Unit / Header"};
    for (int c = 0; c < 6; ++c) g.SetCellEx(c, 0, heads[c]);
    auto place = [&](QWidget* w, int c, int r) {
      w->setGeometry(g.CellRect(c, r).To_QRect());
      w->setEnabled(true);
      w->show();
    };
    TGridSpin spin(&g);
    spin.SetValue(42);
    place(&spin, 1, 1);
    TGridCombo* combo = g.Combobox();
    combo->SetStyle(csDropDown);
    combo->Items().Assign({QStringLiteral("Alpha"), QStringLiteral("Albert")});
    combo->SetItemIndex(0);
    place(combo, 2, 1);
    TGridCombo list_combo(&g);
    list_combo.SetStyle(csDropDownList);
    list_combo.Items().Assign({QStringLiteral("Pick me")});
    list_combo.SetItemIndex(0);
    place(&list_combo, 2, 2);
    TGridCheckBox box(&g);
    box.setText(QStringLiteral("Check"));
    box.setChecked(true);
    place(&box, 3, 1);
    TGridDatePicker date(&g);
    date.SetDate(Encode_Date(QDate(2024, 5, 17)));
    place(&date, 3, 2);
    TGridDatePicker time(&g);
    time.SetKind(dtkTime);
    time.SetTime(Encode_Time(QTime(13, 45, 10)));
    place(&time, 3, 3);
    TGridButton button(&g);
    button.setText(QStringLiteral("Done"));
    place(&button, 4, 1);
    TGridDateTimePicker date_time(&g);
    date_time.SetDateTime(Encode_Date_Time(QDate(2024, 5, 17), QTime(8, 30)));
    date_time.setGeometry(g.CellRect(4, 2).To_QRect().adjusted(0, 0, 120, 0));
    date_time.show();
    TGridEditBtn edit(&g);
    edit.setText(QStringLiteral("Hi!"));
    place(&edit, 1, 3);
    TGridUnitEditBtn unit(&g);
    unit.SetUnits({QStringLiteral("km")});
    unit.SetTextAndUnit(QStringLiteral("12km"));
    place(&unit, 5, 1);
    TGridTransEdit header(&g);
    header.setText(QStringLiteral("Header"));
    place(&header, 5, 0);
    TZadRichEdit rich(&g);
    rich.setPlainText(QStringLiteral("H2O x2"));
    QTextCursor cursor = rich.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    rich.setTextCursor(cursor);
    rich.SelSubscript();
    cursor.setPosition(5);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    rich.setTextCursor(cursor);
    rich.SelSuperscript();
    g.SetRowHeights(4, 40);
    place(&rich, 1, 4);
    QTest::qWait(300);
    QVERIFY(g.grab().save(shot));
  }
};

QTEST_MAIN(GridEditorsTest)
#include "grid_editors_test.moc"
