#pragma once
// TZsgCustomCombo (published as TZsgComboBox): a combo box that paints its
// own border and drop-down button (flat, custom-coloured, themed or classic,
// with focus border and focus colours) and can show a caption label beside
// it. The text part is an edit (csDropDown, csSimple) or painted
// (csDropDownList); the list is its own popup (TComboListPopup), or, for
// csSimple, a list box under the edit.
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/editor_logic/label_placement.h"
#include "controls/tcolor.h"

class QLineEdit;
class QListWidget;
class TComboListPopup;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The combo's items: texts, each with an object the owner attaches.
class TComboItems {
 public:
  int Count() const { return int(FItems.size()); }
  QString Strings(int Index) const;
  QVariant Objects(int Index) const;
  void SetObjects(int Index, const QVariant& Object);
  int Add(const QString& Text) { return AddObject(Text, {}); }
  int AddObject(const QString& Text, const QVariant& Object);
  void Insert(int Index, const QString& Text);
  void Delete(int Index);
  void Clear();
  int IndexOf(const QString& Text) const;
  void Assign(const QStringList& Texts);
  QStringList Texts() const;

  std::function<void()> OnChange;

 private:
  struct Item {
    QString Text;
    QVariant Object;
  };
  void Changed();
  std::vector<Item> FItems;
};

class TZsgCustomCombo : public QWidget {
  Q_OBJECT

 public:
  explicit TZsgCustomCombo(QWidget* parent = nullptr);
  ~TZsgCustomCombo() override;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnSelect;
  std::function<void(QObject* Sender)> OnDropDown;
  std::function<void(QObject* Sender)> OnDropUp;

  // --- the combo --------------------------------------------------------
  TComboItems& Items() { return FItems; }
  const TComboItems& Items() const { return FItems; }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  QString Text() const;
  void SetText(const QString& Value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = std::max(1, Value); }
  // Width of the list; 0: the combo's width.
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int Value) { FDropWidth = Value; }
  int ItemHeight() const;
  void SetItemHeight(int Value) { FItemHeight = Value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  // ItemIndex := the index of AString when it is an item.
  void SelectItem(const QString& AString);
  // The edit part (null for csDropDownList) and the list (the popup's, or csSimple's own).
  QLineEdit* EditPart() const { return FEdit; }
  QListWidget* ListPart() const;
  TComboListPopup* Popup() const { return FPopup; }

  // --- look --------------------------------------------------------------
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  bool AutoFocus() const { return FAutoFocus; }
  void SetAutoFocus(bool Value) { FAutoFocus = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  // Accepted from 14 to 32 only.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor Value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool Value);
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value) { FFocusColor = Value; }
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  // Leave the painting to the platform's look unless a button colour is set.
  bool IsVista() const { return FIsVista; }
  void SetIsVista(bool Value);
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value);
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value);
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value);
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value);
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value);
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value);
  // The colour focus leaves behind (taken by Init, and by colour writes while unfocused).
  void Init();

  // --- label ---------------------------------------------------------------
  QLabel* ComboLabel() const { return FLabel; }
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  QFont LabelFont() const { return FLabelFont; }
  // Taken only when the combo has a font of its own (ParentFont off).
  void SetLabelFont(const QFont& Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }
  bool ParentFont() const;

  // State the painting reads.
  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }
  bool HasFocus() const { return FHasFocus; }

  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class Combo_Painter;
  void Create_Parts();
  void Layout_Parts();
  void Items_Changed();
  void Apply_Color();
  TColor Parent_Color() const;
  void Enter();
  void Exit();
  void Choose(int Index, bool Notify);
  void Changed();
  void Step_Selection(int Delta);
  void Complete_Edit_Text();
  void Type_Ahead(QChar Ch);
  bool Is_Hot() const;
  bool Shows_Focus_Border() const;
  bool Self_Painted() const;
  void Create_Label();
  void Place_Label();
  void List_Closed();

  TComboItems FItems;
  int FItemIndex = -1;
  QString FListText;
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  int FItemHeight = 0;
  bool FAutoComplete = true;
  QLineEdit* FEdit = nullptr;
  QListWidget* FSimpleList = nullptr;
  TComboListPopup* FPopup = nullptr;
  bool FDropped = false;
  bool FMouseDown = false;
  bool FSettingText = false;
  QString FTyped;
  QElapsedTimer FTypedClock;

  TColor FColor = clWindow;
  bool FParentColor = false;
  bool FAutoFocus = false;
  bool FFlat = false;
  bool FEtched = false;
  TColor FOldColor = clWindow;
  TColor FLoadedColor = clWindow;
  bool FOldParentColor = false;
  int FButtonWidth;
  bool FFocusBorder = false;
  bool FMouseInControl = false;
  int FDropWidth = 0;
  bool FIsWinXP = false;
  bool FIsThemed = true;
  bool FButtonHover = false;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  int FLabelMargin = 4;
  QFont FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  QPointer<QLabel> FLabel;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  TColor FFocusColor = clNone;
  TColor FFocusBorderColor = clNone;
  TColor FBorderColor = clNone;
  bool FDisabledBorder = true;
  TColor FNormalColor = clWindow;
  bool FHasFocus = false;
  bool FFocusLabel = false;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  bool FIsVista = false;
};

class TZsgComboBox : public TZsgCustomCombo {
  Q_OBJECT

 public:
  using TZsgCustomCombo::TZsgCustomCombo;
};
