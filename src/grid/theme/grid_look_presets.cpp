// The string grid's looks, colour styles, colour tones, XP colour schemes and
// Office theme: each writes a fixed set of colours into the grid's painting
// fields, its control look, selection, search footer and grid lines.
#include <QCoreApplication>
#include <QEvent>

#include "controls/datetime/flat_date_time_picker.h"
#include "controls/editors/zsg_combo_box.h"
#include "grid/core/control_editors.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/color_math.h"
#include "grid/theme/grid_style_table.h"
#include "grid/theme/metro_glyphs.h"
#include "grid/theme/office_theme.h"
#include "grid/theme/theme_notifier.h"

namespace {

// Registered with the theme notifier in the grid's place: a change of the
// Office theme reaches the grid as ApplyOfficeTheme.
class Theme_Relay : public QObject {
 public:
  explicit Theme_Relay(TZadIrururOziz* grid) : QObject(grid), grid_(grid) {}

 protected:
  bool event(QEvent* e) override {
    if (e->type() == Theme_Change_Event::Event_Type()) {
      if (grid_->AutoThemeAdapt()) grid_->ApplyOfficeTheme();
      return true;
    }
    return QObject::event(e);
  }

 private:
  TZadIrururOziz* grid_;
};

bool Plain_Look(TGridLook look) { return look == glStandard || look == glSoft || look == glClassic; }

}  // namespace

// ---- looks

void TZadIrururOziz::SetLook(TGridLook Value) {
  if (Value == FLook) return;
  FLook = Value;
  if (Value != glCustom) {
    FControlLook.SetFixedGradientMirrorFrom(clNone);
    FControlLook.SetFixedGradientMirrorTo(clNone);
    FControlLook.SetFixedGradientFrom(clNone);
    FControlLook.SetFixedGradientTo(clNone);
    FPaintLook.DUDGradFrom = FPaintLook.DUDGradTo = clNone;
    FPaintLook.DUDGradMirrorFrom = FPaintLook.DUDGradMirrorTo = clNone;
    FSortSettings.HeaderColor = clNone;
  }
  switch (Value) {
    case glVista:
      SetStyle(gsWindowsVista);
      FStyle = tsWindowsVista;
      SetSelectionStyle(ssVista);
      break;
    case glWin7:
      SetStyle(gsWindows7);
      FStyle = tsWindows7;
      SetSelectionStyle(ssWin7);
      break;
    case glOffice2007:
      SetStyle(gsOffice2007Luna);
      FStyle = tsOffice2007Luna;
      SetSelectionStyle(ssOffice2007);
      break;
    case glCustom:
      break;
    default:
      ApplyStyleToDropDownEditors(tsWindowsXP);
      SetSelectionStyle(ssDefault);
      Look_Fixed_Defaults(Value);
      break;
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(0xB99D7F);
  RepaintAll();
}

// The fixed cells, lines, active cell, selection and footer of the looks
// that have no colour style of their own.
void TZadIrururOziz::Look_Fixed_Defaults(TGridLook Value) {
  if (Plain_Look(Value)) {
    SetFixedColor(clBtnFace);
    FControlLook.SetFixedGradientFrom(clBtnFace);
    FControlLook.SetFixedGradientTo(clNone);
  } else {
    FControlLook.SetFixedGradientFrom(0xFFFFFF);
    FControlLook.SetFixedGradientTo(clBtnFace);
  }
  SetGridFixedLineColor(0x808080);
  FControlLook.SetFixedGradientMirrorFrom(clNone);
  FControlLook.SetFixedGradientMirrorTo(clNone);
  SetGridLineColor(0xC0C0C0);
  if (Plain_Look(Value) || Value == glListView) {
    SetActiveCellColor(0x808080);
    SetActiveCellColorTo(clNone);
    SetSelectionColor(clHighlight);
    SetSelectionTextColor(clHighlightText);
    FSearchFooter->SetColor(clBtnFace);
    FSearchFooter->SetColorTo(clBtnFace);
    return;
  }
  // glDUD and glXP
  SetActiveCellColor(0xEACAB6);
  SetActiveCellColorTo(clNone);
  SetSelectionColor(0xEACAB6);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(0);
  FSearchFooter->SetColor(FPaintLook.DUDGradFrom);
  FSearchFooter->SetColorTo(FPaintLook.DUDGradTo);
  FControlLook.SetFixedGradientFrom(0xFFFFFF);
  FControlLook.SetFixedGradientTo(Value == glXP ? clBtnFace : 0xC0C0C0);
  FControlLook.SetFixedGradientHoverFrom(0xCFD0D1);
  FControlLook.SetFixedGradientHoverTo(0xBEC6C8);
  FControlLook.SetFixedGradientHoverMirrorFrom(0xBEC6C8);
  FControlLook.SetFixedGradientHoverMirrorTo(0xABBCBF);
  FControlLook.SetFixedGradientDownFrom(0x868788);
  FControlLook.SetFixedGradientDownTo(0x737C7E);
  FControlLook.SetFixedGradientDownMirrorFrom(0x737C7E);
  FControlLook.SetFixedGradientDownMirrorTo(0x627376);
}

// ---- colour styles

void TZadIrururOziz::SetStyle(TZadGridStyle AStyle) {
  SetSelectionColor(clHighlight);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clHighlightText);
  SetSelectionStyle(ssDefault);
  FSortSettings.HeaderColor = FSortSettings.HeaderColorTo = clNone;
  FSortSettings.HeaderMirrorColor = FSortSettings.HeaderMirrorColorTo = clNone;
  FControlLook.Init();
  Apply_Style_Row(AStyle);
  RepaintAll();
}

void TZadIrururOziz::Apply_Style_Row(TZadGridStyle AStyle) {
  const Grid_Style_Values& v = Grid_Style_Row(AStyle);
  auto put = [](TColor& field, const Opt_Color& value) {
    if (value) field = *value;
  };
  if (v.Look) {
    SetLook(*v.Look);
    if (v.LookTwice) SetLook(*v.Look);
  }
  put(FPaintLook.DUDGradFrom, v.FixedFrom);
  put(FPaintLook.DUDGradTo, v.FixedTo);
  put(FPaintLook.DUDGradMirrorFrom, v.FixedMirrorFrom);
  put(FPaintLook.DUDGradMirrorTo, v.FixedMirrorTo);
  if (v.ActiveFrom) SetActiveCellColor(*v.ActiveFrom);
  if (v.ActiveTo) SetActiveCellColorTo(*v.ActiveTo);
  for (const Opt_Pair& pair : {v.ControlFixedFirst, v.ControlFixed})
    if (pair) {
      FControlLook.SetFixedGradientFrom(pair->First);
      FControlLook.SetFixedGradientTo(pair->Second);
    }
  if (v.FooterFirst) {
    FSearchFooter->SetColor(v.FooterFirst->First);
    FSearchFooter->SetColorTo(v.FooterFirst->Second);
  }
  if (v.Lines) {
    SetGridLineColor(v.Lines->First);
    SetGridFixedLineColor(v.Lines->Second);
  }
  if (v.Footer) {
    FSearchFooter->SetColor(v.Footer->First);
    FSearchFooter->SetColorTo(v.FooterToIsMirrorTo ? FPaintLook.DUDGradMirrorTo : v.Footer->Second);
  }
  if (v.SelectionDirect) {
    put(FSelectionColor, v.SelectionColor);
    put(FPaintLook.SelectionColorTo, v.SelectionColorTo);
    put(FSelectionTextColor, v.SelectionTextColor);
  } else {
    if (v.SelectionColor) SetSelectionColor(*v.SelectionColor);
    if (v.SelectionColorTo) SetSelectionColorTo(*v.SelectionColorTo);
    if (v.SelectionTextColor) SetSelectionTextColor(*v.SelectionTextColor);
  }
  put(FPaintLook.DUDGradHoverFrom, v.GridHover.From);
  put(FPaintLook.DUDGradHoverTo, v.GridHover.To);
  put(FPaintLook.DUDGradHoverMirrorFrom, v.GridHover.MirrorFrom);
  put(FPaintLook.DUDGradHoverMirrorTo, v.GridHover.MirrorTo);
  put(FPaintLook.DUDGradHoverBorder, v.GridHover.Border);
  if (v.ControlMirror) {
    FControlLook.SetFixedGradientMirrorFrom(v.ControlMirror->First);
    FControlLook.SetFixedGradientMirrorTo(v.ControlMirror->Second);
  }
  TControlLook& cl = FControlLook;
  if (v.ControlHover.From) cl.SetFixedGradientHoverFrom(*v.ControlHover.From);
  if (v.ControlHover.To) cl.SetFixedGradientHoverTo(*v.ControlHover.To);
  if (v.ControlHover.MirrorFrom) cl.SetFixedGradientHoverMirrorFrom(*v.ControlHover.MirrorFrom);
  if (v.ControlHover.MirrorTo) cl.SetFixedGradientHoverMirrorTo(*v.ControlHover.MirrorTo);
  if (v.ControlHover.Border) cl.SetFixedGradientHoverBorder(*v.ControlHover.Border);
  if (v.ControlDown.From) cl.SetFixedGradientDownFrom(*v.ControlDown.From);
  if (v.ControlDown.To) cl.SetFixedGradientDownTo(*v.ControlDown.To);
  if (v.ControlDown.MirrorFrom) cl.SetFixedGradientDownMirrorFrom(*v.ControlDown.MirrorFrom);
  if (v.ControlDown.MirrorTo) cl.SetFixedGradientDownMirrorTo(*v.ControlDown.MirrorTo);
  if (v.ControlDown.Border) cl.SetFixedGradientDownBorder(*v.ControlDown.Border);
  if (v.SortHeader) {
    FSortSettings.HeaderColor = (*v.SortHeader)[0];
    FSortSettings.HeaderColorTo = (*v.SortHeader)[1];
    FSortSettings.HeaderMirrorColor = (*v.SortHeader)[2];
    FSortSettings.HeaderMirrorColorTo = (*v.SortHeader)[3];
  }
  if (v.SelectionStyle && (!v.SelectionStyleNeedsLook || FLook == *v.SelectionStyleNeedsLook))
    SetSelectionStyle(TGridSelectionStyle(*v.SelectionStyle));
}

void TZadIrururOziz::SetComponentStyle(TDUDStyle AStyle) {
  FStyle = AStyle;
  SetStyle(TZadGridStyle(AStyle));
  ApplyStyleToDropDownEditors(AStyle);
  if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

// The drop-down editors are the styled controls among the grid's children
// (a grid inside the grid keeps its own style).
void TZadIrururOziz::ApplyStyleToDropDownEditors(TDUDStyle AStyle) {
  for (QWidget* child : findChildren<QWidget*>())
    if (auto* styled = dynamic_cast<IDUDStyle*>(child); styled && !qobject_cast<TZadIrururOziz*>(child))
      styled->SetComponentStyle(AStyle);
}

// ---- colour tones

void TZadIrururOziz::SetColorTones(const TColorTones& ATones) {
  FTones = ATones;
  FHasTones = true;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  SetFixedColor(ATones.Foreground.BrushColor);
  SetFixedFontColor(ATones.Foreground.TextColor);
  QFont fixed_font = FFixedFont;
  fixed_font.setFamily(DefaultUIFontName());
  SetFixedFont(fixed_font);
  SetColor(ATones.Background.BrushColor);
  QFont font = GridFont();
  font.setFamily(DefaultUIFontName());
  SetGridFont(font);
  SetFontColor(ATones.Background.TextColor);
  SetSelectionColor(ATones.Selected.BrushColor);
  SetSelectionTextColor(ATones.Selected.TextColor);
  SetSelectionColorTo(clNone);
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(ChangeColorPercent(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  FControlLook.SetControlStyle(csGlyph);
  FControlLook.SetCheckedGlyph(Metro_Check_Glyph(true));
  FControlLook.SetUnCheckedGlyph(Metro_Check_Glyph(false));
  FControlLook.SetRadioOffGlyph(Metro_Radio_Glyph(false));
  FControlLook.SetRadioOnGlyph(Metro_Radio_Glyph(true));
  Tones_To_Editors();
  FControlLook.SetFlatButton(true);
  FloatingFooter().SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  FCellNode.SetNodeType(cnFlat);
}

// The grid's in-place editors that exist take the tones' button colours; the
// form-control editors over HTML cells keep their own look.
void TZadIrururOziz::Tones_To_Editors() {
  const TColorTones& t = FTones;
  for (QWidget* child : findChildren<QWidget*>()) {
    if (qobject_cast<TZadIrururOziz*>(child)) continue;
    if (auto* toned = dynamic_cast<IDUDTones*>(child)) {
      toned->SetColorTones(t);
    } else if (auto* combo = dynamic_cast<TZsgCustomCombo*>(child); combo && !dynamic_cast<TControlCombo*>(child)) {
      combo->SetButtonColor(t.Background.BrushColor);
      combo->SetButtonColorHot(t.Hover.BrushColor);
      combo->SetButtonColorDown(t.Selected.BrushColor);
      combo->SetButtonBorderColor(t.Background.BorderColor);
      combo->SetBorderColor(Color());
      combo->SetFlat(true);
    } else if (auto* picker = dynamic_cast<TFlatDateTimePicker*>(child)) {
      picker->SetButtonColor(t.Background.BrushColor);
      picker->SetButtonColorHot(t.Hover.BrushColor);
      picker->SetButtonColorDown(t.Selected.BrushColor);
      picker->SetButtonBorderColor(t.Background.BorderColor);
      picker->SetBorderColor(t.Background.BrushColor);
      picker->SetMetroStyle(true);
    }
  }
}

// ---- XP colour schemes and the Office theme

void TZadIrururOziz::SetTheme(TXPColorScheme Scheme) {
  const XP_Scheme_Values& v = XP_Scheme_Row(Scheme);
  FPaintLook.DUDGradFrom = v.FixedFrom;
  FPaintLook.DUDGradTo = v.FixedTo;
  FPaintLook.DUDGradMirrorFrom = v.FixedMirrorFrom;
  FPaintLook.DUDGradMirrorTo = v.FixedMirrorTo;
  SetActiveCellColor(v.ActiveFrom);
  SetActiveCellColorTo(v.ActiveTo);
  FSearchFooter->SetColor(v.FooterColor);
  FSearchFooter->SetColorTo(v.FooterColorTo);
  FControlLook.SetFixedGradientFrom(v.ControlTakesFixed ? v.FixedFrom : clNone);
  FControlLook.SetFixedGradientTo(v.ControlTakesFixed ? v.FixedTo : clNone);
  RepaintAll();
}

void TZadIrururOziz::ApplyOfficeTheme() {
  const TOfficeTheme theme = ReadOfficeThemeSetting();
  if (theme == FOldOfficeTheme) return;
  static constexpr TDUDStyle kStyleOf[] = {
      tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
      tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black};
  if (theme >= ot2003Blue && theme < otUnknown) SetComponentStyle(kStyleOf[theme]);
  FOldOfficeTheme = theme;
}

void TZadIrururOziz::SetAutoThemeAdapt(bool Value) {
  if (Value == FAutoThemeAdapt) return;
  FAutoThemeAdapt = Value;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    ApplyOfficeTheme();
    RepaintAll();
  }
  // The notifier exists only where an Office theme key is there to watch;
  // without one registering does nothing.
  if (Value) {
    if (!FThemeRelay) FThemeRelay = new Theme_Relay(this);
    ThemeNotifierInstance(QCoreApplication::instance())->RegisterWindow(FThemeRelay);
  } else if (FThemeRelay) {
    ThemeNotifierInstance(QCoreApplication::instance())->UnRegisterWindow(FThemeRelay);
  }
}

// ---- links

void TZadIrururOziz::SetURLShow(bool Value) {
  if (Value == FPaintLook.URLShow) return;
  FPaintLook.URLShow = Value;
  RepaintAll();
}

void TZadIrururOziz::SetURLShowInText(bool Value) {
  if (Value == FURLShowInText) return;
  FURLShowInText = Value;
  RepaintAll();
}

void TZadIrururOziz::SetURLFull(bool Value) {
  FPaintLook.URLFull = Value;
  if (FPaintLook.URLShow) RepaintAll();
}
