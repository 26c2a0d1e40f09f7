#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "controls/canvas.h"
#include "grid/draw/glyph_paint.h"
#include "grid/theme/qstyle_theme_backend.h"
#include "grid/theme/theme_api.h"

// The widget-style backend of the theme library and both branches of the
// themed glyphs: drawn by the style while the library is loaded, classic
// frame controls once it is switched off.
class Theme_Backend_Test : public QObject {
  Q_OBJECT

 private:
  static QImage Paint(const std::function<void(TCanvas&)>& draw) {
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    draw(canvas);
    return image;
  }
  static bool Blank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
  }

 private Q_SLOTS:
  void init() { QStyle_Theme_Backend::Install_And_Load(); }
  void cleanup() {
    UnloadThemeApi();
    Free_Theme_Library();
    Install_Theme_Backend(nullptr);
  }

  void partsDrawByClassAndNumber_data() {
    QTest::addColumn<QString>("klass");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("known");
    QTest::newRow("push hot") << "button" << int(BP_PUSHBUTTON) << int(PBS_HOT) << true;
    QTest::newRow("push disabled") << "BUTTON" << int(BP_PUSHBUTTON) << int(PBS_DISABLED) << true;
    QTest::newRow("check checked") << "button" << int(BP_CHECKBOX) << int(CBS_CHECKEDNORMAL) << true;
    QTest::newRow("check mixed") << "button" << int(BP_CHECKBOX) << int(CBS_MIXEDHOT) << true;
    QTest::newRow("radio") << "button" << int(BP_RADIOBUTTON) << int(RBS_CHECKEDPRESSED) << true;
    QTest::newRow("combo") << "combobox" << int(CP_DROPDOWNBUTTON) << int(CBXS_NORMAL) << true;
    QTest::newRow("spin up") << "spin" << int(SPNP_UP) << int(UPS_NORMAL) << true;
    QTest::newRow("spin down") << "spin" << int(SPNP_DOWN) << int(DNS_DISABLED) << true;
    QTest::newRow("tab") << "tab" << int(TABP_TABITEM) << int(TIS_SELECTED) << true;
    QTest::newRow("tab pane") << "tab" << int(TABP_PANE) << 1 << true;
    QTest::newRow("header") << "header" << int(HP_HEADERITEM) << int(HIS_PRESSED) << true;
    QTest::newRow("header right end") << "header" << int(HP_HEADERITEMRIGHT) << int(HIS_NORMAL) << true;
    QTest::newRow("progress bar") << "progress" << int(PP_BAR) << 1 << true;
    QTest::newRow("progress chunk") << "Progress" << int(PP_CHUNK) << 1 << true;
    QTest::newRow("unknown progress part") << "progress" << 2 << 1 << false;
    QTest::newRow("unknown part") << "button" << 42 << 1 << false;
    QTest::newRow("unknown class") << "trackbar" << 1 << 1 << false;
  }
  void partsDrawByClassAndNumber() {
    QFETCH(QString, klass);
    QFETCH(int, part);
    QFETCH(int, state);
    QFETCH(bool, known);
    const Theme_Library& library = Zad_Theme_Library();
    QVERIFY(Themes_In_Use(library));
    bool drawn = false;
    const QImage image = Paint([&](TCanvas& c) {
      HTHEME theme = library.OpenThemeData(nullptr, klass);
      drawn = library.DrawThemeBackground(theme, c.Painter(), part, state, QRect(2, 2, 40, 20));
      library.CloseThemeData(theme);
    });
    QCOMPARE(drawn, known);
    QCOMPARE(Blank(image), !known);
  }

  void switchedOffFacadeDrawsTheClassicLook() {
    const TColorTones tones;
    const TRect r{0, 0, 60, 24};
    using Draw = void (*)(TCanvas&, const QObject*, const TRect&, const TColorTones&, int, int);
    for (Draw draw : {Draw(DrawPushButton), Draw(DrawComboButton), Draw(DrawSpinButtons)}) {
      QVERIFY(Themes_In_Use());
      const QImage themed = Paint([&](TCanvas& c) { draw(c, nullptr, r, tones, kStateNormal, kLookThemed); });
      const QImage classic = Paint([&](TCanvas& c) { draw(c, nullptr, r, tones, kStateNormal, kLookClassic); });
      QVERIFY(!Blank(themed));
      UnloadThemeApi();
      QVERIFY(!Themes_In_Use());
      const QImage off = Paint([&](TCanvas& c) { draw(c, nullptr, r, tones, kStateNormal, kLookThemed); });
      QCOMPARE(off, classic);
      QVERIFY(LoadThemeApi());
    }
  }

  // Saves the glyphs in every look and state for a person to look at.
  void glyphSheet() {
    const QString path = qEnvironmentVariable("KELVRA_GLYPH_SHEET");
    if (path.isEmpty()) QSKIP("set KELVRA_GLYPH_SHEET to a PNG path to write the sheet");
    TColorTones tones;
    tones.Background = {0xFAF0E6, 0xA0A0A0, 0x800000};
    tones.Hover = {0x9CE3FF, 0x3CA0E0, clBlack};
    tones.Selected = {0x4CB4FF, 0x2080C0, clBlack};
    tones.Disabled = {0xE0E0E0, 0xC0C0C0, clGray};
    QImage sheet(4 * 130 + 10, 4 * 3 * 30 + 10, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    TCanvas canvas(painter);
    for (int look = 0; look < 4; ++look)
      for (int state = 0; state < 4; ++state) {
        const int x = 10 + state * 130, y = 10 + look * 90;
        DrawPushButton(canvas, nullptr, {x, y, x + 110, y + 24}, tones, state, look);
        DrawComboButton(canvas, nullptr, {x, y + 30, x + 110, y + 54}, tones, state, look);
        DrawSpinButtons(canvas, nullptr, {x, y + 60, x + 110, y + 84}, tones, state, look);
      }
    painter.end();
    QVERIFY(sheet.save(path));
  }
};

QTEST_MAIN(Theme_Backend_Test)
#include "theme_backend_test.moc"
