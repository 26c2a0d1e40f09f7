#pragma once
#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "controls/alignment.h"
#include "controls/tcolor.h"
#include "controls/zb_button_face.h"
#include "controls/zb_button_types.h"

class QMenu;

// The push button of every window: paints itself in one of six styles, tracks
// the mouse with a hot colour (optionally fading out in 30-ms steps), shows a
// glyph strip, and clicks on mouse release, Enter/Space, its accelerator, and
// Enter or Esc anywhere in its window when it is the Default or Cancel button.
// A click runs OnClick, emits clicked() and then, with a ModalResult, ends the
// QDialog holding it with that result, whatever the handler did.
class TZbButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZbButton(QWidget* parent = nullptr);
  ~TZbButton() override;

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseExit;

  QString Caption() const { return caption_; }
  void Set_Caption(const QString& caption);
  TAlignment Alignment() const { return face_.Alignment; }
  void Set_Alignment(TAlignment value);
  TColor Color() const { return face_.Color; }
  void Set_Color(TColor value);
  TColor Font_Color() const { return face_.Font_Color; }
  void Set_Font_Color(TColor value);
  TColor LightColor() const { return face_.LightColor; }
  void Set_LightColor(TColor value);
  TColor ShadowColor() const { return face_.ShadowColor; }
  void Set_ShadowColor(TColor value);
  TColor ColorWhenDown() const { return face_.ColorWhenDown; }
  void Set_ColorWhenDown(TColor value) { face_.ColorWhenDown = value; }
  TColor HotTrackColor() const { return face_.HotTrackColor; }
  void Set_HotTrackColor(TColor value) { face_.HotTrackColor = value; }
  QFont HotTrackFont() const { return hot_track_font_; }
  void Set_HotTrackFont(const QFont& value) { hot_track_font_ = value; }
  bool UseHotTrackFont() const { return use_hot_track_font_; }
  void Set_UseHotTrackFont(bool value) { use_hot_track_font_ = value; }
  bool Flat() const { return face_.Flat; }
  void Set_Flat(bool value);
  bool WordWrap() const { return face_.WordWrap; }
  void Set_WordWrap(bool value);
  TZbButtonStyle Style() const { return face_.Style; }
  void Set_Style(TZbButtonStyle value);
  // Applies a preset; the value is not kept (reading answers lcsCustom).
  TZbColorStyle ColorStyle() const { return lcsCustom; }
  void Set_ColorStyle(TZbColorStyle value);
  QImage Glyph() const { return face_.Glyph; }
  void Set_Glyph(const QImage& glyph);
  int NumGlyphs() const { return face_.NumGlyphs; }
  void Set_NumGlyphs(int value);
  TZbButtonKind Kind() const { return kind_; }
  void Set_Kind(TZbButtonKind value);
  TZbButtonLayout Layout() const { return face_.Layout; }
  void Set_Layout(TZbButtonLayout value);
  int ModalResult() const { return modal_result_; }
  void Set_ModalResult(int value);
  bool Default() const { return default_; }
  void Set_Default(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void Set_Cancel(bool value) { cancel_ = value; }
  bool SlowDecease() const { return slow_decease_; }
  void Set_SlowDecease(bool value);
  QString Hint() const { return toolTip(); }
  void Set_Hint(const QString& hint) { setToolTip(hint); }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void Set_TabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
  QMenu* PopupMenu() const { return popup_menu_; }
  void Set_PopupMenu(QMenu* menu);

  // The click of the control: the pressed flag is set and the click action runs.
  void Click();

  // Fade position 0..8 (8: full hot colour) and pressed state, for tests.
  int HotTrackStep() const { return hot_track_step_; }
  bool Is_Down() const { return down_; }
  // The face as it is painted now.
  QImage Render() const;

  QSize sizeHint() const override { return QSize(100, 23); }

 Q_SIGNALS:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Click_Action();
  bool Dialog_Key(QKeyEvent* key);
  void Fade_Step();
  void Watch_Window();
  void Update_Accelerator();
  void Paint_Now() { repaint(); }

  QString caption_;
  Zb_Face face_;
  QFont hot_track_font_;
  bool use_hot_track_font_ = false;
  TZbButtonKind kind_ = bkCustom;
  int modal_result_ = 0;
  bool default_ = false;
  bool cancel_ = false;
  bool slow_decease_ = false;
  bool down_ = false;
  bool key_down_ = false;
  bool cursor_on_button_ = false;
  int hot_track_step_ = 0;
  QTimer fade_timer_;
  QMenu* popup_menu_ = nullptr;
  QWidget* watched_window_ = nullptr;
  int accelerator_id_ = 0;
};
