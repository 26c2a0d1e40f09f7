#pragma once
// TGridColumnItem: what the column grid knows of one column (real column
// Index): header, width, looks on screen and on paper, editor and its limits,
// sort style, check-box texts, filter values, size limits and popup menu.
//
// An item inside a collection answers for a column of the collection's grid:
// its Width is the grid's live column width, and a few writes reach the grid
// (Header into row 0, looks as a repaint or a collection notification). An
// item without a collection (the grid's spare copy) only stores values.
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/grid_types.h"
#include "grid/store/sort_style.h"

class TGridColumnCollection;
class TZadColumnGrid;

enum TColumnPopupType {
  cpFixedCellsRClick,
  cpFixedCellsLClick,
  cpNormalCellsRClick,
  cpNormalCellsLClick,
  cpAllCellsRClick,
  cpAllCellsLClick
};

// A font with its colour, as a cell is drawn with it.
struct TGridFont {
  QFont Font;
  TColor Color = clWindowText;
  friend bool operator==(const TGridFont&, const TGridFont&) = default;
};

class TGridColumnItem {
 public:
  // Items of a collection are made by the collection; one made alone keeps
  // the default font and colour 0.
  explicit TGridColumnItem(TGridColumnCollection* Collection = nullptr);
  ~TGridColumnItem() = default;
  TGridColumnItem(const TGridColumnItem&) = delete;
  TGridColumnItem& operator=(const TGridColumnItem&) = delete;

  TGridColumnCollection* Collection() const { return FCollection; }
  // Position in the collection, -1 without one.
  int Index() const;
  // "Col 2: Name" or "Column 2".
  QString DisplayName() const;

  // Every property, and the view of the column's look the other way round.
  void Assign(const TGridColumnItem& Source);
  // The look only, with the owning grid's font and colour (a column added
  // beside this one takes it).
  void AssignVisuals(const TGridColumnItem& Source);

  // ---- cells of the column (row idx), through the grid
  QString GetRows(int idx) const;
  void SetRows(int idx, const QString& Value);

  // ---- properties
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  QString Header() const { return FHeader; }
  void SetHeader(const QString& Value);
  // The header text alone, as the grid takes it from row 0 or its list.
  void StoreHeader(const QString& Value) { FHeader = Value; }
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
  QString SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const QString& Value) { FSortPrefix = Value; }
  QString SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const QString& Value) { FSortSuffix = Value; }
  QString EditMask() const { return FEditMask; }
  void SetEditMask(const QString& Value) { FEditMask = Value; }
  int EditLength() const { return FEditLength; }
  void SetEditLength(int Value) { FEditLength = Value; }
  // An editor link the column's cells are edited through (not owned; it
  // forgets a link that is destroyed).
  QObject* EditLink() const { return FEditLink; }
  void SetEditLink(QObject* Value) { FEditLink = Value; }
  const TGridFont& Font() const { return FFont; }
  void SetFont(const TGridFont& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  const QStringList& ComboItems() const { return FComboItems; }
  void SetComboItems(const QStringList& Value) { FComboItems = Value; }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int SpinMin() const { return FSpinMin; }
  void SetSpinMin(int Value) { FSpinMin = Value; }
  int SpinMax() const { return FSpinMax; }
  void SetSpinMax(int Value) { FSpinMax = Value; }
  int SpinStep() const { return FSpinStep; }
  void SetSpinStep(int Value) { FSpinStep = Value; }
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  const TGridFont& PrintFont() const { return FPrintFont; }
  void SetPrintFont(const TGridFont& Value) { FPrintFont = Value; }
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor Value) { FPrintColor = Value; }
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  const TCanvas::Pen_State& BorderPen() const { return FBorderPen; }
  void SetBorderPen(const TCanvas::Pen_State& Value);
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
  const TCanvas::Pen_State& PrintBorderPen() const { return FPrintBorderPen; }
  void SetPrintBorderPen(const TCanvas::Pen_State& Value) { FPrintBorderPen = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  int DefIdx() const { return FDefIdx; }
  void SetDefIdx(int Value) { FDefIdx = Value; }
  QString Name() const { return FName; }
  void SetName(const QString& Value) { FName = Value; }
  QString CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
  QString CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  const QStringList& Filter() const { return FFilter; }
  void SetFilter(const QStringList& Value);
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int Value) { FMaxSize = Value; }
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value; }
  int AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
  int AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
  // The menu for clicks on the column (not owned; a destroyed menu is forgotten).
  QMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(QMenu* Value) { FColumnPopup = Value; }
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
  QString FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString& Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  const TGridFont& HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const TGridFont& Value);
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }

 private:
  friend class TGridColumnCollection;
  TZadColumnGrid* Grid() const;
  void Changed();
  void Repaint();

  TGridColumnCollection* FCollection = nullptr;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  QString FHeader;
  TSortStyle FSortStyle = ssAutomatic;
  QString FSortPrefix, FSortSuffix;
  QString FEditMask;
  int FEditLength = 0;
  QPointer<QObject> FEditLink;
  TGridFont FFont;
  TColor FColor = 0;
  TEditorType FEditor = edNormal;
  bool FFixed = false;
  bool FReadOnly = false;
  QStringList FComboItems;
  int FDropDownCount = 8;
  int FSpinMin = 0, FSpinMax = 0, FSpinStep = 1;
  bool FPassword = false;
  TGridFont FPrintFont;
  TColor FPrintColor = clWhite;
  TCellBorders FBorders = 0;
  TCanvas::Pen_State FBorderPen{clSilver, 1};
  TCellBorders FPrintBorders = cbTop | cbLeft | cbRight | cbBottom;
  TCanvas::Pen_State FPrintBorderPen{clBlack, 1};
  int FTag = 0;
  int FDefIdx = 0;
  QString FName;
  QString FCheckFalse = QStringLiteral("N");
  QString FCheckTrue = QStringLiteral("Y");
  bool FShowBands = false;
  QStringList FFilter;
  int FMaxSize = 0, FMinSize = 0, FAutoMinSize = 0, FAutoMaxSize = 0;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  QPointer<QMenu> FColumnPopup;
  bool FFilterCaseSensitive = false;
  QString FFloatFormat;
  TAlignment FHeaderAlignment = taLeftJustify;
  TGridFont FHeaderFont;
  bool FPrintBorderCustom = true;
  bool FPrintFontCustom = true;
};
