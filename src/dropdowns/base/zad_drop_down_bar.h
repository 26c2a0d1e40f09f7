#pragma once
// The header and footer bars of a drop-down's popup: a gradient background,
// an optional border, an image, a mini-HTML caption and a row of buttons
// built from the drop-down's button items. Clicks of the buttons go to the
// drop-down's button events.
#include <QWidget>
#include <functional>

#include "controls/canvas.h"
#include "dropdowns/base/bar_appearance.h"
#include "dropdowns/base/dbg_list.h"
#include "dropdowns/base/drop_down_drawing.h"

class TZadButton;
class TZadCustomDropDown;

class TZadDropDownBar : public QWidget {
 public:
  explicit TZadDropDownBar(QWidget* AOwner = nullptr);
  ~TZadDropDownBar() override;

  virtual TDropDownBarAppearance& Appearance() = 0;
  TZadCustomDropDown* ZadDropDown() const { return FZadDropDown; }
  // Links the drop-down; takes its images and copies its appearance for this bar.
  void SetZadDropDown(TZadCustomDropDown* DropDown);
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value) { FImages = Value; }
  const TDbgList<TZadButton>& ButtonList() const { return FButtonList; }

  void InitializeButtons();
  virtual void CreateButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  virtual TRect GetButtonsRect() const = 0;
  // Beside the buttons; (-1, -1, -1, -1) without buttons.
  TRect GetCaptionRect() const;
  void AppearanceChanged();

  // Replaces the whole painting.
  std::function<void(QWidget* Sender, TCanvas& ACanvas, const TRect& ARect)> OnDrawBackGround;
  // May change the caption before it is drawn.
  std::function<void(QWidget* Sender, QString& Text)> OnGetText;

 protected:
  virtual const TDropDownBarAppearance* Drop_Down_Appearance() const = 0;
  virtual int Item_Count() const = 0;
  virtual const THeaderButton* Item(int Index) const = 0;
  // What a footer adds to a new button (the drop-down, the modal result).
  virtual void Setup_Button(TZadButton* Button, int Index) {
    (void)Button;
    (void)Index;
  }
  virtual void Button_Clicked(int Index) = 0;
  // Lines of the border on the bar's open side and on the others.
  virtual void Draw_Border(TCanvas& Canvas, const TRect& R) = 0;
  virtual void Draw_Extras(TCanvas& Canvas, const TRect& R) {
    (void)Canvas;
    (void)R;
  }
  // The popup's own frame already encloses the bar.
  bool Framed_By_Popup() const;

  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  TZadCustomDropDown* FZadDropDown = nullptr;
  const TDropDownImages* FImages = nullptr;
  TDbgList<TZadButton> FButtonList;
};

class TZadHeader : public TZadDropDownBar {
 public:
  explicit TZadHeader(QWidget* AOwner = nullptr);
  THeaderAppearance& Appearance() override { return FAppearance; }
  TRect GetButtonsRect() const override;

 protected:
  const TDropDownBarAppearance* Drop_Down_Appearance() const override;
  int Item_Count() const override;
  const THeaderButton* Item(int Index) const override;
  void Button_Clicked(int Index) override;
  void Draw_Border(TCanvas& Canvas, const TRect& R) override;

 private:
  THeaderAppearance FAppearance;
};

class TZadFooter : public TZadDropDownBar {
 public:
  explicit TZadFooter(QWidget* AOwner = nullptr);
  TFooterAppearance& Appearance() override { return FAppearance; }
  TRect GetButtonsRect() const override;
  // The appearance asks for a grip and the linked drop-down is sizeable.
  bool HasSizeGrip() const;
  // Starts resizing the popup window from its bottom-right corner with the
  // mouse; answers whether the window system took it on.
  std::function<bool()> StartPopupResize;

 protected:
  const TDropDownBarAppearance* Drop_Down_Appearance() const override;
  int Item_Count() const override;
  const THeaderButton* Item(int Index) const override;
  void Setup_Button(TZadButton* Button, int Index) override;
  void Button_Clicked(int Index) override;
  void Draw_Border(TCanvas& Canvas, const TRect& R) override;
  void Draw_Extras(TCanvas& Canvas, const TRect& R) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  void DrawSizeGrip(TCanvas& Canvas, const TRect& G);
  bool In_Grip_Zone(const QPoint& P) const;
  TFooterAppearance FAppearance;
};
