#pragma once
// TBalloonWindow: the grid's balloon tool tip. It watches one tool widget
// (the grid's cell area): when the mouse rests there for the initial delay it
// asks for the tip (title, text, icon), shows it in a rounded balloon below
// the mouse and hides it after the auto-hide delay, on leaving, a press, the
// wheel or a key. Moving on to a place with another tip shows that one after
// the reshow delay.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"

class TBalloonWindow : public QWidget {
  Q_OBJECT

 public:
  // The tip for a point of the tool (tool coordinates); false: none there.
  using Tip_Request = std::function<bool(QPoint Pos, QString& Title, QString& Text, int& Icon)>;

  TBalloonWindow(QWidget* AOwner, QWidget* Tool);

  Tip_Request OnGetTip;

  // Title and icon of the tips. Icons: 0 none, 1 information, 2 warning,
  // 3 error; any other shows none.
  void SetTitle(const QString& Title, int Icon);
  QString Title() const { return FTitle; }
  int Icon() const { return FIcon; }
  // Delays in milliseconds.
  static constexpr int Default_Initial_Delay = 500;
  static constexpr int Default_Reshow_Delay = 100;
  static constexpr int Default_Auto_Hide_Delay = 5000;
  int InitialDelay() const { return FInitial; }
  void SetInitialDelay(int Value) { FInitial = Value; }
  int ReshowDelay() const { return FReshow; }
  void SetReshowDelay(int Value) { FReshow = Value; }
  int AutoHideDelay() const { return FAutoHide; }
  void SetAutoHideDelay(int Value) { FAutoHide = Value; }
  // The text wraps at this width (pixels).
  int MaxTipWidth() const { return FMaxWidth; }
  void SetMaxTipWidth(int Value) { FMaxWidth = Value; }
  TColor TipTextColor() const { return FTextColor; }
  void SetTipTextColor(TColor Value) { FTextColor = Value; }
  TColor TipBkColor() const { return FBkColor; }
  void SetTipBkColor(TColor Value) { FBkColor = Value; }
  // 255 opaque; below it the window is translucent where the desktop allows.
  uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(uint8_t Value);
  // The text of the tip on show.
  QString Text() const { return FText; }

  // Asks for the tip at a tool point and shows it there at once; false when
  // there is none.
  bool Popup(QPoint ToolPos);
  void Pop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Rest_Elapsed();
  QSize Layout_Size();
  QPointer<QWidget> FTool;
  QTimer FShowTimer, FHideTimer;
  QPoint FRestPos;
  QString FTitle = QStringLiteral("ToolTipText");
  int FIcon = 3;
  QString FText, FShownTitle;
  int FShownIcon = 0;
  int FInitial = Default_Initial_Delay;
  int FReshow = Default_Reshow_Delay;
  int FAutoHide = Default_Auto_Hide_Delay;
  int FMaxWidth = 300;
  TColor FTextColor = clInfoText;
  TColor FBkColor = clInfoBk;
  uint8_t FAlpha = 255;
};
