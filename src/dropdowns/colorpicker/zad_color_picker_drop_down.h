#pragma once
// TZadColorPickerDropDown: a drop-down edit that chooses a colour. The edit
// takes no typing; it paints a swatch of the selected colour and a text
// naming it. The popup shows one of four selectors (ColorSelectionStyle): the
// picker's own named colours in an item selector, a grid of 60 theme colour
// boxes, a honeycomb of 127 colours or a spectrum picture. A click or pick
// in the popup sets SelectedColor, fires OnSelect and closes it; moves by
// key or wheel keep it open.
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/colorpicker/color_items.h"
#include "dropdowns/colorpicker/color_value_text.h"

class TZadCustomItemSelector;
class TZadColorCubePanel;
class TZadColorSpectrumPanel;
class TCustomColorSelector;

enum TColorSelectionStyle { csList = 0, csDiscrete = 1, csColorCube = 2, csSpectrum = 3 };

class TZadColorPickerDropDown : public TZadCustomDropDown {
 public:
  explicit TZadColorPickerDropDown(QWidget* AOwner = nullptr);
  ~TZadColorPickerDropDown() override;

  // Appends the 16 basic named colours, Black to White.
  void AddDefaultColors();

  // The named colours of the list style.
  TColorItems& Colors() { return FColors; }
  void SetColors(const TColorItems& Value) { FColors.Assign(Value); }
  // The selected named colour, -1 for none. A value at or past the count is
  // ignored; otherwise the colour follows the entry, the edit repaints and
  // OnSelect fires (also for -1).
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // A write selects the first named colour of that colour, or no entry when
  // none has it (ItemIndex -1, so the edit never names another colour).
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  // The caption of the selected entry in the list style, else the colour in
  // the form ColorValueText.
  QString SelectedColorText() const { return GetSelectedColorText(); }
  TColorValueText ColorValueText() const { return FColorValueText; }
  void SetColorValueText(TColorValueText Value);

  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  // Switches the popup's selector, also while it is shown.
  void SetColorSelectionStyle(TColorSelectionStyle Value);

  // The list's columns, caption placement and swatch size; they reach the
  // list when the popup next opens. The swatch size is the edit's as well.
  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
  // The edit shows the colour text beside the swatch.
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);

  // The popup's selectors; null until their style is first used.
  TZadCustomItemSelector* ItemSelector() const { return FItemSelector; }
  TCustomColorSelector* ColorSelector() const { return FColorSelector; }
  TZadColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
  TZadColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

  // The selection changed.
  std::function<void(TZadCustomDropDown* Sender)> OnSelect;
  // Paints the edit's content instead of the swatch and text.
  std::function<void(TZadCustomDropDown* Sender, TCanvas& Canvas, const TRect& R)> OnDrawSelectedColor;
  // Draws a list entry instead of the selector.
  std::function<void(TZadCustomDropDown* Sender, TCanvas& Canvas, const TRect& R, int Index)> OnDrawColor;

  // Milliseconds of the type-ahead (tests replace it).
  Tick_Clock SearchClock;
  // The type-ahead text typed so far.
  QString CurrentSearch() const { return FCurSearch; }

  void SetComponentStyle(TDUDStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void PlaceDropDownControl() override;
  void AdaptDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormDestroy() override;
  void MouseWheelDownAction() override;
  void MouseWheelUpAction() override;
  void PaintEditContent(QPainter& Painter) override;

 protected:
  virtual QString GetSelectedColorText() const;
  void Finish_Construction() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

 private:
  void CreateItemSelector();
  void CreateColorSelector();
  void CreateCubePanel();
  void CreateSpectrumPanel();
  void UpdateItemSelector();
  void FillSelectorItems();
  // The list holds the colours and the selection before a move by key,
  // type-ahead or wheel.
  void Sync_List();
  // Hides every selector but Keep.
  void Hide_Others(QWidget* Keep);
  // The per-style preparation before showing (and on a style switch).
  void Prepare_Style();
  // The popup's size for the three panel styles.
  void Size_Panel_Popup();
  void Size_List_Popup();

  // The box selector shows the picker's colour without reporting a choice.
  void Sync_Color_Selector();
  // SelectedColor := Value with no entry selected; OnSelect once.
  void Take_Panel_Color(TColor Value);
  void SelectorItemSelect();
  void ColorSelectorSelect();
  void CubeSelect();
  void SpectrumSelect();

  // The keys of the list and box styles after the edit's own handling.
  void Handle_Style_Key(int Key, Qt::KeyboardModifiers Shift, bool EnterTaken);
  void List_Page(int Direction);
  void List_Row(int Direction);
  void Type_Ahead(int Key);
  void KeyTimerExpired();
  void SelectFirstColor();
  void SelectLastColor();
  void SelectNextColor();
  void SelectPreviousColor();

  void DrawSelectedColor(QPainter& Painter);

  TZadCustomItemSelector* FItemSelector = nullptr;
  TZadColorCubePanel* FColorCubePanel = nullptr;
  TZadColorSpectrumPanel* FSpectrumPanel = nullptr;
  TCustomColorSelector* FColorSelector = nullptr;
  int FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  TColorItems FColors{this};
  int FItemIndex = -1;
  int FColorBoxWidth = 14;
  int FColorBoxHeight = 14;
  TColorSelectionStyle FColorSelectionStyle = csList;
  TColor FSelectedColor = clNone;
  bool FShowText = true;
  TItemAppearance FItemAppearance;
  bool FInternalCall = false;
  QTimer FKeyTimer;
  QString FCurSearch;
  uint32_t FSearchStart = 0;
  int FOldItemIndex = -1;
  TColor FOldSelectedColor = clNone;
  TColorValueText FColorValueText = cvtNone;
  bool FDestroying = false;
};
