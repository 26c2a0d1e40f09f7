#pragma once
// TZadCustomDropDown: a single-line edit with a drop-down button at its right
// edge, an optional caption label beside it, optional coloured borders and a
// popup that opens below or above it and hosts a control chosen by the
// descendant. The nine drop-down controls derive from it; the string grid
// creates them as in-place editors.
//
// Construction calls virtual operations (the popup form, the button, the
// text, the colour styles) whose most-derived versions must run. C++ cannot
// do that from a constructor, so a control is made in two steps:
// Create_Drop_Down<T>(owner) constructs it and then runs Initialize() once.
#include <QAbstractScrollArea>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

#include "controls/canvas.h"
#include "controls/editor_logic/label_placement.h"
#include "controls/tab_sheet.h"
#include "controls/tcolor.h"
#include "dropdowns/base/bar_appearance.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/drop_down_value.h"
#include "dropdowns/base/popup_placement.h"
#include "dropdowns/base/selection_color_style.h"
#include "dropdowns/base/zad_button_appearance.h"
#include "grid/theme/style_if.h"

class TDropDownEditButton;
class TDropDownForm;
class TItemAppearance;
class QMenu;
struct Edit_Border;

class TZadCustomDropDown : public QLineEdit, public IDUDStyle, public IDUDTones {
 public:
  explicit TZadCustomDropDown(QWidget* AOwner = nullptr);
  ~TZadCustomDropDown() override;

  // The second construction step: runs the construction's virtual
  // operations once. Create_Drop_Down calls it.
  void Initialize();
  bool Initialized() const { return FInitialized; }
  // After the settings of a stored form were applied.
  void Loaded();
  // Copies the settings of another drop-down (not its text).
  virtual void Assign(const TZadCustomDropDown& Source);

  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
  // The drop-down button's click (also a left press while typing is off):
  // opens the popup unless it lost activation within the last 250 ms.
  void DropDownButtonClick();

  TDropDownEditButton* Button() const { return FButton; }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  bool DroppedDown() const { return FDroppedDown; }
  QLabel* Label() const { return FLabel; }
  TDUDStyle GetComponentStyle() const { return FDUDStyle; }

  // Read: the value between prefix and suffix; write (virtual SetText): the
  // value, normalised for the edit type, shown between prefix and suffix and
  // remembered as the text a cancelled popup restores.
  virtual QString Text() const { return Value_Of(Value_Settings(), text()); }
  // The window text as given: no prefix, suffix or formatting.
  void SetRawText(const QString& Value) { setText(Value); }
  // The value as a number for the edit type (0 where it does not read).
  double GetFloatValue() const;
  void SetFloatValue(double Value);
  void SetIntValue(int64_t Value);
  // Selects exactly the value; the caret right before or after its decimal
  // separator (the value's start without one).
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();
  // The modified state (kept while the editor is disabled or read-only).
  void SetModified(bool Flag);
  bool IsModified() const { return FIsModified; }
  // Regroups a money value's thousands, keeping the caret among the digits.
  void ApplyThousandSeparators();
  // The settings the value model reads.
  Drop_Down_Value_Settings Value_Settings() const;

  // Popup settings.
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
  TColor DropDownColorTo() const { return FDropDownColorTo; }
  void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
  TGradientDirection DropDownGradient() const { return FDropDownGradient; }
  void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
  TColor DropDownBorderColor() const { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
  int DropDownBorderWidth() const { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
  bool DropDownShadow() const { return FDropDownShadow; }
  void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
  bool DropDownSizeable() const { return FDropDownSizeable; }
  void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
  TDropPosition DropPosition() const { return FDropPosition; }
  void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
  // 0 or less: automatic. A changed value forgets the size the user dragged.
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return FDropDownHeight; }
  void SetDropDownHeight(int Value);
  int DropDownButtonWidth() const { return FButtonWidth; }
  void SetDropDownButtonWidth(int Value);
  QString DropDownButtonHint() const { return FButtonHint; }
  void SetDropDownButtonHint(const QString& Value);
  QImage DropDownButtonGlyph() const;
  void SetDropDownButtonGlyph(const QImage& Value);
  QString DropDownButtonCaption() const;
  void SetDropDownButtonCaption(const QString& Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value);
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value) { FImages = Value; }
  THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader.Assign(Value); }
  TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter.Assign(Value); }
  // The look of the buttons on the popup's bars.
  TZadButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
  void SetButtonAppearance(const TZadButtonAppearance& Value) { FButtonAppearance.Assign(Value); }
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
  bool FocusDraw() const { return FFocusDraw; }
  void SetFocusDraw(bool Value) { FFocusDraw = Value; }
  bool ForceShadow() const { return FForceShadow; }
  void SetForceShadow(bool Value) { FForceShadow = Value; }
  bool Flat() const { return FFlat; }
  bool Etched() const { return FEtched; }
  // The stored edit mask ("<mask>[;<keep literals>[;<blank>]]"); empty for
  // none.
  QString EditMask() const { return FEditMask; }
  void SetEditMask(const QString& Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }

  // Caption label.
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  QFont LabelFont() const { return FLabelFont; }
  void SetLabelFont(const QFont& Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
  // The label takes the edit's font instead of LabelFont.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }

  // Borders.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);

  // Settings the typing and formatting rules read.
  TDropDownEditType EditType() const { return FEditType; }
  void SetEditType(TDropDownEditType Value);
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = static_cast<int16_t>(Value); }
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  QString Prefix() const { return FPrefix; }
  void SetPrefix(const QString& Value) { FPrefix = Value; }
  QString Suffix() const { return FSuffix; }
  void SetSuffix(const QString& Value) { FSuffix = Value; }
  bool Signed() const { return FSigned; }
  void SetSigned(bool Value) { FSigned = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool DefaultHandling() const { return FDefaultHandling; }
  void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
  bool CanUndo() const { return FCanUndo; }
  void SetCanUndo(bool Value) { FCanUndo = Value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  QString ValidChars() const { return FValidChars; }
  void SetValidChars(const QString& Value) { FValidChars = Value; }
  bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
  bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
  void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }

  // "1.0.2.0" from GetVersionNr; writes change nothing.
  QString Version() const;
  void SetVersion(const QString&) {}

  // Where the popup may go on the screen: the work area of the monitor
  // nearest to a point (tests replace it).
  std::function<QRect(const QPoint&)> WorkAreaAt;
  // Milliseconds for the reopen guard (tests replace it).
  Tick_Clock Clock;

  // Events.
  std::function<void(TZadCustomDropDown* Sender, bool& AcceptDrop)> OnDropDown;
  std::function<void(TZadCustomDropDown* Sender, bool Cancelled)> OnDropUp;
  std::function<void(TZadCustomDropDown*Sender)> OnBeforeDropDown, OnBeforeDropUp, OnLabelClick, OnLabelDblClick;
  // A button of the popup's header or footer was clicked (its index).
  std::function<void(TZadCustomDropDown*Sender, int ButtonIndex)> OnDropDownHeaderButtonClick,
      OnDropDownFooterButtonClick;
  std::function<void(QWidget*Sender, TCanvas&ACanvas, const TRect&ARect)> OnDrawHeader, OnDrawFooter;
  std::function<void(QWidget*Sender, QString&Text)> OnGetHeaderText, OnGetFooterText;
  // The value changed (once per keystroke that changed it).
  std::function<void(TZadCustomDropDown* Sender)> OnChange;
  // Enter in the edit (before it goes on to the dialog).
  std::function<void(TZadCustomDropDown* Sender, QChar& Key)> OnKeyPress;
  // The selected part of the value (copy, cut) or the value a paste would
  // give; clearing Allow refuses it.
  std::function<void(TZadCustomDropDown*Sender, const QString&Text, bool&Allow)> OnClipboardCopy, OnClipboardCut,
      OnClipboardPaste;

  // The virtual operations, in the order descendants override them.
  virtual void DoLabelClick();
  virtual void DoLabelDblClick();
  virtual uint32_t GetVersionNr() const;
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void DoBeforeDropDown();
  virtual void AdjustDropDownHeight(int& Height);
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void PlaceDropDownControl();
  virtual void AdaptDropDownSize();
  virtual void DoHideDropDown(bool CancelChanges);
  virtual void DoDropDownFormHide();
  virtual void DoDropDownFormDestroy();
  virtual void DoDropDownFormMouseWheelDown();
  virtual void DoDropDownFormMouseWheelUp();
  virtual void DoDropDownFormKeyPress(QChar& Key);
  virtual void DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoDropDownFormKeyUp(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift);
  virtual void DoControlKeyPress(QChar& Key);
  virtual void DoDropDownFormSizing();
  virtual void MouseWheelDownAction();
  virtual void MouseWheelUpAction();
  virtual void PaintEditContent(QPainter& Painter);
  virtual void SetEditRect();
  virtual void ResizeControl();
  virtual void SetText(const QString& Value);
  virtual void SetSelectionColorStyle(TSelectionColorStyle AStyle);
  virtual void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, TColor CornerColor, int Rounding);
  virtual void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                            TGradientDirection Direction);
  void SetComponentStyle(TDUDStyle AStyle) override;
  // Gives an item selector's appearance the hot and selected colours of
  // AStyle; nothing for a null appearance.
  void SetItemAppearanceStyle(TItemAppearance* Appearance, TDUDStyle AStyle);
  void SetColorTones(const TColorTones& ATones) override;

  // The text area inside the edit (client coordinates, right and bottom
  // outside).
  TRect GetEditRect() const { return FEditRect; }
  // The smallest height the font allows.
  int MinimumHeight() const;
  // The one-pixel frame the border rules chose, clNone for none (flat look
  // aside).
  TColor Border_Frame_Color() const;

 protected:
  // The cut, copy and paste of the edit, for the shortcuts and the context
  // menu alike.
  void HandleCopy();
  void HandleCut();
  void HandlePaste();

  // The last step of Initialize: a descendant's construction defaults that
  // the edit's own construction would otherwise overwrite.
  virtual void Finish_Construction() {}
  // The value changed: fires OnChange. A descendant reads the new text here.
  virtual void HandleTextChange();

  // Stores the control the popup hosts and puts it into the popup.
  void SetControl(QWidget* Control);
  QWidget* Control() const { return FControl; }
  void SetFocusControl(QWidget* Value) { FFocusControl = Value; }
  // The next opening takes the size AdaptDropDownSize gives, not the size
  // the popup had when it last closed (for a popup whose control changed).
  void Forget_User_Drop_Down_Size() { FUserDropDownWidth = FUserDropDownHeight = -1; }
  // AdaptDropDownSize for a popup hosting a scrolling selector whose panel
  // needs PanelSize: the selector takes that size where no drop-down size is
  // set, and the popup grows by a scroll bar when the panel is taller than
  // the room it leaves.
  void Adapt_Selector_Popup_Size(QAbstractScrollArea* Selector, QSize PanelSize);
  void SetFlat(bool Value) { FFlat = Value; }

  bool event(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

  // The popup keys: Alt+Up, Alt+Down and F4 toggle, Enter keeps, Esc
  // cancels. True when the key was one of them.
  bool Handle_Popup_Key(int Key, Qt::KeyboardModifiers Shift);

  TDropDownForm* FDropDownForm = nullptr;
  TDropDownEditButton* FButton = nullptr;
  QString FOldText;
  bool FDroppedDown = false;

 private:
  // One key of the edit (the change notice follows once, after it).
  void Handle_Key(QKeyEvent* Event);
  // The character filter; Backspace comes as '\b'.
  void Handle_Char(QChar Ch, QKeyEvent* Event);
  bool Handle_Caret_Key(QKeyEvent* Event);
  void Handle_Delete(QKeyEvent* Event);
  Edit_State Current_State() const;
  void Apply_State(const Edit_State& State);
  int Prefix_End() const;
  void Text_Changed();
  void Fire_Change();
  // Keeps the caret and the selection out of prefix and suffix.
  void Clamp_Selection();
  void Post_Key(QObject* Target, int Key, Qt::KeyboardModifiers Shift);
  void Apply_Password_Style();

  void UpdateLabel();
  QLabel* Ensure_Label();
  void HeaderChanged();
  void FooterChanged();
  void Paint_Borders(QPainter& Painter);
  // What the border rules choose for the present state.
  Edit_Border Chosen_Border() const;
  bool Is_Hot() const;
  // Sends a copy of a key from the popup to the edit.
  void Relay_Key(QEvent::Type Type, int Key, Qt::KeyboardModifiers Shift, const QString& Text);
  // A press outside the open popup on the edit's own button: the popup loses
  // activation first, as if the window system had moved it.
  void Close_By_Outside_Press();
  QRect Work_Area_At(const QPoint& P) const;
  int Frame_Width() const;

  QPointer<QLabel> FLabel;
  bool FParentFnt = false;
  bool FParentFont = false;
  int FDropDownWidth = 0;
  int FDropDownHeight = 0;
  int FUserDropDownWidth = -1;
  int FUserDropDownHeight = -1;
  bool FEditorEnabled = true;
  TDropPosition FDropPosition = dpAuto;
  bool FFlat = false;
  const TDropDownImages* FImages = nullptr;
  bool FDropDownShadow = true;
  int FDropDownBorderWidth = 1;
  QString FButtonHint;
  TColor FDropDownColorTo = clNone;
  TColor FDropDownColor = clWhite;
  TColor FDropDownBorderColor = clBlack;
  int FButtonWidth = 17;
  bool FMouseInControl = false;
  bool FEtched = false;
  QPointer<QWidget> FFocusControl;
  THeaderAppearance FDropDownHeader{this};
  TZadButtonAppearance FButtonAppearance;
  TFooterAppearance FDropDownFooter{this};
  QPointer<QWidget> FControl;
  TGradientDirection FDropDownGradient = gdHorizontal;
  bool FDropDownSizeable = true;
  TColor FSelectionColor = clNone;
  TColor FSelectionColorTo = clNone;
  TSelectionColorStyle FSelectionColorStyle = scCustom;
  TDropDownEditType FEditType = etString;
  int16_t FLengthLimit = 0;
  int16_t FPrecision = 0;
  QString FPrefix;
  QString FSuffix;
  QString FOldString;
  bool FSigned = false;
  bool FReturnIsTab = false;
  bool FIsWinXP = true;
  bool FIsThemed = true;
  bool FAllowNumericNullValue = false;
  bool FDefaultHandling = true;
  bool FCanUndo = true;
  bool FExcelStyleDecimalSeparator = false;
  QString FValidChars;
  bool FButtonDown = false;
  bool FAutoThousandSeparator = true;
  TRect FEditRect;
  bool FDropDownEnabled = false;
  bool FFocusDraw = true;
  bool FForceShadow = false;
  TDUDStyle FDUDStyle = tsOffice2007Luna;
  int FLabelMargin = 0;
  TLabelPosition FLabelPosition = lpLeftTop;
  bool FLabelAlwaysEnabled = false;
  bool FLabelTransparent = false;
  QFont FLabelFont;
  TColor FBorderColor = clNone;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = true;
  bool FAutoSelect = true;
  QString FEditMask;
  bool FInitialized = false;
  bool FDestroying = false;
  bool FIsModified = false;
  // Swallows the next change notice (a regrouping of its own).
  bool FBlockChange = false;
  // A cut in progress: its copy fires no copy event.
  bool FBlockCopy = false;
  // Keys being handled: their change notices wait for the key's end.
  int FKeyDepth = 0;
  QStyle* FPasswordStyle = nullptr;
};

// Makes a drop-down of type T and runs its construction's virtual operations
// with T's versions in place.
template <class T, class... Args>
T* Create_Drop_Down(Args&&... args) {
  T* control = new T(std::forward<Args>(args)...);
  control->Initialize();
  return control;
}
