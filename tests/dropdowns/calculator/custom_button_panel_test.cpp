#include "dropdowns/calculator/custom_button_panel.h"

#include <QtTest>
#include <memory>
#include <vector>

#include "dropdowns/calculator/zad_calculator_dropdown.h"

namespace {

// A panel on its own, 230 x 150, with its keys.
struct Fixture {
  Fixture() {
    panel.resize(230, 150);
    panel.Loaded();
    panel.OnButtonClick = [this](QObject*, int Index) { clicks.push_back(Index); };
    panel.show();
    (void)QTest::qWaitForWindowExposed(&panel);
  }
  QPoint Centre(int Index) const {
    const TRect r = panel.Buttons().Items(Index)->GetBounds();
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Move(const QPoint& At) {
    QMouseEvent move(QEvent::MouseMove, QPointF(At), panel.mapToGlobal(QPointF(At)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&panel, &move);
  }

  TCustomButtonPanel panel;
  std::vector<int> clicks;
};

constexpr int kSeven = 11, kEight = 12;

}  // namespace

class Keypad_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void a_panel_on_its_own_gets_the_calculator_keys_once_loaded() {
    TCustomButtonPanel panel;
    QCOMPARE(panel.Buttons().Count(), 0);
    panel.Loaded();
    QCOMPARE(panel.Buttons().Count(), 28);
    const TButtonItem* back = panel.Buttons().Items(1);
    QCOMPARE(back->Caption(), QStringLiteral("Back"));
    QCOMPARE(back->Name(), QStringLiteral("BTN_BACK"));
    QCOMPARE(back->Tag(), 31);
    QVERIFY(back->Special());
    QCOMPARE(back->CaptionColor(), TColor(0x000080));
    QVERIFY(!panel.Buttons().Items(8)->Special());
    QCOMPARE(panel.Buttons().Items(8)->CaptionColor(), TColor(0xFFFFFF));
    // Loading again adds nothing; a reset gives the keys back after a clear.
    panel.Loaded();
    QCOMPARE(panel.Buttons().Count(), 28);
    panel.ClearButtons();
    panel.CreateCalculatorButtons();
    QCOMPARE(panel.Buttons().Count(), 28);
    panel.ClearButtons();
    panel.ResetButtons();
    QCOMPARE(panel.Buttons().Count(), 28);
  }

  void keys_follow_the_size_and_are_found_by_position() {
    Fixture f;
    TRect r;
    f.panel.GetButtonRect(kSeven, r);
    QCOMPARE(r.Left, 46);
    QCOMPARE(r.Top, 38);
    QCOMPARE(r.Right - r.Left, 34);
    f.panel.GetButtonRect(28, r);
    QCOMPARE(r.Left, -1);
    // Keys of a block share their border pixel: the first key in order
    // takes it; right and bottom edges are outside a key.
    QCOMPARE(f.panel.ButtonAtPos(46, 38), kSeven);
    QCOMPARE(f.panel.ButtonAtPos(79, 40), kSeven);
    QCOMPARE(f.panel.ButtonAtPos(80, 40), kEight);
    QCOMPARE(f.panel.ButtonAtPos(2, 2), -1);
    f.panel.resize(460, 300);
    f.panel.GetButtonRect(0, r);
    QCOMPARE(r.Right - r.Left, (460 - 16 - 8) / 6);
  }

  void a_click_is_a_release_over_the_pressed_key() {
    Fixture f;
    QTest::mouseClick(&f.panel, Qt::LeftButton, {}, f.Centre(kSeven));
    QCOMPARE(f.clicks, std::vector<int>{kSeven});
    QTest::mousePress(&f.panel, Qt::LeftButton, {}, f.Centre(kSeven));
    QCOMPARE(f.panel.ButtonDown(), kSeven);
    QTest::mouseRelease(&f.panel, Qt::LeftButton, {}, f.Centre(kEight));
    QCOMPARE(f.clicks, std::vector<int>{kSeven});
    QCOMPARE(f.panel.ButtonDown(), -1);
  }

  void disabled_keys_are_neither_hot_nor_pressed() {
    Fixture f;
    f.Move(f.Centre(kSeven));
    QCOMPARE(f.panel.ButtonHot(), kSeven);
    f.Move(QPoint(2, 2));
    QCOMPARE(f.panel.ButtonHot(), -1);
    f.panel.Buttons().Items(kEight)->SetEnabled(false);
    f.Move(f.Centre(kEight));
    QCOMPARE(f.panel.ButtonHot(), -1);
    QTest::mouseClick(&f.panel, Qt::LeftButton, {}, f.Centre(kEight));
    QVERIFY(f.clicks.empty());
  }

  void key_size_for_the_largest_caption_and_picture() {
    TCustomButtonPanel panel;
    TButtonItem* key = panel.Buttons().Add();
    key->SetCaption(QStringLiteral("MM"));
    int w = 0, h = 0;
    panel.GetButtonSize(w, h);
    const QFontMetrics m(panel.font());
    QCOMPARE(w, 8 + m.horizontalAdvance(QStringLiteral("MM")));
    key->SetImage(QImage(20, 40, QImage::Format_ARGB32));
    panel.GetButtonSize(w, h);
    QCOMPARE(w, 8 + 20 + m.horizontalAdvance(QStringLiteral("MM")));
    QCOMPARE(h, 40 + 8);
    panel.SetButtonLayout(ilCaptionTop);
    panel.GetButtonSize(w, h);
    QCOMPARE(w, std::max(20, m.horizontalAdvance(QStringLiteral("MM"))) + 8);
  }

  // On its own the panel draws a black frame; inside a drop-down it does not.
  void the_frame_shows_only_on_a_panel_of_its_own() {
    Fixture f;
    f.panel.SetColor(clWhite);
    QImage alone = f.panel.grab().toImage();
    QCOMPARE(alone.pixelColor(0, 75), QColor(Qt::black));
    std::unique_ptr<TZadCalculatorDropdown> calc(Create_Drop_Down<TZadCalculatorDropdown>());
    f.panel.SetZadDropDown(calc.get());
    QImage bound = f.panel.grab().toImage();
    QCOMPARE(bound.pixelColor(0, 75), QColor(Qt::white));
  }

  void a_picture_wins_over_an_image_index() {
    Fixture f;
    TDropDownImages images{QImage(8, 8, QImage::Format_ARGB32)};
    images[0].fill(Qt::red);
    f.panel.SetImages(&images);
    TButtonItem* key = f.panel.Buttons().Items(0);  // the blank key
    key->SetImageIndex(0);
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    key->SetImage(picture);
    f.panel.SetButtonLayout(ilCaptionBottom);
    const QImage shot = f.panel.grab().toImage();
    const TRect r = key->GetBounds();
    // No caption: the picture is centred vertically at the content's left.
    const QPoint at(r.Left + 4 + 2, r.Top + 4 + (r.Bottom - r.Top - 8 - 8) / 2 + 2);
    QCOMPARE(shot.pixelColor(at), QColor(Qt::blue));
  }

  void the_appearance_defaults_and_its_change_notice() {
    TButtonAppearance a;
    QCOMPARE(a.Color(), TColor(0x9A915F));
    QCOMPARE(a.ColorCheckedTo(), TColor(0xF9BDA0));
    QCOMPARE(a.ColorDisabled(), TColor(0xF2F2F2));
    QCOMPARE(a.ColorChecked(), TColor(0xF5D8CA));
    QCOMPARE(a.Font().pointSize(), 10);
    QVERIFY(a.Font().bold());
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    a.SetColor(0x9A915F);
    a.SetGlowColorHot(1);
    a.SetShineColor(2);
    QCOMPARE(changes, 0);
    a.SetColor(3);
    QCOMPARE(changes, 1);
    TButtonAppearance b;
    b.Assign(a);
    QCOMPARE(b.Color(), TColor(3));
    QCOMPARE(b.GlowColorHot(), TColor(1));
    QCOMPARE(b.ShineColor(), TColor(2));
  }
};

QTEST_MAIN(Keypad_Test)
#include "custom_button_panel_test.moc"
