#include "dropdowns/colorpicker/zad_color_picker_drop_down.h"

#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"

namespace {

struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 400, 300);
    picker.reset(Create_Drop_Down<TZadColorPickerDropDown>(&window));
    picker->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    picker->SearchClock = [this] { return now; };
    picker->OnSelect = [this](TZadCustomDropDown*) { ++selects; };
    picker->setGeometry(20, 20, 160, 22);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  void Press(int Key, Qt::KeyboardModifiers Shift = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, Key, Shift);
    QCoreApplication::sendEvent(picker.get(), &e);
  }
  void Open() {
    picker->ShowDropDown();
    QVERIFY(picker->DroppedDown());
  }

  QWidget window;
  std::unique_ptr<TZadColorPickerDropDown> picker;
  uint32_t now = 0;
  int selects = 0;
};

}  // namespace

class Color_Picker_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void a_new_one_has_no_colour_and_takes_no_typing() {
    Fixture f;
    QCOMPARE(f.picker->SelectedColor(), clNone);
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.picker->Colors().Count(), 0);
    QVERIFY(!f.picker->EditorEnabled());
    QVERIFY(f.picker->DropDownEnabled());
    QCOMPARE(f.picker->DropDownHeight(), 200);
    QCOMPARE(f.picker->ColorSelectionStyle(), csList);
    QVERIFY(f.picker->ItemSelector());
    QVERIFY(!f.picker->ColorCubePanel());
  }

  // The grid's colour cells: a colour of the list selects its entry and
  // names it; any other colour leaves no entry, so the text is the colour's.
  void selected_color_selects_the_named_entry_or_none() {
    Fixture f;
    f.picker->AddDefaultColors();
    QCOMPARE(f.picker->Colors().Count(), 16);
    f.picker->SetSelectedColor(0x008000);
    QCOMPARE(f.picker->ItemIndex(), 2);
    QCOMPARE(f.picker->SelectedColorText(), QStringLiteral("Green"));
    QCOMPARE(f.selects, 1);
    f.picker->SetSelectedColor(0x008000);
    QCOMPARE(f.selects, 1);
    f.picker->SetColorValueText(cvtHex);
    f.picker->SetSelectedColor(0xABCDEF);
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.picker->SelectedColor(), TColor(0xABCDEF));
    QCOMPARE(f.picker->SelectedColorText(), QStringLiteral("ABCDEF"));
    QCOMPARE(f.selects, 2);
  }

  void item_index_ignores_an_index_past_the_list() {
    Fixture f;
    f.picker->SetItemIndex(0);
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.selects, 0);
    // The colour's write and then -1 each fire OnSelect; -1 keeps the colour.
    f.picker->SetSelectedColor(clRed);
    QCOMPARE(f.selects, 1);
    f.picker->SetItemIndex(-1);
    QCOMPARE(f.picker->SelectedColor(), clRed);
    QCOMPARE(f.selects, 2);
    f.picker->AddDefaultColors();
    f.picker->SetItemIndex(15);
    QCOMPARE(f.picker->SelectedColor(), clWhite);
    f.picker->SetItemIndex(16);
    QCOMPARE(f.picker->ItemIndex(), 15);
  }
};

QTEST_MAIN(Color_Picker_Drop_Down_Test)
#include "zad_color_picker_drop_down_test.moc"
