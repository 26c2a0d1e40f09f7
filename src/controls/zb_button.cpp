#include "controls/zb_button.h"

#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include "controls/canvas.h"
#include "controls/zb_glyphs.h"

namespace {

struct Kind_Preset {
  const char* caption;
  int modal_result;
};

Kind_Preset Preset_Of(TZbButtonKind kind) {
  switch (kind) {
    case bkOK:
      return {"OK", 1};
    case bkCancel:
      return {"Abbrechen", 2};
    case bkHelp:
      return {"Hilfe", 0};
    case bkYes:
      return {"Ja", 6};
    case bkNo:
      return {"Nein", 7};
    case bkClose:
      return {"Schließen", 0};
    case bkAbort:
      return {"Abbrechen", 3};
    case bkRetry:
      return {"Wiederholen", 4};
    case bkIgnore:
      return {"Ignorieren", 5};
    case bkAll:
      return {"Alle", 12};
    case bkCustom:
      break;
  }
  return {"", 0};
}

bool Is_Enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TZbButton::TZbButton(QWidget* parent) : QWidget(parent) {
  resize(100, 23);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  hot_track_font_ = font();
  face_.Font = font();
  fade_timer_.setInterval(30);
  connect(&fade_timer_, &QTimer::timeout, this, &TZbButton::Fade_Step);
  Watch_Window();
}

TZbButton::~TZbButton() {
  if (watched_window_ != nullptr) watched_window_->removeEventFilter(this);
}

void TZbButton::Set_Caption(const QString& caption) {
  caption_ = caption;
  face_.Caption = caption;
  Update_Accelerator();
  update();
}

void TZbButton::Set_Alignment(TAlignment value) {
  face_.Alignment = value;
  Paint_Now();
}

void TZbButton::Set_Color(TColor value) {
  face_.Color = value;
  update();
}

void TZbButton::Set_Font_Color(TColor value) {
  face_.Font_Color = value;
  update();
}

void TZbButton::Set_LightColor(TColor value) {
  face_.LightColor = value;
  Paint_Now();
}

void TZbButton::Set_ShadowColor(TColor value) {
  face_.ShadowColor = value;
  Paint_Now();
}

void TZbButton::Set_Flat(bool value) {
  face_.Flat = value;
  Paint_Now();
}

void TZbButton::Set_WordWrap(bool value) {
  face_.WordWrap = value;
  Paint_Now();
}

void TZbButton::Set_Style(TZbButtonStyle value) {
  face_.Style = value;
  // These styles leave their corners to whatever lies beneath.
  const bool see_through = value == bsModern || value == bsShape || value == bsQuicken;
  setAttribute(Qt::WA_OpaquePaintEvent, !see_through);
  update();
}

void TZbButton::Set_ColorStyle(TZbColorStyle value) {
  if (value != lcsCustom) {
    const Zb_Color_Preset preset = GetZbColorStylePreset(value);
    face_.Color = preset.Color;
    face_.Font_Color = preset.Font_Color;
    face_.LightColor = preset.LightColor;
    face_.ShadowColor = preset.ShadowColor;
    face_.ColorWhenDown = preset.ColorWhenDown;
    face_.HotTrackColor = preset.HotTrackColor;
    face_.Flat = preset.Flat;
    Set_Style(preset.Style);
  }
  Paint_Now();
}

void TZbButton::Set_Glyph(const QImage& glyph) {
  face_.Glyph = glyph;
  face_.NumGlyphs = glyph.isNull() || glyph.height() == 0 ? 0 : glyph.width() / glyph.height();
  kind_ = bkCustom;
  update();
}

void TZbButton::Set_NumGlyphs(int value) {
  face_.NumGlyphs = value;
  update();
}

void TZbButton::Set_Kind(TZbButtonKind value) {
  if (value != bkCustom) {
    // The strip goes in without the Glyph writer, so the frame count stays 2
    // even for the taller bkAll strip.
    face_.NumGlyphs = 2;
    const Kind_Preset preset = Preset_Of(value);
    modal_result_ = preset.modal_result;
    face_.Glyph = Zb_Kind_Glyph(value);
    Set_Caption(QString::fromUtf8(preset.caption));
  }
  kind_ = value;
  update();
}

void TZbButton::Set_Layout(TZbButtonLayout value) {
  face_.Layout = value;
  Paint_Now();
}

void TZbButton::Set_ModalResult(int value) {
  modal_result_ = value;
  kind_ = bkCustom;
}

void TZbButton::Set_SlowDecease(bool value) {
  slow_decease_ = value;
  if (!value) {
    hot_track_step_ = 0;
    fade_timer_.stop();
  }
  update();
}

void TZbButton::Set_PopupMenu(QMenu* menu) {
  popup_menu_ = menu;
  update();
}

void TZbButton::Click() {
  down_ = true;
  Click_Action();
}

void TZbButton::Click_Action() {
  // Visible means not hidden on purpose, as for a control whose form is not shown yet.
  const bool visible = !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
  if (!visible || !isEnabled() || !down_) return;
  down_ = false;
  QPointer<TZbButton> alive(this);
  if (OnClick) OnClick();
  if (alive.isNull()) return;
  Q_EMIT clicked();
  if (alive.isNull()) return;
  if (modal_result_ != 0) {
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modal_result_);
  }
  if (alive.isNull()) return;
  if (popup_menu_ != nullptr) popup_menu_->popup(mapToGlobal(QPoint(0, height())));
}

QImage TZbButton::Render() const {
  const int W = width(), H = height();
  QImage image(qMax(W, 1), qMax(H, 1), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  TCanvas canvas(painter);
  Zb_Face face = face_;
  face.Hot = cursor_on_button_ || hasFocus();
  face.Pressed = down_;
  face.Enabled = isEnabled();
  face.HotTrackStep = hot_track_step_;
  face.Has_Popup = popup_menu_ != nullptr;
  face.Font = face.Hot && use_hot_track_font_ ? hot_track_font_ : font();
  if (face.Style == bsOld && hasFocus()) {
    if (face.Pressed && face.Enabled) face.LightColor = face.ShadowColor;
    DrawZbButtonFace(canvas, W - 2, H - 2, face);
    const QImage drawn = image.copy();
    painter.drawImage(1, 1, drawn);
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = clBlack;
    canvas.Frame_Rect({0, 0, W, H});
  } else {
    DrawZbButtonFace(canvas, W, H, face);
  }
  if (hasFocus() && face.Enabled && face.Style != bsShape) canvas.Draw_Focus_Rect({4, 4, W - 4, H - 4});
  return image;
}

void TZbButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render());
}

void TZbButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(event);
    return;
  }
  down_ = true;
  setFocus(Qt::MouseFocusReason);
  Paint_Now();
}

void TZbButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  // A press dragged off the button is a change of mind, not a click.
  if (down_ && rect().contains(event->position().toPoint())) Click();
  down_ = false;
  if (!isVisible()) return;
  Paint_Now();
}

void TZbButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((Is_Enter(key) || key == Qt::Key_Space) && isEnabled()) {
    if (!event->isAutoRepeat()) {
      down_ = true;
      key_down_ = true;
      Paint_Now();
    }
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TZbButton::keyReleaseEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((Is_Enter(key) || key == Qt::Key_Space) && !event->isAutoRepeat()) {
    // Only a key pressed here clicks: the release of a key that opened this
    // button's window must not.
    if (key_down_) {
      key_down_ = false;
      Click();
      down_ = false;
      if (isVisible()) Paint_Now();
    }
    event->accept();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TZbButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!isEnabled() || !isVisible()) return;
  cursor_on_button_ = true;
  fade_timer_.stop();
  hot_track_step_ = 8;
  Paint_Now();
  if (OnMouseEnter) OnMouseEnter();
}

void TZbButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  cursor_on_button_ = false;
  if (slow_decease_) {
    if (!fade_timer_.isActive()) fade_timer_.start();
  } else {
    hot_track_step_ = 0;
    Paint_Now();
  }
  if (isEnabled() && isVisible() && OnMouseExit) OnMouseExit();
}

void TZbButton::Fade_Step() {
  --hot_track_step_;
  if (hot_track_step_ <= 0) {
    hot_track_step_ = 0;
    fade_timer_.stop();
  }
  Paint_Now();
}

void TZbButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Paint_Now();
}

void TZbButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  key_down_ = false;
  Paint_Now();
}

void TZbButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    down_ = false;
    key_down_ = false;
    if (!isEnabled()) {
      cursor_on_button_ = false;
      hot_track_step_ = 0;
    }
    update();
  } else if (event->type() == QEvent::FontChange) {
    update();
  }
}

bool TZbButton::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Shortcut: {
      auto* shortcut = static_cast<QShortcutEvent*>(event);
      if (shortcut->shortcutId() == accelerator_id_ && accelerator_id_ != 0) {
        if (isVisible() && isEnabled() && window()->isVisible()) Click();
        return true;
      }
      break;
    }
    case QEvent::ParentChange:
    case QEvent::Show:
      Watch_Window();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TZbButton::Watch_Window() {
  QWidget* top = window();
  if (top == this) top = nullptr;
  if (top == watched_window_) return;
  if (watched_window_ != nullptr) watched_window_->removeEventFilter(this);
  watched_window_ = top;
  if (top != nullptr) top->installEventFilter(this);
}

bool TZbButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watched_window_ && event->type() == QEvent::KeyPress) {
    if (Dialog_Key(static_cast<QKeyEvent*>(event))) return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool TZbButton::Dialog_Key(QKeyEvent* key) {
  const bool visible = !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
  const Qt::KeyboardModifiers held = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const bool taken = (Is_Enter(key->key()) && default_) ||
                     (key->key() == Qt::Key_Escape && cancel_ && held == Qt::NoModifier && visible && isEnabled());
  if (!taken) return false;
  // A focused button answers Enter itself.
  if (QWidget* active = window()->focusWidget()) {
    const QString name = QString::fromLatin1(active->metaObject()->className()).toUpper();
    if (name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON"))) return false;
  }
  Click();
  return true;
}

void TZbButton::Update_Accelerator() {
  if (accelerator_id_ != 0) {
    releaseShortcut(accelerator_id_);
    accelerator_id_ = 0;
  }
  const QKeySequence sequence = QKeySequence::mnemonic(caption_);
  if (!sequence.isEmpty()) accelerator_id_ = grabShortcut(sequence);
}
