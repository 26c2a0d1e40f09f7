// Write-back of the special editors of TZadIrururOziz: the value of the
// closing editor goes into the cell in the cell's own form, the editor is
// put away and the grid hears once that editing is done.
#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_link.h"
#include "grid/edit/grid_cell_button.h"
#include "grid/edit/grid_check_box.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_date_picker.h"
#include "grid/edit/grid_date_time_picker.h"
#include "grid/edit/grid_edit_btn.h"
#include "grid/edit/grid_editor_values.h"
#include "grid/edit/grid_spin.h"
#include "grid/edit/grid_unit_edit_btn.h"
#include "grid/edit/zad_rich_edit.h"

namespace {

void Put_Away(QWidget* Control) {
  if (!Control) return;
  Control->setEnabled(false);
  Control->hide();
}

}  // namespace

void TZadIrururOziz::WriteEditedCell(int ACol, int ARow, const QString& Value) {
  SetEditText(DisplColIndex(ACol), ARow, Value);
  SetCellEx(ACol, ARow, Value);
}

void TZadIrururOziz::StoreCellEditorValue(int ACol, int ARow) {
  if (Destroying()) return;
  FSpecialEditor = false;
  FBlockKill = true;
  const int rc = RealColIndex(ACol);
  FStartEditChar = QChar();
  switch (EditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
      FEditMode = false;
      TGridSpin* spin = FSpinEdit;
      if (!spin) break;
      if (spin->AllowEmptyValue() && spin->text().trimmed().isEmpty()) {
        SetCellEx(rc, ARow, QString());
      } else if (EditControl == edSpinEdit) {
        SetInts(rc, ARow, spin->Value());
      } else if (EditControl == edFloatSpinEdit) {
        SetFloats(rc, ARow, spin->FloatValue());
      } else if (EditControl == edTimeSpinEdit) {
        WriteEditedCell(rc, ARow, spin->text());
      } else {
        SetDates(rc, ARow, To_QDateTime(spin->DateValue()));
      }
      Put_Away(spin);
      break;
    }
    case edComboEdit:
    case edComboList:
      if (FEditMode && FCombobox) {
        FEditMode = false;
        if (!FEscaped) WriteEditedCell(rc, ARow, FCombobox->Text());
      }
      Put_Away(FCombobox);
      break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      if (FEditMode && FBtnEdit) {
        FEditMode = false;
        WriteEditedCell(rc, ARow, FBtnEdit->text());
      }
      Put_Away(FBtnEdit);
      break;
    case edCheckBox:
      // The check box edits nothing of the cell's text.
      Put_Away(FEditCheck);
      FEditMode = false;
      break;
    case edDateEdit:
    case edDateEditUpDown:
      if (FDateTimePicker) WriteEditedCell(rc, ARow, FDateTimePicker->Checked() ? FDateTimePicker->Text() : QString());
      FEditMode = false;
      Put_Away(FDateTimePicker);
      break;
    case edTimeEdit:
      if (FDateTimePicker) {
        // The text in the picker's own format when it has one.
        Format_Settings settings = Process_Format_Settings();
        if (!FDateTimePicker->Format().isEmpty()) settings.Long_Time_Format = FDateTimePicker->Format();
        Format_Settings_Scope scope(settings);
        WriteEditedCell(rc, ARow, FDateTimePicker->Text());
      }
      Put_Away(FDateTimePicker);
      FEditMode = false;
      break;
    case edButton:
      Put_Away(FBtn);
      FEditMode = false;
      break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
      if (FBtnUnitEdit) WriteEditedCell(rc, ARow, FBtnUnitEdit->text() + FBtnUnitEdit->UnitID());
      Put_Away(FBtnUnitEdit);
      FEditMode = false;
      break;
    case edCustom:
      if (FControlLook.DropDownAlwaysVisible()) DoGetEditorTypeRaw(rc, ARow, EditControl);
      if (TEditLink* link = EditLink()) {
        WriteEditedCell(rc, ARow, link->GetEditorValue());
        if (link->EditStyle() != esPopup) link->SetVisible(false);
        link->RestoreWinProc();
      }
      FEditMode = false;
      break;
    case edRichEdit:
      if (FInplaceRichEdit) WriteEditedCell(rc, ARow, RichToString(*FInplaceRichEdit->document()));
      Put_Away(FInplaceRichEdit);
      FEditMode = false;
      break;
    case edDateTimeEdit:
      FEditMode = false;
      if (FDateAndTimePicker) {
        // Opened and closed unchanged, the cell keeps its own text.
        const TDateTime value = FDateAndTimePicker->DateTime();
        if (!FDateAndTimePicker->Checked())
          WriteEditedCell(rc, ARow, QString());
        else if (value != FOriginalDateTime)
          WriteEditedCell(rc, ARow, Cell_Date_Time_Text(value));
        Put_Away(FDateAndTimePicker);
      }
      break;
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edZadGridDropDown:
      Store_Drop_Down(rc, ARow);
      break;
    default:
      break;
  }
  if (EditControl != edNormal && FEditActive) NotifyEditingDone(rc, ARow);
  FEditCtrl = nullptr;
  FEscaped = false;
  FBlockKill = false;
  FEditActive = false;
}
