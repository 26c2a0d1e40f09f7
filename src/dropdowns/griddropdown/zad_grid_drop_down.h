#pragma once
// TCustomZadGridDropDown: a drop-down edit whose popup holds a complete
// string grid of its own. The rows come from its items (UseItems, one text
// per column) or from what the application puts into the inner grid; the
// text of the lookup column is the one the edit shows and ItemIndex is the
// chosen row. Typing looks rows up (or narrows the grid down), the keys and
// the wheel step through the rows with the popup closed, and the inner
// grid's events come out as the drop-down's OnGrid... events.
#include <QFont>
#include <QStringList>
#include <functional>

#include "dropdowns/griddropdown/grid_drop_down_items.h"
#include "dropdowns/griddropdown/zad_col_grid.h"
#include "dropdowns/list/zad_list_drop_down.h"

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

class TCustomZadGridDropDown : public TZadListDropDown {
 public:
  using TZadColGrid = grid_drop_down::TZadColGrid;
  using TGridSender = TZadIrururOziz*;

  explicit TCustomZadGridDropDown(QWidget* AOwner = nullptr);
  ~TCustomZadGridDropDown() override;

  // Rows and columns.
  grid_drop_down::TDropDownItems& Items() { return *FItems; }
  const grid_drop_down::TDropDownItems& Items() const { return *FItems; }
  void SetItems(const grid_drop_down::TDropDownItems& Value) { FItems->Assign(Value); }
  bool UseItems() const { return FUseItems; }
  void SetUseItems(bool Value) { FUseItems = Value; }
  // The inner grid (made with the control, shown in the popup).
  TZadColGrid* InnerGrid() const { return FZadColGrid; }
  TZadColGrid* Grid() const { return FZadColGrid; }

  // Selection.
  // With items: the item's lookup text goes into the edit (empty for -1 or
  // an item without one); a value past the items changes nothing. Without
  // items: the grid row's lookup text. No event fires.
  void SetItemIndex(int Value) override;
  // The item shown in a grid row (its row object); Row itself past the rows.
  int ItemOfRow(int Row);
  // The grid row showing item Index; the current ItemIndex when none does.
  int RowOfItem(int Index);
  // After the settings of a stored form were applied.
  void Loaded();

  // Look-up.
  // The first row whose lookup text begins with Text (per CaseSensitive):
  // an item index with items, else a grid row below the fixed rows. A
  // missing lookup text reads as empty; an empty Text matches nothing.
  bool FindLookupMatch(const QString& Text, QString& MatchText, int& Row);
  // The type-ahead of the characters typed so far: the row or item found,
  // -1 for none.
  int TypeAheadLookup(QChar Key);
  TLookupMethod LookupMethod() const { return FLookupMethod; }
  void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
  // dsDropDownList: typing only selects (the edit takes no free text).
  TDropDownStyle Style() const { return FStyle; }
  void SetStyle(TDropDownStyle Value);
  bool AutoShowDropDown() const { return FAutoShowDropDown; }
  void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }

  // Settings handed to the inner grid.
  bool AutoSizeColumns() const { return FAutoSizeColumns; }
  void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
  bool ColumnMoving() const { return FColumnMoving; }
  void SetColumnMoving(bool Value) { FColumnMoving = Value; }
  bool RowSizing() const { return FRowSizing; }
  void SetRowSizing(bool Value) { FRowSizing = Value; }
  bool RowMoving() const { return FRowMoving; }
  void SetRowMoving(bool Value) { FRowMoving = Value; }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { FRowSelect = Value; }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  TGridSorting Sorting() const { return FSorting; }
  void SetSorting(TGridSorting Value) { FSorting = Value; }
  // Cells of the inner grid can be edited; a choice keeps the popup open.
  bool GridEditable() const { return FGridEditable; }
  void SetGridEditable(bool Value) { FGridEditable = Value; }
  QList<QImage>* GridImages() const { return FGridImages; }
  void SetGridImages(QList<QImage>* Value);
  // Settings the inner grid takes each time the popup opens.
  TSearchFooter& SearchFooter() { return FSearchFooter; }
  void SetSearchFooter(const TSearchFooter& Value) { FSearchFooter.Assign(Value); }
  TBands& Bands() { return FBands; }
  void SetBands(const TBands& Value) { FBands.Assign(Value); }
  // Home and End go to the first and last row by default.
  TNavigation& Navigation() { return FNavigation; }
  void SetNavigation(const TNavigation& Value) { FNavigation.Assign(Value); }
  TMouseActions& MouseActions() { return FMouseActions; }
  void SetMouseActions(const TMouseActions& Value) { FMouseActions.Assign(Value); }

  // Events. OnSelect: a row was chosen in the popup.
  std::function<void(TCustomZadGridDropDown* Sender)> OnSelect;

  // The inner grid's events, connected each time the popup opens. The
  // sender is the inner grid, except for the key events and
  // OnGridTopLeftChanged, whose sender is the drop-down.
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)> OnGridAnchorClick;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor)> OnGridAnchorEnter;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor)> OnGridAnchorExit;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, QString& Anchor)> OnGridAnchorHint;
  std::function<void(TZadIrururOziz* Sender, int ACol, bool& DoSort)> OnGridCanSort;
  std::function<void(TZadIrururOziz* Sender, int ACol)> OnGridClickSort;
  std::function<void(TZadIrururOziz* Sender, const QString& str1, const QString& str2, int& Res)> OnGridCustomCompare;
  std::function<void(TZadIrururOziz* Sender, int ACol, int Row1, int Row2, int& Res)> OnGridRawCompare;
  std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing)> OnGridCustomCellDraw;
  std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing)> OnGridCustomCellBkgDraw;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)> OnGridGetAlignment;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont, TColor& AFontColor)> OnGridGetCellColor;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)> OnGridGetCellGradient;
  std::function<void(TBaseGrid* Sender, int ACol, int ARow, QString& Value)> OnGridGetDiplText;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)> OnGridGetFloatFormat;
  std::function<void(TZadIrururOziz* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)> OnGridGetFormat;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr)> OnGridHint;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)> OnGridRightClickCell;
  std::function<void(TZadIrururOziz* Sender, int ARow, QString& hintstr)> OnGridScrollHint;
  std::function<void(TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, int X, int Y)> OnGridMouseMove;
  std::function<void(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnGridMouseDown;
  std::function<void(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)> OnGridMouseUp;
  std::function<void(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnGridKeyDown;
  std::function<void(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnGridKeyUp;
  std::function<void(TCustomZadGridDropDown* Sender, QChar& Key)> OnGridKeyPress;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow)> OnGridButtonClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool State)> OnGridCheckBoxClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, bool& Allow)> OnGridColumnSize;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ColumnSize)> OnGridColumnSizing;
  std::function<void(TZadIrururOziz* Sender, int ACol)> OnGridEndColumnSize;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& Allow)> OnGridRowSize;
  std::function<void(TZadIrururOziz* Sender, int ARow, int RowSize)> OnGridRowSizing;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnGridEndRowSize;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, TEditorType& AEditor)> OnGridGetEditorType;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)> OnGridGetEditorProp;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, bool& CanEdit)> OnGridCanEditCell;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& S)> OnGridEllipsClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)> OnGridCellBalloon;
  std::function<void(TZadIrururOziz* Sender, int ACol)> OnGridInsertCol;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnGridInsertRow;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnGridDeleteRow;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnGridAutoAddRow;
  std::function<void(TZadIrururOziz* Sender, bool& CanAdd)> OnGridCanAddRow;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& CanDelete)> OnGridCanDeleteRow;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& CanInsert)> OnGridCanInsertRow;
  std::function<void(TZadIrururOziz* Sender, int ACol, bool& Allow)> OnGridColumnMove;
  std::function<void(TZadIrururOziz* Sender, int FromIndex, int ToIndex)> OnGridColumnMoved;
  std::function<void(TZadIrururOziz* Sender, int ACol, bool& Allow)> OnGridColumnMoving;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& Allow)> OnGridRowMove;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& Allow)> OnGridRowMoving;
  std::function<void(TZadIrururOziz* Sender, int FromIndex, int ToIndex)> OnGridRowMoved;
  std::function<void(TCustomZadGridDropDown* Sender)> OnGridTopLeftChanged;
  std::function<void(TZadIrururOziz* Sender, const QString& Value, bool& DefaultSearch)> OnGridSearchEditChange;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AValue, bool UpDown)> OnGridSpinClick;


  uint32_t GetVersionNr() const override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoShowDropDown() override;
  void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyPress(QChar& Key) override;

 protected:
  virtual grid_drop_down::TDropDownItems* CreateItems(void* AOwner);
  // The dispatchers of the inner grid's events: each fires its OnGrid...
  // event with the arguments unchanged. Anchor, button and ellipsis clicks
  // keep the popup open while their handler runs (a window it opens does
  // not close it); the alignment and the cell colour start from the
  // column's, the float format from empty.
  virtual void DoGridAnchorClick(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle);
  virtual void DoGridAnchorEnter(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor);
  virtual void DoGridAnchorExit(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor);
  virtual void DoGridAnchorHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& Anchor);
  virtual void DoGridButtonClick(TZadIrururOziz* Sender, int ACol, int ARow);
  virtual void DoGridCanSort(TZadIrururOziz* Sender, int ACol, bool& DoSort);
  virtual void DoGridClickSort(TZadIrururOziz* Sender, int ACol);
  virtual void DoGridCustomCompare(TZadIrururOziz* Sender, const QString& str1, const QString& str2, int& Res);
  virtual void DoGridRawCompare(TZadIrururOziz* Sender, int ACol, int Row1, int Row2, int& Res);
  virtual void DoGridColumnSize(TZadIrururOziz* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnSizing(TZadIrururOziz* Sender, int ACol, int ColumnSize);
  virtual void DoGridEndColumnSize(TZadIrururOziz* Sender, int ACol);
  virtual void DoGridRowSize(TZadIrururOziz* Sender, int ARow, bool& Allow);
  virtual void DoGridRowSizing(TZadIrururOziz* Sender, int ARow, int RowSize);
  virtual void DoGridEndRowSize(TZadIrururOziz* Sender, int ARow);
  virtual void DoGridRowMove(TZadIrururOziz* Sender, int ARow, bool& Allow);
  virtual void DoGridRowMoving(TZadIrururOziz* Sender, int ARow, bool& Allow);
  virtual void DoGridRowMoved(TZadIrururOziz* Sender, int FromIndex, int ToIndex);
  virtual void DoGridColumnMove(TZadIrururOziz* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnMoving(TZadIrururOziz* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnMoved(TZadIrururOziz* Sender, int FromIndex, int ToIndex);
  virtual void DoGridCustomCellDraw(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing);
  virtual void DoGridCustomCellBkgDraw(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing);
  virtual void DoGridCellBalloon(TZadIrururOziz* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon);
  virtual void DoGridGetAlignment(TZadIrururOziz* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGridGetCellColor(TZadIrururOziz* Sender, int ARow, int ACol, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont, TColor& AFontColor);
  virtual void DoGridGetCellGradient(TZadIrururOziz* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
  virtual void DoGridGetFloatFormat(TZadIrururOziz* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat);
  virtual void DoGridGetEditorType(TZadIrururOziz* Sender, int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGridGetEditorProp(TZadIrururOziz* Sender, int ARow, int ACol);
  virtual void DoGridCanEditCell(TZadIrururOziz* Sender, int ARow, int ACol, bool& CanEdit);
  virtual void DoGridEllipsClick(TZadIrururOziz* Sender, int ACol, int ARow, QString& S);
  virtual void DoGridGetDisplText(TBaseGrid* Sender, int ACol, int ARow, QString& Value);
  virtual void DoGridGetFormat(TZadIrururOziz* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
  virtual void DoGridHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr);
  virtual void DoGridMouseMove(TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoGridMouseDown(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoGridMouseUp(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void DoGridKeyDown(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoGridKeyUp(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoGridKeyPress(TCustomZadGridDropDown* Sender, QChar& Key);
  virtual void DoGridRightClickCell(TZadIrururOziz* Sender, int ARow, int ACol);
  virtual void DoGridScrollHint(TZadIrururOziz* Sender, int ARow, QString& hintstr);
  virtual void DoGridTopLeftChanged(QObject* Sender);
  virtual void DoGridSearchEditChange(TZadIrururOziz* Sender, const QString& Value, bool& DefaultSearch);
  virtual void DoGridSpinClick(TZadIrururOziz* Sender, int ACol, int ARow, int AValue, bool UpDown);
  virtual void DoGridAutoAddRow(TZadIrururOziz* Sender, int ARow);
  virtual void DoGridInsertRow(TZadIrururOziz* Sender, int ARow);
  virtual void DoGridInsertCol(TZadIrururOziz* Sender, int ACol);
  virtual void DoGridDeleteRow(TZadIrururOziz* Sender, int ARow);
  virtual void DoGridCanAddRow(TZadIrururOziz* Sender, bool& CanAdd);
  virtual void DoGridCanInsertRow(TZadIrururOziz* Sender, int ARow, bool& CanInsert);
  virtual void DoGridCanDeleteRow(TZadIrururOziz* Sender, int ARow, bool& CanDelete);
  void GridCheckBoxClick(TZadIrururOziz* Sender, int ACol, int ARow, bool State);

  // Without items the steps go through the grid's data rows.
  int Row_Total() const override;
  void SizeColumnsToWidth() override;
  const grid_drop_down::TDropDownItems& List_Items() const override { return *FItems; }
  QAbstractScrollArea* List_Widget() const override { return FZadColGrid; }
  // The grid as wide as its columns.
  int Fitted_List_Width() override;
  // The row of the opening, or without one its text.
  void Restore_Opening() override;
  // The row the grid confirmed.
  void Take_Confirmed_Row() override;

  void Finish_Construction() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  void Select_Typed_Tail(int Typed);
  // The open grid's current row follows ItemIndex.
  void Show_Item_Row();
  void GridSelectCell(int ARow);
  void GridSelect();
  void Connect_Grid_Events();
  // The popup form's activation block (a window opened over the popup
  // leaves it open).
  void Block_Activate(bool Value);

  bool FBalloonInit = false;
  bool FColumnMoving = false;
  TLookupMethod FLookupMethod = lmLookup;
  bool FUseItems = true;
  grid_drop_down::TDropDownItems* FItems = nullptr;
  TZadColGrid* FZadColGrid = nullptr;
  int FSelRow = 0;
  bool FRowSelect = true;
  int FTempItemIndex = -1;
  TDropDownStyle FStyle = dsDropDown;
  bool FHoverRow = false;
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  TGridSorting FSorting = gsNone;
  bool FGridEditable = false;
  QList<QImage>* FGridImages = nullptr;
  bool FRowMoving = false;
  bool FRowSizing = false;
  bool FAutoShowDropDown = false;
  bool FAutoSizeColumns = true;
  TSearchFooter FSearchFooter{this, false};
  TBands FBands;
  TNavigation FNavigation;
  TMouseActions FMouseActions{this};
  // The popup is being prepared: the grid's moves are not choices.
  bool FPreparing = false;
  // The text when the popup opened (a cancel with no row chosen restores it).
  QString FOpenText;
};

// The grid drop-down under its published name.
class TZadGridDropDown : public TCustomZadGridDropDown {
 public:
  using TCustomZadGridDropDown::TCustomZadGridDropDown;
};
