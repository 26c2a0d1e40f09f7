#include "dropdowns/base/zad_drop_down_bar.h"

#include <QtTest>

#include "dropdowns/base/zad_button.h"
#include "dropdowns/base/zad_custom_drop_down.h"

class Zad_Drop_Down_Bar_Test : public QObject {
  Q_OBJECT

  static void Add_Buttons(TZadCustomDropDown& drop_down) {
    for (int w : {20, 30, 40}) drop_down.DropDownHeader().Buttons().Add()->SetWidth(w);
  }

 private Q_SLOTS:
  void buttons_run_from_the_right() {
    TZadCustomDropDown drop_down;
    Add_Buttons(drop_down);
    drop_down.DropDownHeader().Buttons().GetItem(2)->SetHeight(40);
    TZadHeader header;
    header.resize(200, 22);
    header.SetZadDropDown(&drop_down);
    header.InitializeButtons();
    QCOMPARE(header.GetButtonsRect(), (TRect{2, 2, 198, 19}));
    const TDbgList<TZadButton>& list = header.ButtonList();
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.GetItemsEx(0)->x(), 178);
    QCOMPARE(list.GetItemsEx(1)->x(), 148);
    QCOMPARE(list.GetItemsEx(2)->x(), 108);
    QCOMPARE(list.GetItemsEx(2)->height(), 17);  // cut to the button area
    QCOMPARE(list.GetItemsEx(2)->y(), 2);
    QCOMPARE(header.GetCaptionRect().Right, 106);
    // Building again replaces the buttons.
    header.InitializeButtons();
    QCOMPARE(header.findChildren<TZadButton*>().size(), 3);
  }

  void buttons_run_from_the_left() {
    TZadCustomDropDown drop_down;
    Add_Buttons(drop_down);
    drop_down.DropDownHeader().ButtonAlignment = baLeft;
    TZadHeader header;
    header.resize(200, 22);
    header.SetZadDropDown(&drop_down);
    header.InitializeButtons();
    const TDbgList<TZadButton>& list = header.ButtonList();
    QCOMPARE(list.GetItemsEx(0)->x(), 2);
    QCOMPARE(list.GetItemsEx(1)->x(), 22);
    QCOMPARE(list.GetItemsEx(2)->x(), 52);
    QCOMPARE(header.GetCaptionRect().Left, 94);
    // Without buttons there is no caption rectangle.
    drop_down.DropDownHeader().Buttons().Clear();
    header.InitializeButtons();
    QCOMPARE(header.GetCaptionRect(), (TRect{-1, -1, -1, -1}));
  }

  void footer_grip_only_on_a_sizeable_drop_down() {
    TZadCustomDropDown drop_down;
    drop_down.SetDropDownSizeable(false);
    TZadFooter footer;
    footer.resize(200, 22);
    footer.SetZadDropDown(&drop_down);
    QVERIFY(!footer.HasSizeGrip());
    QCOMPARE(footer.GetButtonsRect(), (TRect{2, 2, 198, 20}));
    drop_down.SetDropDownSizeable(true);
    QVERIFY(footer.HasSizeGrip());
    QCOMPARE(footer.GetButtonsRect().Right, 186);
    footer.Appearance().SizeGrip = false;
    QVERIFY(!footer.HasSizeGrip());
  }

  void grip_press_starts_resizing_the_popup() {
    TZadCustomDropDown drop_down;
    QWidget popup;
    popup.resize(200, 100);
    auto* footer = new TZadFooter(&popup);
    footer->setGeometry(0, 78, 200, 22);
    footer->SetZadDropDown(&drop_down);
    int resizes = 0;
    footer->StartPopupResize = [&] {
      ++resizes;
      return true;
    };
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    // 5 pixels in from the bottom-right corner: in the grip.
    QTest::mouseMove(footer, QPoint(195, 17));
    QCOMPARE(footer->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mousePress(footer, Qt::LeftButton, {}, QPoint(195, 17));
    QCOMPARE(resizes, 1);
    QTest::mouseRelease(footer, Qt::LeftButton, {}, QPoint(195, 17));
    QCOMPARE(footer->cursor().shape(), Qt::ArrowCursor);
    // Outside the zone, or with the right button: no resizing.
    QTest::mouseMove(footer, QPoint(180, 17));
    QCOMPARE(footer->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(footer, Qt::LeftButton, {}, QPoint(180, 17));
    QTest::mouseClick(footer, Qt::RightButton, {}, QPoint(195, 17));
    QCOMPARE(resizes, 1);
    // Not sizeable: no grip, no resizing.
    drop_down.SetDropDownSizeable(false);
    QTest::mouseClick(footer, Qt::LeftButton, {}, QPoint(195, 17));
    QCOMPARE(resizes, 1);
  }

  void clicks_reach_the_drop_down() {
    TZadCustomDropDown drop_down;
    drop_down.Initialize();
    Add_Buttons(drop_down);
    TFooterButton* cancel = drop_down.DropDownFooter().Buttons().Add();
    cancel->ModalResult = 2;
    cancel->SetWidth(50);
    drop_down.DropDownFooter().Buttons().Add()->SetWidth(50);
    std::vector<int> header_clicks, footer_clicks;
    drop_down.OnDropDownHeaderButtonClick = [&](TZadCustomDropDown* sender, int index) {
      QCOMPARE(sender, &drop_down);
      header_clicks.push_back(index);
    };
    drop_down.OnDropDownFooterButtonClick = [&](TZadCustomDropDown*, int index) { footer_clicks.push_back(index); };
    QWidget popup;
    popup.resize(200, 100);
    auto* header = new TZadHeader(&popup);
    auto* footer = new TZadFooter(&popup);
    header->setGeometry(0, 0, 200, 22);
    footer->setGeometry(0, 78, 200, 22);
    header->SetZadDropDown(&drop_down);
    footer->SetZadDropDown(&drop_down);
    header->InitializeButtons();
    footer->InitializeButtons();
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QTest::mouseClick(header->ButtonList().GetItemsEx(1), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(header_clicks, std::vector<int>{1});
    drop_down.DoShowDropDown();
    QTest::mouseClick(footer->ButtonList().GetItemsEx(1), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(footer_clicks, std::vector<int>{1});
    QVERIFY(drop_down.DroppedDown());
    QTest::mouseClick(footer->ButtonList().GetItemsEx(0), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(footer_clicks, (std::vector<int>{1, 0}));
    QVERIFY(!drop_down.DroppedDown());  // modal result 2 closed the popup first
    // From the keyboard: the popup's result, but no button event.
    QTest::keyClick(footer->ButtonList().GetItemsEx(0), Qt::Key_Space);
    QCOMPARE(footer_clicks.size(), size_t{2});
  }

  void painting() {
    TZadCustomDropDown drop_down;
    drop_down.SetDropDownSizeable(true);
    drop_down.DropDownFooter().BorderColor = 0x0000FF;
    QWidget popup;
    popup.resize(100, 60);
    popup.setAutoFillBackground(true);
    QPalette palette = popup.palette();
    palette.setColor(QPalette::Window, QColor(0, 200, 0));
    popup.setPalette(palette);
    auto* header = new TZadHeader(&popup);
    auto* footer = new TZadFooter(&popup);
    header->setGeometry(0, 0, 100, 22);
    footer->setGeometry(0, 38, 100, 22);
    footer->SetZadDropDown(&drop_down);
    header->Appearance().Color = clNone;
    header->Appearance().ColorTo = clNone;
    header->Appearance().BorderColor = clNone;
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QImage shot = popup.grab().toImage();
    // No colours, no border: nothing painted.
    QCOMPARE(shot.pixelColor(50, 10), QColor(0, 200, 0));
    // The footer's top border line, its gradient and the grip's dots: light
    // at (L+5, B-4) and dark, in the border colour, one up and left.
    QCOMPARE(shot.pixelColor(50, 38), QColor(255, 0, 0));
    const int l = 100 - 1 - 16, b = 60;
    QCOMPARE(shot.pixelColor(l + 5, b - 3), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(l + 4, b - 5), QColor(255, 0, 0));
    // A background painter replaces everything.
    header->OnDrawBackGround = [](QWidget*, TCanvas& canvas, const TRect& r) {
      canvas.Brush.Color = 0xFF0000;
      canvas.Fill_Rect(r);
    };
    header->Appearance().BorderColor = 0x000000;
    header->Appearance().Caption = QStringLiteral("Text");
    shot = popup.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(shot.pixelColor(50, 21), QColor(0, 0, 255));
  }
};

QTEST_MAIN(Zad_Drop_Down_Bar_Test)
#include "zad_drop_down_bar_test.moc"
