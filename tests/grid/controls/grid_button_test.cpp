#include "grid/controls/grid_button.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include "grid/controls/grid_button_glyphs.h"
#include "grid/theme/theme_api.h"

namespace {

// A theme whose colour scheme the test picks.
class Scheme_Backend : public Theme_Backend {
 public:
  QString scheme;
  bool Is_Theme_Active() const override { return true; }
  QString Color_Scheme_Name() const override { return scheme; }
  bool Draw_Part(QPainter&, const QObject*, const QString&, int, int, const QRect&) const override { return false; }
};

QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

QColor From_TColor(TColor c) { return QColor(Get_R(c), Get_G(c), Get_B(c)); }

// The gradient's first inner band: within a band's step of its start colour.
bool Near(QColor a, TColor b) {
  const QColor c = From_TColor(b);
  return qAbs(a.red() - c.red()) <= 12 && qAbs(a.green() - c.green()) <= 12 && qAbs(a.blue() - c.blue()) <= 12;
}

}  // namespace

class GridButtonTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void defaults() {
    TZadGridButton b;
    QCOMPARE(b.size(), QSize(22, 23));
    QCOMPARE(b.Color(), clBtnFace);
    QCOMPARE(b.ColorHot(), TColor(0xCAC7C7));
    QCOMPARE(b.ColorDown(), TColor(0xD8D3D2));
    QCOMPARE(b.ColorChecked(), TColor(0x808080));
    QCOMPARE(b.ColorTo(), clNone);
    QVERIFY(b.Flat());
    QVERIFY(b.Shaded());
    QVERIFY(b.ShowCaption());
    QVERIFY(!b.Rounded());
    QCOMPARE(b.Margin(), -1);
    QCOMPARE(b.Spacing(), 4);
    QCOMPARE(b.Layout(), blGlyphLeft);
    QCOMPARE(b.Style(), tasButton);
  }

  void group_buttons_act_as_radio_buttons() {
    QWidget parent;
    TZadGridButton first(&parent), second(&parent), other(&parent);
    second.move(30, 0);
    for (TZadGridButton* b : {&first, &second}) b->SetGroupIndex(1);
    other.SetGroupIndex(2);
    other.SetDown(true);
    first.SetDown(true);
    int clicks = 0;
    second.OnClick = [&clicks] { ++clicks; };
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(second.Down());
    QVERIFY(!first.Down());
    QVERIFY(other.Down());  // another group
    QCOMPARE(clicks, 1);
    // Without AllowAllUp a down button stays down when clicked again.
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(second.Down());
    QCOMPARE(clicks, 2);
    // With it, the click raises it; the group takes the setting.
    first.SetAllowAllUp(true);
    QVERIFY(second.AllowAllUp());
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!second.Down());
  }

  void plain_button_is_never_down() {
    TZadGridButton b;
    b.SetDown(true);
    QVERIFY(!b.Down());
  }

  void check_button_toggles_on_release_inside_only() {
    TZadGridButton b;
    b.SetStyle(tasCheck);
    int clicks = 0;
    b.OnClick = [&clicks] { ++clicks; };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(b.Down());
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 5));
    QVERIFY(b.Down());
    QCOMPARE(clicks, 1);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!b.Down());
    QCOMPARE(clicks, 2);
  }

  void drop_down_part_opens_instead_of_clicking() {
    TZadGridButton b;
    b.resize(60, 23);
    b.SetDropDownButton(true);
    QMenu menu;
    b.SetDropDownMenu(&menu);
    int clicks = 0, drops = 0;
    b.OnClick = [&clicks] { ++clicks; };
    b.OnDropDown = [&drops] { ++drops; };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(52, 5));
    QCOMPARE(drops, 1);
    QCOMPARE(clicks, 0);
    menu.hide();
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 5));
    QCOMPARE(drops, 1);
    QCOMPARE(clicks, 1);
  }

  void forgets_a_deleted_menu() {
    TZadGridButton b;
    auto* menu = new QMenu;
    b.SetDropDownMenu(menu);
    delete menu;
    QVERIFY(b.DropDownMenu() == nullptr);
  }

  void looks_data() {
    QTest::addColumn<int>("look");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<TColor>("colorHotTo");
    QTest::addColumn<TColor>("borderHot");
    QTest::addColumn<bool>("rounded");
    QTest::newRow("0") << 0 << TColor(0xEDF1F1) << TColor(0xE5ECED) << TColor(0xC3CECE) << true;
    QTest::newRow("1") << 1 << clBtnFace << clNone << TColor(0xC56A31) << false;
    QTest::newRow("2") << 2 << TColor(0xFDEADA) << TColor(0x91D0FF) << TColor(0x000000) << false;
    QTest::newRow("5") << 5 << clBtnFace << clNone << clNone << false;
    QTest::newRow("6") << 6 << TColor(0xCAFFFF) << TColor(0x7CE9FC) << TColor(0x808080) << false;
  }
  void looks() {
    QFETCH(int, look);
    TZadGridButton b;
    b.SetFlat(false);
    b.SetBorderColor(clRed);
    b.SetLook(look);
    QTEST(b.Color(), "color");
    QTEST(b.ColorHotTo(), "colorHotTo");
    QTEST(b.BorderHotColor(), "borderHot");
    QTEST(b.Rounded(), "rounded");
    QVERIFY(b.Flat());
    QCOMPARE(b.BorderColor(), clNone);
  }

  void unknown_look_and_bad_margin_change_nothing() {
    TZadGridButton b;
    b.SetLook(2);
    b.SetLook(7);
    b.SetLook(-1);
    QCOMPARE(b.Look(), 2);
    QCOMPARE(b.Color(), TColor(0xFDEADA));
    b.SetMargin(3);
    b.SetMargin(-2);
    QCOMPARE(b.Margin(), 3);
    b.SetMargin(-1);
    QCOMPARE(b.Margin(), -1);
  }

  void theme_adaptation_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("look");
    QTest::newRow("normal") << "NormalColor" << 2;
    QTest::newRow("homestead") << "HomeStead" << 3;
    QTest::newRow("metallic") << "Metallic" << 4;
    QTest::newRow("other") << "Royale" << 1;
  }
  void theme_adaptation() {
    QFETCH(QString, scheme);
    Scheme_Backend backend;
    backend.scheme = scheme;
    Install_Theme_Backend(&backend);
    Zad_Theme_Library().Unload();
    Zad_Theme_Library().Load();
    TZadGridButton b;
    b.SetAutoThemeAdapt(true);
    QTEST(b.Look(), "look");
    // A theme change while adapting picks the preset again.
    b.SetLook(6);
    QEvent change(QEvent::StyleChange);
    QApplication::sendEvent(&b, &change);
    QTEST(b.Look(), "look");
    Zad_Theme_Library().Unload();
    Install_Theme_Backend(nullptr);
  }

  void no_theme_adapts_to_look_1() {
    TZadGridButton b;
    b.SetAutoThemeAdapt(true);
    QCOMPARE(b.Look(), 1);
  }

  void derived_glyphs() {
    QImage glyph(4, 4, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));  // the see-through colour, bottom-left
    glyph.setPixel(1, 1, qRgb(200, 100, 30));
    TZadGridButton b;
    b.SetGlyph(glyph);
    QCOMPARE(Pixel(b.GlyphDisabled(), 1, 1), QColor(151, 151, 151));
    QCOMPARE(Pixel(b.GlyphShade(), 1, 1), QColor(128, 128, 128));
    QCOMPARE(Pixel(b.GlyphShade(), 0, 0), QColor(255, 0, 255));
    // The disabled glyph is derived only while it is empty.
    QImage second = glyph;
    second.setPixel(1, 1, qRgb(0, 0, 0));
    b.SetGlyph(second);
    QCOMPARE(Pixel(b.GlyphDisabled(), 1, 1), QColor(151, 151, 151));
    QCOMPARE(qAlpha(Transparent_Glyph(glyph).pixel(0, 3)), 0);
    QCOMPARE(qAlpha(Transparent_Glyph(glyph).pixel(1, 1)), 255);
  }

  void flat_faces_by_state() {
    QWidget parent;
    TZadGridButton b(&parent);
    b.resize(40, 23);
    b.SetLook(2);
    b.SetCaption(QString());
    // Normal: the gradient starts with Color at the top.
    QImage face = b.Render();
    QCOMPARE(Pixel(face, 20, 0), From_TColor(0xFDEADA));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    QVERIFY(b.MouseInControl());
    face = b.Render();
    QCOMPARE(Pixel(face, 20, 0), QColor(0, 0, 0));  // BorderHotColor frame
    QVERIFY(Near(Pixel(face, 20, 1), 0xCCF4FF));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(b.State(), bsDown);
    face = b.Render();
    QVERIFY(Near(Pixel(face, 20, 1), 0x4E91FE));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    QVERIFY(!b.MouseInControl());
  }

  void disabled_state_and_caption() {
    QWidget parent;
    TZadGridButton b(&parent);
    b.resize(80, 23);
    b.SetCaption(QStringLiteral("Find"));
    b.setEnabled(false);
    const QImage face = b.Render();
    QCOMPARE(b.State(), bsDisabled);
    // The embossed caption leaves highlight pixels beside the shadow ones.
    bool shadow = false;
    const QRgb dark = To_QColor(clBtnShadow).rgb();
    for (int y = 0; y < face.height(); ++y)
      for (int x = 0; x < face.width(); ++x)
        if (face.pixel(x, y) == dark) shadow = true;
    QVERIFY(shadow);
    b.setEnabled(true);
    b.Render();
    QCOMPARE(b.State(), bsUp);
  }

  void hot_and_leave_events() {
    TZadGridButton b;
    int enters = 0, leaves = 0;
    b.OnMouseEnter = [&enters] { ++enters; };
    b.OnMouseLeave = [&leaves] { ++leaves; };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    QCOMPARE(enters, 1);
    QCOMPARE(leaves, 1);
    b.setEnabled(false);
    QApplication::sendEvent(&b, &enter);
    QVERIFY(!b.MouseInControl());
  }

  void double_click_while_down() {
    QWidget parent;
    TZadGridButton plain(&parent), grouped(&parent);
    grouped.SetGroupIndex(1);
    grouped.SetDown(true);
    int doubles = 0;
    plain.OnDblClick = grouped.OnDblClick = [&doubles] { ++doubles; };
    QTest::mouseDClick(&plain, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubles, 0);
    QTest::mouseDClick(&grouped, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubles, 1);
  }

  void action_link() {
    QWidget parent;
    TZadGridButton b(&parent);
    QAction action(QStringLiteral("Next"));
    int triggered = 0;
    connect(&action, &QAction::triggered, [&triggered] { ++triggered; });
    b.SetAction(&action);
    QCOMPARE(b.Caption(), QStringLiteral("Next"));
    action.setText(QStringLiteral("Forward"));
    QCOMPARE(b.Caption(), QStringLiteral("Forward"));
    // A caption of its own is no longer linked.
    b.SetCaption(QStringLiteral("Own"));
    action.setText(QStringLiteral("Again"));
    QCOMPARE(b.Caption(), QStringLiteral("Own"));
    action.setEnabled(false);
    QVERIFY(!b.isEnabled());
    action.setEnabled(true);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(triggered, 1);
  }

  void accelerator_clicks() {
    QWidget window;
    TZadGridButton b(&window);
    b.resize(80, 23);
    b.SetCaption(QStringLiteral("&Highlight"));
    int clicks = 0;
    b.OnClick = [&clicks] { ++clicks; };
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QCOMPARE(clicks, 1);
  }

  void places_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("rtl");
    QTest::addColumn<QPoint>("glyph");
    QTest::addColumn<QPoint>("caption");
    // Client 100 x 30, glyph 16 x 16, caption 40 x 14.
    QTest::newRow("centred") << int(blGlyphLeft) << -1 << 4 << false << QPoint(20, 7) << QPoint(40, 8);
    QTest::newRow("thirds") << int(blGlyphLeft) << -1 << -1 << false << QPoint(14, 7) << QPoint(44, 8);
    QTest::newRow("margin") << int(blGlyphLeft) << 2 << 4 << false << QPoint(2, 7) << QPoint(22, 8);
    QTest::newRow("margin, even gap") << int(blGlyphLeft) << 2 << -1 << false << QPoint(2, 7) << QPoint(39, 8);
    QTest::newRow("right") << int(blGlyphRight) << 2 << 4 << false << QPoint(82, 7) << QPoint(38, 8);
    QTest::newRow("left read right to left") << int(blGlyphLeft) << 2 << 4 << true << QPoint(82, 7) << QPoint(38, 8);
    QTest::newRow("top") << int(blGlyphTop) << 0 << 0 << false << QPoint(42, 0) << QPoint(30, 16);
    QTest::newRow("bottom") << int(blGlyphBottom) << 0 << 0 << false << QPoint(42, 14) << QPoint(30, 0);
  }
  void places() {
    QFETCH(int, layout);
    QFETCH(int, margin);
    QFETCH(int, spacing);
    QFETCH(bool, rtl);
    const Button_Places at = Place_Glyph_And_Caption(QSize(100, 30), QSize(16, 16), QSize(40, 14),
                                                     TButtonLayout(layout), margin, spacing, rtl);
    QTEST(at.glyph, "glyph");
    QTEST(at.caption, "caption");
  }
};

QTEST_MAIN(GridButtonTest)
#include "grid_button_test.moc"
