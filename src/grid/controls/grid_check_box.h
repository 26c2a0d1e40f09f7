#pragma once
// TZadCheckBox: the grid pack's check box. Its box is the desktop theme's
// check box when themed drawing is in use, else a classic 13 x 13 frame; it
// has three states, a read-only mode, the box on the left or right, the box's
// vertical place and an ellipsis for long captions. The grid's search footer
// uses it for its "Match case" option.
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/alignment.h"
#include "controls/trect.h"
#include "grid/controls/check_box_state.h"

class TCanvas;

enum TTextLayout { tlTop, tlCenter, tlBottom };
// Only taLeftJustify (box on the left) and taRightJustify.
using TLeftRight = TAlignment;

// The theme's check-box state number: unchecked 1 to 4, checked 5 to 8,
// grayed 9 to 12, each as normal, hot, pressed, disabled.
int Check_Box_Theme_State(TCheckBoxState State, bool Enabled, bool Down, bool Hot);

class TZadCheckBox : public QWidget {
  Q_OBJECT

 public:
  explicit TZadCheckBox(QWidget* parent = nullptr);

  std::function<void()> OnClick;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // A grayed box reads false.
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight Value);
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // Enter moves the focus on as Tab does.
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  // The parent shows through around the box and caption.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool TransparentChaching() const { return FTransparentCaching; }
  void SetTransparentChaching(bool Value) { FTransparentCaching = Value; }
  // The box is pressed (mouse or Space held).
  bool Down() const { return FDown; }
  void SetDown(bool Value) { FDown = Value; }
  bool Hot() const { return FHot; }

  // Flips Checked unless read-only; a grayed box becomes checked.
  virtual void Toggle();

  // Where the box and the caption lie now.
  TRect Box_Rect() const;
  TRect Caption_Rect() const;
  QImage Render();

  QSize sizeHint() const override { return QSize(98, 20); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Paint(TCanvas& Canvas);
  void Paint_Classic_Box(TCanvas& Canvas, const TRect& R);
  void Update_Box();
  void Update_Accelerator();
  bool Themed() const;

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TLeftRight FAlignment = taLeftJustify;
  bool FEllipsis = false;
  QString FCaption = QStringLiteral("TZadCheckBox");
  bool FHot = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  bool FTransparentCaching = false;
  bool FTransparent = false;
  int FAccelerator = 0;
};
