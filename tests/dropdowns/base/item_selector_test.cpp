#include <QPainter>
#include <QScrollBar>
#include <QtTest>

#include "dropdowns/base/custom_item_selector.h"
#include "dropdowns/base/zad_custom_item_selector.h"

namespace {

// Items of a fixed cell size, so that the geometry does not hang on fonts.
void Fixed_Cells(TZadCustomItemSelector& selector, int Count, QSize Cell) {
  selector.OnItemSize = [Cell](QWidget*, QSize& ASize) { ASize = Cell; };
  for (int i = 0; i < Count; ++i) selector.Items().Add()->SetCaption(QStringLiteral("Item %1").arg(i));
  selector.UpdateSelectorPanel();
}

QPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

TColor Pixel(const QImage& Image, int X, int Y) {
  const QRgb p = Image.pixel(X, Y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The top-left pixel of Colour in Image, (-1, -1) when it is not there.
QPoint Find(const QImage& Image, TColor Colour) {
  for (int y = 0; y < Image.height(); ++y)
    for (int x = 0; x < Image.width(); ++x)
      if (Pixel(Image, x, y) == Colour) return {x, y};
  return {-1, -1};
}

// The first row at or below From that holds a dark pixel between Left and Right.
int First_Dark_Row(const QImage& Image, int From, int Left, int Right) {
  for (int y = From; y < Image.height(); ++y)
    for (int x = Left; x < Right; ++x)
      if (qGray(Image.pixel(x, y)) < 100) return y;
  return -1;
}

}  // namespace

class Item_Selector_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void lays_items_out_in_rows_of_columns() {
    TZadCustomItemSelector selector;
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(100, 50));
    Fixed_Cells(selector, 7, {40, 20});
    selector.SetColumns(3);
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(124, 64));
    TCustomItemSelector* panel = selector.ItemSelectorPanel();
    QCOMPARE(panel->GetItemRect(6), (TRect{2, 42, 42, 62}));
    QCOMPARE(selector.Items().GetItem(2)->Rect(), (TRect{82, 2, 122, 22}));
    QCOMPARE(panel->GetItemRect(7), (TRect{-1, -1, -1, -1}));
    QCOMPARE(panel->ItemAtPos(10, 45), 6);
    QCOMPARE(panel->ItemAtPos(45, 25), 4);
    QCOMPARE(panel->ItemAtPos(50, 50), -1);
    // Columns below 1 are ignored.
    selector.SetColumns(0);
    selector.SetColumns(-2);
    QCOMPARE(selector.Columns(), 3);
    // Cleared, the panel is back to 100 x 50.
    selector.Items().Clear();
    selector.UpdateSelectorPanel();
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(100, 50));
  }

  void measures_colour_boxes_pictures_and_captions() {
    TZadCustomItemSelector selector;
    selector.SetSelectorType(stColor);
    TSelectorItem* item = selector.Items().Add();
    item->SetCaption(QStringLiteral("<b>Teal</b> green"));
    selector.UpdateSelectorPanel();
    QImage scratch(1, 1, QImage::Format_ARGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = selector.ItemAppearance().Font;
    const QPoint caption = Draw_Html_Caption(canvas, item->Caption(), {0, 0, 1000, 500}, nullptr, false, nullptr);
    QVERIFY(caption.x() > 0);
    // A 14 x 14 box, the gap, the caption 4 wider, 4 around.
    QCOMPARE(selector.GetSelectorPanelSize(),
             QSize(2 * 2 + 4 + 14 + 4 + caption.x() + 4 + 4, 2 * 2 + std::max(14, caption.y()) + 8));
    // A picture counts only for stImage; the larger of picture and list image wins.
    const TDropDownImages images{QImage(10, 30, QImage::Format_ARGB32)};
    selector.SetImages(&images);
    item->SetCaption(QString());
    item->SetImageIndex(0);
    selector.Items().Add()->SetImage(QImage(20, 8, QImage::Format_ARGB32));
    selector.UpdateSelectorPanel();
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(2 * 2 + 8 + 14, 2 * 2 + 2 * (8 + 14)));
    selector.SetSelectorType(stImage);
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(2 * 2 + 8 + 20, 2 * 2 + 2 * (8 + 30)));
  }

  void item_changes_lay_out_once_back_in_the_event_loop() {
    TZadCustomItemSelector selector;
    int layouts = 0;
    selector.OnItemSize = [&](QWidget*, QSize& ASize) {
      ++layouts;
      ASize = {40, 20};
    };
    for (int i = 0; i < 50; ++i) selector.Items().Add()->SetCaption(QStringLiteral("x"));
    QCOMPARE(layouts, 0);
    QCOMPARE(selector.GetSelectorPanelSize(), QSize(100, 50));
    QTRY_COMPARE(selector.GetSelectorPanelSize(), QSize(44, 2 * 2 + 50 * 20));
    QCOMPARE(layouts, 1);
    // A call in between lays out at once and takes the pending layout's place.
    selector.Items().GetItem(0)->SetColor(clRed);
    selector.UpdateSelectorPanel();
    QCOMPARE(layouts, 2);
    QTest::qWait(20);
    QCOMPARE(layouts, 2);
    // Assigning a list is one change.
    TSelectorItems other;
    for (int i = 0; i < 3; ++i) other.Add()->SetCaption(QStringLiteral("y"));
    selector.SetItems(other);
    QTRY_COMPARE(selector.GetSelectorPanelSize(), QSize(44, 2 * 2 + 3 * 20));
    QCOMPARE(layouts, 3);
  }

  void keyboard_moves_and_selection() {
    TZadCustomItemSelector selector;
    Fixed_Cells(selector, 4, {40, 20});
    selector.Items().GetItem(2)->Enabled = false;
    int selects = 0;
    selector.OnItemSelect = [&](QWidget* Sender) {
      QCOMPARE(Sender, &selector);
      ++selects;
    };
    selector.SelectPrevious();  // from none: the first item
    QCOMPARE(selector.ItemIndex(), 0);
    selector.SelectPrevious();
    QCOMPARE(selector.ItemIndex(), 0);
    selector.SelectNext();
    QCOMPARE(selector.ItemIndex(), 1);
    selector.SelectNext();  // onto a disabled item: stays
    QCOMPARE(selector.ItemIndex(), 1);
    selector.SelectLast();
    QCOMPARE(selector.ItemIndex(), 3);
    selector.SelectNext();
    QCOMPARE(selector.ItemIndex(), 3);
    QCOMPARE(selects, 3);
    // Selecting the selected item again tells it again.
    selector.SetItemIndex(3);
    QCOMPARE(selects, 4);
    // Indexes outside the list change nothing.
    selector.SetItemIndex(4);
    selector.SetItemIndex(-2);
    QCOMPARE(selector.ItemIndex(), 3);
    selector.SetItemIndex(-1);
    QCOMPARE(selector.ItemIndex(), -1);
    QCOMPARE(selects, 4);

    selector.HotNext();
    QCOMPARE(selector.ItemHot(), 0);
    selector.HotNext();
    selector.HotNext();
    QCOMPARE(selector.ItemHot(), 1);
    selector.HotPrevious();
    QCOMPARE(selector.ItemHot(), 0);
    // A new layout drops the hot item and a selection beyond the list.
    selector.SetItemIndex(3);
    selector.Items().Delete(3);
    selector.UpdateSelectorPanel();
    QCOMPARE(selector.ItemHot(), -1);
    QCOMPARE(selector.ItemIndex(), -1);
  }

  void looks_items_up_by_plain_upper_case_caption() {
    TZadCustomItemSelector selector;
    for (const char* caption : {"Blue", "  <b>red</b> wine", "Red rose"})
      selector.Items().Add()->SetCaption(QString::fromUtf8(caption));
    selector.UpdateSelectorPanel();
    QVERIFY(selector.LookupItem(QStringLiteral("RED")));
    QCOMPARE(selector.ItemIndex(), 1);
    QVERIFY(!selector.LookupItem(QStringLiteral("red")));
    QVERIFY(!selector.LookupItem(QString()));
    QVERIFY(selector.LookupItem(QStringLiteral("B")));
    QCOMPARE(selector.ItemIndex(), 0);
    // A disabled item is passed over for the next that matches.
    selector.Items().GetItem(1)->Enabled = false;
    QVERIFY(selector.LookupItem(QStringLiteral("RED")));
    QCOMPARE(selector.ItemIndex(), 2);
    selector.Items().GetItem(2)->Enabled = false;
    QVERIFY(!selector.LookupItem(QStringLiteral("RED")));
    QCOMPARE(selector.ItemIndex(), 2);
    TZadCustomItemSelector empty;
    QVERIFY(!empty.LookupItem(QStringLiteral("A")));
  }

  void mouse_lights_and_selects_enabled_items() {
    TZadCustomItemSelector selector;
    selector.resize(200, 150);
    Fixed_Cells(selector, 3, {80, 20});
    selector.Items().GetItem(1)->Enabled = false;
    selector.Items().GetItem(2)->Hint = QStringLiteral("third");
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    TCustomItemSelector* panel = selector.ItemSelectorPanel();
    int selects = 0;
    selector.OnItemSelect = [&](QWidget*) { ++selects; };

    QTest::mouseMove(panel, Centre(panel->GetItemRect(0)));
    QTRY_COMPARE(selector.ItemHot(), 0);
    QTest::mouseMove(panel, Centre(panel->GetItemRect(1)));
    QTRY_COMPARE(selector.ItemHot(), -1);
    QTest::mouseMove(panel, Centre(panel->GetItemRect(2)));
    QTRY_COMPARE(selector.ItemHot(), 2);
    QCOMPARE(panel->toolTip(), QStringLiteral("third"));
    QTest::mouseMove(panel, QPoint(95, 70));  // below the items
    QTRY_COMPARE(selector.ItemHot(), -1);

    QTest::mouseClick(panel, Qt::LeftButton, {}, Centre(panel->GetItemRect(1)));
    QCOMPARE(selector.ItemIndex(), -1);
    QTest::mouseClick(panel, Qt::RightButton, {}, Centre(panel->GetItemRect(2)));
    QCOMPARE(selector.ItemIndex(), 2);
    QCOMPARE(selects, 1);

    QTest::mouseMove(panel, Centre(panel->GetItemRect(0)));
    QTRY_COMPARE(selector.ItemHot(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panel, &leave);
    QCOMPARE(selector.ItemHot(), -1);
  }

  void scrolls_the_chosen_item_into_view() {
    TZadCustomItemSelector selector;
    selector.resize(200, 100);
    Fixed_Cells(selector, 100, {80, 20});
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QScrollBar* bar = selector.verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->hasTracking());
    const int client = selector.viewport()->height();
    selector.SetItemIndex(50);  // below: its bottom comes to the bottom edge
    QCOMPARE(bar->value(), 2 + 51 * 20 - client);
    selector.SelectPrevious();  // in view already: no scrolling
    QCOMPARE(bar->value(), 2 + 51 * 20 - client);
    selector.SetItemIndex(10);  // above: its top comes to the top edge
    QCOMPARE(bar->value(), 2 + 10 * 20);
    selector.SelectLast();  // the margin below the last item stays out of view
    QCOMPARE(bar->value(), 2 + 100 * 20 - client);
    QCOMPARE(selector.GetVisibleItemCount(), 100 / 20);
    selector.SetColumns(2);
    QCOMPARE(selector.GetVisibleItemCount(), 100 / 20 * 2);
    // Items less than a pixel high: none counts as visible.
    selector.OnItemSize = [](QWidget*, QSize& ASize) { ASize = {80, 0}; };
    selector.UpdateSelectorPanel();
    QCOMPARE(selector.GetVisibleItemCount(), 0);
  }

  void paints_hot_and_selected_looks() {
    TZadCustomItemSelector selector;
    selector.SetColor(clWhite);
    selector.resize(200, 100);
    Fixed_Cells(selector, 3, {80, 20});
    int drawn = 0;
    TCustomItemSelector* panel = selector.ItemSelectorPanel();
    panel->SetItemHot(0);
    selector.SetItemIndex(1);
    const TItemAppearance& a = selector.ItemAppearance();

    // The rounded frame: corners in the panel colour, the border line beside them.
    QImage shot = panel->grab().toImage();
    const TRect hot = panel->GetItemRect(0);
    QCOMPARE(Pixel(shot, hot.Left, hot.Top), clWhite);
    QCOMPARE(Pixel(shot, hot.Left + 2, hot.Top), a.BorderColor);
    QCOMPARE(Pixel(shot, hot.Left + 1, hot.Top + 1), a.EdgeColor);
    QCOMPARE(Pixel(shot, hot.Left + 4, hot.Top + 1), a.BorderColorTop);
    const TRect plain = panel->GetItemRect(2);
    QCOMPARE(Pixel(shot, plain.Left + 2, plain.Top), clWhite);

    // With BorderColorHot the hot item is a plain gradient in a one-pixel border.
    selector.ItemAppearance().BorderColorHot = clRed;
    shot = panel->grab().toImage();
    QCOMPARE(Pixel(shot, hot.Left, hot.Top), clRed);
    QCOMPARE(Pixel(shot, hot.Right - 1, hot.Bottom - 1), clRed);
    const TColor upper = Pixel(shot, hot.Left + 1, hot.Top + 1), lower = Pixel(shot, hot.Left + 1, hot.Bottom - 2);
    QVERIFY(upper != clWhite && lower != clWhite && upper != lower);

    // OnDrawItem gets each item after its background.
    selector.OnDrawItem = [&](QWidget* Sender, TCanvas&, const TRect& R, int Index) {
      QCOMPARE(Sender, panel);
      QCOMPARE(R, panel->GetItemRect(Index));
      ++drawn;
    };
    panel->grab();
    QCOMPARE(drawn, 3);
  }

  void places_the_picture_by_layout() {
    // One item with a 16 x 16 picture (or a 10 x 6 colour box) and a caption,
    // whose extent the test measures as the selector does.
    const QString caption = QStringLiteral("Wide <b>caption</b>");
    TItemAppearance appearance;
    QImage scratch(1, 1, QImage::Format_ARGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = appearance.Font;
    const QPoint text = Draw_Html_Caption(canvas, caption, {0, 0, 1000, 500}, nullptr, false, nullptr);
    const int tw = text.x(), th = text.y();
    const int side_height = std::max(th, 16);  // cell height less the offsets, side by side
    const int stacked_width = std::max(tw + 4, 16);
    struct Row {
      TItemLayout Layout;
      TSelectorType Type;
      QPoint Expected;
    } rows[] = {
        // Beside the caption, pictures are centred in the height, colour boxes sit at the top.
        {ilCaptionRight, stImage, {6, 6 + (side_height - 16) / 2}},
        {ilCaptionLeft, stImage, {6 + tw + 4, 6 + (side_height - 16) / 2}},
        {ilCaptionRight, stColor, {6, 6}},
        {ilCaptionLeft, stColor, {6 + tw + 4, 6}},
        // Above or below the caption, centred in the width.
        {ilCaptionTop, stImage, {6 + (stacked_width - 16) / 2, 6 + th + 4}},
        {ilCaptionBottom, stImage, {6 + (stacked_width - 16) / 2, 6}},
    };
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(QColor(0, 200, 0));
    for (const Row& row : rows) {
      TZadCustomItemSelector selector;
      selector.SetColor(clWhite);
      selector.SetItemLayout(row.Layout);
      selector.SetSelectorType(row.Type);
      selector.SetColorBoxWidth(10);
      selector.SetColorBoxHeight(6);
      TSelectorItem* item = selector.Items().Add();
      item->SetImage(picture);
      item->SetColor(clRed);
      item->SetCaption(caption);
      selector.UpdateSelectorPanel();
      const QImage shot = selector.ItemSelectorPanel()->grab().toImage();
      // The colour box has a black outline around its fill.
      const QPoint found = row.Type == stColor ? Find(shot, clRed) - QPoint(1, 1) : Find(shot, RGB(0, 200, 0));
      QCOMPARE(found, row.Expected);
    }
  }

  void caption_below_a_picture_starts_past_it() {
    TZadCustomItemSelector selector;
    selector.SetColor(clWhite);
    selector.SetItemLayout(ilCaptionBottom);
    QImage picture(16, 32, QImage::Format_ARGB32);
    picture.fill(QColor(0, 200, 0));
    TSelectorItem* item = selector.Items().Add();
    item->SetImage(picture);
    item->SetCaption(QStringLiteral("Wide caption text"));
    selector.UpdateSelectorPanel();
    TCustomItemSelector* panel = selector.ItemSelectorPanel();
    const QImage shot = panel->grab().toImage();
    const TRect R = panel->GetItemRect(0);
    const int picture_left = R.Left + 4 + (R.Width() - 8 - 16) / 2;
    const int picture_top = R.Top + 4;
    QCOMPARE(Pixel(shot, picture_left, picture_top), RGB(0, 200, 0));
    QCOMPARE(Pixel(shot, picture_left + 15, picture_top + 31), RGB(0, 200, 0));
    const int caption_row = First_Dark_Row(shot, picture_top + 32, R.Left, R.Right);
    QVERIFY(caption_row >= picture_top + 32 + 4);
    QVERIFY(caption_row < R.Bottom);
  }

  void panel_needs_a_selector_as_parent() {
    QWidget other;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, TCustomItemSelector panel(&other));
  }
};

QTEST_MAIN(Item_Selector_Test)
#include "item_selector_test.moc"
