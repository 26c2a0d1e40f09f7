// The search footer's actions: searching as the user types, find next and
// previous, highlighting the hits and closing the footer.
#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

namespace {

constexpr TColor Missed_Color = 0x0000FF;

}  // namespace

void TZadIrururOziz::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

TFindParams TZadIrururOziz::Search_Footer_Params(bool Typing) {
  const TSearchFooter& f = *FSearchFooter;
  TFindParams params{fnAutoGoto};
  // Highlighted cells hold tags around the hits; the search looks past them.
  if (FSearchPanel->HiliteButton()->Down() || f.AlwaysHighLight()) params << fnIgnoreHTMLTags;
  if (FSearchPanel->MatchCase()->Checked()) params << fnMatchCase;
  if (f.SearchActiveColumnOnly()) params << fnFindInCurrentCol;
  if (f.SearchMatchStart()) params << fnMatchStart;
  if (Typing && f.SearchFixedCells()) params << fnIncludeFixed;
  if (Typing && f.SearchHiddenRows()) params << fnIncludeHiddenRows;
  if (f.SearchDirection() == sdLeftRight) params << fnDirectionLeftRight;
  if (f.SearchColumn() >= 0 && f.SearchColumn() < ColCount()) {
    params << fnFindInPresetCol;
    FFindCol = f.SearchColumn();
  }
  return params;
}

// Every hit of the edit's text in the normal cells of the search column, or
// of the whole grid, highlighted, or the highlighting removed there.
void TZadIrururOziz::Search_Footer_Highlight(bool On) {
  const QString text = FSearchPanel->EditControl()->text();
  const bool match_case = FSearchPanel->MatchCase()->Checked();
  const int column = FSearchFooter->SearchColumn();
  if (On && text.isEmpty()) return;
  if (column >= 0 && column < ColCount()) {
    if (On)
      HilightInCol(false, match_case, RealColIndex(column), text);
    else
      UnHilightInCol(false, RealColIndex(column));
  } else if (On) {
    HilightInGrid(false, match_case, text);
  } else {
    UnHilightInGrid(false);
  }
}

void TZadIrururOziz::Set_Search_Edit_Color(TColor Value) { FSearchPanel->EditControl()->SetColor(Value); }

void TZadIrururOziz::Search_Edit_Change() {
  const QString text = FSearchPanel->EditControl()->text();
  bool default_search = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, default_search);
  if (!default_search || !FSearchFooter->AutoSearch()) return;
  const TFindParams params = Search_Footer_Params(true);
  const bool highlight = FSearchPanel->HiliteButton()->Down() || FSearchFooter->AlwaysHighLight();
  if (highlight) Search_Footer_Highlight(false);
  if (text.isEmpty()) {
    Set_Search_Edit_Color(clWindow);
    return;
  }
  FSearchCell = Find(QPoint(-1, -1), text, params);
  DoSearchFooterAction(text, FSearchCell.x(), FSearchCell.y(), saFindFirst);
  if (FSearchCell.x() < 0) {
    Set_Search_Edit_Color(Missed_Color);
    return;
  }
  Set_Search_Edit_Color(clWindow);
  // The find went to the cell (at its display row); bring it into view.
  ScrollInView(Col(), Row());
  if (highlight) Search_Footer_Highlight(true);
}

void TZadIrururOziz::Search_Footer_Step(bool Backward) {
  if (!FSearchPanel) return;
  const QString text = FSearchPanel->EditControl()->text();
  // Without searching as one types, a changed text starts at the first cell.
  if (!FSearchFooter->AutoSearch() && text != FSearchFooter->LastSearch()) FSearchCell = QPoint(-1, -1);
  FSearchFooter->SetLastSearch(text);
  TFindParams params = Search_Footer_Params(false);
  // Backwards the scan always runs column by column.
  if (Backward) params << fnBackward >> fnDirectionLeftRight;
  const int f = FloatingFooter().Visible() ? 1 : 0;
  auto clear_bottom = [&] {
    if (TopRow() + VisibleRowCount() - 2 - f < Row() && f + VisibleRowCount() + FixedRows() < RowCount())
      SetTopRow(TopRow() + 2);
  };
  FSearchCell = Find(FSearchCell, text, params);
  const bool found = FSearchCell.x() >= 0;
  if (Backward) clear_bottom();
  if (found) ScrollInView(Col(), Row());
  if (!Backward) clear_bottom();
  DoSearchFooterAction(text, FSearchCell.x(), FSearchCell.y(), Backward ? saFindPrevious : saFindNext);
  FSearchPanel->update();
}

void TZadIrururOziz::SearchFooterFindNext() { Search_Footer_Step(false); }

void TZadIrururOziz::SearchFooterFindPrevious() { Search_Footer_Step(true); }

void TZadIrururOziz::SearchFooterHighlight() {
  if (FSearchPanel) Search_Footer_Highlight(FSearchPanel->HiliteButton()->Down());
}

void TZadIrururOziz::Search_Footer_Close() {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}
