// The grid's small windows on their own: the arrow outlines, the focus
// glow window, the balloon tool tip and the search panel.
#include <QLabel>
#include <QtTest>

#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"
#include "grid/draw/alpha_mask.h"
#include "grid/windows/arrow_window.h"
#include "grid/windows/balloon_window.h"
#include "grid/windows/grid_focus_window.h"
#include "grid/windows/no_active_form.h"
#include "grid/windows/search_panel.h"

class GridWindowsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void arrow_windows_are_cut_to_their_outline_data() {
    QTest::addColumn<int>("dir");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");
    QTest::addColumn<QSize>("size");
    QTest::newRow("up") << int(arrUp) << QPoint(5, 1) << QPoint(0, 0) << QSize(11, 10);
    QTest::newRow("down") << int(arrDown) << QPoint(5, 7) << QPoint(0, 8) << QSize(10, 9);
    QTest::newRow("left") << int(arrLeft) << QPoint(7, 5) << QPoint(8, 0) << QSize(9, 11);
    QTest::newRow("right") << int(arrRight) << QPoint(1, 5) << QPoint(0, 0) << QSize(9, 11);
  }
  void arrow_windows_are_cut_to_their_outline() {
    QFETCH(int, dir);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    QFETCH(QSize, size);
    QWidget owner;
    TArrowWindow arrow(&owner, TArrowDirection(dir));
    QCOMPARE(arrow.Arrow().size(), 7);
    QCOMPARE(arrow.size(), size);
    QVERIFY(arrow.mask().contains(inside));
    QVERIFY(!arrow.mask().contains(outside));
    QVERIFY(arrow.isHidden());
    QVERIFY(arrow.testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(arrow.focusPolicy(), Qt::NoFocus);
    QCOMPARE(arrow.grab().toImage().pixelColor(inside), QColor(0, 255, 0));
  }

  void focus_window_takes_the_mask_and_its_opacity() {
    QWidget owner;
    TGridFocusWindow window(&owner);
    TGridAlphaMask empty;
    window.resize(5, 5);
    window.UpdateLayered(empty);
    QCOMPARE(window.size(), QSize(5, 5));  // a mask without height changes nothing

    QImage mask(20, 12, QImage::Format_RGB888), colour(20, 12, QImage::Format_RGB888);
    mask.fill(Qt::white);
    colour.fill(Qt::red);
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, colour);
    alpha.SetOpacity(230);
    window.UpdateLayered(alpha);
    QCOMPARE(window.size(), QSize(20, 12));
    QCOMPARE(window.Picture().size(), QSize(20, 12));
    QVERIFY(qAbs(window.windowHandle()->opacity() - 230 / 255.0) < 1e-6);
    QVERIFY(window.testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(window.windowFlags() & Qt::WindowDoesNotAcceptFocus);
  }

  void balloon_asks_for_its_tip_and_goes_on_a_press() {
    QWidget tool;
    tool.resize(200, 100);
    tool.show();
    TBalloonWindow balloon(&tool, &tool);
    QCOMPARE(balloon.InitialDelay(), TBalloonWindow::Default_Initial_Delay);
    QPoint asked(-1, -1);
    balloon.OnGetTip = [&](QPoint pos, QString& title, QString& text, int& icon) {
      asked = pos;
      if (pos.x() > 150) return false;
      title = "Meter";
      text = "Primary address 5";
      icon = 7;  // out of range: no icon
      return true;
    };
    QVERIFY(!balloon.Popup(QPoint(160, 10)));
    QVERIFY(!balloon.isVisible());
    QVERIFY(balloon.Popup(QPoint(20, 10)));
    QCOMPARE(asked, QPoint(20, 10));
    QVERIFY(balloon.isVisible());
    QCOMPARE(balloon.Text(), QString("Primary address 5"));
    QTest::mousePress(&tool, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!balloon.isVisible());

    // Resting the mouse shows it after the initial delay.
    balloon.SetInitialDelay(10);
    QTest::mouseMove(&tool, QPoint(30, 20));
    QTRY_VERIFY(balloon.isVisible());
    QCOMPARE(asked, QPoint(30, 20));
  }

  void balloon_title_icon_and_alpha() {
    QWidget tool;
    TBalloonWindow balloon(&tool, &tool);
    QCOMPARE(balloon.Title(), QString("ToolTipText"));
    QCOMPARE(balloon.Icon(), 3);
    balloon.SetTitle("T", 9);
    QCOMPARE(balloon.Icon(), 0);
    balloon.SetAlpha(200);
    QVERIFY(qAbs(balloon.windowHandle()->opacity() - 200 / 255.0) < 1e-6);
  }

  void search_panel_buttons_follow_the_edit_text() {
    QWidget grid;
    TSearchPanel panel(&grid);
    int forward = 0, backward = 0, changed = 0;
    panel.OnForwardClick = [&] { ++forward; };
    panel.OnBackwardClick = [&] { ++backward; };
    panel.OnEditChange = [&] { ++changed; };
    for (TZadGridButton* b : {panel.ForwardButton(), panel.BackwardButton(), panel.HiliteButton()})
      QVERIFY(!b->isEnabled());
    QVERIFY(panel.ExitButton()->isEnabled());
    QCOMPARE(panel.ForwardButton()->geometry(), QRect(140, 5, 90, 23));
    QCOMPARE(panel.BackwardButton()->geometry(), QRect(235, 5, 90, 23));
    QCOMPARE(panel.ExitButton()->geometry(), QRect(5, 7, 14, 14));
    QCOMPARE(panel.HiliteButton()->Style(), tasCheck);
    QCOMPARE(panel.EditControl()->geometry().topLeft(), QPoint(25, 6));

    QTest::keyClicks(panel.EditControl(), "ab");
    QCOMPARE(changed, 2);
    for (TZadGridButton* b : {panel.ForwardButton(), panel.BackwardButton(), panel.HiliteButton()})
      QVERIFY(b->isEnabled());
    QTest::keyClick(panel.EditControl(), Qt::Key_Return);
    QTest::keyClick(panel.EditControl(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(forward, 1);
    QCOMPARE(backward, 1);
    QCOMPARE(panel.EditControl()->text(), QString("ab"));  // Return is not typed
    panel.EditControl()->clear();
    QVERIFY(!panel.ForwardButton()->isEnabled());
  }

  void search_panel_paints_its_gradient_and_top_line() {
    QWidget grid;
    TSearchPanel panel(&grid);
    panel.resize(600, 32);
    panel.SetColor(0xFFFFFF);
    panel.SetColorTo(0x000080);  // dark red
    panel.SetLineColor(0x00FF00);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(590, 0), QColor(0, 255, 0));
    const QColor top = image.pixelColor(590, 2), bottom = image.pixelColor(590, 30);
    QVERIFY(top.green() > bottom.green());
    QVERIFY(bottom.red() > bottom.green());
  }

  void drag_picture_window_shows_its_picture() {
    QWidget owner;
    TNoActiveForm form(&owner);
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    form.SetPicture(picture);
    form.SetAlphaBlendValue(192);
    QCOMPARE(form.size(), QSize(30, 20));
    QVERIFY(qAbs(form.windowHandle()->opacity() - 192 / 255.0) < 1e-6);
    QCOMPARE(form.grab().toImage().pixelColor(15, 10), QColor(Qt::blue));
  }
};

QTEST_MAIN(GridWindowsTest)
#include "grid_windows_test.moc"
