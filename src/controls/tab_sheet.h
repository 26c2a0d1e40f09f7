#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"

class TZadPageControl;

enum TGradientDirection { gdVertical, gdHorizontal };

// One page of a TZadPageControl. A sheet created with a page control as its
// parent joins it; otherwise it joins through Set_ZadPageControl. It leaves
// through Set_ZadPageControl(nullptr) (going back to the widget that owned it)
// or by being destroyed. Only the active sheet is shown.
class TZadTabSheet : public QWidget {
  Q_OBJECT

 public:
  explicit TZadTabSheet(QWidget* parent = nullptr);
  ~TZadTabSheet() override;

  std::function<void()> OnShow;
  std::function<void()> OnHide;
  // Asked before the close box closes the page; CanClose starts true.
  std::function<void(TZadTabSheet* sheet, bool& CanClose)> OnCanClose;
  // The close box closes the page.
  std::function<void()> OnClose;

  QString Caption() const { return caption_; }
  void Set_Caption(const QString& caption);
  // The text of the sheet's tab item: one space more than the caption with a
  // close box, two characters less without one.
  QString TabCaption() const { return tab_caption_; }

  TZadPageControl* ZadPageControl() const { return page_control_; }
  void Set_ZadPageControl(TZadPageControl* control);
  int PageIndex() const;
  // Moves the sheet in its control's page order; throws EListError outside
  // 0 .. the last index.
  void Set_PageIndex(int index);
  // -1 without a tab; otherwise the count of tabs before it.
  int TabIndex() const;

  TColor TextColor() const { return text_color_; }
  void Set_TextColor(TColor value);
  TColor TabColor() const { return tab_color_; }
  void Set_TabColor(TColor value);
  TColor TabColorTo() const { return tab_color_to_; }
  void Set_TabColorTo(TColor value);
  TColor Color() const { return color_; }
  void Set_Color(TColor value);
  TColor ColorTo() const { return color_to_; }
  void Set_ColorTo(TColor value);
  TGradientDirection TabGradientDirection() const { return tab_gradient_direction_; }
  void Set_TabGradientDirection(TGradientDirection value);
  TGradientDirection HoverGradientDirection() const { return hover_gradient_direction_; }
  void Set_HoverGradientDirection(TGradientDirection value) { hover_gradient_direction_ = value; }
  bool ShowClose() const { return show_close_; }
  void Set_ShowClose(bool value);
  int ImageIndex() const { return image_index_; }
  void Set_ImageIndex(int value);
  bool TabVisible() const { return tab_visible_; }
  void Set_TabVisible(bool value);
  bool TabEnable() const { return tab_enable_; }
  // Throws when disabling the active page's tab.
  void Set_TabEnable(bool value);
  bool Highlighted() const { return highlighted_; }
  void Set_Highlighted(bool value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  friend class TZadPageControl;
  void Update_Tab_Showing();
  void Repaint_Control();

  QString caption_;
  QString tab_caption_;
  TColor text_color_ = 0;
  TColor tab_color_ = clNone;
  TColor tab_color_to_ = clNone;
  TColor color_ = clBtnFace;
  TColor color_to_ = clNone;
  bool show_close_ = false;
  TGradientDirection tab_gradient_direction_ = gdVertical;
  TGradientDirection hover_gradient_direction_ = gdVertical;
  int image_index_ = -1;
  TZadPageControl* page_control_ = nullptr;
  QPointer<QWidget> owner_;
  bool tab_visible_ = true;
  bool tab_showing_ = false;
  bool highlighted_ = false;
  bool tab_enable_ = true;
};
