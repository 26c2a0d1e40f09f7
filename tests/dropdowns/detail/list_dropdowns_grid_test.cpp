// The detail and image picker drop-downs as the grid's cell editors: keys
// in the open list move inside it; Enter takes what the list shows.
#include <QtTest>

#include "../../grid/edit/editor_grid.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "grid/edit/grid_drop_down_wrappers.h"

class List_Drop_Downs_Grid_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void detail_keys_stay_in_the_open_list() {
    Editor_Grid g(edDetailDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    TGridDetailPickerDropDown* detail = g.grid.DetailPickerDropDown();
    for (const char* c : {"Apple", "Apricot", "Banana"}) detail->Items().Add()->SetCaption(QLatin1String(c));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("Apple"));
    g.Open(2, 1);
    QVERIFY(g.grid.EditMode());
    QCOMPARE(detail->ItemIndex(), 0);
    QTest::keyClick(detail, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(detail->DroppedDown());
    QTest::keyClick(detail, Qt::Key_Down);
    QTest::keyClick(detail, Qt::Key_Down);
    QVERIFY(detail->DroppedDown());
    QVERIFY(g.grid.EditMode());
    QCOMPARE(detail->Text(), QStringLiteral("Banana"));
    QTest::keyClick(detail, Qt::Key_Return);
    QCOMPARE(g.Cell(2, 1), QStringLiteral("Banana"));
    QCOMPARE(g.grid.Row(), 1);
  }

  void image_picker_enter_takes_the_hot_picture() {
    Editor_Grid g(edImagePickerDropDown);
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    QList<QImage> images;
    for (int i = 0; i < 6; ++i) {
      images << QImage(12, 12, QImage::Format_RGB32);
      images.back().fill(QColor::fromHsv(i * 50, 200, 200));
    }
    g.grid.SetGridImages(&images);
    g.grid.AddDataImage(2, 1, 0, haLeft, vaTop);
    g.grid.Store().Set_Text(2, 1, QStringLiteral("1"));
    g.Open(2, 1);
    TGridImageDropDown* picker = g.grid.ImagePickerDropDown();
    QCOMPARE(picker->ItemIndex(), 1);
    picker->SetColumns(3);
    QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(picker->DroppedDown());
    QTest::keyClick(picker, Qt::Key_Down);
    QVERIFY(picker->DroppedDown());
    QCOMPARE(picker->ItemIndex(), 4);
    picker->MouseWheelDownAction();
    QCOMPARE(picker->ItemSelector()->ItemHot(), 0);
    QTest::keyClick(picker, Qt::Key_Return);
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.Cell(2, 1), QStringLiteral("0"));
  }
};

QTEST_MAIN(List_Drop_Downs_Grid_Test)
#include "list_dropdowns_grid_test.moc"
