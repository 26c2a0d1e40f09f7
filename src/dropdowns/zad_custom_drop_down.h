#pragma once
// What the string grid relies on of its drop-down editors. The controls
// themselves (calculator, time, colour, image, memo, track bar, detail,
// multi-column and grid drop-downs) derive from TZadCustomDropDown.
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/base/bar_appearance.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/zad_button_appearance.h"
#include "grid/theme/style_if.h"

class TZadCustomDropDown : public QWidget, public IDUDStyle, public IDUDTones {
 public:
  explicit TZadCustomDropDown(QWidget* AOwner = nullptr) : QWidget(AOwner) {}

  THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
  TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
  // The look of the buttons on the popup's bars.
  TZadButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value) { FImages = Value; }
  // The popup's own frame; with one the bars draw no side lines.
  int DropDownBorderWidth = 1;
  TColor DropDownBorderColor = clNone;
  // The popup can be resized by the footer's grip.
  bool DropDownSizeable = true;
  // A button of the popup's header or footer was clicked (its index).
  std::function<void(TZadCustomDropDown*Sender, int ButtonIndex)> OnDropDownHeaderButtonClick,
      OnDropDownFooterButtonClick;
  void SetComponentStyle(TDUDStyle AStyle) override { FStyle = AStyle; }
  void SetColorTones(const TColorTones& ATones) override { FTones = ATones; }
  // Typing into the edit part allowed.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  // The popup is open.
  bool DroppedDown() const { return FDroppedDown; }
  // Read: the edit text without prefix and suffix; write: the edit text.
  virtual QString Text() const { return FText; }
  virtual void SetText(const QString& Value) { FText = Value; }
  // Opens the popup (position, size, show).
  virtual void DoShowDropDown() { FDroppedDown = true; }
  // Closes the popup, keeping or dropping what was chosen in it.
  virtual void DoHideDropDown(bool CancelChanges) {
    (void)CancelChanges;
    FDroppedDown = false;
  }

 protected:
  TDUDStyle FStyle = tsWindowsXP;
  TColorTones FTones;
  bool FDroppedDown = false;

 private:
  THeaderAppearance FDropDownHeader{this};
  TFooterAppearance FDropDownFooter{this};
  TZadButtonAppearance FButtonAppearance;
  const TDropDownImages* FImages = nullptr;
  bool FEditorEnabled = true;
  QString FText;
};
