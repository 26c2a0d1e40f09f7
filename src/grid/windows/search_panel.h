#pragma once
// TSearchPanel: the search footer docked along the grid's bottom: a search
// edit, find-next, find-previous and highlight buttons, a match-case box and
// a close button. The panel only reports what the user does (its events);
// the grid labels, colours, shows and places it from its SearchFooter
// settings and runs the searches.
#include <QLineEdit>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"

class TZadGridButton;
class TZadCheckBox;

// The search edit: Return (Ctrl+Return) reports instead of being typed.
class TRetEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TRetEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
  std::function<void()> OnReturn;
  std::function<void()> OnCtrlReturn;
  // The background: the window colour, red after a search that missed.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TColor FColor = clWindow;
};

class TSearchPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TSearchPanel(QWidget* AGrid);

  TRetEdit* EditControl() const { return FEdit; }
  TZadGridButton* ExitButton() const { return FExit; }
  TZadGridButton* ForwardButton() const { return FForward; }
  TZadGridButton* BackwardButton() const { return FBackward; }
  TZadGridButton* HiliteButton() const { return FHilite; }
  TZadCheckBox* MatchCase() const { return FMatchCase; }

  std::function<void()> OnForwardClick;
  std::function<void()> OnBackwardClick;
  std::function<void()> OnEditChange;
  std::function<void()> OnExitClick;
  std::function<void()> OnHighlightClick;
  // Once, when the grid is first shown.
  std::function<void()> OnCreated;

  // Places the parts at their lefts (mirrored right to left); the match-case
  // box stands where the highlight button is when that is hidden.
  void Place_Parts();

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // clNone: a plain fill in Color; else a gradient from Color down to it.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  // The line along the top edge.
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value);

  QString FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
  QString HintClose, HintFindNext, HintFindPrev, HintHighlight;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Edit_Changed();
  QWidget* FGrid;
  TRetEdit* FEdit;
  TZadGridButton *FForward, *FBackward, *FExit, *FHilite;
  TZadCheckBox* FMatchCase;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  TColor FLineColor = 0xC0C0C0;
};
