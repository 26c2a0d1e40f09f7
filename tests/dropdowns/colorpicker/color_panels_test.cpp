// The colour picker's popup panels on their own: the cube, the spectrum and
// the colour boxes, with their mouse, keys and painting.
#include <QtTest>
#include <memory>

#include "dropdowns/colorpicker/custom_color_selector.h"
#include "dropdowns/colorpicker/zad_color_cube_panel.h"
#include "dropdowns/colorpicker/zad_color_spectrum_panel.h"

namespace {

void Move(QWidget* W, QPoint At) {
  QMouseEvent e(QEvent::MouseMove, QPointF(At), W->mapToGlobal(QPointF(At)), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
  QCoreApplication::sendEvent(W, &e);
}

// Sent as it stands: QTest takes the point (0, 0) for the widget's centre.
void Press(QWidget* W, QPoint At) {
  QMouseEvent e(QEvent::MouseButtonPress, QPointF(At), W->mapToGlobal(QPointF(At)), Qt::LeftButton, Qt::LeftButton,
                Qt::NoModifier);
  QCoreApplication::sendEvent(W, &e);
}

QColor Pixel(QWidget* W, QPoint At) { return W->grab().toImage().pixelColor(At); }

template <class T>
struct Panel {
  Panel() : panel(new T(&window)) {
    panel->SetColor(clWhite);
    window.resize(300, 300);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    if constexpr (requires { panel->OnSelect; })
      panel->OnSelect = [this](QWidget*) { ++selects; };
    else
      panel->OnItemSelect = [this](QWidget*) { ++selects; };
  }
  QWidget window;
  T* panel;
  int selects = 0;
};

}  // namespace

class Color_Panels_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cube_press_selects_the_cell_within_six_pixels() {
    Panel<TZadColorCubePanel> f;
    f.panel->ResetPanel();
    QCOMPARE(f.panel->size(), QSize(182, 160));
    Press(f.panel, QPoint(91, 87));
    QCOMPARE(f.selects, 0);
    QCOMPARE(f.panel->SelectedIndex(), -1);
    Press(f.panel, QPoint(97, 80));
    QCOMPARE(f.selects, 1);
    QCOMPARE(f.panel->SelectedIndex(), 64);
    QCOMPARE(f.panel->SelectedColor(), clWhite);
    Press(f.panel, QPoint(55, 20));
    QCOMPARE(f.panel->SelectedIndex(), 1);
    QCOMPARE(f.panel->SelectedColor(), TColor(0x663300));
  }

  // The hint names the hot cell's red, green and blue; off the cells it is
  // cleared while the hot cell keeps its frame, also after the mouse left.
  void cube_hover_hints_and_keeps_the_hot_cell() {
    Panel<TZadColorCubePanel> f;
    f.panel->ResetPanel();
    Move(f.panel, QPoint(55, 20));
    QCOMPARE(f.panel->HotIndex(), 1);
    QCOMPARE(f.panel->toolTip(), QStringLiteral("Red: 0,  Green: 51,  Blue: 102"));
    Move(f.panel, QPoint(91, 87));
    QCOMPARE(f.panel->toolTip(), QString());
    QCOMPARE(f.panel->HotIndex(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.panel, &leave);
    QCOMPARE(f.panel->HotIndex(), 1);
    Move(f.panel, QPoint(91, 80));
    QCOMPARE(f.panel->HotIndex(), 64);
    QCOMPARE(f.panel->toolTip(), QStringLiteral("Red: 255,  Green: 255,  Blue: 255"));

    f.panel->SetShowRGBHint(false);
    QVERIFY(!f.panel->ShowHint());
    Move(f.panel, QPoint(55, 20));
    QCOMPARE(f.panel->HotIndex(), 1);
    QCOMPARE(f.panel->toolTip(), QStringLiteral("Red: 255,  Green: 255,  Blue: 255"));
  }

  // The white cell 64: its left edge at x 86 shows the cell's white, the
  // hot frame's red or the selected frame's black (selected wins).
  void cube_paints_hot_and_selected_frames() {
    Panel<TZadColorCubePanel> f;
    f.panel->ResetPanel();
    const QPoint edge(86, 80);
    QCOMPARE(Pixel(f.panel, edge), QColor(Qt::white));
    QCOMPARE(Pixel(f.panel, QPoint(91, 80)), QColor(Qt::white));
    Move(f.panel, QPoint(91, 80));
    QCOMPARE(Pixel(f.panel, edge), QColor(Qt::red));
    f.panel->SetSelectedColor(clWhite);
    QCOMPARE(f.panel->SelectedIndex(), 64);
    QCOMPARE(Pixel(f.panel, edge), QColor(Qt::black));
    // A colour of no cell is kept but frames none.
    f.panel->SetSelectedColor(0x123456);
    QCOMPARE(f.panel->SelectedIndex(), -1);
    QCOMPARE(f.panel->SelectedColor(), TColor(0x123456));
    QCOMPARE(Pixel(f.panel, edge), QColor(Qt::red));
    // Cell 1's own colour fills its centre.
    QCOMPARE(Pixel(f.panel, QPoint(55, 20)), To_QColor(0x663300));
  }

  void spectrum_lays_out_picture_and_swatches() {
    Panel<TZadColorSpectrumPanel> f;
    f.panel->LayoutPanel();
    QCOMPARE(f.panel->size(), QSize(150, 174));
    QCOMPARE(f.panel->SpectrumImage()->geometry(), QRect(11, 10, 128, 128));
    QCOMPARE(f.panel->SelectedRect(), (TRect{10, 146, 73, 166}));
    QCOMPARE(f.panel->HotRect(), (TRect{77, 146, 140, 166}));
    QCOMPARE(f.panel->HotColor(), clNone);
    QCOMPARE(f.panel->SelectedColor(), clWhite);
    // White and grey frames around the picture.
    QCOMPARE(Pixel(f.panel, QPoint(10, 50)), QColor(Qt::white));
    QCOMPARE(Pixel(f.panel, QPoint(9, 50)), QColor(128, 128, 128));
  }

  // A press takes the colour under it, with or without a move before it.
  void spectrum_press_picks_the_colour_under_it() {
    Panel<TZadColorSpectrumPanel> f;
    f.panel->LayoutPanel();
    f.panel->SetSelectedColor(clBlack);
    QWidget* picture = f.panel->SpectrumImage();
    Press(picture, QPoint(0, 0));
    QCOMPARE(f.selects, 1);
    QCOMPARE(f.panel->SelectedColor(), clWhite);
    Move(picture, QPoint(0, 63));
    QCOMPARE(f.panel->HotColor(), clRed);
    QCOMPARE(f.panel->SelectedColor(), clWhite);
    QCOMPARE(Pixel(f.panel, QPoint(100, 156)), QColor(Qt::red));
    Press(picture, QPoint(0, 127));
    QCOMPARE(f.panel->SelectedColor(), clBlack);
    QCOMPARE(Pixel(f.panel, QPoint(40, 156)), QColor(Qt::black));
    QCOMPARE(f.selects, 2);
    QCOMPARE(picture->cursor().hotSpot(), QPoint(1, 30));
  }

  void boxes_select_by_colour_keep_an_unknown_one() {
    Panel<TCustomColorSelector> f;
    f.panel->AddDefaultColorBoxes();
    f.panel->UpdateBoxLayout();
    QCOMPARE(f.panel->size(), QSize(165, 84));
    f.panel->SetSelectedColor(0x7F7F7F);
    QCOMPARE(f.panel->ItemIndex(), 11);
    QCOMPARE(f.selects, 1);
    f.panel->SetSelectedColor(0x123456);
    QCOMPARE(f.panel->ItemIndex(), -1);
    QCOMPARE(f.panel->SelectedColor(), TColor(0x123456));
    QCOMPARE(f.selects, 1);
    // An index past the boxes is no box.
    f.panel->SetItemIndex(60);
    QCOMPARE(f.panel->ItemIndex(), -1);
    f.panel->SetItemIndex(0);
    f.panel->SetItemIndex(0);
    QCOMPARE(f.selects, 3);
  }

  void boxes_keys_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("expected");
    QTest::newRow("up from none, down") << -1 << int(Qt::Key_Up) << false << true << 0;
    QTest::newRow("up in first row, down") << 3 << int(Qt::Key_Up) << false << true << 3;
    QTest::newRow("up a row, down") << 23 << int(Qt::Key_Up) << false << true << 13;
    QTest::newRow("down a row, down") << 3 << int(Qt::Key_Down) << false << true << 13;
    QTest::newRow("down in last row, down") << 55 << int(Qt::Key_Down) << false << true << 55;
    QTest::newRow("down from none, down") << -1 << int(Qt::Key_Down) << false << true << 0;
    QTest::newRow("up, closed") << 23 << int(Qt::Key_Up) << false << false << 22;
    QTest::newRow("up from none, closed") << -1 << int(Qt::Key_Up) << false << false << -1;
    QTest::newRow("down, closed") << 23 << int(Qt::Key_Down) << false << false << 24;
    QTest::newRow("left, editor on, closed") << 5 << int(Qt::Key_Left) << true << false << 5;
    QTest::newRow("left, editor on, down") << 5 << int(Qt::Key_Left) << true << true << 4;
    QTest::newRow("right, editor off") << -1 << int(Qt::Key_Right) << false << false << 0;
    QTest::newRow("right at the end") << 59 << int(Qt::Key_Right) << false << true << 59;
    QTest::newRow("page down") << 5 << int(Qt::Key_PageDown) << false << false << 59;
    QTest::newRow("end") << 5 << int(Qt::Key_End) << false << true << 59;
    QTest::newRow("page up") << 30 << int(Qt::Key_PageUp) << false << false << 0;
    QTest::newRow("home") << 30 << int(Qt::Key_Home) << false << true << 0;
    QTest::newRow("other key") << 30 << int(Qt::Key_A) << false << true << 30;
  }
  void boxes_keys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(bool, editor);
    QFETCH(bool, down);
    QFETCH(int, expected);
    Panel<TCustomColorSelector> f;
    f.panel->AddDefaultColorBoxes();
    f.panel->UpdateBoxLayout();
    f.panel->SetItemIndex(start);
    f.panel->HandleKey(key, editor, down);
    QCOMPARE(f.panel->ItemIndex(), expected);
  }

  // A disabled box is neither hot nor clickable; the mouse leaving clears
  // the hot box.
  void boxes_mouse_hot_and_click() {
    Panel<TCustomColorSelector> f;
    f.panel->AddDefaultColorBoxes();
    f.panel->UpdateBoxLayout();
    Move(f.panel, QPoint(21, 5));
    QCOMPARE(f.panel->ItemHot(), 1);
    Move(f.panel, QPoint(17, 5));
    QCOMPARE(f.panel->ItemHot(), -1);
    f.panel->Items().GetItem(2)->Enabled = false;
    Move(f.panel, QPoint(37, 5));
    QCOMPARE(f.panel->ItemHot(), -1);
    Press(f.panel, QPoint(37, 5));
    QCOMPARE(f.panel->ItemIndex(), -1);
    QCOMPARE(f.selects, 0);
    f.panel->SetItemHot(2);
    QCOMPARE(f.panel->ItemHot(), -1);
    Press(f.panel, QPoint(53, 21));
    QCOMPARE(f.panel->ItemIndex(), 13);
    QCOMPARE(f.panel->SelectedColor(), TColor(0xDACEC2));
    QCOMPARE(f.selects, 1);
    Move(f.panel, QPoint(53, 21));
    QCOMPARE(f.panel->ItemHot(), 13);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.panel, &leave);
    QCOMPARE(f.panel->ItemHot(), -1);
  }

  // Box 0's corner: grey border normally, the hot frame's orange when hot,
  // red when selected (also when hot too); a middle box has no top border.
  void boxes_paint_borders_and_frames() {
    Panel<TCustomColorSelector> f;
    f.panel->AddDefaultColorBoxes();
    f.panel->UpdateBoxLayout();
    QCOMPARE(Pixel(f.panel, QPoint(4, 4)), To_QColor(0xC5C5C5));
    QCOMPARE(Pixel(f.panel, QPoint(24, 8)), To_QColor(0x000000));
    QCOMPARE(Pixel(f.panel, QPoint(24, 32)), To_QColor(0x595959));
    QCOMPARE(Pixel(f.panel, QPoint(20, 34)), To_QColor(0xC5C5C5));
    f.panel->SetItemHot(0);
    QCOMPARE(Pixel(f.panel, QPoint(4, 4)), To_QColor(0x3694F2));
    QCOMPARE(Pixel(f.panel, QPoint(5, 5)), To_QColor(0x94E2FF));
    f.panel->SetItemIndex(0);
    QCOMPARE(Pixel(f.panel, QPoint(4, 4)), To_QColor(0x0000FF));
    f.panel->SetItemIndex(1);
    QCOMPARE(Pixel(f.panel, QPoint(4, 4)), To_QColor(0x3694F2));
  }

  void boxes_without_items_are_100_by_50_and_inert() {
    Panel<TCustomColorSelector> f;
    f.panel->UpdateBoxLayout();
    QCOMPARE(f.panel->size(), QSize(100, 50));
    f.panel->HandleKey(Qt::Key_Down, false, true);
    f.panel->HandleKey(Qt::Key_End, false, true);
    f.panel->SelectNext();
    f.panel->HotNext();
    Press(f.panel, QPoint(5, 5));
    QCOMPARE(f.panel->ItemIndex(), -1);
    QCOMPARE(f.panel->ItemHot(), -1);
  }
};

QTEST_MAIN(Color_Panels_Test)
#include "color_panels_test.moc"
