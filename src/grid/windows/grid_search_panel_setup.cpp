// The search footer's panel made, labelled and placed from SearchFooter.
#include <QEvent>

#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

namespace {

constexpr int Panel_Height = 32;
constexpr int Button_Height = 23;
constexpr int Box_Height = 18;

void Set_Height(QWidget* w, int height) { w->resize(w->width(), height); }

}  // namespace

void TZadIrururOziz::Connect_Window_Extras() {
  FSearchPanel = new TSearchPanel(this);
  FSearchPanel->hide();
  FSearchPanel->OnEditChange = [this] { Search_Edit_Change(); };
  FSearchPanel->OnForwardClick = [this] { SearchFooterFindNext(); };
  FSearchPanel->OnBackwardClick = [this] { SearchFooterFindPrevious(); };
  FSearchPanel->OnHighlightClick = [this] { SearchFooterHighlight(); };
  FSearchPanel->OnExitClick = [this] { Search_Footer_Close(); };
  FSearchPanel->OnCreated = [this] {
    if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
  };
  FSearchFooter->OnChange = [this] {
    UpdateSearchPanel();
    RepaintAll();
  };
  FBalloon.OnEnableChange = [this](TBalloonSettings*) {
    if (FBalloon.Enable())
      BalloonInit();
    else
      BalloonDone();
  };
  UpdateSearchPanel();
}

void TZadIrururOziz::UpdateSearchPanel() {
  if (!FSearchPanel) return;
  const TSearchFooter& f = *FSearchFooter;
  TSearchPanel& p = *FSearchPanel;
  TZadGridButton* forward = p.ForwardButton();
  TZadGridButton* backward = p.BackwardButton();
  TZadGridButton* hilite = p.HiliteButton();
  TZadGridButton* exit = p.ExitButton();
  TZadCheckBox* match_case = p.MatchCase();

  // Hits highlighted by a footer that is going away, or by AlwaysHighLight,
  // are taken out of the cells.
  if ((hilite->Down() && !p.isHidden() && !f.Visible()) || f.AlwaysHighLight()) UnHilightInGrid(false);

  p.SetColor(f.Color());
  p.SetColorTo(f.ColorTo());
  p.SetLineColor(GridLineColor());

  p.FindNextCaption = f.FindNextCaption();
  p.FindPrevCaption = f.FindPrevCaption();
  p.MatchCaseCaption = f.MatchCaseCaption();
  p.HighLightCaption = f.HighLightCaption();
  p.HintClose = f.HintClose();
  p.HintFindNext = f.HintFindNext();
  p.HintFindPrev = f.HintFindPrev();
  p.HintHighlight = f.HintHighlight();
  forward->SetCaption(f.FindNextCaption());
  backward->SetCaption(f.FindPrevCaption());
  match_case->SetCaption(f.MatchCaseCaption());
  hilite->SetCaption(f.HighLightCaption());
  // An empty hint shows nothing.
  forward->setToolTip(f.HintFindNext());
  backward->setToolTip(f.HintFindPrev());
  exit->setToolTip(f.HintClose());
  hilite->setToolTip(f.HintHighlight());
  p.setFont(f.Font());

  const TControlStyle style = FControlLook.ControlStyle();
  for (TZadGridButton* button : {forward, backward, hilite}) {
    if (f.AutoThemeAdapt()) {
      button->SetAutoThemeAdapt(true);
      button->SetFlat(true);
    } else if (style == csFlat || style == csWinXP || style == csTheme) {
      button->SetFlat(true);
    } else if (style == csClassic) {
      button->SetFlat(false);
    }
  }

  hilite->setVisible(f.ShowHighLight());
  exit->setVisible(f.ShowClose());
  match_case->setVisible(f.ShowMatchCase());
  match_case->SetTransparent(true);
  backward->setVisible(f.ShowFindPrev());
  forward->setVisible(f.ShowFindNext());

  for (TZadGridButton* button : {forward, backward, hilite})
    Set_Height(button, button->isVisibleTo(&p) ? Button_Height : 0);
  Set_Height(match_case, match_case->isVisibleTo(&p) ? Box_Height : 0);
  p.Place_Parts();
  p.setVisible(f.Visible());
  Place_Search_Panel();
  // Only a last row in view is lifted above the panel: a grid scrolled
  // elsewhere stays where the user left it.
  const int last = RowCount() - 1;
  if (f.Visible() && last >= TopRow() && UnclippedCellRect(0, last).Top < ClientHeight())
    ScrollLastRowAboveSearchFooter();
}

// The panel covers the bottom of the cell area.
void TZadIrururOziz::Place_Search_Panel() {
  if (!FSearchPanel) return;
  const QRect cells = viewport()->geometry();
  const int height = FSearchFooter->Visible() ? Panel_Height : 0;
  FSearchPanel->setGeometry(cells.left(), cells.bottom() + 1 - height, cells.width(), height);
}
