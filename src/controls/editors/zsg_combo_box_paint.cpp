// Painting of the flat combo box: the platform's look, or the combo's own
// border, drop-down button and flat face when a flat or coloured look asks
// for it.
#include <QApplication>
#include <QLineEdit>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"
#include "controls/editor_logic/flat_border.h"
#include "controls/editors/zsg_combo_box.h"

class Combo_Painter {
 public:
  Combo_Painter(TZsgCustomCombo& combo, QPainter& painter) : c(combo), p(painter), canvas(painter) {}

  void Paint() {
    if (c.FIsVista && c.FButtonColor == clNone) {
      Platform_Look();
      return;
    }
    if (!c.Self_Painted()) {
      Platform_Look();
      return;
    }
    p.fillRect(c.rect(), Control_Color());
    if (c.FStyle != csSimple) Button();
    Content(false);
    Paint_Border();
  }

 private:
  QColor Control_Color() const { return To_QColor(c.FParentColor ? c.Parent_Color() : c.FColor, c.palette()); }
  bool Themed() const { return c.FIsThemed && Editor_Theme_Active(); }
  bool Pressed_Over_Button() const { return c.FMouseDown && c.FButtonHover; }

  // The platform combo: sunken edge, the window colour, its own button.
  void Platform_Look() {
    p.fillRect(c.rect(), Control_Color());
    if (c.FStyle != csSimple) {
      const TRect b{c.width() - 2 - (c.FButtonWidth - 2), 2, c.width() - 2, c.height() - 2};
      bool drawn = false;
      if (Themed()) drawn = Draw_Editor_Theme_Part(p, &c, kEditorThemeComboBox, 1, Theme_State(), b.To_QRect());
      if (!drawn) {
        TRect r = b;
        Draw_Frame_Control(canvas, r, DFC_SCROLL,
                           DFCS_SCROLLCOMBOBOX | (c.FDropped ? DFCS_PUSHED : 0) | (c.isEnabled() ? 0 : DFCS_INACTIVE));
      }
    }
    Content(true);
  }

  int Theme_State() const {
    const bool mouse_down = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    if (!c.isEnabled()) return 4;
    if (mouse_down && c.FDropped) return 3;
    if (mouse_down || !c.FButtonHover || c.FDropped) return 1;
    return 2;
  }

  // The drop-down button of the combo's own look.
  void Button() {
    const int w = c.width(), h = c.height();
    TRect b{w - c.FButtonWidth + 2 + 1, 1, w - 1, h - 1};
    if (c.FButtonColor == clNone && Themed()) {
      Draw_Editor_Theme_Part(p, &c, kEditorThemeComboBox, 1, Theme_State(), b.To_QRect());
    } else if (c.FButtonColor == clNone) {
      b.Left -= 4;
      b.Top += 1;
      b.Bottom -= 1;
      Draw_Frame_Control(canvas, b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (c.isEnabled() ? DFCS_FLAT : DFCS_INACTIVE));
    } else {
      // The fill and border line start one pixel left of the button, the
      // fill stops one pixel short of its right and bottom.
      const TRect fill{b.Left - 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
      Draw_Custom_Drop_Button(canvas, fill, fill.Left, fill.Left + 4, fill.Top, Button_Colors(), c.FButtonHover,
                              Pressed_Over_Button());
    }
  }

  Drop_Button_Colors Button_Colors() const {
    Drop_Button_Colors colors;
    colors.Color = c.FButtonColor;
    colors.ColorHot = c.FButtonColorHot;
    colors.ColorDown = c.FButtonColorDown;
    colors.TextColor = c.FButtonTextColor;
    colors.TextColorDown = c.FButtonTextColorDown;
    colors.BorderColor = c.FButtonBorderColor;
    return colors;
  }

  // The window content: the 3D edge of a non-flat combo and, without an edit
  // part, the chosen item's text (highlighted while focused and closed).
  void Content(bool platform) {
    TRect r{0, 0, c.width(), c.height()};
    if (c.FStyle == csSimple) r.Bottom = c.ItemHeight() + 6;
    if (platform || !c.FFlat) {
      Draw_Edge(canvas, r, EDGE_SUNKEN, BF_RECT);
    } else {
      canvas.Brush.Color = clWindowFrame;
      canvas.Frame_Rect(r);
    }
    if (c.FEdit) return;
    TRect text{3, 3, c.width() - c.FButtonWidth - 2, c.height() - 3};
    canvas.Font = c.font();
    canvas.Brush.Style = TBrushStyle::bsClear;
    if (c.FHasFocus && !c.FDropped) {
      p.fillRect(text.To_QRect(), To_QColor(clHighlight, c.palette()));
      canvas.Font_Color = clHighlightText;
    } else {
      canvas.Font_Color = c.isEnabled() ? clWindowText : clGrayText;
    }
    TRect inner = text.Inflate(-2, 0);
    canvas.Draw_Text(c.FListText, inner, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (c.FHasFocus && !c.FDropped) canvas.Draw_Focus_Rect(text);
  }

  void Paint_Border() {
    const bool focus_set = c.FFocusBorderColor != clNone;
    if (c.isEnabled() && !c.FFlat && c.FBorderColor == clNone && !focus_set) return;
    if (c.FIsVista && c.FBorderColor == clNone) return;
    Flat_Border_Look look;
    look.Enabled = c.isEnabled();
    look.Themed = c.FIsThemed;
    look.DisabledBorder = c.FDisabledBorder;
    look.Focused = c.FHasFocus;
    look.ShowsFocusBorder = c.Shows_Focus_Border();
    look.Flat = c.FFlat;
    look.BorderColor = c.FBorderColor;
    look.FocusBorderColor = c.FFocusBorderColor;
    look.ParentColor = c.Parent_Color();
    look.ControlColor = c.FParentColor ? look.ParentColor : c.FColor;
    look.FlatLineColor = c.FFlatLineColor;
    look.ButtonWidth = c.FButtonWidth;
    Draw_Flat_Borders(canvas, c.width(), c.height(), look);
    if (c.FStyle != csSimple && !(c.FIsWinXP && Themed()))
      Draw_Flat_Button_Face(canvas, c.width(), c.height(), c.FButtonWidth, c.Is_Hot());
  }

  TZsgCustomCombo& c;
  QPainter& p;
  TCanvas canvas;
};

bool TZsgCustomCombo::Is_Hot() const { return FMouseInControl || FHasFocus; }

bool TZsgCustomCombo::Shows_Focus_Border() const { return (FMouseInControl || FHasFocus) && FFocusBorder; }

bool TZsgCustomCombo::Self_Painted() const {
  return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
         (!isEnabled() && FIsThemed && Editor_Theme_Active() && !FDisabledBorder);
}

void TZsgCustomCombo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Combo_Painter(*this, painter).Paint();
}
