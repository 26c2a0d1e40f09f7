#pragma once
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "controls/tab_margin.h"
#include "controls/tab_sheet.h"
#include "controls/tab_strip_layout.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

class TCanvas;

enum TTabStyle { tsClassic, tsDotNet };

// A list position outside the list.
class EListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A set of pages (TZadTabSheet) with a tab each on one edge, one page shown at
// a time. The control draws its own tab strip (classic or .NET look, solid or
// gradient tabs, captions rotated on side tabs) and sizes each tab from what
// it draws, so captions are never cut. Page indices count every page, tab
// indices only pages whose tab is visible. Setting ActivePage in code fires no
// event; a user's choice asks OnCanChange and OnChanging, then fires OnChange.
class TZadPageControl : public QWidget {
  Q_OBJECT

 public:
  explicit TZadPageControl(QWidget* parent = nullptr);
  ~TZadPageControl() override;

  // from_page, to_page: page indices; allow starts true.
  std::function<void(int from_page, int to_page, bool& allow)> OnCanChange;
  std::function<void(bool& allow)> OnChanging;
  std::function<void()> OnChange;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TZadTabSheet* Pages(int index) const;
  TZadTabSheet* ActivePage() const { return active_page_; }
  // Brings the sheet to the front and selects its tab; a sheet of another
  // control is ignored, one whose tab is disabled too.
  void Set_ActivePage(TZadTabSheet* page);
  int ActivePageIndex() const;
  void Set_ActivePageIndex(int index);

  // The tab items: the selected one (-1 none), their count, sheet and place.
  int TabIndex() const { return tab_index_; }
  int Tab_Count() const { return static_cast<int>(tabs_.size()); }
  TZadTabSheet* Tab_Sheet(int tab_index) const;
  TRect TabRect(int tab_index) const;
  int IndexOfTabAt(int x, int y) const;
  // The page index of the tab at a point, -1 for none.
  int Page_At(int x, int y) const;
  // Where the sheets lie.
  TRect Page_Rect() const { return page_rect_; }

  TZadTabSheet* FindNextPage(TZadTabSheet* current, bool go_forward, bool check_tab_visible) const;
  void SelectNextPage(bool go_forward);

  TTabPosition TabPosition() const { return tab_position_; }
  void Set_TabPosition(TTabPosition value);
  bool MultiLine() const { return multi_line_; }
  void Set_MultiLine(bool value);
  int TabHeight() const { return tab_height_; }
  void Set_TabHeight(int value);
  int TabWidth() const { return tab_width_; }
  void Set_TabWidth(int value);
  TTabStyle TabStyle() const { return tab_style_; }
  void Set_TabStyle(TTabStyle value);
  TTabMargin& TabMargin() { return tab_margin_; }
  TColor Color() const { return color_; }
  void Set_Color(TColor value);
  TColor DefaultTextColor() const { return default_text_color_; }
  void Set_DefaultTextColor(TColor value);
  TColor DefaultTabColor() const { return default_tab_color_; }
  void Set_DefaultTabColor(TColor value);
  TColor DefaultTabColorTo() const { return default_tab_color_to_; }
  void Set_DefaultTabColorTo(TColor value);
  TColor ActiveColor() const { return active_color_; }
  void Set_ActiveColor(TColor value) { Store(active_color_, value); }
  TColor ActiveColorTo() const { return active_color_to_; }
  void Set_ActiveColorTo(TColor value) { Store(active_color_to_, value); }
  TColor TabBorderColor() const { return tab_border_color_; }
  void Set_TabBorderColor(TColor value) { Store(tab_border_color_, value); }
  TColor TabHoverColor() const { return tab_hover_color_; }
  void Set_TabHoverColor(TColor value) { Store(tab_hover_color_, value); }
  TColor TabHoverColorTo() const { return tab_hover_color_to_; }
  void Set_TabHoverColorTo(TColor value) { Store(tab_hover_color_to_, value); }
  TColor TabHoverBorder() const { return tab_hover_border_; }
  void Set_TabHoverBorder(TColor value) { Store(tab_hover_border_, value); }
  TColor TabSheetBorderColor() const { return tab_sheet_border_color_; }
  void Set_TabSheetBorderColor(TColor value) { Store(tab_sheet_border_color_, value); }
  TColor TabBackGroundColor() const { return tab_background_color_; }
  void Set_TabBackGroundColor(TColor value) { Store(tab_background_color_, value); }
  bool ShowFocus() const { return show_focus_; }
  void Set_ShowFocus(bool value) { Store(show_focus_, value); }
  int TabOverlap() const { return tab_overlap_; }
  void Set_TabOverlap(int value) { Store(tab_overlap_, value); }
  bool TabSheet3D() const { return tab_sheet_3d_; }
  void Set_TabSheet3D(bool value) { Store(tab_sheet_3d_, value); }
  bool TabSplitLine() const { return tab_split_line_; }
  // Throws with the .NET look, whose tabs are open towards the page.
  void Set_TabSplitLine(bool value);
  bool RoundEdges() const { return round_edges_; }
  void Set_RoundEdges(bool value) { Store(round_edges_, value); }
  int LowerActive() const { return lower_active_; }
  void Set_LowerActive(int value);
  QFont ActiveFont() const { return active_font_; }
  void Set_ActiveFont(const QFont& font);
  TColor ActiveFont_Color() const { return active_font_color_; }
  void Set_ActiveFont_Color(TColor value) { Store(active_font_color_, value); }

  // Tab faces drawn from bitmaps (left half, stretched middle, right half;
  // the bottom-left pixel's colour is see-through) instead of fills and
  // outlines; the active tab uses its own bitmap when one is set.
  QImage TabBackGround() const { return tab_background_; }
  void Set_TabBackGround(const QImage& bitmap);
  QImage TabBackGroundActive() const { return tab_background_active_; }
  void Set_TabBackGroundActive(const QImage& bitmap);

  // True leaves the tabs to the widget style: its own tab shapes with the
  // plain captions and Images as tab images; no close boxes, hover looks or
  // tab colours.
  bool TabBorder3D() const { return tab_border_3d_; }
  void Set_TabBorder3D(bool value);

  // The pictures a sheet's ImageIndex picks, all of the first one's size.
  QList<QImage> Images() const { return images_; }
  void Set_Images(const QList<QImage>& images);

  // Close boxes. Pages closed by their box are destroyed with FreeOnClose,
  // else they leave the control and are listed by name (objectName) until
  // reopened; the list keeps its entries and skips pages destroyed since.
  bool FreeOnClose() const { return free_on_close_; }
  void Set_FreeOnClose(bool value) { free_on_close_ = value; }
  // Drawn instead of the box (bottom-left pixel's colour see-through, at
  // most 12 x 11).
  QImage CloseGlyph() const { return close_glyph_; }
  void Set_CloseGlyph(const QImage& bitmap) { Store(close_glyph_, bitmap); }
  // The first listed page of that name (any letter case) joins the control
  // again; false when none is listed or it no longer exists.
  bool OpenClosedTab(const QString& tab_name);
  // Every listed page that is not attached joins the control, in list order.
  void OpenAllClosedTabs();
  int Closed_Tab_Count() const { return static_cast<int>(closed_tabs_.size()); }
  QString Closed_Tab_Name(int index) const { return closed_tabs_.at(static_cast<size_t>(index)).first; }
  // Where a press or release counts as on the close box of a tab.
  TRect Close_Hit_Box(int tab_index) const;
  // The page index of the tab under the mouse (hover colours), -1 for none.
  int HoverTab() const { return hover_tab_; }
  bool Close_Box_Hot() const { return hover_close_; }
  bool Close_Box_Pressed() const { return close_pressed_; }

  QString Version() const { return QStringLiteral("1.4.0.0"); }
  int VersionNr() const { return (1 << 24) | (4 << 16); }

  QSize sizeHint() const override { return QSize(289, 193); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class TZadTabSheet;

  template <typename T>
  void Store(T& field, T value) {
    field = value;
    update();
  }
  void InsertPage(TZadTabSheet* page);
  void RemovePage(TZadTabSheet* page);
  void InsertTab(TZadTabSheet* page);
  void DeleteTab(TZadTabSheet* page, int index);
  void MoveTab(int from, int to);
  void UpdateActivePage();
  void ChangeActivePage(TZadTabSheet* page);
  void Select_Tab_Of(TZadTabSheet* page);
  bool CanChange(int to_page);
  void Change();
  // The length the widget style gives a tab of this caption and picture.
  int Style_Tab_Length(int TextWidth, int PictureWidth, bool Vertical) const;
  void Relayout();
  TColor Parent_Color() const;
  const QImage* Image_Of(const TZadTabSheet* page) const;

  // Painting of the strip, tabs and page frame.
  void PaintTabs(TCanvas& canvas);
  void Paint_Style_Tabs(QPainter& painter);
  void Paint_Tab(TCanvas& canvas, int page_index, const TRect& r, bool active, int strip_end, bool deferred_pass);
  void Paint_Tab_Look(TCanvas& canvas, int page_index, const TRect& r, bool active, int strip_end);
  void Paint_Close_Box(TCanvas& canvas, const TRect& r, bool active);
  void Paint_Close_Glyph(TCanvas& canvas, int x, int y);
  bool In_Active_Close_Box(QPoint p) const;
  void Close_Page(TZadTabSheet* page);

  QList<TZadTabSheet*> pages_;
  QList<TZadTabSheet*> tabs_;
  int tab_index_ = -1;
  TZadTabSheet* active_page_ = nullptr;
  std::vector<TRect> tab_rects_;
  TRect page_rect_;
  int hover_tab_ = -1;  // page index

  TTabPosition tab_position_ = tpTop;
  bool multi_line_ = false;
  int tab_height_ = 0;
  int tab_width_ = 0;
  TTabStyle tab_style_ = tsClassic;
  TTabMargin tab_margin_;
  TColor color_ = clBtnFace;
  TColor default_text_color_ = 0;
  TColor default_tab_color_ = clBtnFace;
  TColor default_tab_color_to_ = clNone;
  TColor active_color_ = clBtnFace;
  TColor active_color_to_ = clNone;
  TColor tab_border_color_ = clGray;
  TColor tab_hover_color_ = clNone;
  TColor tab_hover_color_to_ = clNone;
  TColor tab_hover_border_ = clNone;
  bool show_focus_ = false;
  bool tab_border_3d_ = false;
  int tab_overlap_ = 0;
  bool tab_sheet_3d_ = false;
  TColor tab_sheet_border_color_ = clGray;
  TColor tab_background_color_ = clBtnFace;
  bool tab_split_line_ = false;
  bool round_edges_ = false;
  int lower_active_ = 2;
  QFont active_font_;
  TColor active_font_color_ = clWindowText;
  QList<QImage> images_;
  QImage tab_background_;
  QImage tab_background_active_;
  bool free_on_close_ = false;
  QImage close_glyph_;
  std::vector<std::pair<QString, QPointer<TZadTabSheet>>> closed_tabs_;
  bool hover_close_ = false;
  bool close_pressed_ = false;
};
