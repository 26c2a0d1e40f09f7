#include "dropdowns/colorpicker/zad_color_picker_drop_down.h"

#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "dropdowns/colorpicker/custom_color_selector.h"
#include "dropdowns/colorpicker/zad_color_cube_panel.h"
#include "dropdowns/colorpicker/zad_color_spectrum_panel.h"

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
  void Click(QWidget* W, QPoint At) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(At), W->mapToGlobal(QPointF(At)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(W, &e);
  }
  QWidget* List_Panel() { return picker->ItemSelector()->widget(); }
  QPoint List_Item(int Index) {
    return picker->ItemSelector()->ItemSelectorPanel()->GetItemRect(Index).To_QRect().center();
  }
  QImage Edit_Picture() { return picker->grab().toImage(); }

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

  // The text follows the style: a list entry's caption in the list style,
  // else the colour in the ColorValueText form.
  void text_is_the_caption_in_the_list_style_else_the_value() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetColorValueText(cvtWebName);
    f.picker->SetSelectedColor(clRed);
    QCOMPARE(f.picker->SelectedColorText(), QStringLiteral("Red"));
    f.picker->SetColorSelectionStyle(csDiscrete);
    QCOMPARE(f.picker->SelectedColorText(), QStringLiteral("clWebRed"));
    f.picker->SetColorValueText(cvtRGB);
    QCOMPARE(f.picker->SelectedColorText(), QStringLiteral("Red:255,Green:0,Blue:0"));
  }

  // The swatch left in the edit; nothing at all for clNone. A colour event
  // paints instead.
  void edit_paints_swatch_and_text() {
    Fixture f;
    const QPoint swatch(5 + 7, 11);
    const QColor empty = f.Edit_Picture().pixelColor(swatch);
    f.picker->SetColorValueText(cvtHex);
    f.picker->SetSelectedColor(clRed);
    QImage with_red = f.Edit_Picture();
    QCOMPARE(with_red.pixelColor(swatch), QColor(Qt::red));
    QCOMPARE(with_red.pixelColor(5, 11), QColor(Qt::black));
    f.picker->SetShowText(false);
    QImage no_text = f.Edit_Picture();
    QVERIFY(no_text != with_red);
    QCOMPARE(no_text.pixelColor(swatch), QColor(Qt::red));
    f.picker->SetSelectedColor(clNone);
    f.picker->SetShowText(true);
    QCOMPARE(f.Edit_Picture().pixelColor(swatch), empty);
    int calls = 0;
    f.picker->OnDrawSelectedColor = [&](TZadCustomDropDown*, TCanvas& Canvas, const TRect& R) {
      ++calls;
      QCOMPARE(R, (TRect{1, 1, 160 - f.picker->DropDownButtonWidth() - 2, 20}));
      Canvas.Brush.Color = clLime;
      Canvas.Fill_Rect(R);
    };
    QCOMPARE(f.Edit_Picture().pixelColor(swatch), QColor(Qt::green));
    QVERIFY(calls > 0);
  }

  // Each style shows its own control, made on first use, and sizes the
  // popup to it (panels: not sizeable); the list is as wide as its panel.
  void each_style_hosts_its_control_and_sizes_the_popup_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("popup");
    QTest::newRow("boxes") << int(csDiscrete) << QSize(167, 86);
    QTest::newRow("cube") << int(csColorCube) << QSize(184, 162);
    QTest::newRow("spectrum") << int(csSpectrum) << QSize(152, 176);
  }
  void each_style_hosts_its_control_and_sizes_the_popup() {
    QFETCH(int, style);
    QFETCH(QSize, popup);
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetColorSelectionStyle(TColorSelectionStyle(style));
    f.Open();
    QCOMPARE(f.picker->DropDownForm()->size(), popup);
    QVERIFY(!f.picker->DropDownForm()->Sizeable());
    QVERIFY(f.picker->ItemSelector()->isHidden());
    QWidget* shown = f.picker->DropDownForm()->HostedControl();
    QVERIFY(shown && !shown->isHidden());
    QCOMPARE(shown->geometry(), QRect(QPoint(1, 1), popup - QSize(2, 2)));
    f.picker->HideDropDown(false);
    // Back to the list: its own size again, and sizeable.
    f.picker->SetColorSelectionStyle(csList);
    f.Open();
    QVERIFY(shown->isHidden());
    QCOMPARE(f.picker->DropDownForm()->height(), 200);
    QVERIFY(f.picker->DropDownForm()->Sizeable());
  }

  // Switching while shown puts the new control in and sizes the popup.
  void style_switches_while_shown() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.Open();
    f.picker->SetColorSelectionStyle(csColorCube);
    QVERIFY(f.picker->DroppedDown());
    QCOMPARE(f.picker->DropDownForm()->size(), QSize(184, 162));
    QVERIFY(f.picker->ItemSelector()->isHidden());
    QVERIFY(f.picker->ColorCubePanel()->isVisible());
    f.picker->SetColorSelectionStyle(csSpectrum);
    QCOMPARE(f.picker->DropDownForm()->size(), QSize(152, 176));
    QVERIFY(f.picker->ColorCubePanel()->isHidden());
    f.picker->SetColorSelectionStyle(csList);
    QVERIFY(f.picker->ItemSelector()->isVisible());
    QVERIFY(f.picker->SpectrumPanel()->isHidden());
  }

  // A click in the list selects and closes; keys move and keep it open;
  // Esc brings back the entry of the opening.
  void list_click_closes_keys_keep_it_open_esc_restores() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetItemIndex(3);
    f.selects = 0;
    f.Open();
    f.Click(f.List_Panel(), f.List_Item(5));
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 5);
    QCOMPARE(f.picker->SelectedColor(), clPurple);
    QCOMPARE(f.selects, 1);

    f.Open();
    f.Press(Qt::Key_Down);
    f.Press(Qt::Key_Down);
    QVERIFY(f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 7);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.picker->ItemIndex(), 6);
    f.Press(Qt::Key_End);
    QCOMPARE(f.picker->ItemIndex(), 15);
    f.Press(Qt::Key_Escape);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 5);
    QCOMPARE(f.picker->SelectedColor(), clPurple);

    // Enter keeps the moved-to entry and fires OnSelect.
    f.Open();
    f.Press(Qt::Key_Home);
    f.selects = 0;
    f.Press(Qt::Key_Return);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 0);
    QCOMPARE(f.selects, 1);
  }

  // In the open list: pages by the entries in view (clamped at the ends),
  // Left and Right step, Up and Down go by rows of Columns.
  void open_list_pages_steps_and_moves_by_rows() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetColumns(4);
    f.picker->SetItemIndex(0);
    f.Open();
    const int page = f.picker->ItemSelector()->GetVisibleItemCount();
    QVERIFY(page > 0);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->ItemIndex(), 4);
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.picker->ItemIndex(), 0);
    f.Press(Qt::Key_Right);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.Press(Qt::Key_Left);
    f.Press(Qt::Key_Left);
    QCOMPARE(f.picker->ItemIndex(), 0);
    f.Press(Qt::Key_PageDown);
    QCOMPARE(f.picker->ItemIndex(), std::min(page, 15));
    f.Press(Qt::Key_PageDown);
    f.Press(Qt::Key_PageDown);
    f.Press(Qt::Key_PageDown);
    QCOMPARE(f.picker->ItemIndex(), 15);
    f.Press(Qt::Key_PageUp);
    QCOMPARE(f.picker->ItemIndex(), std::max(15 - page, 0));
    for (int i = 0; i < 4; ++i) f.Press(Qt::Key_PageUp);
    QCOMPARE(f.picker->ItemIndex(), 0);
    QVERIFY(f.picker->DroppedDown());
  }

  // A style reaches the list's entries through the picker's item
  // appearance when the list next opens.
  void component_style_reaches_the_list() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetComponentStyle(tsOffice2007Luna);
    const TColor luna = f.picker->ItemAppearance().ColorHot;
    f.picker->SetComponentStyle(tsOffice2003Classic);
    const TColor classic = f.picker->ItemAppearance().ColorHot;
    QVERIFY(luna != classic);
    f.Open();
    QCOMPARE(f.picker->ItemSelector()->ItemAppearance().ColorHot, classic);
  }

  // A colour of no entry comes back on Esc too.
  void esc_restores_a_colour_of_no_entry() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetSelectedColor(0x123456);
    f.Open();
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->SelectedColor(), clBlack);
    f.Press(Qt::Key_Escape);
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.picker->SelectedColor(), TColor(0x123456));
  }

  // With the popup closed the keys walk the named colours.
  void keys_with_the_popup_closed_walk_the_colours_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("down from none") << -1 << int(Qt::Key_Down) << 0;
    QTest::newRow("up from none") << -1 << int(Qt::Key_Up) << 0;
    QTest::newRow("down") << 4 << int(Qt::Key_Down) << 5;
    QTest::newRow("down at the end") << 15 << int(Qt::Key_Down) << 15;
    QTest::newRow("up at the start") << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("end") << 4 << int(Qt::Key_End) << 15;
    QTest::newRow("home") << 4 << int(Qt::Key_Home) << 0;
    QTest::newRow("left") << 4 << int(Qt::Key_Left) << 4;
    QTest::newRow("right") << 4 << int(Qt::Key_Right) << 4;
  }
  void keys_with_the_popup_closed_walk_the_colours() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetItemIndex(start);
    f.Press(key);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), expected);
  }

  // The search text lives 500 ms from its first key; keys do not prolong it.
  void type_ahead_searches_for_500_ms_from_the_first_key() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.Open();
    f.now = 0;
    f.Press(Qt::Key_B);
    QCOMPARE(f.picker->CurrentSearch(), QStringLiteral("B"));
    QCOMPARE(f.picker->ItemIndex(), 0);
    f.now = 400;
    f.Press(Qt::Key_L);
    QCOMPARE(f.picker->CurrentSearch(), QStringLiteral("BL"));
    f.now = 450;
    f.Press(Qt::Key_U);
    QCOMPARE(f.picker->CurrentSearch(), QStringLiteral("BLU"));
    QCOMPARE(f.picker->ItemIndex(), 12);
    QVERIFY(f.picker->DroppedDown());
    // Found beyond the view, the entry is scrolled into it.
    QVERIFY(f.picker->ItemSelector()->verticalScrollBar()->value() > 0);
    f.now = 600;
    f.Press(Qt::Key_Y);
    QCOMPARE(f.picker->CurrentSearch(), QStringLiteral("Y"));
    QCOMPARE(f.picker->ItemIndex(), 11);
    // Keys that are no character take no part.
    f.Press(Qt::Key_Shift);
    QCOMPARE(f.picker->CurrentSearch(), QStringLiteral("Y"));
    // With the popup closed as well, on a list never shown.
    Fixture g;
    g.picker->AddDefaultColors();
    g.Press(Qt::Key_T);
    QCOMPARE(g.picker->ItemIndex(), 6);
    QVERIFY(!g.picker->DroppedDown());
  }

  // The wheel moves the hot entry while open (Enter then takes it) and the
  // selection while closed.
  void wheel_moves_hot_entry_or_selection() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetItemIndex(2);
    f.picker->MouseWheelDownAction();
    QCOMPARE(f.picker->ItemIndex(), 3);
    QVERIFY(!f.picker->DroppedDown());
    f.Open();
    f.picker->MouseWheelDownAction();
    f.picker->MouseWheelDownAction();
    QCOMPARE(f.picker->ItemSelector()->ItemHot(), 1);
    QCOMPARE(f.picker->ItemIndex(), 3);
    f.Press(Qt::Key_Return);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 1);
  }

  // Boxes: a click sets the colour and closes, keys move and keep it open,
  // Esc restores the colour of the opening.
  void boxes_click_closes_keys_keep_it_open_esc_restores() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetColorSelectionStyle(csDiscrete);
    f.picker->SetSelectedColor(0x7F7F7F);
    f.Open();
    TCustomColorSelector* boxes = f.picker->ColorSelector();
    QCOMPARE(boxes->ItemIndex(), 11);
    f.selects = 0;
    f.Press(Qt::Key_Down);
    QVERIFY(f.picker->DroppedDown());
    QCOMPARE(boxes->ItemIndex(), 21);
    QCOMPARE(f.picker->SelectedColor(), TColor(0x595959));
    QCOMPARE(f.selects, 1);
    f.Press(Qt::Key_Escape);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->SelectedColor(), TColor(0x7F7F7F));
    QCOMPARE(boxes->ItemIndex(), 11);

    f.Open();
    f.Click(boxes, QPoint(5, 5));
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->SelectedColor(), clWhite);
    QCOMPARE(f.picker->ItemIndex(), -1);

    // Enter takes the hot box.
    f.Open();
    boxes->SetItemHot(1);
    f.Press(Qt::Key_Return);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->SelectedColor(), clBlack);
    // Closed, the keys step through the boxes.
    f.Press(Qt::Key_Right);
    QCOMPARE(f.picker->SelectedColor(), TColor(0xE1ECEE));
    QVERIFY(!f.picker->DroppedDown());
  }

  // The cube and the spectrum always close on a pick.
  void cube_and_spectrum_picks_close() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.picker->SetColorSelectionStyle(csColorCube);
    f.picker->SetSelectedColor(clWhite);
    f.Open();
    QCOMPARE(f.picker->ColorCubePanel()->SelectedIndex(), 64);
    f.selects = 0;
    f.Click(f.picker->ColorCubePanel(), QPoint(55, 20));
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->SelectedColor(), TColor(0x663300));
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.selects, 1);

    f.picker->SetColorSelectionStyle(csSpectrum);
    f.Open();
    QCOMPARE(f.picker->SpectrumPanel()->SelectedColor(), TColor(0x663300));
    f.Click(f.picker->SpectrumPanel()->SpectrumImage(), QPoint(0, 0));
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->SelectedColor(), clWhite);
    QCOMPARE(f.picker->ItemIndex(), -1);
  }

  // A key reaching the open popup's window goes to the picker.
  void keys_of_the_popup_window_reach_the_picker() {
    Fixture f;
    f.picker->AddDefaultColors();
    f.Open();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(f.picker->DropDownForm(), &down);
    QCOMPARE(f.picker->ItemIndex(), 0);
    QVERIFY(f.picker->DroppedDown());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(f.picker->DropDownForm(), &esc);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), -1);
  }

  void on_draw_color_draws_the_list_entries() {
    Fixture f;
    f.picker->AddDefaultColors();
    QList<int> drawn;
    f.picker->OnDrawColor = [&](TZadCustomDropDown* Sender, TCanvas&, const TRect&, int Index) {
      QCOMPARE(Sender, f.picker.get());
      drawn << Index;
    };
    f.Open();
    f.List_Panel()->grab();
    QVERIFY(drawn.contains(0));
    QVERIFY(drawn.contains(3));
  }
};

QTEST_MAIN(Color_Picker_Drop_Down_Test)
#include "zad_color_picker_drop_down_test.moc"
