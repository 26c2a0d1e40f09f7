#pragma once
// The grouped settings of the string grid. Each group holds plain values;
// some setters notify the owning grid through an event the grid assigns.
// Assign copies from another group of the same class by storing the values
// directly (no setter side effects, no notifications).
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

#include "controls/tcolor.h"

class QObject;

using TNotifyEvent = std::function<void()>;

// A setting that is only stored: Name() reads it, SetName() writes it.
#define GRID_STORED(Type, Name, Default)          \
 public:                                          \
  Type Name() const { return F##Name; }           \
  void Set##Name(Type Value) { F##Name = Value; } \
                                                  \
 private:                                         \
  Type F##Name = Default;

enum TSearchDirection { sdTopBottom, sdLeftRight };

class TSearchFooter {
 public:
  // Captions and hints get their English defaults only with InitDesign.
  TSearchFooter(QObject* AOwner, bool InitDesign);
  void Assign(const TSearchFooter& Source);

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  const QFont& Font() const { return FFont; }
  void SetFont(const QFont& Value);
  QString FindNextCaption() const { return FFindNextCaption; }
  void SetFindNextCaption(const QString& Value);
  QString FindPrevCaption() const { return FFindPrevCaption; }
  void SetFindPrevCaption(const QString& Value);
  QString MatchCaseCaption() const { return FMatchCaseCaption; }
  void SetMatchCaseCaption(const QString& Value);
  QString HighLightCaption() const { return FHighLightCaption; }
  void SetHighLightCaption(const QString& Value);
  QString HintClose() const { return FHintClose; }
  void SetHintClose(const QString& Value);
  QString HintFindNext() const { return FHintFindNext; }
  void SetHintFindNext(const QString& Value);
  QString HintFindPrev() const { return FHintFindPrev; }
  void SetHintFindPrev(const QString& Value);
  QString HintHighlight() const { return FHintHighlight; }
  void SetHintHighlight(const QString& Value);
  bool ShowClose() const { return FShowClose; }
  void SetShowClose(bool Value);
  bool ShowFindNext() const { return FShowFindNext; }
  void SetShowFindNext(bool Value);
  bool ShowFindPrev() const { return FShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowMatchCase() const { return FShowMatchCase; }
  void SetShowMatchCase(bool Value);
  bool ShowHighLight() const { return FShowHighLight; }
  void SetShowHighLight(bool Value);

  GRID_STORED(bool, AutoSearch, true)
  GRID_STORED(bool, AlwaysHighLight, false)
  GRID_STORED(bool, SearchActiveColumnOnly, false)
  GRID_STORED(bool, SearchMatchStart, false)
  GRID_STORED(bool, SearchFixedCells, false)
  GRID_STORED(bool, SearchHiddenRows, false)
  GRID_STORED(int, SearchColumn, -1)
  GRID_STORED(TSearchDirection, SearchDirection, sdTopBottom)
  GRID_STORED(QString, LastSearch, QString())

 public:
  TNotifyEvent OnChange;

 private:
  void Notify();
  bool FVisible = false;
  bool FAutoThemeAdapt = false;
  TColor FColor = 0xFFFFFF;
  TColor FColorTo = clBtnFace;
  QFont FFont;
  QString FFindNextCaption, FFindPrevCaption, FMatchCaseCaption, FHighLightCaption;
  QString FHintClose, FHintFindNext, FHintFindPrev, FHintHighlight;
  bool FShowClose = true;
  bool FShowFindNext = true;
  bool FShowFindPrev = true;
  bool FShowMatchCase = true;
  bool FShowHighLight = true;
};

enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TCursorAdvance { caDefault, caSnake, caLoop };

class TNavigation {
 public:
  void Assign(const TNavigation& Source);

  TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceInsert() const { return FAdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  bool AdvanceAuto() const { return FAdvanceAuto; }
  // Switching it on also switches AdvanceOnEnter on.
  void SetAdvanceAuto(bool Value);

  GRID_STORED(bool, AutoGotoWhenSorted, false)
  GRID_STORED(TAdvanceDirection, TabAdvanceDirection, adLeftRight)
  GRID_STORED(TInsertPosition, InsertPosition, pInsertBefore)
  GRID_STORED(THomeEndAction, HomeEndKey, heFirstLastColumn)
  GRID_STORED(TClipboardPasteAction, ClipboardPasteAction, paReplace)
  GRID_STORED(TCursorAdvance, CursorAdvance, caDefault)
  GRID_STORED(bool, CopyHTMLTagsToClipboard, true)
  GRID_STORED(bool, AllowClipboardRowGrow, true)
  GRID_STORED(bool, AllowClipboardColGrow, true)
  GRID_STORED(bool, EditSelectAll, true)
  GRID_STORED(bool, SkipFixedCells, true)
  GRID_STORED(bool, AllowCtrlEnter, true)
  GRID_STORED(bool, CursorWalkAlwaysEdit, true)
  GRID_STORED(bool, AdvanceAutoEdit, true)
  GRID_STORED(bool, LeftRightRowSelect, true)
  GRID_STORED(bool, ComboGetUpDown, true)
  GRID_STORED(bool, SkipDisabledRows, true)
  GRID_STORED(bool, AdvanceOnEnterLoop, true)
  GRID_STORED(bool, AdvanceSkipReadOnlyCells, true)
  GRID_STORED(bool, AllowInsertRow, false)
  GRID_STORED(bool, AllowDeleteRow, false)
  GRID_STORED(bool, AlwaysEdit, false)
  GRID_STORED(bool, AdvanceOnEnter, false)
  GRID_STORED(bool, AutoGotoIncremental, false)
  GRID_STORED(bool, AutoComboDropSize, false)
  GRID_STORED(bool, AllowClipboardShortCuts, false)
  GRID_STORED(bool, AllowSmartClipboard, false)
  GRID_STORED(bool, AllowRTFClipboard, false)
  GRID_STORED(bool, AllowFmtClipboard, false)
  GRID_STORED(bool, AllowClipboardAlways, false)
  GRID_STORED(bool, AppendOnArrowDown, false)
  GRID_STORED(bool, CursorWalkEditor, false)
  GRID_STORED(bool, CursorMoveRows, false)
  GRID_STORED(bool, MoveRowOnSort, false)
  GRID_STORED(bool, KeepScrollOnSort, false)
  GRID_STORED(bool, MoveScrollOnly, false)
  GRID_STORED(bool, ImproveMaskSel, false)
  GRID_STORED(bool, KeepHorizScroll, false)
  GRID_STORED(bool, LineFeedOnEnter, false)
  GRID_STORED(bool, TabToNextAtEnd, false)

 public:
  TNotifyEvent OnChange;

 private:
  void Notify();
  TAdvanceDirection FAdvanceDirection = adLeftRight;
  bool FAdvanceInsert = false;
  bool FAdvanceAuto = false;
};

enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TWheelAction { waMoveSelection, waScroll };
using TIsDesigningEvent = std::function<void(bool& IsDesigning)>;

class TMouseActions {
 public:
  explicit TMouseActions(QObject* AOwner = nullptr) { (void)AOwner; }
  void Assign(const TMouseActions& Source);

  const QStringList& FixedComboValues() const { return FFixedComboValues; }
  void SetFixedComboValues(const QStringList& Value) { FFixedComboValues = Value; }
  bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FDisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
  bool HotmailRowSelect() const { return FHotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  TWheelAction WheelAction() const { return FWheelAction; }
  void SetWheelAction(TWheelAction Value);

  GRID_STORED(bool, AutoSizeColOnDblClick, true)
  GRID_STORED(bool, PreciseNodeClick, true)
  GRID_STORED(TGridFixedCellEditor, FixedColsEditor, fceEdit)
  GRID_STORED(TGridFixedCellEditor, FixedRowsEditor, fceEdit)
  GRID_STORED(TGridFixedCellEdit, FixedColsEdit, fceNone)
  GRID_STORED(TGridFixedCellEdit, FixedRowsEdit, fceNone)
  GRID_STORED(int, WheelIncrement, 0)
  GRID_STORED(bool, AllColumnSize, false)
  GRID_STORED(bool, AllRowSize, false)
  GRID_STORED(bool, AllSelect, false)
  GRID_STORED(bool, CaretPositioning, false)
  GRID_STORED(bool, CheckAllCheck, false)
  GRID_STORED(bool, ColSelect, false)
  GRID_STORED(bool, DirectComboClose, false)
  GRID_STORED(bool, DirectComboDrop, false)
  GRID_STORED(bool, DirectDateClose, false)
  GRID_STORED(bool, DirectDateDrop, false)
  GRID_STORED(bool, DirectEdit, false)
  GRID_STORED(bool, DisjunctRowSelectNoCtrl, false)
  GRID_STORED(bool, MoveRowOnNodeClick, false)
  GRID_STORED(bool, NoAutoRangeScroll, false)
  GRID_STORED(bool, NodeAllExpandContract, false)
  GRID_STORED(bool, NoScrollOnPartialRow, false)
  GRID_STORED(bool, PreciseCheckBoxCheck, false)
  GRID_STORED(bool, RangeSelectAndEdit, false)
  GRID_STORED(bool, RowSelect, false)
  GRID_STORED(bool, RowSelectPersistent, false)
  GRID_STORED(bool, SelectOnRightClick, false)
  GRID_STORED(bool, SizeFixedCol, false)
  GRID_STORED(bool, SizeFixedRow, false)

 public:
  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TNotifyEvent OnDisableEdit;
  TIsDesigningEvent OnIsDesigning;

 private:
  bool Designing() const;
  QStringList FFixedComboValues;
  bool FDisjunctRowSelect = false;
  bool FDisjunctColSelect = false;
  bool FDisjunctCellSelect = false;
  bool FHotmailRowSelect = false;
  bool FEditOnDblClickOnly = false;
  TWheelAction FWheelAction = waMoveSelection;
};

// Another grid kept in step with the owner (scrolling, selection, moves).
class TSyncGrid {
 public:
  explicit TSyncGrid(QObject* AOwner) : FOwner(AOwner) {}
  void Assign(const TSyncGrid& Source);
  QObject* Grid() const { return FGrid; }
  // The owning grid itself is refused.
  void SetGrid(QObject* Value);

  GRID_STORED(bool, ScrollVertical, false)
  GRID_STORED(bool, ScrollHorizontal, false)
  GRID_STORED(bool, SelectionColumn, false)
  GRID_STORED(bool, SelectionRow, false)
  GRID_STORED(bool, MoveColumn, false)
  GRID_STORED(bool, MoveRow, false)

 private:
  QObject* FOwner;
  QObject* FGrid = nullptr;
};

// Alternating row bands: PrimaryLength rows in PrimaryColor, then
// SecondaryLength rows in SecondaryColor.
class TBands {
 public:
  void Assign(const TBands& Source);
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int Value);
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int Value);
  int TotalLength() const { return FTotalLength; }
  GRID_STORED(bool, Print, false)

 public:
  TNotifyEvent OnChange;

 private:
  void Notify_If_Active();
  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  TColor FSecondaryColor = clWindow;
  int FPrimaryLength = 1;
  int FSecondaryLength = 1;
  int FTotalLength = 2;
};

class TFocusHelper {
 public:
  explicit TFocusHelper(QObject* AOwner = nullptr) { (void)AOwner; }
  void Assign(const TFocusHelper& Source) { SetEnabled(Source.Enabled()); }
  GRID_STORED(bool, Enabled, false)
};

#undef GRID_STORED
