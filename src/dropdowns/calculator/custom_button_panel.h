#pragma once
// TCustomButtonPanel: the calculator's keypad. It owns its keys, lays the 28
// calculator keys out in a fixed grid, paints each as a themed push button
// with its caption (and optionally a picture), tracks the hot and the pressed
// key and reports a click (a release over the key that was pressed) as the
// key's position. It knows nothing about calculating. Standing alone it draws
// a frame and fills itself with the calculator keys once loaded.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/selection_color_style.h"
#include "dropdowns/calculator/button_appearance.h"
#include "dropdowns/calculator/button_items.h"

class TZadCustomDropDown;

enum TButtonPanelType { plCalculator, plCustom };

class TCustomButtonPanel : public QWidget {
 public:
  explicit TCustomButtonPanel(QWidget* AOwner = nullptr);
  ~TCustomButtonPanel() override;

  // After the settings of a stored form were applied: a panel on its own
  // gets the calculator keys.
  void Loaded();

  TButtonItems& Buttons() { return FButtons; }
  const TButtonItems& Buttons() const { return FButtons; }
  void SetButtons(const TButtonItems& Value) { FButtons.Assign(Value); }
  TItemLayout ButtonLayout() const { return FButtonLayout; }
  void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value);
  QWidget* Edit() const { return FEdit; }
  void SetEdit(QWidget* Value) { FEdit = Value; }
  TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
  void SetButtonPanelType(TButtonPanelType Value);
  TButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
  void SetButtonAppearance(const TButtonAppearance& Value) { FButtonAppearance.Assign(Value); }
  TZadCustomDropDown* ZadDropDown() const { return FZadDropDown; }
  void SetZadDropDown(TZadCustomDropDown* DropDown);
  // The fill behind the keys.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The hot key and the pressed key, -1 for none.
  int ButtonHot() const { return FButtonHot; }
  int ButtonDown() const { return FButtonDown; }

  // A key was clicked: its position in Buttons.
  std::function<void(QObject* Sender, int Index)> OnButtonClick;

  // The client rectangle less the margins.
  virtual void GetButtonArea(TRect& Rect) const;
  // (-1, -1, -1, -1) for a position outside the collection.
  void GetButtonRect(int Index, TRect& Rect) const;
  // The first key holding the point, -1 for none.
  int ButtonAtPos(int X, int Y) const;
  // The size a key needs for the largest caption and the largest picture.
  virtual void GetButtonSize(int& Width, int& Height);
  virtual void DrawButton(int Index, TCanvas& Canvas);
  void DrawAllButtons(TCanvas& Canvas, bool IncludeHot);
  virtual void ClearButtons();
  virtual void ResetButtons();
  // The 28 calculator keys, only into an empty collection.
  virtual void CreateCalculatorButtons();
  virtual void ArrangeButtons();
  virtual void InvalidateButton(int Index);
  virtual void DoButtonClick(int Index);

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  void SetButtonHot(int Index);
  void SetButtonDown(int Index);
  // Paints one key at once (outside a paint event).
  void Paint_Now(int Index);
  void ButtonsChanged();
  void ButtonAppearanceChanged();
  QSize Image_Size(const TButtonItem& Item) const;
  void Draw_Face(TCanvas& Canvas, const TRect& R, int State);

  TButtonItems FButtons{this};
  TItemLayout FButtonLayout = ilCaptionRight;
  TSelectionColorStyle FItemColorStyle = scCustom;
  int FButtonHot = -1;
  int FOffSetX = 8, FOffSetY = 8;
  int FButtonOffSetX = 4, FButtonOffSetY = 4;
  const TDropDownImages* FImages = nullptr;
  int FCaptionGap = 0;
  // Cleared when that widget goes.
  QPointer<QWidget> FEdit;
  TButtonPanelType FButtonPanelType = plCalculator;
  TButtonAppearance FButtonAppearance;
  int FButtonDown = -1;
  TZadCustomDropDown* FZadDropDown = nullptr;
  TColor FColor = clBtnFace;
};
