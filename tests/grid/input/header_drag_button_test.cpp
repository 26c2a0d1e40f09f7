// The floating drag pictures: the column header being moved, painted with
// the grid's fixed-cell look and its caption on one line or as HTML, and its
// refusal to take the activation.
#include "grid/input/header_drag_button.h"

#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

bool Has_Red(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
    }
  return false;
}

}  // namespace

class HeaderDragButtonTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void background_is_the_grids_first_fixed_cell() {
    TZadIrururOziz grid;
    grid.SetFixedColor(0x40C040);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    THeaderDragButton* button = grid.MoveButton();
    QVERIFY(button->isHidden());
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->Grid(), &grid);
    const TRect cell = grid.CellRect(0, 0);
    button->resize(cell.Width() + 2, cell.Height() + 2);
    const QImage painted = button->grab().toImage();
    const QImage shown = grid.viewport()->grab().toImage();
    const QPoint middle(cell.Width() / 2, cell.Height() / 2);
    // The fixed cells' gradient may round a shade apart at the middle.
    const QColor a = painted.pixelColor(middle + QPoint(1, 1)),
                 b = shown.pixelColor(QPoint(cell.Left, cell.Top) + middle);
    QVERIFY2(
        std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 && std::abs(a.blue() - b.blue()) <= 2,
        qPrintable(a.name() + " " + b.name()));
    // Without a grid: the button face.
    THeaderDragButton bare;
    bare.resize(60, 20);
    QCOMPARE(bare.grab().toImage().pixelColor(30, 10), To_QColor(clBtnFace, bare.palette()));
  }

  void caption_with_a_closing_tag_is_html() {
    THeaderDragButton button;
    button.resize(120, 24);
    button.SetCaption(QStringLiteral("<font color=\"#FF0000\">WWW</font>"));
    QVERIFY(Has_Red(button.grab().toImage()));
    // Without "</" the text is shown as it stands, in the font colour.
    button.SetCaption(QStringLiteral("<font color=\"#FF0000\">WWW"));
    QVERIFY(!Has_Red(button.grab().toImage()));
    if (qEnvironmentVariableIsSet("GRID_DRAG_SHOT")) {
      TZadIrururOziz grid;
      THeaderDragButton* shot = grid.MoveButton();
      shot->resize(90, 24);
      shot->SetCaption(QStringLiteral("A caption far too long for the button"));
      shot->grab().save(qEnvironmentVariable("GRID_DRAG_SHOT") + "_plain.png");
      shot->SetCaption(QStringLiteral("<b>Bold</b> <font color=\"#FF0000\">red</font>"));
      shot->grab().save(qEnvironmentVariable("GRID_DRAG_SHOT") + "_html.png");
    }
  }

  void the_popup_leaves_the_activation_alone() {
    THeaderDragButton button;
    button.setGeometry(10, 10, 80, 20);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    // The offscreen platform activates whatever shows; what the window
    // system is asked for is checked instead.
    QVERIFY(button.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(button.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(button.windowFlags() & Qt::WindowTransparentForInput);
    QVERIFY(button.windowFlags() & Qt::WindowStaysOnTopHint);
  }
};

QTEST_MAIN(HeaderDragButtonTest)
#include "header_drag_button_test.moc"
