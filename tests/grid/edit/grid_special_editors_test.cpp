// The grid's special editors as a user meets them: a cell of each editor
// type opens its control over the cell with the cell's value (by typing,
// F2 or the spin buttons) and the value goes back into the cell in the
// cell's own form when the editor closes.
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "controls/format_settings.h"
#include "editor_grid.h"
#include "grid/columns/grid_column_collection.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_cell_button.h"
#include "grid/edit/grid_check_box.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_date_picker.h"
#include "grid/edit/grid_date_time_picker.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_unit_edit_btn.h"

namespace {

// Dates as d.m.yyyy and times as hh:nn:ss, whatever the machine's locale.
Format_Settings Test_Settings() {
  Format_Settings s;
  s.Decimal_Separator = QLatin1Char('.');
  s.Date_Separator = QLatin1Char('.');
  s.Time_Separator = QLatin1Char(':');
  s.Short_Date_Format = QStringLiteral("dd/mm/yyyy");
  s.Short_Time_Format = QStringLiteral("hh:nn:ss");
  s.Long_Time_Format = QStringLiteral("hh:nn:ss");
  return s;
}

}  // namespace

class GridSpecialEditorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { Set_Process_Format_Settings(Test_Settings()); }

  // ---- opening and closing unchanged keeps the cell, for every type that
  // writes back a text

  void open_and_close_keeps_the_cell_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("spin") << int(edSpinEdit) << "42";
    QTest::newRow("float spin") << int(edFloatSpinEdit) << "1.50";
    QTest::newRow("time spin") << int(edTimeSpinEdit) << "10:11:12";
    QTest::newRow("date spin") << int(edDateSpinEdit) << "03.04.2021";
    QTest::newRow("combo edit") << int(edComboEdit) << "free text";
    QTest::newRow("edit button") << int(edEditBtn) << "abc";
    QTest::newRow("numeric edit button") << int(edNumericEditBtn) << "123";
    QTest::newRow("unit edit") << int(edUnitEditBtn) << "12mm";
    QTest::newRow("date") << int(edDateEdit) << "01.02.2020";
    QTest::newRow("time") << int(edTimeEdit) << "10:11:12";
    QTest::newRow("date and time") << int(edDateTimeEdit) << "01.02.2020 10:11:12";
    QTest::newRow("check box") << int(edCheckBox) << "caption";
    QTest::newRow("button") << int(edButton) << "press";
  }
  void open_and_close_keeps_the_cell() {
    QFETCH(int, type);
    QFETCH(QString, text);
    Editor_Grid g{TEditorType(type)};
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    if (type == edUnitEditBtn) g.grid.BtnUnitEdit()->SetUnits({QStringLiteral("mm"), QStringLiteral("cm")});
    g.grid.Store().Set_Text(2, 1, text);
    int done = 0;
    g.grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    g.Open(2, 1);
    QVERIFY(g.grid.EditMode());
    QVERIFY(!g.grid.EditorMode());
    Settle();
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), text);
    QCOMPARE(done, 1);
    QVERIFY(!g.grid.EditMode());
    // A second write-back of the same edit notifies nothing more.
    g.grid.HideCellEdit();
    QCOMPARE(done, 1);
  }

  // ---- spin

  void typed_character_reaches_the_spin() {
    Editor_Grid g(edSpinEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.FocusCell(2, 1);
    g.grid.setFocus();
    QTest::keyClick(&g.grid, Qt::Key_7, Qt::NoModifier);
    Settle();
    TGridSpin* spin = g.grid.SpinEdit();
    QVERIFY(spin->isVisible());
    QVERIFY(spin->hasFocus());
    QCOMPARE(spin->text(), QStringLiteral("7"));
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(g.Cell(2, 1), QStringLiteral("7"));
  }

  void spin_opened_by_its_up_button_steps_once() {
    Editor_Grid g(edSpinEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.ControlLook().SetSpinButtonsAlwaysVisible(true);
    g.grid.OnHasSpinEdit = [](TZadIrururOziz*, int ACol, int, bool& Value) { Value = ACol == 2; };
    g.grid.MouseActions().SetDirectEdit(true);
    g.grid.Store().Set_Text(2, 1, QStringLiteral("5"));
    const QRect cell = g.grid.CellRect(2, 1).To_QRect();
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.top() + 3));
    Settle();
    QVERIFY(g.grid.EditMode());
    QCOMPARE(g.grid.SpinEdit()->Value(), 6);
  }

  void spin_allowing_empty_writes_an_empty_cell() {
    Editor_Grid g(edSpinEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("9"));
    g.grid.SpinEdit()->SetAllowEmptyValue(true);
    g.Open(2, 1);
    g.grid.SpinEdit()->setText(QStringLiteral("  "));
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), QString());
  }

  // ---- combo

  void combo_list_preselects_the_first_item() {
    Editor_Grid g(edComboList);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("z"));
    g.grid.OnGetEditorProp = [](TZadIrururOziz* Sender, int, int, TEditLink*) {
      Sender->ClearComboString();
      Sender->AddComboString(QStringLiteral("a"));
      Sender->AddComboString(QStringLiteral("b"));
    };
    QList<std::pair<int, QString>> changes;
    g.grid.OnComboChange = [&](TZadIrururOziz*, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 1));
      changes << std::make_pair(AItemIndex, ASelection);
    };
    g.Open(2, 1);
    TGridCombo* combo = g.grid.Combobox();
    QCOMPARE(combo->ItemIndex(), 0);
    QCOMPARE(changes, (QList<std::pair<int, QString>>{{0, QStringLiteral("a")}}));
    Settle();
    QTest::keyClick(combo, Qt::Key_Escape);
    Settle();
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.Cell(2, 1), QStringLiteral("z"));
  }

  void combo_list_finds_the_cell_text() {
    Editor_Grid g(edComboList);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.AddComboString(QStringLiteral("a"));
    g.grid.AddComboString(QStringLiteral("b"));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("b"));
    int changes = 0;
    g.grid.OnComboChange = [&](TZadIrururOziz*, int, int, int, const QString&) { ++changes; };
    g.Open(2, 1);
    QCOMPARE(g.grid.Combobox()->ItemIndex(), 1);
    QCOMPARE(changes, 0);
  }

  // ---- date pickers

  void date_outside_the_limits_opens_at_the_limit_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("above the maximum") << "01.05.2001" << QDate(2000, 12, 31);
    QTest::newRow("at the maximum") << "31.12.2000" << QDate(2000, 12, 31);
    QTest::newRow("at the minimum") << "01.01.2000" << QDate(2000, 1, 1);
    QTest::newRow("below the minimum") << "01.05.1999" << QDate(2000, 1, 1);
    QTest::newRow("inside") << "15.06.2000" << QDate(2000, 6, 15);
  }
  void date_outside_the_limits_opens_at_the_limit() {
    QFETCH(QString, cell);
    QFETCH(QDate, shown);
    Editor_Grid g(edDateEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    TGridDatePicker* picker = g.grid.DateTimePicker();
    picker->SetMinDate(Encode_Date(QDate(2000, 1, 1)));
    picker->SetMaxDate(Encode_Date(QDate(2000, 12, 31)));
    g.grid.Store().Set_Text(2, 1, cell);
    g.Open(2, 1);
    QCOMPARE(Date_Of(picker->Date()), shown);
  }

  void unchecked_date_picker_empties_the_cell() {
    Editor_Grid g(edDateEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("01.02.2020"));
    g.grid.DateTimePicker()->SetShowCheckbox(true);
    g.Open(2, 1);
    g.grid.DateTimePicker()->SetChecked(false);
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), QString());
  }

  void changed_date_and_time_is_written() {
    Editor_Grid g(edDateTimeEdit);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("01.02.2020 10:11:12"));
    g.Open(2, 1);
    g.grid.DateAndTimePicker()->SetDateTime(Encode_Date_Time(QDate(2021, 3, 4), QTime(5, 6, 7)));
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), QStringLiteral("04.03.2021 05:06:07"));
  }

  // ---- button, unit, check box

  void button_covers_the_grid_lines() {
    Editor_Grid g(edButton);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.Open(2, 1);
    const QRect cell = g.grid.CellRect(2, 1).To_QRect();
    QCOMPARE(g.grid.Btn()->geometry(), cell.adjusted(-1, -1, 0, 0));
    QCOMPARE(g.grid.EditCtrl(), static_cast<QWidget*>(g.grid.Btn()));
  }

  void unit_edit_joins_value_and_unit() {
    Editor_Grid g(edUnitEditBtn);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    TGridUnitEditBtn* edit = g.grid.BtnUnitEdit();
    edit->SetUnits({QStringLiteral("mm"), QStringLiteral("cm")});
    g.grid.Store().Set_Text(2, 1, QStringLiteral("3cm"));
    g.Open(2, 1);
    QCOMPARE(edit->text(), QStringLiteral("3"));
    QCOMPARE(edit->UnitID(), QStringLiteral("cm"));
    edit->setText(QStringLiteral("12"));
    edit->SetUnitID(QStringLiteral("mm"));
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), QStringLiteral("12mm"));
  }

  void check_box_keeps_the_text() {
    Editor_Grid g(edCheckBox);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("label"));
    g.Open(2, 1);
    TGridCheckBox* check = g.grid.EditCheck();
    QCOMPARE(check->text(), QStringLiteral("label"));
    QVERIFY(!check->isChecked());
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(check->isChecked());
    g.grid.HideInplaceEdit();
    QCOMPARE(g.Cell(2, 1), QStringLiteral("label"));
    QVERIFY(!check->isVisible());
  }

  // ---- the column grid's settings reach the editors

  void column_items_configure_combo_and_spin() {
    TZadColumnGrid grid;
    grid.SetRowCount(4);
    grid.SetColCount(3);
    grid.SetOptions(grid.Options() | goEditing);
    grid.resize(400, 200);
    TGridColumnItem* combo_column = grid.Columns()[1];
    combo_column->SetEditor(edComboList);
    combo_column->SetComboItems({QStringLiteral("x"), QStringLiteral("y")});
    combo_column->SetDropDownCount(3);
    TGridColumnItem* spin_column = grid.Columns()[2];
    spin_column->SetEditor(edSpinEdit);
    spin_column->SetSpinMin(10);
    spin_column->SetSpinMax(20);
    spin_column->SetSpinStep(5);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.Store().Set_Text(1, 1, QStringLiteral("y"));
    grid.FocusCell(1, 1);
    grid.ShowInplaceEdit();
    QCOMPARE(grid.Combobox()->Items().Count(), 2);
    QCOMPARE(grid.Combobox()->ItemIndex(), 1);
    QCOMPARE(grid.ControlLook().DropDownCount(), 3);
    grid.HideInplaceEdit();
    grid.FocusCell(2, 1);
    grid.ShowInplaceEdit();
    QCOMPARE(grid.SpinEdit()->MinValue(), 10);
    QCOMPARE(grid.SpinEdit()->MaxValue(), 20);
    QCOMPARE(grid.SpinEdit()->Increment(), 5);
  }
};

QTEST_MAIN(GridSpecialEditorsTest)
#include "grid_special_editors_test.moc"
