#include "grid/store/grid_options.h"

// ---- TSearchFooter

TSearchFooter::TSearchFooter(QObject* AOwner, bool InitDesign) {
  (void)AOwner;
  if (!InitDesign) return;
  FFindNextCaption = QStringLiteral("Find &next");
  FFindPrevCaption = QStringLiteral("Find &previous");
  FMatchCaseCaption = QStringLiteral("Match case");
  FHighLightCaption = QStringLiteral("Highlight");
  FHintClose = QStringLiteral("Close");
  FHintFindNext = QStringLiteral("Find next occurrence");
  FHintFindPrev = QStringLiteral("Find previous occurrence");
  FHintHighlight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Notify() {
  if (OnChange) OnChange();
}

#define NOTIFY_SETTER(Class, Type, Name) \
  void Class::Set##Name(Type Value) {    \
    F##Name = Value;                     \
    Notify();                            \
  }
#define NOTIFY_WHEN_CHANGED(Class, Type, Name) \
  void Class::Set##Name(Type Value) {          \
    if (F##Name == Value) return;              \
    F##Name = Value;                           \
    Notify();                                  \
  }

NOTIFY_WHEN_CHANGED(TSearchFooter, bool, Visible)
NOTIFY_SETTER(TSearchFooter, bool, AutoThemeAdapt)
NOTIFY_SETTER(TSearchFooter, TColor, Color)
NOTIFY_SETTER(TSearchFooter, TColor, ColorTo)
NOTIFY_SETTER(TSearchFooter, const QFont&, Font)
NOTIFY_SETTER(TSearchFooter, const QString&, FindNextCaption)
NOTIFY_SETTER(TSearchFooter, const QString&, FindPrevCaption)
NOTIFY_SETTER(TSearchFooter, const QString&, MatchCaseCaption)
NOTIFY_SETTER(TSearchFooter, const QString&, HighLightCaption)
NOTIFY_SETTER(TSearchFooter, const QString&, HintClose)
NOTIFY_SETTER(TSearchFooter, const QString&, HintFindNext)
NOTIFY_SETTER(TSearchFooter, const QString&, HintFindPrev)
NOTIFY_SETTER(TSearchFooter, const QString&, HintHighlight)
NOTIFY_SETTER(TSearchFooter, bool, ShowClose)
NOTIFY_WHEN_CHANGED(TSearchFooter, bool, ShowFindNext)
NOTIFY_WHEN_CHANGED(TSearchFooter, bool, ShowFindPrev)
NOTIFY_WHEN_CHANGED(TSearchFooter, bool, ShowMatchCase)
NOTIFY_WHEN_CHANGED(TSearchFooter, bool, ShowHighLight)

void TSearchFooter::Assign(const TSearchFooter& Source) {
  if (&Source == this) return;
  FAlwaysHighLight = Source.FAlwaysHighLight;
  FColor = Source.FColor;
  FColorTo = Source.FColorTo;
  FFindNextCaption = Source.FFindNextCaption;
  FFindPrevCaption = Source.FFindPrevCaption;
  FMatchCaseCaption = Source.FMatchCaseCaption;
  FHighLightCaption = Source.FHighLightCaption;
  FHintClose = Source.FHintClose;
  FHintFindNext = Source.FHintFindNext;
  FHintFindPrev = Source.FHintFindPrev;
  FHintHighlight = Source.FHintHighlight;
  FShowClose = Source.FShowClose;
  FShowFindNext = Source.FShowFindNext;
  FShowFindPrev = Source.FShowFindPrev;
  FShowMatchCase = Source.FShowMatchCase;
  FShowHighLight = Source.FShowHighLight;
  FSearchActiveColumnOnly = Source.FSearchActiveColumnOnly;
  FSearchMatchStart = Source.FSearchMatchStart;
  FSearchColumn = Source.FSearchColumn;
  FSearchDirection = Source.FSearchDirection;
  FSearchHiddenRows = Source.FSearchHiddenRows;
  FVisible = Source.FVisible;
  FFont = Source.FFont;
}

// ---- TNavigation

void TNavigation::Notify() {
  if (OnChange) OnChange();
}

NOTIFY_WHEN_CHANGED(TNavigation, TAdvanceDirection, AdvanceDirection)
NOTIFY_WHEN_CHANGED(TNavigation, bool, AdvanceInsert)

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FAdvanceAuto == Value) return;
  FAdvanceAuto = Value;
  if (Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TNavigation& Source) {
  if (&Source == this) return;
  const TNotifyEvent on_change = OnChange;
  const bool keep_scroll = FKeepScrollOnSort;
  *this = Source;
  OnChange = on_change;
  FKeepScrollOnSort = keep_scroll;
}

// ---- TMouseActions

bool TMouseActions::Designing() const {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(designing);
  return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  FDisjunctRowSelect = Value;
  if (Value && Designing()) FDisjunctColSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  FDisjunctColSelect = Value;
  if (Value && Designing()) FDisjunctRowSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  FDisjunctCellSelect = Value;
  if (Value && Designing()) FDisjunctRowSelect = FDisjunctColSelect = false;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FHotmailRowSelect = Value;
  if (Value) {
    FDisjunctRowSelect = true;
    FCheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate();
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FEditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit();
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FWheelAction == Value) return;
  FWheelAction = Value;
  if (OnChange) OnChange();
}

void TMouseActions::Assign(const TMouseActions& Source) {
  if (&Source == this) return;
  const bool edit_dbl = FEditOnDblClickOnly;
  const QStringList combo_values = FFixedComboValues;
  const bool hotmail = FHotmailRowSelect;
  const bool size_fixed_row = FSizeFixedRow;
  const TNotifyEvent on_change = OnChange, on_invalidate = OnInvalidate, on_disable = OnDisableEdit;
  const TIsDesigningEvent on_designing = OnIsDesigning;
  *this = Source;
  FEditOnDblClickOnly = edit_dbl;
  FFixedComboValues = combo_values;
  FHotmailRowSelect = hotmail;
  FSizeFixedRow = size_fixed_row;
  OnChange = on_change;
  OnInvalidate = on_invalidate;
  OnDisableEdit = on_disable;
  OnIsDesigning = on_designing;
}

// ---- TSyncGrid

void TSyncGrid::SetGrid(QObject* Value) {
  if (Value != nullptr && Value == FOwner) return;
  FGrid = Value;
}

void TSyncGrid::Assign(const TSyncGrid& Source) {
  if (&Source == this) return;
  SetGrid(Source.FGrid);
  FScrollVertical = Source.FScrollVertical;
  FScrollHorizontal = Source.FScrollHorizontal;
  FSelectionColumn = Source.FSelectionColumn;
  FSelectionRow = Source.FSelectionRow;
  FMoveColumn = Source.FMoveColumn;
  FMoveRow = Source.FMoveRow;
}

// ---- TBands

void TBands::Notify_If_Active() {
  if (FActive && OnChange) OnChange();
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange();
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  Notify_If_Active();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  Notify_If_Active();
}

void TBands::SetPrimaryLength(int Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  Notify_If_Active();
}

void TBands::SetSecondaryLength(int Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  Notify_If_Active();
}

void TBands::Assign(const TBands& Source) {
  FActive = Source.FActive;
  FPrimaryColor = Source.FPrimaryColor;
  FSecondaryColor = Source.FSecondaryColor;
  FPrimaryLength = Source.FPrimaryLength;
  FSecondaryLength = Source.FSecondaryLength;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  FPrint = Source.FPrint;
}
