#include "controls/page_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionTab>
#include <QtTest>
#include <functional>
#include <memory>

#include "controls/canvas.h"
#include "controls/draw_gradient.h"

namespace {

// A shown page control with `count` sheets captioned "Page 1", "Page 2", ...
struct Fixture {
  QWidget window;
  TZadPageControl* control = new TZadPageControl(&window);
  std::vector<TZadTabSheet*> sheets;
  int changes = 0;
  int can_changes = 0;

  explicit Fixture(int count) {
    window.resize(400, 300);
    control->setGeometry(10, 10, 380, 280);
    for (int i = 0; i < count; ++i) {
      auto* sheet = new TZadTabSheet(control);
      sheet->Set_Caption(QStringLiteral("Page %1").arg(i + 1));
      sheets.push_back(sheet);
    }
    control->OnChange = [this] { ++changes; };
    control->OnCanChange = [this](int, int, bool&) { ++can_changes; };
  }
  QPoint Tab_Centre(int tab_index) const { return control->TabRect(tab_index).To_QRect().center(); }
};

}  // namespace

class PageControlTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void hiddenTabsSeparateTabAndPageIndices();
  void pageIndexOutsideTheListRaises_data();
  void pageIndexOutsideTheListRaises();
  void pageIndexMovesTheTab();
  void removingPagesChoosesTheNextVisible();
  void activePageInCodeFiresNoEvent();
  void userSelectionAsksThenNotifies();
  void ctrlTabCyclesVisiblePages();
  void captionsAndItemTexts();
  void defaultColoursFollowOnlyPagesOnTheOldDefault();
  void disabledTabsAndLookRulesRaise();
  void leftDotNetTabPaintsActiveColourAndUpwardCaption();
  void dotNetSeparatorsAndDisabledCaption();
  void gradientBands();
  void focusFollowsIntoTheNewPage();
  void hoverColoursNeedATabHoverColor();
  void pictureWidensItsTabAndPrecedesTheCaption();
  void bitmapFacesStretchAndLeaveTheirKeyColourOut();
  void closeBoxListsThePageAndReopensIt();
  void closingTheOnlyPageLeavesNoneActive();
  void canCloseRefusalKeepsThePage();
  void onlyAPressOnTheBoxCloses();
  void freeOnCloseDestroysThePage();
  void destroyedListedPagesAreSkipped();
  void closeBoxLooks();
  void closeGlyphIsClippedAndSeeThrough();
  void tabBorder3DLeavesTheTabsToTheStyle();
  void stripEndLeavesNoLineInsideThePage_data();
  void stripEndLeavesNoLineInsideThePage();
};

void PageControlTest::hiddenTabsSeparateTabAndPageIndices() {
  Fixture f(3);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  f.sheets[1]->Set_TabVisible(false);
  QCOMPARE(f.control->Tab_Count(), 2);
  QCOMPARE(f.sheets[2]->TabIndex(), 1);
  QCOMPARE(f.sheets[2]->PageIndex(), 2);
  QCOMPARE(f.sheets[1]->TabIndex(), -1);
  const QPoint p = f.Tab_Centre(1);
  QCOMPARE(f.control->Page_At(p.x(), p.y()), 2);
  f.sheets[1]->Set_TabVisible(true);
  QCOMPARE(f.sheets[2]->TabIndex(), 2);
  QCOMPARE(f.control->Tab_Sheet(1), f.sheets[1]);
}

void PageControlTest::pageIndexOutsideTheListRaises_data() {
  QTest::addColumn<int>("index");
  QTest::newRow("above") << 5;
  QTest::newRow("negative") << -1;
}

void PageControlTest::pageIndexOutsideTheListRaises() {
  QFETCH(int, index);
  Fixture f(3);
  try {
    f.sheets[0]->Set_PageIndex(index);
    QFAIL("no error");
  } catch (const EListError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             QStringLiteral("%1 is an invalid PageIndex value.  PageIndex must be between 0 and 2").arg(index));
  }
  QCOMPARE(f.sheets[0]->PageIndex(), 0);
  TZadTabSheet loose;
  loose.Set_PageIndex(5);  // without a control: nothing
  QCOMPARE(loose.PageIndex(), -1);
}

void PageControlTest::pageIndexMovesTheTab() {
  Fixture f(3);
  f.control->Set_ActivePage(f.sheets[0]);
  f.sheets[0]->Set_PageIndex(2);
  QCOMPARE(f.control->Pages(2), f.sheets[0]);
  QCOMPARE(f.control->Tab_Sheet(2), f.sheets[0]);
  QCOMPARE(f.control->Tab_Sheet(0), f.sheets[1]);
  QCOMPARE(f.control->TabIndex(), 2);  // the selection stays on the active page
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
}

void PageControlTest::removingPagesChoosesTheNextVisible() {
  Fixture f(3);
  f.window.show();
  f.control->Set_ActivePage(f.sheets[2]);
  delete f.sheets[2];
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  QVERIFY(f.sheets[0]->isVisible());
  QCOMPARE(f.control->PageCount(), 2);

  // Removing a page the user is not on keeps the one in front.
  f.control->Set_ActivePage(f.sheets[1]);
  f.sheets[0]->Set_ZadPageControl(nullptr);
  QCOMPARE(f.control->ActivePage(), f.sheets[1]);
  QCOMPARE(f.control->TabIndex(), 0);
  QCOMPARE(f.sheets[0]->parentWidget(), &f.window);  // back with its owner
  QVERIFY(!f.sheets[0]->isVisible());

  f.sheets[1]->Set_ZadPageControl(nullptr);
  QVERIFY(f.control->ActivePage() == nullptr);
  QCOMPARE(f.control->TabIndex(), -1);
  QCOMPARE(f.changes, 0);
}

void PageControlTest::activePageInCodeFiresNoEvent() {
  Fixture f(3);
  Fixture other(1);
  f.window.show();
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);  // the first tab to arrive
  int shown = 0, hidden = 0;
  f.sheets[1]->OnShow = [&] { ++shown; };
  f.sheets[0]->OnHide = [&] { ++hidden; };
  f.control->Set_ActivePage(f.sheets[1]);
  QCOMPARE(f.control->ActivePage(), f.sheets[1]);
  QCOMPARE(f.control->TabIndex(), 1);
  QVERIFY(f.sheets[1]->isVisible());
  QVERIFY(!f.sheets[0]->isVisible());
  QCOMPARE(shown, 1);
  QCOMPARE(hidden, 1);
  f.control->Set_ActivePage(other.sheets[0]);  // another control's sheet
  QCOMPARE(f.control->ActivePage(), f.sheets[1]);
  f.control->Set_ActivePageIndex(2);
  QCOMPARE(f.control->ActivePage(), f.sheets[2]);
  f.control->Set_ActivePageIndex(7);
  QVERIFY(f.control->ActivePage() == nullptr);
  QVERIFY(!f.sheets[2]->isVisible());
  QCOMPARE(f.changes, 0);
  QCOMPARE(f.can_changes, 0);
}

void PageControlTest::userSelectionAsksThenNotifies() {
  Fixture f(3);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  int from_seen = -2, to_seen = -2;
  bool allow_answer = false;
  f.control->OnCanChange = [&](int from, int to, bool& allow) {
    from_seen = from;
    to_seen = to;
    allow = allow_answer;
  };
  QTest::mouseClick(f.control, Qt::LeftButton, {}, f.Tab_Centre(2));
  QCOMPARE(from_seen, 0);
  QCOMPARE(to_seen, 2);
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  QCOMPARE(f.changes, 0);

  allow_answer = true;
  QTest::mouseClick(f.control, Qt::LeftButton, {}, f.Tab_Centre(2));
  QCOMPARE(f.control->ActivePage(), f.sheets[2]);
  QCOMPARE(f.changes, 1);

  // A disabled tab is not taken.
  f.sheets[1]->Set_TabEnable(false);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, f.Tab_Centre(1));
  QCOMPARE(f.control->ActivePage(), f.sheets[2]);
  QCOMPARE(f.changes, 1);
}

void PageControlTest::ctrlTabCyclesVisiblePages() {
  Fixture f(4);
  auto* edit = new QLineEdit(f.sheets[0]);
  f.sheets[3]->Set_TabVisible(false);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.window));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(f.control->ActivePage(), f.sheets[2]);  // the last visible page
  QCOMPARE(f.changes, 1);
  QTest::keyClick(f.control, Qt::Key_Tab, Qt::ControlModifier);
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  QCOMPARE(f.can_changes, 2);
}

void PageControlTest::captionsAndItemTexts() {
  Fixture f(1);
  TZadTabSheet* sheet = f.sheets[0];
  sheet->Set_Caption(QStringLiteral("Network"));
  QCOMPARE(sheet->Caption(), QStringLiteral("Network"));
  QCOMPARE(sheet->TabCaption(), QStringLiteral("Netwo"));
  sheet->Set_ShowClose(true);
  QCOMPARE(sheet->TabCaption(), QStringLiteral("Network "));
  // The tab grows with its caption, in the wider of the two fonts.
  const int before = f.control->TabRect(0).Width();
  sheet->Set_Caption(QStringLiteral("A much longer caption"));
  QVERIFY(f.control->TabRect(0).Width() > before);
  QFont big = f.control->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  const int normal_width = f.control->TabRect(0).Width();
  f.control->Set_ActiveFont(big);
  QVERIFY(f.control->TabRect(0).Width() > normal_width);
}

void PageControlTest::defaultColoursFollowOnlyPagesOnTheOldDefault() {
  Fixture f(2);
  QCOMPARE(f.sheets[0]->TabColor(), clBtnFace);  // taken on joining
  f.sheets[1]->Set_TextColor(clRed);
  f.control->Set_DefaultTextColor(clBlue);
  QCOMPARE(f.sheets[0]->TextColor(), clBlue);
  QCOMPARE(f.sheets[1]->TextColor(), clRed);
  f.control->Set_DefaultTabColor(clYellow);
  QCOMPARE(f.sheets[0]->TabColor(), clYellow);
}

void PageControlTest::disabledTabsAndLookRulesRaise() {
  Fixture f(2);
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  try {
    f.sheets[0]->Set_TabEnable(false);
    QFAIL("no error");
  } catch (const std::runtime_error& e) {
    QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Can not disable active tab."));
  }
  f.sheets[1]->Set_TabEnable(false);
  f.control->Set_ActivePage(f.sheets[1]);
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  QCOMPARE(f.control->TabIndex(), 0);

  f.control->Set_TabSplitLine(true);
  f.control->Set_TabStyle(tsDotNet);
  QVERIFY(!f.control->TabSplitLine());
  QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.control->Set_TabSplitLine(true));
}

void PageControlTest::leftDotNetTabPaintsActiveColourAndUpwardCaption() {
  Fixture f(3);
  f.control->Set_TabPosition(tpLeft);
  f.control->Set_TabStyle(tsDotNet);
  f.control->Set_MultiLine(true);
  f.control->Set_ActiveColor(0x00FF00);
  f.control->Set_ActiveFont_Color(clBlack);
  f.control->TabMargin().Set_TopMargin(10);
  f.control->TabMargin().Set_RightMargin(20);
  f.sheets[1]->Set_Caption(QStringLiteral("MMMM......"));
  f.control->Set_ActivePage(f.sheets[1]);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  const QImage image = f.control->grab().toImage();
  const TRect r = f.control->TabRect(1);
  QVERIFY(r.Height() > r.Width());
  // Inside green; outline on three sides in the border colour, open to the page.
  QCOMPARE(image.pixelColor(r.Left + 3, r.Top + 3), QColor(0, 255, 0));
  QCOMPARE(image.pixelColor(r.Left, r.Top + r.Height() / 2), QColor(128, 128, 128));
  QCOMPARE(image.pixelColor(r.Left + 5, r.Top), QColor(128, 128, 128));
  QVERIFY(image.pixelColor(r.Right - 1, r.Top + r.Height() / 2) != QColor(128, 128, 128));
  // The caption runs upwards: its heavy start lies in the lower half of its extent.
  std::vector<QPoint> ink;
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    for (int x = r.Left + 1; x < r.Right - 1; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.green() - c.red() < 100) ink.emplace_back(x, y);  // not the green background
    }
  }
  QVERIFY(!ink.empty());
  int ink_left = r.Right, ink_top_y = r.Bottom, ink_bottom_y = r.Top;
  for (const QPoint& p : ink) {
    ink_left = std::min(ink_left, p.x());
    ink_top_y = std::min(ink_top_y, p.y());
    ink_bottom_y = std::max(ink_bottom_y, p.y());
  }
  const int middle = (ink_top_y + ink_bottom_y) / 2;
  const auto lower = std::count_if(ink.begin(), ink.end(), [&](const QPoint& p) { return p.y() > middle; });
  const auto upper = static_cast<long>(ink.size()) - lower;
  QVERIFY2(lower > 2 * upper, qPrintable(QStringLiteral("%1 / %2").arg(upper).arg(lower)));
  QVERIFY(ink_bottom_y - ink_top_y > 3 * (r.Width() / 2));
  // LowerActive moves the active caption 2 pixels away from the outer edge.
  QVERIFY(ink_left >= r.Left + 3);
}

void PageControlTest::dotNetSeparatorsAndDisabledCaption() {
  Fixture f(4);
  f.control->Set_TabStyle(tsDotNet);
  f.control->Set_ActiveColor(0x0000FF);
  f.control->Set_ActivePage(f.sheets[2]);
  f.sheets[3]->Set_TabEnable(false);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  const QImage image = f.control->grab().toImage();
  const TRect first = f.control->TabRect(0);
  const TRect before_active = f.control->TabRect(1);
  const int y = first.Top + first.Height() / 2;
  QCOMPARE(image.pixelColor(first.Right - 1, y), QColor(255, 0, 0));
  QVERIFY(image.pixelColor(before_active.Right - 1, y) != QColor(255, 0, 0));
  // The disabled tab writes its caption in grey.
  const TRect disabled = f.control->TabRect(3);
  bool grey = false;
  for (int x = disabled.Left; x < disabled.Right && !grey; ++x)
    for (int yy = disabled.Top; yy < disabled.Bottom && !grey; ++yy)
      grey = image.pixelColor(x, yy) == QColor(128, 128, 128);
  QVERIFY(grey);
}

void PageControlTest::gradientBands() {
  QImage image(32, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    DrawGradient(canvas, RGB(0, 0, 0), RGB(160, 0, 0), true, {0, 0, 32, 10}, 16);
  }
  // 16 bands of 2 pixels, each reaching one pixel into the next.
  QCOMPARE(image.pixelColor(0, 5), QColor(0, 0, 0));
  QCOMPARE(image.pixelColor(2, 5), QColor(10, 0, 0));
  QCOMPARE(image.pixelColor(3, 5), QColor(10, 0, 0));
  QCOMPARE(image.pixelColor(31, 5), QColor(150, 0, 0));
  QCOMPARE(image.pixelColor(31, 9), QColor(150, 0, 0));
}

void PageControlTest::focusFollowsIntoTheNewPage() {
  Fixture f(2);
  auto* first = new QLineEdit(f.sheets[0]);
  auto* second = new QLineEdit(f.sheets[1]);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&f.window));
  first->setFocus();
  QVERIFY(first->hasFocus());
  f.control->Set_ActivePage(f.sheets[1]);
  QVERIFY(second->hasFocus());
  // Focus outside the pages stays where it is.
  auto* outside = new QLineEdit(&f.window);
  outside->move(0, 290);
  outside->show();
  outside->setFocus();
  f.control->Set_ActivePage(f.sheets[0]);
  QVERIFY(outside->hasFocus());
}

void PageControlTest::hoverColoursNeedATabHoverColor() {
  Fixture f(3);
  f.control->Set_TabHoverBorder(clRed);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  const TRect r = f.control->TabRect(2);
  QTest::mouseMove(f.control, f.Tab_Centre(2));
  QImage image = f.control->grab().toImage();
  QVERIFY(image.pixelColor(r.Left + 3, r.Top + 3) != QColor(0, 0, 255));
  QVERIFY(image.pixelColor(r.Left, r.Top + 5) != QColor(255, 0, 0));

  f.control->Set_TabHoverColor(clBlue);
  QTest::mouseMove(f.control, f.Tab_Centre(1));
  QTest::mouseMove(f.control, f.Tab_Centre(2));
  image = f.control->grab().toImage();
  QCOMPARE(image.pixelColor(r.Left + 3, r.Top + 3), QColor(0, 0, 255));
  QCOMPARE(image.pixelColor(r.Left, r.Top + 5), QColor(255, 0, 0));
}

void PageControlTest::pictureWidensItsTabAndPrecedesTheCaption() {
  Fixture f(2);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  const int plain = f.control->TabRect(1).Width();
  QImage red(16, 16, QImage::Format_RGB32);
  red.fill(Qt::red);
  f.control->Set_Images({red});
  QCOMPARE(f.control->TabRect(1).Width(), plain);  // no ImageIndex yet
  f.sheets[1]->Set_ImageIndex(0);
  QCOMPARE(f.control->TabRect(1).Width(), plain + 16);
  const TRect r = f.control->TabRect(1);
  const QImage image = f.control->grab().toImage();
  QCOMPARE(image.pixelColor(r.Left + 2 + 8, r.Top + 1 + 8), QColor(255, 0, 0));
  f.sheets[1]->Set_ImageIndex(-5);
  QCOMPARE(f.sheets[1]->ImageIndex(), -1);
  QCOMPARE(f.control->TabRect(1).Width(), plain);
}

void PageControlTest::bitmapFacesStretchAndLeaveTheirKeyColourOut() {
  Fixture f(3);
  auto bitmap = [](QColor ink) {
    QImage face(20, 18, QImage::Format_RGB32);
    face.fill(ink);
    face.setPixelColor(0, 17, Qt::magenta);  // the see-through colour
    face.setPixelColor(0, 0, Qt::magenta);
    return face;
  };
  f.control->Set_TabBackGround(bitmap(Qt::blue));
  f.control->Set_TabBackGroundActive(bitmap(Qt::red));
  f.control->Set_LowerActive(2);
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  const QImage image = f.control->grab().toImage();
  const TRect inactive = f.control->TabRect(1);
  const TRect active = f.control->TabRect(0);
  QVERIFY(inactive.Width() > 30);  // the middle slice is stretched
  QCOMPARE(image.pixelColor(inactive.Left + inactive.Width() / 2, inactive.Top + 16), QColor(0, 0, 255));
  QCOMPARE(image.pixelColor(active.Left + active.Width() / 2, active.Top + 16), QColor(255, 0, 0));
  QVERIFY(image.pixelColor(inactive.Left, inactive.Top) != QColor(255, 0, 255));
}

namespace {

// Shows the fixture with close boxes on every page, named "Page1", ...
void Show_With_Close_Boxes(Fixture& f) {
  for (size_t i = 0; i < f.sheets.size(); ++i) {
    f.sheets[i]->setObjectName(QStringLiteral("Page%1").arg(i + 1));
    f.sheets[i]->Set_ShowClose(true);
  }
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
}

QPoint Close_Centre(const TZadPageControl& control, int tab_index) {
  const TRect box = control.Close_Hit_Box(tab_index);
  return QPoint((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
}

}  // namespace

void PageControlTest::closeBoxListsThePageAndReopensIt() {
  Fixture f(3);
  Show_With_Close_Boxes(f);
  int closes = 0;
  f.sheets[0]->OnClose = [&closes] { ++closes; };
  // A box on a tab that is not active does nothing while hovered.
  f.control->Set_TabHoverColor(clYellow);
  QTest::mouseMove(f.control, Close_Centre(*f.control, 1));
  QVERIFY(!f.control->Close_Box_Hot());
  QTest::mouseMove(f.control, Close_Centre(*f.control, 0));
  QVERIFY(f.control->Close_Box_Hot());
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(closes, 1);
  QCOMPARE(f.control->PageCount(), 2);
  QCOMPARE(f.control->ActivePage(), f.sheets[1]);
  QCOMPARE(f.changes, 0);
  QCOMPARE(f.control->Closed_Tab_Count(), 1);
  QCOMPARE(f.control->Closed_Tab_Name(0), QStringLiteral("Page1"));
  QVERIFY(f.sheets[0]->ZadPageControl() == nullptr);

  QVERIFY(f.control->OpenClosedTab(QStringLiteral("PAGE1")));
  QCOMPARE(f.control->PageCount(), 3);
  QCOMPARE(f.control->Pages(2), f.sheets[0]);  // at the end of the page order
  QCOMPARE(f.control->Closed_Tab_Count(), 1);  // the entry stays
  QVERIFY(!f.control->OpenClosedTab(QStringLiteral("Page9")));

  // Closed again: a second entry, and it can still be reopened.
  f.control->Set_ActivePage(f.sheets[0]);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, f.sheets[0]->TabIndex()));
  QCOMPARE(f.control->Closed_Tab_Count(), 2);
  QVERIFY(f.control->OpenClosedTab(QStringLiteral("page1")));
  QCOMPARE(f.sheets[0]->ZadPageControl(), f.control);

  // Every detached listed page comes back; attached ones stay as they are.
  f.control->Set_ActivePage(f.sheets[1]);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, f.sheets[1]->TabIndex()));
  QCOMPARE(f.control->PageCount(), 2);
  f.control->OpenAllClosedTabs();
  QCOMPARE(f.control->PageCount(), 3);
}

void PageControlTest::closingTheOnlyPageLeavesNoneActive() {
  Fixture f(1);
  Show_With_Close_Boxes(f);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(f.control->PageCount(), 0);
  QVERIFY(f.control->ActivePage() == nullptr);
  QVERIFY(f.control->OpenClosedTab(QStringLiteral("page1")));
  QCOMPARE(f.control->PageCount(), 1);
}

void PageControlTest::canCloseRefusalKeepsThePage() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  int closes = 0;
  TZadTabSheet* asked = nullptr;
  f.sheets[0]->OnCanClose = [&asked](TZadTabSheet* sheet, bool& can_close) {
    asked = sheet;
    can_close = false;
  };
  f.sheets[0]->OnClose = [&closes] { ++closes; };
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(asked, f.sheets[0]);
  QCOMPARE(closes, 0);
  QCOMPARE(f.control->PageCount(), 2);
  QCOMPARE(f.control->ActivePage(), f.sheets[0]);
  QCOMPARE(f.control->Closed_Tab_Count(), 0);
}

void PageControlTest::onlyAPressOnTheBoxCloses() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  const QPoint box = Close_Centre(*f.control, 0);
  QTest::mousePress(f.control, Qt::LeftButton, {}, f.Tab_Centre(0) + QPoint(20, 0));
  QTest::mouseRelease(f.control, Qt::LeftButton, {}, box);
  QCOMPARE(f.control->PageCount(), 2);
  // Pressed on the box and released off it: the box lets go without closing.
  QTest::mousePress(f.control, Qt::LeftButton, {}, box);
  QVERIFY(f.control->Close_Box_Pressed());
  QTest::mouseRelease(f.control, Qt::LeftButton, {}, f.Tab_Centre(1));
  QVERIFY(!f.control->Close_Box_Pressed());
  QCOMPARE(f.control->PageCount(), 2);
}

void PageControlTest::freeOnCloseDestroysThePage() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  f.control->Set_FreeOnClose(true);
  QPointer<TZadTabSheet> page = f.sheets[0];
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(f.control->PageCount(), 1);
  QCOMPARE(f.control->Closed_Tab_Count(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(page.isNull());
}

void PageControlTest::destroyedListedPagesAreSkipped() {
  Fixture f(3);
  Show_With_Close_Boxes(f);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(f.control->Closed_Tab_Count(), 1);
  delete f.sheets[0];
  QVERIFY(!f.control->OpenClosedTab(QStringLiteral("Page1")));
  f.control->OpenAllClosedTabs();
  QCOMPARE(f.control->PageCount(), 2);
}

void PageControlTest::closeBoxLooks() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  f.control->Set_LowerActive(2);
  const TRect hit = f.control->Close_Hit_Box(0);
  const QColor gray(128, 128, 128);
  QImage image = f.control->grab().toImage();
  // Drawn 2 pixels below the hit box: its top line, white inside.
  QCOMPARE(image.pixelColor(hit.Left + 1, hit.Top + 2), gray);
  QVERIFY(image.pixelColor(hit.Left + 1, hit.Top) != gray);
  QCOMPARE(image.pixelColor(hit.Left + 2, hit.Top + 4), QColor(255, 255, 255));
  // Hovering without a hover colour: no hot look, no hover tab.
  f.control->Set_TabHoverBorder(clRed);
  QTest::mouseMove(f.control, Close_Centre(*f.control, 0));
  QVERIFY(!f.control->Close_Box_Hot());
  QCOMPARE(f.control->HoverTab(), -1);
  f.control->Set_TabHoverColor(clYellow);
  QTest::mouseMove(f.control, Close_Centre(*f.control, 0) + QPoint(1, 0));
  QVERIFY(f.control->Close_Box_Hot());
  QCOMPARE(f.control->HoverTab(), 0);
  image = f.control->grab().toImage();
  QCOMPARE(image.pixelColor(hit.Left + 1, hit.Top + 2), QColor(0, 0, 0));
  // Pressed: silver inside.
  QTest::mousePress(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  image = f.control->grab().toImage();
  QCOMPARE(image.pixelColor(hit.Left + 2, hit.Top + 4), QColor(192, 192, 192));
  QTest::mouseRelease(f.control, Qt::LeftButton, {}, f.Tab_Centre(1));
  QTest::mouseMove(f.control, QPoint(200, 200));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(f.control, &leave);
  QCOMPARE(f.control->HoverTab(), -1);
  QVERIFY(!f.control->Close_Box_Hot());
}

void PageControlTest::closeGlyphIsClippedAndSeeThrough() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  f.control->Set_LowerActive(0);
  QImage glyph(20, 20, QImage::Format_RGB32);
  glyph.fill(QColor(255, 0, 0));
  glyph.setPixel(0, 19, qRgb(0, 255, 0));  // the see-through colour
  glyph.setPixel(1, 1, qRgb(0, 255, 0));
  f.control->Set_CloseGlyph(glyph);
  const TRect hit = f.control->Close_Hit_Box(0);
  const QImage image = f.control->grab().toImage();
  QCOMPARE(image.pixelColor(hit.Left, hit.Top), QColor(255, 0, 0));
  QCOMPARE(image.pixelColor(hit.Left + 11, hit.Top + 10), QColor(255, 0, 0));
  QVERIFY(image.pixelColor(hit.Left + 12, hit.Top + 5) != QColor(255, 0, 0));
  QVERIFY(image.pixelColor(hit.Left + 5, hit.Top + 11) != QColor(255, 0, 0));
  QVERIFY(image.pixelColor(hit.Left + 1, hit.Top + 1) != QColor(0, 255, 0));
}

// Style-drawn tabs have no owner colours, close boxes or hover looks, and
// no room kept for a close box; switching back restores all of them.
void PageControlTest::tabBorder3DLeavesTheTabsToTheStyle() {
  Fixture f(2);
  Show_With_Close_Boxes(f);
  f.control->Set_ActiveColor(clRed);
  f.control->Set_TabHoverColor(clYellow);
  auto count_in_tab = [&](const std::function<bool(const QColor&)>& test) {
    const QImage image = f.control->grab().toImage();
    const QRect tab = f.control->TabRect(0).To_QRect();
    int n = 0;
    for (int y = tab.top(); y <= tab.bottom(); ++y)
      for (int x = tab.left(); x <= tab.right(); ++x)
        if (test(image.pixelColor(x, y))) ++n;
    return n;
  };
  auto red = [](const QColor& c) { return c == QColor(255, 0, 0); };
  auto dark = [](const QColor& c) { return qGray(c.rgb()) < 80; };
  QVERIFY(count_in_tab(red) > 0);
  const int owner_width = f.control->TabRect(0).Width();

  f.control->Set_TabBorder3D(true);
  QVERIFY(f.control->TabBorder3D());
  QCOMPARE(count_in_tab(red), 0);
  QVERIFY(count_in_tab(dark) > 0);  // the caption
  // The tab is as long as the style wants it for its caption, which is
  // never cut.
  QStyleOptionTab option;
  option.initFrom(f.control);
  const int caption = f.control->fontMetrics().horizontalAdvance(f.control->Pages(0)->Caption());
  QVERIFY(f.control->TabRect(0).Width() >=
          caption + f.control->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, f.control));
  const QPoint box = Close_Centre(*f.control, 0);
  QTest::mouseMove(f.control, box);
  QCOMPARE(f.control->HoverTab(), -1);
  QVERIFY(!f.control->Close_Box_Hot());
  QTest::mouseClick(f.control, Qt::LeftButton, {}, box);
  QCOMPARE(f.control->PageCount(), 2);
  QCOMPARE(f.control->Closed_Tab_Count(), 0);

  f.control->Set_TabBorder3D(false);
  QCOMPARE(f.control->TabRect(0).Width(), owner_width);
  QVERIFY(count_in_tab(red) > 0);
  QTest::mouseClick(f.control, Qt::LeftButton, {}, Close_Centre(*f.control, 0));
  QCOMPARE(f.control->Closed_Tab_Count(), 1);
}

QTEST_MAIN(PageControlTest)
#include "page_control_test.moc"

void PageControlTest::stripEndLeavesNoLineInsideThePage_data() {
  QTest::addColumn<int>("position");
  QTest::newRow("top") << int(tpTop);
  QTest::newRow("bottom") << int(tpBottom);
}

// Beyond the last tab of a single row the page's first row inside the frame
// looks the same under the strip's end as it does further left.
void PageControlTest::stripEndLeavesNoLineInsideThePage() {
  QFETCH(int, position);
  Fixture f(3);
  f.control->Set_TabPosition(TTabPosition(position));
  f.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f.window));
  int strip_top = INT_MAX, strip_bottom = 0;
  for (int i = 0; i < 3; ++i) {
    strip_top = std::min(strip_top, f.control->TabRect(i).Top);
    strip_bottom = std::max(strip_bottom, f.control->TabRect(i).Bottom);
  }
  const int W = f.control->width();
  const int inside = position == tpTop ? strip_bottom : strip_top - 1;
  const QImage image = f.control->grab().toImage();
  QVERIFY(W - 60 > f.control->TabRect(2).Right);
  QCOMPARE(image.pixelColor(W - 20, inside), image.pixelColor(W - 60, inside));
}
