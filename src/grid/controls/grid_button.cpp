// The grid button's state: properties, the Down rules and the group, mouse,
// hot tracking, accelerator, colour presets and theme adaptation. Painting is
// in grid_button_paint.cpp.
#include "grid/controls/grid_button.h"

#include <QAction>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcutEvent>

#include "grid/controls/grid_button_action_link.h"
#include "grid/controls/grid_button_glyphs.h"
#include "grid/theme/office_theme.h"

namespace {

struct Look_Preset {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo, BorderDownColor,
      BorderHotColor;
};

// Looks 0 to 6: Office-like colour sets.
constexpr Look_Preset kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};

bool Inside(const QWidget& w, QPoint p) { return p.x() >= 0 && p.x() < w.width() && p.y() >= 0 && p.y() <= w.height(); }

}  // namespace

TZadGridButton::TZadGridButton(QWidget* parent) : QWidget(parent), FIsComCtl6(IsComCtl6()) {
  resize(22, 23);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

TZadGridButton::~TZadGridButton() = default;

void TZadGridButton::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Update_Accelerator();
  update();
}

void TZadGridButton::SetColor(TColor Value) {
  FColor = Value;
  update();
}

void TZadGridButton::SetColorTo(TColor Value) {
  FColorTo = Value;
  update();
}

void TZadGridButton::SetColorChecked(TColor Value) {
  FColorChecked = Value;
  update();
}

void TZadGridButton::SetColorCheckedTo(TColor Value) {
  FColorCheckedTo = Value;
  update();
}

void TZadGridButton::SetBorderColor(TColor Value) {
  FBorderColor = Value;
  update();
}

void TZadGridButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  update();
}

void TZadGridButton::SetRounded(bool Value) {
  FRounded = Value;
  update();
}

void TZadGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (FShaded) FGlyphShade = Shade_Glyph(FGlyph);
}

void TZadGridButton::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  update();
}

void TZadGridButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  update();
}

void TZadGridButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  update();
}

void TZadGridButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  update();
}

void TZadGridButton::SetGlyph(const QImage& Value) {
  FGlyph = Value;
  if (FGlyphDisabled.isNull()) FGlyphDisabled = Disabled_Glyph(FGlyph);
  if (FShaded) FGlyphShade = Shade_Glyph(FGlyph);
  update();
}

void TZadGridButton::SetGlyphHot(const QImage& Value) {
  FGlyphHot = Value;
  update();
}

void TZadGridButton::SetGlyphDown(const QImage& Value) {
  FGlyphDown = Value;
  update();
}

void TZadGridButton::SetGlyphDisabled(const QImage& Value) {
  FGlyphDisabled = Value;
  update();
}

void TZadGridButton::SetStyle(TZadGridButtonStyle Value) {
  FStyle = Value;
  update();
}

void TZadGridButton::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  update();
}

// ---- Down and the group

void TZadGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    repaint();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) update();
    FState = bsExclusive;
    Update_Exclusive();
  } else {
    FState = bsUp;
    repaint();
  }
}

void TZadGridButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  Update_Exclusive();
}

void TZadGridButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  Update_Exclusive();
}

void TZadGridButton::Update_Exclusive() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  const auto siblings = parentWidget()->findChildren<TZadGridButton*>(Qt::FindDirectChildrenOnly);
  for (TZadGridButton* sibling : siblings)
    if (sibling != this) sibling->Button_Pressed(FGroupIndex, this);
}

void TZadGridButton::Button_Pressed(int Group, TZadGridButton* Sender) {
  if (Group != FGroupIndex) return;
  if (Sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    if (FActionLink) FActionLink->Button_Raised();
    update();
  }
  FAllowAllUp = Sender->FAllowAllUp;
}

// ---- mouse

void TZadGridButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint p = event->position().toPoint();
  if (FDropDownButton && p.x() >= width() - 12) {
    FState = bsUp;
    if (OnDropDown) OnDropDown();
    if (FDropDownMenu) FDropDownMenu->popup(mapToGlobal(QPoint(0, height())));
    return;
  }
  if (!FDown) {
    FState = bsDown;
    update();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    repaint();
  }
  FDragging = true;
}

void TZadGridButton::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  if (!FDragging) {
    if (!FMouseInControl) Retest_Hot();
    return;
  }
  TButtonState state = FDown ? bsExclusive : Inside(*this, event->position().toPoint()) ? bsDown : bsUp;
  if (FStyle == tasCheck && FDown) state = bsDown;
  if (state == FState) return;
  FState = state;
  update();
}

void TZadGridButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FDragging) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  FDragging = false;
  const bool inside = Inside(*this, event->position().toPoint());
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (FStyle == tasCheck && inside) FDown = !FDown;
    if (inside) update();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) repaint();
  } else {
    if (FDown) FState = bsExclusive;
    repaint();
  }
  if (inside) Click();
  Retest_Hot();
}

void TZadGridButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click presses the button again.
  const bool was_down = FDown;
  mousePressEvent(event);
  if (was_down && event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

void TZadGridButton::Click() {
  if (OnClick) OnClick();
  if (FActionLink) FActionLink->Execute();
}

void TZadGridButton::Set_Hot(bool Value) {
  if (Value) {
    if (!FMouseInControl && isEnabled() && (!mouseGrabber() || mouseGrabber() == this)) {
      FMouseInControl = true;
      repaint();
    }
    if (OnMouseEnter) OnMouseEnter();
  } else {
    if (FMouseInControl && !FDragging) {
      FMouseInControl = false;
      update();
    }
    if (OnMouseLeave) OnMouseLeave();
  }
}

void TZadGridButton::Retest_Hot() {
  if (!FFlat || !isEnabled()) return;
  const bool under = rect().contains(mapFromGlobal(QCursor::pos()));
  if (under && !FMouseInControl) Set_Hot(true);
  if (!under && FMouseInControl) Set_Hot(false);
}

void TZadGridButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  Set_Hot(true);
}

void TZadGridButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  Set_Hot(false);
}

// ---- looks

void TZadGridButton::SetLook(int Value) {
  if (Value < 0 || Value > 6) return;
  const Look_Preset& look = kLooks[Value];
  FLook = Value;
  FColor = look.Color;
  FColorTo = look.ColorTo;
  FColorHot = look.ColorHot;
  FColorHotTo = look.ColorHotTo;
  FColorDown = look.ColorDown;
  FColorDownTo = look.ColorDownTo;
  FColorChecked = look.ColorChecked;
  FColorCheckedTo = look.ColorCheckedTo;
  FBorderDownColor = look.BorderDownColor;
  FBorderHotColor = look.BorderHotColor;
  FBorderColor = clNone;
  FFlat = true;
  FRounded = Value == 0;
  update();
}

void TZadGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value) Apply_Theme_Look();
}

void TZadGridButton::Apply_Theme_Look() {
  switch (CurrentXPColorScheme()) {
    case 1:  // "NormalColor"
      SetLook(2);
      break;
    case 2:  // "HomeStead"
      SetLook(3);
      break;
    case 3:  // "Metallic"
      SetLook(4);
      break;
    default:
      SetLook(1);
      break;
  }
}

void TZadGridButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::StyleChange && FAutoThemeAdapt) Apply_Theme_Look();
  if (event->type() == QEvent::EnabledChange) update();
}

// ---- accelerator and action

void TZadGridButton::Update_Accelerator() {
  if (FAccelerator != 0) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QKeySequence sequence = QKeySequence::mnemonic(FCaption);
  if (!sequence.isEmpty()) FAccelerator = grabShortcut(sequence);
}

bool TZadGridButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->shortcutId() == FAccelerator &&
      FAccelerator != 0) {
    if (isEnabled() && isVisible() && (!parentWidget() || parentWidget()->isVisible())) Click();
    return true;
  }
  return QWidget::event(event);
}

void TZadGridButton::SetAction(QAction* Value) {
  delete FActionLink;
  FActionLink = Value ? new TZadGridButtonActionLink(this, Value) : nullptr;
}

QAction* TZadGridButton::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
