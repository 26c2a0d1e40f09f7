#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Counts the repaints the look asks of its grid.
class Counting_Grid : public TZadIrururOziz {
 public:
  void RepaintAll() override {
    ++Repaints;
    TZadIrururOziz::RepaintAll();
  }
  int Repaints = 0;
};

}  // namespace

class ControlLookTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void defaults() {
    TZadIrururOziz grid;
    const TControlLook& look = grid.ControlLook();
    QCOMPARE(look.CheckSize(), 15);
    QCOMPARE(look.RadioSize(), 10);
    QCOMPARE(look.DropDownCount(), 8);
    QCOMPARE(look.ProgressMarginX(), 2);
    QCOMPARE(look.ProgressMarginY(), 2);
    QCOMPARE(look.ControlStyle(), csTheme);
    QCOMPARE(look.Color(), clBlack);
    QCOMPARE(look.CommentColor(), TColor(0x0000FF));
    QCOMPARE(look.ProgressBorderColor(), TColor(0x808080));
    QCOMPARE(look.FixedGradientFrom(), clNone);
    QCOMPARE(look.FixedGradientHoverFrom(), TColor(0x808080));
    QCOMPARE(look.FixedGradientHoverTo(), TColor(0xFFFFFF));
    QCOMPARE(look.FixedGradientHoverBorder(), TColor(0xC0C0C0));
    QCOMPARE(look.FixedGradientDownFrom(), TColor(0x808080));
    QCOMPARE(look.FixedGradientDownTo(), TColor(0xC0C0C0));
    QCOMPARE(look.FixedGradientDownBorder(), TColor(0x808080));
    QCOMPARE(look.FixedGradientHoverMirrorFrom(), clNone);
    QCOMPARE(look.HintMaxWidth(), 0);
    QVERIFY(!look.FixedDropDownButton());
    QVERIFY(look.CheckedGlyph().isNull());
  }

  // From/To and the hover and pressed fills reach the grid unless clNone;
  // the mirrors always reach it, so clNone clears them.
  void gradient_writers_reach_the_grid() {
    using Setter = void (TControlLook::*)(TColor);
    struct Case {
      const char* name;
      Setter set;
      TColor TGridPaintLook::*field;
      bool none_clears;
    };
    const Case cases[] = {
        {"From", &TControlLook::SetFixedGradientFrom, &TGridPaintLook::DUDGradFrom, false},
        {"To", &TControlLook::SetFixedGradientTo, &TGridPaintLook::DUDGradTo, false},
        {"MirrorFrom", &TControlLook::SetFixedGradientMirrorFrom, &TGridPaintLook::DUDGradMirrorFrom, true},
        {"MirrorTo", &TControlLook::SetFixedGradientMirrorTo, &TGridPaintLook::DUDGradMirrorTo, true},
        {"HoverFrom", &TControlLook::SetFixedGradientHoverFrom, &TGridPaintLook::DUDGradHoverFrom, false},
        {"HoverTo", &TControlLook::SetFixedGradientHoverTo, &TGridPaintLook::DUDGradHoverTo, false},
        {"HoverMirrorFrom", &TControlLook::SetFixedGradientHoverMirrorFrom, &TGridPaintLook::DUDGradHoverMirrorFrom,
         true},
        {"HoverMirrorTo", &TControlLook::SetFixedGradientHoverMirrorTo, &TGridPaintLook::DUDGradHoverMirrorTo, true},
        {"HoverBorder", &TControlLook::SetFixedGradientHoverBorder, &TGridPaintLook::DUDGradHoverBorder, false},
        {"DownFrom", &TControlLook::SetFixedGradientDownFrom, &TGridPaintLook::DUDGradDownFrom, false},
        {"DownTo", &TControlLook::SetFixedGradientDownTo, &TGridPaintLook::DUDGradDownTo, false},
        {"DownMirrorFrom", &TControlLook::SetFixedGradientDownMirrorFrom, &TGridPaintLook::DUDGradDownMirrorFrom, true},
        {"DownMirrorTo", &TControlLook::SetFixedGradientDownMirrorTo, &TGridPaintLook::DUDGradDownMirrorTo, true},
        {"DownBorder", &TControlLook::SetFixedGradientDownBorder, &TGridPaintLook::DUDGradDownBorder, false},
    };
    for (const Case& c : cases) {
      TZadIrururOziz grid;
      TControlLook& look = grid.ControlLook();
      (look.*c.set)(0x123456);
      QVERIFY2(grid.PaintLook().*c.field == 0x123456, c.name);
      (look.*c.set)(clNone);
      const TColor expected = c.none_clears ? clNone : TColor(0x123456);
      QVERIFY2(grid.PaintLook().*c.field == expected, c.name);
      // System colours are stored as their plain value.
      (look.*c.set)(clBtnFace);
      QVERIFY2(grid.PaintLook().*c.field == Color_To_RGB(clBtnFace), c.name);
    }
  }

  void from_none_keeps_the_grid_colour_and_mirror_none_clears_it() {
    TZadIrururOziz grid;
    const TColor from = grid.PaintLook().DUDGradFrom;
    grid.PaintLook().DUDGradMirrorFrom = 0x00FF00;
    grid.ControlLook().SetFixedGradientFrom(clNone);
    grid.ControlLook().SetFixedGradientMirrorFrom(clNone);
    QCOMPARE(grid.PaintLook().DUDGradFrom, from);
    QCOMPARE(grid.PaintLook().DUDGradMirrorFrom, clNone);
    QCOMPARE(grid.ControlLook().FixedGradientFrom(), clNone);
  }

  void plain_fills_repaint_hover_and_pressed_fills_do_not() {
    Counting_Grid grid;
    TControlLook& look = grid.ControlLook();
    grid.Repaints = 0;
    look.SetFixedGradientHoverFrom(0x111111);
    look.SetFixedGradientDownMirrorTo(0x222222);
    look.SetDropDownCount(12);
    look.SetCheckAlwaysActive(true);
    QCOMPARE(grid.Repaints, 0);
    look.SetFixedGradientTo(0x333333);
    QCOMPARE(grid.Repaints, 1);
    // Repainting writers have no change test.
    look.SetCheckSize(look.CheckSize());
    look.SetControlStyle(look.ControlStyle());
    QCOMPARE(grid.Repaints, 3);
  }

  void init_clears_the_grids_hover_and_pressed_mirrors() {
    TZadIrururOziz grid;
    TGridPaintLook& paint = grid.PaintLook();
    grid.ControlLook().SetColor(0x00FF00);
    grid.ControlLook().SetFixedGradientFrom(0x445566);
    grid.ControlLook().Init();
    QCOMPARE(grid.ControlLook().Color(), clBlack);
    QCOMPARE(grid.ControlLook().FixedGradientFrom(), clNone);
    QCOMPARE(paint.DUDGradFrom, TColor(0x445566));
    QCOMPARE(paint.DUDGradHoverMirrorFrom, clNone);
    QCOMPARE(paint.DUDGradHoverMirrorTo, clNone);
    QCOMPARE(paint.DUDGradDownMirrorFrom, clNone);
    QCOMPARE(paint.DUDGradDownMirrorTo, clNone);
  }

  void assign_copies_the_listed_settings_only() {
    TZadIrururOziz a, b;
    TControlLook& s = a.ControlLook();
    s.SetCheckSize(20);
    s.SetRadioSize(14);
    s.SetControlStyle(csBorland);
    QImage glyph(4, 4, QImage::Format_ARGB32);
    glyph.fill(Qt::red);
    s.SetCheckedGlyph(glyph);
    s.SetFixedGradientFrom(0x010203);
    s.SetFixedGradientTo(0x040506);
    s.SetDropDownCount(3);
    s.DropDownHeader().Caption = QStringLiteral("head");
    s.SetHintMaxWidth(300);
    s.SetCheckAlwaysActive(true);
    s.SetFlatButton(true);
    s.SetProgressXP(true);
    s.SetNoDisabledButtonLook(true);
    s.SetNoDisabledCheckRadioLook(true);
    s.SetFixedDropDownButton(true);

    const TColor grid_from = b.PaintLook().DUDGradFrom;
    TControlLook& t = b.ControlLook();
    t.Assign(s);
    QCOMPARE(t.CheckSize(), 20);
    QCOMPARE(t.RadioSize(), 14);
    QCOMPARE(t.ControlStyle(), csBorland);
    QCOMPARE(t.CheckedGlyph(), glyph);
    QCOMPARE(t.FixedGradientFrom(), TColor(0x010203));
    QCOMPARE(t.FixedGradientTo(), TColor(0x040506));
    QCOMPARE(t.DropDownCount(), 3);
    QCOMPARE(t.DropDownHeader().Caption, QStringLiteral("head"));
    QCOMPARE(t.HintMaxWidth(), 300);
    QVERIFY(t.CheckAlwaysActive());
    // Not copied.
    QVERIFY(!t.FlatButton());
    QVERIFY(!t.ProgressXP());
    QVERIFY(!t.NoDisabledButtonLook());
    QVERIFY(!t.NoDisabledCheckRadioLook());
    QVERIFY(!t.FixedDropDownButton());
    // Gradients are stored, not passed to the grid.
    QCOMPARE(b.PaintLook().DUDGradFrom, grid_from);
  }
};

QTEST_MAIN(ControlLookTest)
#include "control_look_test.moc"
