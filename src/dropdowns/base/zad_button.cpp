#include "dropdowns/base/zad_button.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include "controls/canvas.h"
#include "dropdowns/base/popup_modal_result.h"
#include "dropdowns/base/zad_button_appearance.h"
#include "dropdowns/base/zad_custom_drop_down.h"

TZadButton::TZadButton(QWidget* AOwner) : QWidget(AOwner), CursorPos([] { return QCursor::pos(); }) {
  setGeometry(0, 0, 23, 22);
  QFont f = font();
  f.setFamily(QStringLiteral("Tahoma"));
  setFont(f);
  // Reachable by Tab for Enter and Space; a click leaves the focus where it is.
  setFocusPolicy(Qt::TabFocus);
  FUnHotTimer.setInterval(1);
  QObject::connect(&FUnHotTimer, &QTimer::timeout, this, [this] { UnHotTimerTick(); });
}

void TZadButton::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  UpdateAccelerator();
  update();
}

void TZadButton::SetAppearance(TZadButtonAppearance* Value) {
  FAppearance = Value;
  update();
}

void TZadButton::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  update();
}

void TZadButton::SetZadDropDown(TZadCustomDropDown* DropDown) {
  if (FZadDropDown != DropDown) FZadDropDown = DropDown;
}

void TZadButton::UpdateAccelerator() {
  if (FAcceleratorId != 0) releaseShortcut(FAcceleratorId);
  FAcceleratorId = 0;
  const QKeySequence key = QKeySequence::mnemonic(FCaption);
  if (!key.isEmpty()) FAcceleratorId = grabShortcut(key);
}

void TZadButton::Click() {
  QPointer<TZadButton> self(this);
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (auto* form = dynamic_cast<IPopupModalResult*>(w)) {
      form->SetModalResult(FModalResult);
      break;
    }
  if (FZadDropDown) {
    switch (FModalResult) {
      case mrOk:
      case mrYes:
      case mrAll:
      case mrYesToAll:
        FZadDropDown->DoHideDropDown(false);
        break;
      case mrCancel:
      case mrAbort:
      case mrIgnore:
      case mrNo:
      case mrNoToAll:
        FZadDropDown->DoHideDropDown(true);
        break;
      default:
        break;
    }
  }
  if (self && !FInternalClick && OnClick) OnClick();
}

void TZadButton::DrawButton(TCanvas& Canvas) {
  if (!FAppearance) return;
  const TZadButtonAppearance& a = *FAppearance;
  TColor fill, fill_to, border;
  if (!isEnabled()) {
    fill = a.ColorDisabled(), fill_to = a.ColorDisabledTo(), border = a.BorderColorDisabled();
  } else if (FMouseDownInControl && FMouseInControl) {
    fill = fill_to = a.ColorDown(), border = a.BorderColorDown();
  } else if (FDown) {
    fill = fill_to = a.ColorChecked(), border = a.BorderColorChecked();
  } else if (FMouseInControl || hasFocus()) {
    fill = fill_to = a.ColorHot(), border = a.BorderColorHot();
  } else {
    fill = a.Color(), fill_to = a.ColorTo(), border = a.BorderColor();
  }
  const TRect client{0, 0, width(), height()};
  Draw_Filled_Rect(&Canvas, client, fill, fill_to, border, 1, a.GradientHorizontal());
  Canvas.Brush.Style = TBrushStyle::bsClear;
  Canvas.Font = a.Font();
  Draw_Image_Text(&Canvas, client, FCaption, FImages, FImageIndex);
}

void TZadButton::AdjustButtonSize() {
  if (!FAppearance) return;
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  TCanvas canvas(painter);
  canvas.Font = FAppearance->Font();
  const QSize text = Measure_Text(canvas, FCaption);
  int w = text.width(), h = text.height();
  if (FImages && FImageIndex >= 0 && FImageIndex < static_cast<int>(FImages->size())) {
    const QImage& image = (*FImages)[static_cast<size_t>(FImageIndex)];
    w = std::max(w, image.width());
    h = std::max(h, image.height());
  }
  resize(w + 8, h + 4);
}

void TZadButton::paintEvent(QPaintEvent*) {
  if (!isEnabled()) FDragging = false;
  QPainter painter(this);
  TCanvas canvas(painter);
  DrawButton(canvas);
}

void TZadButton::RepaintIfEnabled() {
  if (isEnabled()) update();
}

void TZadButton::MouseEntered() {
  FMouseInControl = true;
  RepaintIfEnabled();
  FUnHotTimer.start();
  if (OnMouseEnter) OnMouseEnter();
}

void TZadButton::MouseLeft() {
  FUnHotTimer.stop();
  FMouseInControl = false;
  RepaintIfEnabled();
  if (OnMouseLeave) OnMouseLeave();
}

void TZadButton::enterEvent(QEnterEvent* Event) {
  QWidget::enterEvent(Event);
  MouseEntered();
}

void TZadButton::leaveEvent(QEvent* Event) {
  QWidget::leaveEvent(Event);
  MouseLeft();
}

void TZadButton::UnHotTimerTick() {
  // Clears the hot face also when no leave event arrives.
  if (rect().contains(mapFromGlobal(CursorPos()))) return;
  FUnHotTimer.stop();
  FMouseInControl = false;
  RepaintIfEnabled();
}

void TZadButton::UpdateTracking() {
  if (!isEnabled()) return;
  const QPoint global = CursorPos();
  // The widget under the cursor, disabled ones included.
  const bool over = QApplication::widgetAt(global) == this ||
                    (isVisible() && rect().contains(mapFromGlobal(global)) && !QApplication::widgetAt(global));
  if (over)
    MouseEntered();
  else
    MouseLeft();
}

void TZadButton::mousePressEvent(QMouseEvent* Event) {
  QWidget::mousePressEvent(Event);
  if (Event->button() != Qt::LeftButton || !isEnabled()) return;
  FMouseDownInControl = true;
  FPressedInside = true;
  if (!FDown || FStyle == tasCheck) update();
  FDragging = true;
}

void TZadButton::mouseMoveEvent(QMouseEvent* Event) {
  QWidget::mouseMoveEvent(Event);
  if (FDragging) {
    const bool inside = rect().contains(Event->position().toPoint());
    if (inside != FPressedInside) {
      FPressedInside = inside;
      update();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TZadButton::mouseReleaseEvent(QMouseEvent* Event) {
  if (Event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(Event);
    return;
  }
  QPointer<TZadButton> self(this);
  const QPoint p = Event->position().toPoint();
  // The click of a left release over the button comes first, as the
  // platform's own click handling would deliver it.
  if (FDragging && rect().contains(p)) Click();
  if (!self) return;
  QWidget::mouseReleaseEvent(Event);
  FMouseDownInControl = false;
  update();
  if (!FDragging) return;
  FDragging = false;
  // The bottom edge counts as inside.
  const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
  if (FGroupIndex != 0) {
    if (inside) SetDown(!FDown);
    update();
  } else {
    FMouseInControl = false;
    if (FStyle == tasCheck) SetDown(!FDown);
    if (inside) update();
  }
  UpdateTracking();
}

void TZadButton::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (!FDown || FStyle == tasCheck) update();
    QPointer<TZadButton> self(this);
    FInternalClick = true;
    Click();
    if (!self) return;
    FInternalClick = false;
    Event->accept();
    return;
  }
  QWidget::keyPressEvent(Event);
}

bool TZadButton::event(QEvent* Event) {
  if (Event->type() == QEvent::Shortcut && FAcceleratorId != 0 &&
      static_cast<QShortcutEvent*>(Event)->shortcutId() == FAcceleratorId) {
    if (!isEnabled()) return false;
    Click();
    return true;
  }
  return QWidget::event(Event);
}

void TZadButton::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange) update();
}

void TZadButton::focusInEvent(QFocusEvent* Event) {
  QWidget::focusInEvent(Event);
  update();
}

void TZadButton::focusOutEvent(QFocusEvent* Event) {
  QWidget::focusOutEvent(Event);
  update();
}

void TZadButton::SetDown(bool Value) {
  if (FLoading) {
    FInitialDown = Value;
    return;
  }
  // A plain button never stays down.
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    update();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  update();
  if (Value) UpdateExclusive();
}

void TZadButton::EndLoading() {
  FLoading = false;
  if (FInitialDown != FDown) SetDown(FInitialDown);
}

void TZadButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (TZadButton* other : parentWidget()->findChildren<TZadButton*>(Qt::FindDirectChildrenOnly))
    other->ButtonPressed(FGroupIndex, this);
}

void TZadButton::ButtonPressed(int Group, const TZadButton* Sender) {
  if (Group != FGroupIndex || Sender == this) return;
  if (Sender->Down() && FDown) {
    FDown = false;
    update();
  }
  FAllowAllUp = Sender->AllowAllUp();
}
