#pragma once
// THTMLHintWindow: a tool-tip window that lays its text out with the
// mini-HTML renderer (pictures from a grid's image list and picture
// container) and shows packed wide hints in one line. It is placed on the
// screen it starts on, kept inside it, stays on top and never takes focus.
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

#include "controls/tcolor.h"
#include "controls/trect.h"

class TPictureContainer;
class TZadIrururOziz;

class THTMLHintWindow : public QWidget {
 public:
  explicit THTMLHintWindow(QWidget* AOwner = nullptr);

  // The rectangle (0, 0, w, h) the hint's text takes within MaxWidth.
  TRect CalcHintRect(int MaxWidth, const QString& AHint);
  // Shows AHint with its top-left corner at Rect's (screen coordinates).
  void ActivateHint(const TRect& Rect, const QString& AHint);
  // As ActivateHint; with a grid the window takes its image list and
  // picture container first.
  void ActivateHintData(const TRect& Rect, const QString& AHint, const TZadIrururOziz* AData);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const std::vector<QImage>& Images() const { return FImages; }
  void SetImages(std::vector<QImage> Value) { FImages = std::move(Value); }
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value) { FPictureContainer = Value; }
  int TextWidth() const { return FTextWidth; }
  int TextHeight() const { return FTextHeight; }

  // The font name of the grid that last prepared a hint: wide hints are
  // measured and drawn in it.
  static QString HintFontName();
  static void SetHintFontName(const QString& Name);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Width and height of the text as laid out within MaxWidth; wide hints in
  // one line.
  QSize Measure(int MaxWidth, const QString& AHint, bool& Wide);
  QFont Wide_Font() const;

  std::vector<QImage> FImages;
  TPictureContainer* FPictureContainer = nullptr;
  int FTextHeight = 0;
  int FTextWidth = 0;
  QString FWideCaption;
  QString FCaption;
  TColor FColor = clInfoBk;
};

// Every tool tip of the program shows in an HTML hint window while on; off
// gives the platform's tool tips back.
void Set_Application_HTML_Hints(bool On);
bool Application_HTML_Hints();
// The window the program's tool tips use while HTML hints are on.
THTMLHintWindow* Application_Hint_Window();
