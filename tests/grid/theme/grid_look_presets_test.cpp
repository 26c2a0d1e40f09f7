#include <QtTest>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/color_math.h"
#include "grid/html/html_highlight.h"
#include "grid/theme/registry_ini.h"
#include "support/temp_dir.h"

Q_DECLARE_METATYPE(TZadGridStyle)
Q_DECLARE_METATYPE(TGridLook)

namespace {

class Counting_Grid : public TZadIrururOziz {
 public:
  void RepaintAll() override {
    ++Repaints;
    TZadIrururOziz::RepaintAll();
  }
  void SetStyle(TZadGridStyle AStyle) override {
    ++Styles;
    TZadIrururOziz::SetStyle(AStyle);
  }
  int Repaints = 0;
  int Styles = 0;
};

// Everything a look, style, tone or theme writes, for whole-state comparisons.
struct Look_State {
  std::vector<TColor> colours;
  std::vector<int> values;
  friend bool operator==(const Look_State&, const Look_State&) = default;
};

Look_State State_Of(TZadIrururOziz& g) {
  const TGridPaintLook& l = g.PaintLook();
  TControlLook& cl = g.ControlLook();
  TSortSettings& s = g.SortSettings();
  return {{l.DUDGradFrom,
           l.DUDGradTo,
           l.DUDGradMirrorFrom,
           l.DUDGradMirrorTo,
           l.DUDGradHoverFrom,
           l.DUDGradHoverTo,
           l.DUDGradHoverMirrorFrom,
           l.DUDGradHoverMirrorTo,
           l.DUDGradHoverBorder,
           l.DUDGradDownFrom,
           l.DUDGradDownTo,
           l.DUDGradDownMirrorFrom,
           l.DUDGradDownMirrorTo,
           l.DUDGradDownBorder,
           cl.FixedGradientFrom(),
           cl.FixedGradientTo(),
           cl.FixedGradientMirrorFrom(),
           cl.FixedGradientMirrorTo(),
           g.ActiveCellColor(),
           g.ActiveCellColorTo(),
           g.SelectionColor(),
           g.SelectionColorTo(),
           g.SelectionTextColor(),
           g.SearchFooter().Color(),
           g.SearchFooter().ColorTo(),
           g.GridLineColor(),
           g.GridFixedLineColor(),
           g.FixedColor(),
           s.HeaderColor,
           s.HeaderColorTo,
           s.HeaderMirrorColor,
           s.HeaderMirrorColorTo},
          {g.Look(), g.SelectionStyle(), g.ComponentStyle(), g.ScrollType(), g.BorderStyle()}};
}

struct Gradient5 {
  TColor from, to, mirror_from, mirror_to, border;
};

Gradient5 Hover_Of(TZadIrururOziz& g) {
  const TGridPaintLook& l = g.PaintLook();
  return {l.DUDGradHoverFrom, l.DUDGradHoverTo, l.DUDGradHoverMirrorFrom, l.DUDGradHoverMirrorTo, l.DUDGradHoverBorder};
}

Gradient5 Down_Of(TZadIrururOziz& g) {
  const TGridPaintLook& l = g.PaintLook();
  return {l.DUDGradDownFrom, l.DUDGradDownTo, l.DUDGradDownMirrorFrom, l.DUDGradDownMirrorTo, l.DUDGradDownBorder};
}

void Compare(const Gradient5& actual, const Gradient5& expected) {
  QCOMPARE(actual.from, expected.from);
  QCOMPARE(actual.to, expected.to);
  QCOMPARE(actual.mirror_from, expected.mirror_from);
  QCOMPARE(actual.mirror_to, expected.mirror_to);
  QCOMPARE(actual.border, expected.border);
}

TColorTones Sample_Tones() {
  TColorTones t;
  t.Background = {0xFFFFFF, 0xDDDDDD, 0x202020};
  t.Foreground = {0xF0F0F0, 0xC0C0C0, 0x404040};
  t.Selected = {0xD77800, 0xD77800, 0xFFFFFF};
  t.Hover = {0xF7E6CC, 0xF7E6CC, 0x000000};
  t.Disabled = {0xF0F0F0, 0xF0F0F0, 0xA0A0A0};
  return t;
}

}  // namespace

class GridLookPresetsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Each row starts from a fresh grid (look glXP).
  void style_values_data() {
    QTest::addColumn<TZadGridStyle>("style");
    QTest::addColumn<TGridLook>("look");
    QTest::addColumn<int>("stored_style");
    QTest::addColumn<int>("selection_style");
    QTest::addColumn<std::vector<TColor>>("colours");
    // colours: selection, selection to, selection text, fixed from, fixed to,
    // fixed mirror from, fixed mirror to, active from, active to, grid line,
    // fixed line, footer, footer to, control look from, control look to
    QTest::newRow("Office 2003 blue") << gsOffice2003Blue << glXP << int(tsWindowsXP) << int(ssDefault)
                                      << std::vector<TColor>{0x94E6FB, 0x1595EE, 0,        0xFCE1CB, 0xE0A57D,
                                                             clNone,   clNone,   0x94E6FB, 0x1595EE, 0xC0C0C0,
                                                             0x808080, 0xFCE1CB, clNone,   0xFCE1CB, 0xE0A57D};
    QTest::newRow("Office 2007 Obsidian from XP: Luna first")
        << gsOffice2007Obsidian << glOffice2007 << int(tsOffice2007Luna) << int(ssOffice2007)
        << std::vector<TColor>{0x5EC1F1, clNone,   0,        0xF7F7F7, 0xDEDEDE, clNone,   clNone,  0x9DD8F9,
                               0x5EC1F1, 0xE5D7D0, 0x808080, 0xF7F7F7, clNone,   0xF7F7F7, 0xDEDEDE};
    QTest::newRow("Office 2007 silver: footer ends in the mirror-to colour")
        << gsOffice2007Silver << glOffice2007 << int(tsOffice2007Luna) << int(ssOffice2007)
        << std::vector<TColor>{0x95C7F5, clNone,   0,        0xF3F3F1, 0xCAC9C8, clNone,   clNone,  0x99CCFF,
                               0x699CFF, 0xE5D7D0, 0x808080, 0xF3F3F1, clNone,   0xF3F3F1, 0xCAC9C8};
    QTest::newRow("Windows 7") << gsWindows7 << glWin7 << int(tsWindows7) << int(ssWin7)
                               << std::vector<TColor>{0xEACAB6, clNone,   0,        0xFDFCFA, 0xFAF0E6,
                                                      0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xECECF0,
                                                      0xD4D2D1, 0xFDFCFA, 0xF7E9DD, clNone,   clNone};
    QTest::newRow("Windows Vista") << gsWindowsVista << glVista << int(tsWindowsVista) << int(ssVista)
                                   << std::vector<TColor>{0xEACAB6, clNone,   0,        0xFFFFFF, 0xFFFFFF,
                                                          0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xECECF0,
                                                          0xD4D2D1, 0xFFFFFF, 0xF4F2F1, clNone,   clNone};
    QTest::newRow("Office 2010 black") << gsOffice2010Black << glOffice2007 << int(tsOffice2007Luna) << int(ssDefault)
                                       << std::vector<TColor>{0xFFDBB7, clNone,   0,        0x6A6A6A, 0x6A6A6A,
                                                              0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xC0C0C0,
                                                              0x444444, 0x6A6A6A, 0x6A6A6A, clNone,   clNone};
    QTest::newRow("Whidbey keeps the look")
        << gsWhidbey << glXP << int(tsWindowsXP) << int(ssDefault)
        << std::vector<TColor>{clHighlight, clNone,   clHighlightText, 0xFFFFFF, clBtnFace, clNone, clNone, 0x94E6FB,
                               0x1595EE,    0xC0C0C0, 0x808080,        0xFFFFFF, clNone,    clNone, clNone};
  }
  void style_values() {
    QFETCH(TZadGridStyle, style);
    QFETCH(TGridLook, look);
    QFETCH(int, stored_style);
    QFETCH(int, selection_style);
    QFETCH(std::vector<TColor>, colours);
    TZadIrururOziz g;
    g.SetStyle(style);
    const TGridPaintLook& l = g.PaintLook();
    const std::vector<TColor> actual{g.SelectionColor(),
                                     g.SelectionColorTo(),
                                     g.SelectionTextColor(),
                                     l.DUDGradFrom,
                                     l.DUDGradTo,
                                     l.DUDGradMirrorFrom,
                                     l.DUDGradMirrorTo,
                                     g.ActiveCellColor(),
                                     g.ActiveCellColorTo(),
                                     g.GridLineColor(),
                                     g.GridFixedLineColor(),
                                     g.SearchFooter().Color(),
                                     g.SearchFooter().ColorTo(),
                                     g.ControlLook().FixedGradientFrom(),
                                     g.ControlLook().FixedGradientTo()};
    for (size_t i = 0; i < colours.size(); ++i) {
      if (actual[i] != colours[i]) qWarning("colour %zu: %08X, expected %08X", i, actual[i], colours[i]);
      QCOMPARE(actual[i], colours[i]);
    }
    QCOMPARE(g.Look(), look);
    QCOMPARE(int(g.ComponentStyle()), stored_style);
    QCOMPARE(int(g.SelectionStyle()), selection_style);
  }

  void hover_pressed_and_sort_header_of_windows7_and_office2010() {
    TZadIrururOziz win7;
    win7.SetStyle(gsWindows7);
    Compare(Hover_Of(win7), {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3});
    Compare(Down_Of(win7), {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
    QCOMPARE(win7.ControlLook().FixedGradientMirrorFrom(), TColor(0xF4E6DC));
    QCOMPARE(win7.ControlLook().FixedGradientMirrorTo(), TColor(0xF7E9DD));
    const TSortSettings& ws = win7.SortSettings();
    QCOMPARE(std::vector<TColor>({ws.HeaderColor, ws.HeaderColorTo, ws.HeaderMirrorColor, ws.HeaderMirrorColorTo}),
             std::vector<TColor>({0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}));

    TZadIrururOziz black;
    black.SetStyle(gsOffice2010Black);
    Compare(Hover_Of(black), {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8});
    Compare(Down_Of(black), {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2});
    QCOMPARE(black.ControlLook().FixedGradientMirrorFrom(), TColor(0x6A6A6A));
    const TSortSettings& bs = black.SortSettings();
    QCOMPARE(std::vector<TColor>({bs.HeaderColor, bs.HeaderColorTo, bs.HeaderMirrorColor, bs.HeaderMirrorColorTo}),
             std::vector<TColor>(4, 0xBABABA));
  }

  void custom_style_resets_only_selection_sort_header_and_control_look() {
    TZadIrururOziz g;
    g.SetStyle(gsWindows7);
    g.SetSelectionColor(clRed);
    g.SetSelectionColorTo(clBlue);
    g.SetSelectionTextColor(clYellow);
    Look_State before = State_Of(g);
    g.SetStyle(gsCustom);
    const Look_State after = State_Of(g);
    // What gsCustom writes: selection, sort header, the control look's
    // gradients (Init: plain ones clNone; the mirrors reach the grid).
    const int changed[] = {6, 7, 11, 12, 16, 17, 20, 21, 22, 28, 29, 30, 31};
    for (int i : changed) before.colours[i] = after.colours[i];
    before.values[1] = after.values[1];
    QCOMPARE(after, before);
    QCOMPARE(g.SelectionColor(), clHighlight);
    QCOMPARE(g.SelectionColorTo(), clNone);
    QCOMPARE(g.SelectionTextColor(), clHighlightText);
    QCOMPARE(g.SortSettings().HeaderColor, clNone);
    QCOMPARE(g.PaintLook().DUDGradHoverMirrorFrom, clNone);
    QCOMPARE(g.SelectionStyle(), ssDefault);
    QCOMPARE(g.Look(), glWin7);
  }

  void the_current_look_again_changes_nothing() {
    for (TGridLook look : {glXP, glOffice2007, glClassic, glListView}) {
      Counting_Grid g;
      g.SetLook(look);
      g.SetGridLineColor(clRed);  // a colour the look would write
      const Look_State before = State_Of(g);
      g.Repaints = 0;
      g.SetLook(look);
      QCOMPARE(State_Of(g), before);
      QCOMPARE(g.Repaints, 0);
    }
  }

  void looks_without_a_style_write_their_defaults() {
    TZadIrururOziz g;
    g.SetStyle(gsWindows7);
    g.SetLook(glStandard);
    QCOMPARE(g.FixedColor(), clBtnFace);
    QCOMPARE(g.ControlLook().FixedGradientFrom(), clBtnFace);
    QCOMPARE(g.ControlLook().FixedGradientTo(), clNone);
    QCOMPARE(g.PaintLook().DUDGradMirrorFrom, clNone);
    QCOMPARE(g.SelectionColor(), clHighlight);
    QCOMPARE(g.ActiveCellColor(), TColor(0x808080));
    QCOMPARE(g.SearchFooter().ColorTo(), clBtnFace);
    QCOMPARE(g.GridLineColor(), TColor(0xC0C0C0));
    QCOMPARE(g.SelectionStyle(), ssDefault);
    g.SetLook(glDUD);
    QCOMPARE(g.SelectionColor(), TColor(0xEACAB6));
    QCOMPARE(g.ControlLook().FixedGradientTo(), clSilver);
    QCOMPARE(g.PaintLook().DUDGradFrom, clWhite);
    QCOMPARE(g.PaintLook().DUDGradTo, clSilver);
    // The looks leave the pressed border as the style before set it.
    Compare(Down_Of(g), {0x868788, 0x737C7E, 0x737C7E, 0x627376, 0xD5BCAA});
    // The footer took the fill as it stood when the look wrote it.
    QCOMPARE(g.SearchFooter().Color(), clWhite);
    QCOMPARE(g.SearchFooter().ColorTo(), Color_To_RGB(clBtnFace));
  }

  void colour_tones_give_a_flat_borderless_metro_grid() {
    TZadIrururOziz g;
    const TColorTones t = Sample_Tones();
    g.SetColorTones(t);
    QCOMPARE(g.Look(), glClassic);
    QVERIFY(g.Flat());
    QCOMPARE(g.BorderStyle(), bsNone);
    QCOMPARE(g.frameShape(), QFrame::NoFrame);
    QCOMPARE(g.ScrollType(), ssMetro);
    QCOMPARE(g.GridLineColor(), TColor(0xE6E6E6));
    QCOMPARE(g.GridFixedLineColor(), ChangeColorPercent(0xF0F0F0, -20));
    QCOMPARE(g.FixedColor(), TColor(0xF0F0F0));
    QCOMPARE(g.FixedFontColor(), TColor(0x404040));
    QCOMPARE(g.Color(), TColor(0xFFFFFF));
    QCOMPARE(g.FontColor(), TColor(0x202020));
    QCOMPARE(g.SelectionColor(), TColor(0xD77800));
    QCOMPARE(g.SelectionTextColor(), TColor(0xFFFFFF));
    QCOMPARE(g.ControlLook().ControlStyle(), csGlyph);
    QVERIFY(!g.ControlLook().CheckedGlyph().isNull());
    QVERIFY(g.ControlLook().CheckedGlyph() != g.ControlLook().UnCheckedGlyph());
    QVERIFY(!g.ControlLook().RadioOnGlyph().isNull());
    QVERIFY(g.ControlLook().FlatButton());
    QCOMPARE(g.FloatingFooter().Color(), TColor(0xF0F0F0));
    QCOMPARE(g.SearchFooter().ColorTo(), TColor(0xF0F0F0));
    QCOMPARE(g.CellNode().NodeType(), cnFlat);
    QVERIFY(g.HasColorTones());

    // A named style brings the normal bars back; the custom style keeps Metro.
    g.SetComponentStyle(tsCustom);
    QCOMPARE(g.ScrollType(), ssMetro);
    g.SetComponentStyle(tsWindowsVista);
    QCOMPARE(g.ScrollType(), ssNormal);
    QCOMPARE(g.ComponentStyle(), tsWindowsVista);
  }

  void xp_schemes() {
    TZadIrururOziz g;
    g.SetTheme(xpGreen);
    QCOMPARE(g.PaintLook().DUDGradFrom, TColor(0xCFF0EA));
    QCOMPARE(g.ControlLook().FixedGradientTo(), TColor(0x8CC0B1));
    QCOMPARE(g.SearchFooter().ColorTo(), TColor(0x8CC0B1));
    g.SetTheme(vistaAero);
    QCOMPARE(g.PaintLook().DUDGradMirrorTo, TColor(0xF4F2F1));
    QCOMPARE(g.SearchFooter().Color(), TColor(0xECE2E1));
    g.SetTheme(xpNone);
    QCOMPARE(g.PaintLook().DUDGradTo, clBtnFace);
    QCOMPARE(g.ActiveCellColorTo(), TColor(0xFFD9B3));
    QCOMPARE(g.ControlLook().FixedGradientFrom(), clNone);
    QCOMPARE(g.PaintLook().DUDGradMirrorFrom, clNone);
  }

  void office_theme_applies_once_per_change() {
    Temp_Dir dir;
    registry_ini::Override_Root(dir.Path());
    dir.Write(QStringLiteral("Software/Microsoft/Office/14.0/Common.ini"), "Theme=3\n");
    Counting_Grid g;
    g.ApplyOfficeTheme();
    QVERIFY(g.Styles > 0);
    QCOMPARE(g.SelectionColor(), TColor(0xFFDBB7));
    // The Office 2007 look applied on the way stores its own style.
    QCOMPARE(g.ComponentStyle(), tsOffice2007Luna);
    g.Styles = 0;
    g.ApplyOfficeTheme();
    QCOMPARE(g.Styles, 0);
    dir.Write(QStringLiteral("Software/Microsoft/Office/14.0/Common.ini"), "Theme=1\n");
    g.ApplyOfficeTheme();
    QVERIFY(g.Styles > 0);
    QCOMPARE(g.SortSettings().HeaderColor, TColor(0xD6CEC7));
    registry_ini::Override_Root({});
  }

  void auto_theme_adapt_takes_the_office_theme_and_tells_the_footer() {
    Temp_Dir dir;
    registry_ini::Override_Root(dir.Path());
    dir.Write(QStringLiteral("Software/Microsoft/Office/12.0/Common.ini"), "Theme=2\n");
    TZadIrururOziz g;
    g.SetAutoThemeAdapt(true);
    QVERIFY(g.SearchFooter().AutoThemeAdapt());
    QCOMPARE(g.SelectionColor(), TColor(0x95C7F5));
    QCOMPARE(g.GridLineColor(), TColor(0xE5D7D0));
    g.SetAutoThemeAdapt(false);
    QVERIFY(!g.SearchFooter().AutoThemeAdapt());
    registry_ini::Override_Root({});
  }

  void loaded_grid_applies_dud_again() {
    TZadIrururOziz g;
    g.SetLook(glDUD);
    g.ControlLook().SetFixedGradientTo(clRed);  // as a stored grid might hold it
    g.Loaded();
    QCOMPARE(g.Look(), glDUD);
    QCOMPARE(g.ControlLook().FixedGradientTo(), clSilver);
  }

  void look_names_and_captions() {
    const struct {
      TGridLook look;
      const char *name, *caption;
    } cases[] = {{glStandard, "glStandard", "Standard"},
                 {glSoft, "glSoft", "Soft"},
                 {glClassic, "glClassic", "Classic"},
                 {glDUD, "glDUD", "DUD"},
                 {glXP, "glXP", "Windows XP"},
                 {glListView, "glListView", "ListView"},
                 {glVista, "glVista", "Windows Vista"},
                 {glWin7, "glWin7", "Windows 7"},
                 {glOffice2007, "glOffice2007", "Office2007"}};
    for (const auto& c : cases) {
      QString name, caption;
      LookToString(c.look, name);
      LookCaption(c.look, caption);
      QCOMPARE(name, QString::fromLatin1(c.name));
      QCOMPARE(caption, QString::fromLatin1(c.caption));
    }
    QString kept = QStringLiteral("kept");
    LookToString(glCustom, kept);
    LookCaption(glCustom, kept);
    QCOMPARE(kept, QStringLiteral("kept"));
  }

  void owned_settings_reach_the_painting() {
    Counting_Grid g;
    QCOMPARE(g.ShowModified().Color(), TColor(0x00FFFF));
    QCOMPARE(g.PaintLook().ShowModifiedColor, TColor(0x00FFFF));
    g.Repaints = 0;
    g.ShowModified().SetColor(clRed);
    QCOMPARE(g.PaintLook().ShowModifiedColor, clRed);
    QCOMPARE(g.Repaints, 1);
    g.ShowModified().SetEnabled(true);
    QVERIFY(g.ShowModifiedEnabled());  // the row code's flag is the settings' one
    g.SetShowModifiedEnabled(false);
    QVERIFY(!g.ShowModified().Enabled());

    QCOMPARE(g.PaintLook().ProgressAppearance.Steps, 11);
    g.Repaints = 0;
    g.ProgressAppearance().SetSteps(11);
    QCOMPARE(g.Repaints, 0);
    g.ProgressAppearance().SetLevel2Color(clBlue);
    QCOMPARE(g.PaintLook().ProgressAppearance.Level2Color, clBlue);
    QCOMPARE(g.Repaints, 1);

    g.ColumnSize().SetRows(arFixed);
    QCOMPARE(g.ColumnSizeRows(), TZadIrururOziz::arFixed);
    QCOMPARE(g.FilterDropDown().Width(), 150);
    g.Repaints = 0;
    g.FilterDropDown().SetGlyph(QImage(4, 4, QImage::Format_RGB32));
    QCOMPARE(g.Repaints, 1);
  }

  void appearance_writers_repaint_on_change_only() {
    Counting_Grid g;
    const struct {
      const char* name;
      std::function<void()> write;
    } writers[] = {
        {"selection colour", [&] { g.SetSelectionColor(0x123456); }},
        {"selection to", [&] { g.SetSelectionColorTo(0x123456); }},
        {"selection mirror", [&] { g.SetSelectionMirrorColor(0x123456); }},
        {"selection text", [&] { g.SetSelectionTextColor(0x123456); }},
        {"mixer", [&] { g.SetSelectionColorMixer(true); }},
        {"rectangle", [&] { g.SetSelectionRectangle(true); }},
        {"resizer", [&] { g.SetSelectionResizer(true); }},
        {"design helper", [&] { g.SetShowDesignHelper(false); }},
        {"URL show", [&] { g.SetURLShow(true); }},
    };
    for (const auto& w : writers) {
      g.Repaints = 0;
      w.write();
      QVERIFY2(g.Repaints == 1, w.name);
      w.write();
      QVERIFY2(g.Repaints == 1, w.name);
    }
    g.SetHighlightColor(clLime);
    QCOMPARE(HtmlHighlightBackground(), clLime);
    g.SetHighlightTextColor(clNavy);
    QCOMPARE(HtmlHighlightText(), clNavy);
    g.SetHighlightColor(clHighlight);
    g.SetHighlightTextColor(clHighlightText);
  }
};

QTEST_MAIN(GridLookPresetsTest)
#include "grid_look_presets_test.moc"
