#include "dropdowns/imagepicker/zad_image_picker_drop_down.h"

#include <QImageReader>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "dropdowns/imagepicker/image_folder.h"

namespace {

QImage Square(int Size, QColor Color) {
  QImage image(Size, Size, QImage::Format_RGB32);
  image.fill(Color);
  return image;
}

struct Fixture {
  explicit Fixture(int ImageCount = 8) {
    for (int i = 0; i < ImageCount; ++i) images.push_back(Square(16, QColor::fromHsv(i * 30 % 360, 200, 200)));
    window.setGeometry(0, 0, 400, 300);
    picker.reset(Create_Drop_Down<TZadImagePickerDropDown>(&window));
    picker->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    picker->CurSearch().Clock = [this] { return now; };
    picker->OnSelect = [this](TZadImagePickerDropDown*) { events << QStringLiteral("select"); };
    picker->OnChange = [this](TZadCustomDropDown*) { events << QStringLiteral("change"); };
    picker->SetImages(&images);
    picker->AddImagesFromImageList();
    picker->setGeometry(20, 20, 160, 24);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  void Press(int Key, Qt::KeyboardModifiers Shift = Qt::NoModifier) {
    QTest::keyClick(picker.get(), Qt::Key(Key), Shift);
  }
  void Open() {
    picker->ShowDropDown();
    QVERIFY(picker->DroppedDown());
  }
  TZadCustomItemSelector* List() { return picker->ItemSelector(); }
  void Click_Item(int Index) {
    QWidget* panel = List()->widget();
    const QPoint at = List()->ItemSelectorPanel()->GetItemRect(Index).To_QRect().center();
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), panel->mapToGlobal(QPointF(at)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &e);
  }

  TDropDownImages images;
  QWidget window;
  std::unique_ptr<TZadImagePickerDropDown> picker;
  uint32_t now = 0;
  QStringList events;
};

bool Save_Bytes(const QString& Path, const QByteArray& Bytes) {
  QFile file(Path);
  return file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size();
}

}  // namespace

class Image_Picker_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The picker's items (unlike the item selector's) clamp an insert outside
  // them and ignore a delete outside them.
  void items_tolerate_an_index_outside_them() {
    TImageItems items;
    items.Add()->SetCaption(QStringLiteral("b"));
    items.Insert(-5)->SetCaption(QStringLiteral("a"));
    items.Insert(99)->SetCaption(QStringLiteral("c"));
    items.Delete(3);
    items.Delete(-1);
    QCOMPARE(items.Count(), 3);
    QCOMPARE(items.Items(0)->Caption(), QStringLiteral("a"));
    QCOMPARE(items.Items(2)->Caption(), QStringLiteral("c"));
  }

  void file_masks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("matches");
    QTest::newRow("any") << "a.png"
                         << "*.*" << true;
    QTest::newRow("any, no dot") << "README"
                                 << "*.*" << true;
    QTest::newRow("extension") << "a.png"
                               << "*.png" << true;
    QTest::newRow("extension, other case") << "A.PNG"
                                           << "*.png" << true;
    QTest::newRow("other extension") << "a.bmp"
                                     << "*.png" << false;
    QTest::newRow("no dot, extension asked") << "png"
                                             << "*.png" << false;
    QTest::newRow("one character") << "ab.png"
                                   << "?.png" << false;
    QTest::newRow("name with any extension") << "icon"
                                             << "icon.*" << true;
  }
  void file_masks() {
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QFETCH(bool, matches);
    QCOMPARE(Matches_File_Mask(name, mask), matches);
  }

  // Pictures that read become items with their file names; one that does
  // not leaves an empty item. Folders are no items. Items add up.
  void folder_adds_pictures() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(Square(10, Qt::red).save(dir.filePath(QStringLiteral("a.png"))));
    QVERIFY(Square(12, Qt::green).save(dir.filePath(QStringLiteral("b.bmp"))));
    QVERIFY(Square(14, Qt::blue).save(dir.filePath(QStringLiteral("c.jpg"))));
    QVERIFY(Save_Bytes(dir.filePath(QStringLiteral("d.png")), QByteArray("\x89PNG\r\n\x1a\nbroken", 14)));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.png")));
    Fixture f(0);
    f.picker->AddImagesFromFolder(dir.filePath(QStringLiteral("*.*")), true);
    QCOMPARE(f.picker->Items().Count(), 4);
    QStringList captions;
    int pictures = 0;
    for (int i = 0; i < 4; ++i) {
      captions << f.picker->Items().Items(i)->Caption();
      if (!f.picker->Items().Items(i)->Image().isNull()) ++pictures;
    }
    QCOMPARE(captions, (QStringList{"a.png", "b.bmp", "c.jpg", ""}));
    QCOMPARE(pictures, 3);
    QCOMPARE(f.picker->Items().Items(1)->Image().size(), QSize(12, 12));
    f.picker->AddImagesFromFolder(dir.filePath(QStringLiteral("*.*")), false);
    QCOMPARE(f.picker->Items().Count(), 8);
    QCOMPARE(f.picker->Items().Items(4)->Caption(), QString());
    f.picker->AddImagesFromFolder(dir.filePath(QStringLiteral("*.png")), true);
    QCOMPARE(f.picker->Items().Count(), 10);
  }

  // A picture whose header claims more pixels than the reader's memory
  // limit allows is refused, not allocated.
  void an_oversized_picture_is_refused() {
    auto crc32 = [](const QByteArray& bytes) {
      quint32 crc = 0xFFFFFFFFu;
      for (const char b : bytes) {
        crc ^= quint8(b);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
      }
      return ~crc;
    };
    auto chunk = [&](const QByteArray& type, const QByteArray& body) {
      QByteArray c;
      QDataStream out(&c, QIODevice::WriteOnly);
      out << quint32(body.size());
      out.writeRawData(type.constData(), int(type.size()));
      out.writeRawData(body.constData(), int(body.size()));
      out << crc32(type + body);
      return c;
    };
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << quint32(60000) << quint32(60000) << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", QByteArray(16, 0)) +
                     chunk("IEND", QByteArray());
    QBuffer device(&png);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QVERIFY(Load_Item_Picture(device, "png").isNull());
    // Both headers are sound (the reader tells their sizes): the size is
    // what refuses the large one.
    QImageReader small_reader;
    QByteArray small_header;
    QDataStream small_out(&small_header, QIODevice::WriteOnly);
    small_out << quint32(4) << quint32(4) << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    QByteArray small_png = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", small_header) +
                           chunk("IDAT", QByteArray(16, 0)) + chunk("IEND", QByteArray());
    QBuffer small_device(&small_png);
    QVERIFY(small_device.open(QIODevice::ReadOnly));
    small_reader.setDevice(&small_device);
    small_reader.setFormat("png");
    QCOMPARE(small_reader.size(), QSize(4, 4));
    QBuffer large_device(&png);
    QVERIFY(large_device.open(QIODevice::ReadOnly));
    QImageReader large_reader(&large_device, "png");
    QCOMPARE(large_reader.size(), QSize(60000, 60000));
  }

  void item_index_and_image_index() {
    Fixture f;
    f.picker->SetItemIndex(3);
    QCOMPARE(f.events, (QStringList{"change", "select"}));
    QCOMPARE(f.picker->ImageIndex(), 3);
    f.events.clear();
    f.picker->SetItemIndex(3);
    f.picker->SetItemIndex(8);
    QCOMPARE(f.events, QStringList());
    QCOMPARE(f.picker->ItemIndex(), 3);
    f.picker->SetItemIndex(-5);
    QCOMPARE(f.picker->ItemIndex(), -1);
    QCOMPARE(f.picker->ImageIndex(), -1);
    f.picker->Items().Items(6)->SetImageIndex(2);
    f.picker->SetImageIndex(2);
    QCOMPARE(f.picker->ItemIndex(), 2);
    f.picker->SetImageIndex(99);
    QCOMPARE(f.picker->ItemIndex(), -1);
  }

  // Up and Down go by rows of Columns items; a row above the first is no
  // move.
  void up_and_down_go_by_rows() {
    Fixture f(12);
    f.picker->SetColumns(4);
    f.picker->SetItemIndex(5);
    f.Open();
    QCOMPARE(f.List()->Columns(), 4);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->ItemIndex(), 9);
    QVERIFY(f.picker->DroppedDown());
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.picker->ItemIndex(), 1);
    // Left and Right move by one, the popup still open.
    f.Press(Qt::Key_Right);
    QCOMPARE(f.picker->ItemIndex(), 2);
    f.Press(Qt::Key_Escape);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 5);
    // Closed, the arrows step by one.
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->ItemIndex(), 6);
    f.Press(Qt::Key_Home);
    QCOMPARE(f.picker->ItemIndex(), 0);
    f.Press(Qt::Key_End);
    QCOMPARE(f.picker->ItemIndex(), 11);
  }

  void page_keys_go_by_the_visible_items() {
    Fixture f(8);
    f.Open();
    const int row = f.List()->Items().GetItem(0)->Rect().Height();
    QVERIFY(row > 0);
    f.picker->HideDropDown(true);
    int bars = 2 * f.picker->DropDownBorderWidth();
    if (f.picker->DropDownHeader().Visible()) bars += f.picker->DropDownHeader().Height;
    if (f.picker->DropDownFooter().Visible()) bars += f.picker->DropDownFooter().Height;
    f.picker->SetDropDownHeight(bars + 6 * row + row / 2);
    f.picker->SetItemIndex(0);
    f.Open();
    QCOMPARE(f.List()->GetVisibleItemCount(), 6);
    f.Press(Qt::Key_PageDown);
    QCOMPARE(f.picker->ItemIndex(), 6);
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.Press(Qt::Key_Down, Qt::NoModifier);
    f.Press(Qt::Key_Down);
    f.Press(Qt::Key_Down);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->ItemIndex(), 5);
    f.Press(Qt::Key_PageDown);
    QCOMPARE(f.picker->ItemIndex(), 7);
    f.Press(Qt::Key_PageUp);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.Press(Qt::Key_Return);
    QVERIFY(!f.picker->DroppedDown());
    // Closed, the list catches up with a choice made meanwhile.
    f.picker->SetItemIndex(0);
    f.Press(Qt::Key_PageDown);
    QCOMPARE(f.picker->ItemIndex(), 6);
  }

  // Enter takes the hot item the wheel moved to, once; Esc brings back the
  // opening's item; a click takes its item and closes.
  void enter_esc_and_click() {
    Fixture f;
    f.picker->SetItemIndex(1);
    f.Open();
    f.picker->MouseWheelDownAction();
    f.picker->MouseWheelDownAction();
    QCOMPARE(f.List()->ItemHot(), 1);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.picker->MouseWheelDownAction();
    f.events.clear();
    f.Press(Qt::Key_Return);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 2);
    QCOMPARE(f.events, (QStringList{"change", "select"}));
    f.Open();
    f.Press(Qt::Key_Down);
    QCOMPARE(f.picker->ItemIndex(), 3);
    f.Press(Qt::Key_Escape);
    QCOMPARE(f.picker->ItemIndex(), 2);
    f.Open();
    f.Click_Item(6);
    QVERIFY(!f.picker->DroppedDown());
    QCOMPARE(f.picker->ItemIndex(), 6);
    // Enter with the popup closed tells the choice again.
    f.events.clear();
    f.Press(Qt::Key_Return);
    QCOMPARE(f.events, QStringList{"select"});
    // Closed, the wheel steps the choice.
    f.picker->MouseWheelDownAction();
    QCOMPARE(f.picker->ItemIndex(), 7);
  }

  void typed_letters_look_up_captions() {
    Fixture f(0);
    for (const char* c : {"Apple", "Pear", "Pine"}) f.picker->Items().Add()->SetCaption(QLatin1String(c));
    f.Press(Qt::Key_P);
    QCOMPARE(f.picker->ItemIndex(), 1);
    f.now = 300;
    f.Press(Qt::Key_I);
    QCOMPARE(f.picker->ItemIndex(), 2);
    f.now = 600;
    f.Press(Qt::Key_A);
    QCOMPARE(f.picker->CurSearch().Text(), QStringLiteral("A"));
    QCOMPARE(f.picker->ItemIndex(), 0);
    QVERIFY(f.picker->CurSearch().Active());
    QTRY_COMPARE(f.picker->CurSearch().Text(), QString());
  }

  void edit_shows_the_picture_centred() {
    Fixture f;
    f.images[4] = Square(8, Qt::red);
    const TRect r = f.picker->GetEditRect();
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QVERIFY(f.picker->grab().toImage().pixelColor(centre) != QColor(Qt::red));
    f.picker->SetItemIndex(4);
    const QImage shown = f.picker->grab().toImage();
    QCOMPARE(shown.pixelColor(centre), QColor(Qt::red));
    QVERIFY(shown.pixelColor(centre + QPoint(6, 0)) != QColor(Qt::red));
    int drawn = 0;
    f.picker->OnDrawSelectedImage = [&](TZadImagePickerDropDown*, TCanvas&, const TRect& R) {
      ++drawn;
      QCOMPARE(R, r);
    };
    QVERIFY(f.picker->grab().toImage().pixelColor(centre) != QColor(Qt::red));
    QVERIFY(drawn > 0);
  }

  // A list taller than the popup scrolls; the bar gets room beside the
  // pictures instead of covering them.
  void popup_widens_for_the_scroll_bar() {
    Fixture f(60);
    f.picker->SetColumns(6);
    f.picker->SetDropDownHeight(100);
    f.Open();
    const int panel = f.List()->GetSelectorPanelSize().width();
    QVERIFY(panel + 2 > 80);
    const int bar = f.List()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, f.List()->verticalScrollBar());
    QCOMPARE(f.picker->DropDownForm()->width(), panel + 2 * f.picker->DropDownBorderWidth() + bar);
    f.Press(Qt::Key_End);
    QCOMPARE(f.picker->ItemIndex(), 59);
    QVERIFY(f.List()->verticalScrollBar()->value() > 0);
  }
};

QTEST_MAIN(Image_Picker_Drop_Down_Test)
#include "zad_image_picker_drop_down_test.moc"
