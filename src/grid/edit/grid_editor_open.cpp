// Opening the special editors of TZadIrururOziz: each editor control made
// on first use, and PrepareCellEditor, which lays the control of the cell's
// editor type over the cell with the cell's look and value.
#include <QCoreApplication>
#include <QKeyEvent>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_link.h"
#include "grid/edit/edit_mask.h"
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
#include "grid/store/text_helpers.h"

namespace {

// The cell's background as the editor's.
void Paint_Editor(QWidget* Control, TColor C) {
  if (C == clNone) return;
  QPalette palette = Control->palette();
  palette.setColor(QPalette::Base, To_QColor(C));
  Control->setPalette(palette);
}

void Place(QWidget* Control, int Left, int Top, int W, int H) { Control->setGeometry(Left, Top, W, H); }

bool Flat_Look(TGridLook Look) {
  switch (Look) {
    case glSoft:
    case glDUD:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---- the controls, made on first use

TGridSpin* TZadIrururOziz::SpinEdit() {
  if (!FSpinEdit) {
    FSpinEdit = new TGridSpin(this);
    FSpinEdit->setEnabled(false);
    FSpinEdit->setFrame(false);
  }
  return FSpinEdit;
}

TGridDatePicker* TZadIrururOziz::DateTimePicker() {
  if (!FDateTimePicker) {
    FDateTimePicker = new TGridDatePicker(this);
    FDateTimePicker->hide();
    FDateTimePicker->setEnabled(false);
    Wire_Date_Picker(FDateTimePicker);
  }
  return FDateTimePicker;
}

void TZadIrururOziz::Wire_Date_Picker(TGridDatePicker* Picker) {
  Picker->OnCloseUp = [this](QObject*) {
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions->DirectDateClose()) HideInplaceEdit();
  };
  Picker->OnDropDown = [this](QObject*) {
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
  };
  Picker->OnChange = [this, Picker](QObject*) {
    DateTimeChanged(Picker->Value().date());
    if (!OnEditChange) return;
    const QString value =
        Picker->Kind() == dtkTime ? Time_To_Str(Time_Of(Picker->Time())) : Date_To_Str(Date_Of(Picker->Date()));
    OnEditChange(this, Col(), Row(), value);
  };
}

TGridDateTimePicker* TZadIrururOziz::DateAndTimePicker() {
  if (!FDateAndTimePicker) {
    FDateAndTimePicker = new TGridDateTimePicker(this);
    FDateAndTimePicker->hide();
    FDateAndTimePicker->setEnabled(false);
    FDateAndTimePicker->OnCloseUp = [this](QObject*) {
      if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
      if (FMouseActions->DirectDateClose()) HideInplaceEdit();
    };
    FDateAndTimePicker->OnTimeChange = [this](QObject*) {
      if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), FDateAndTimePicker->DateTime());
    };
  }
  return FDateAndTimePicker;
}

TZadRichEdit* TZadIrururOziz::InplaceRichEdit() {
  if (!FInplaceRichEdit) {
    FInplaceRichEdit = new TZadRichEdit(this);
    FInplaceRichEdit->hide();
    connect(FInplaceRichEdit, &QTextEdit::selectionChanged, this, [this] { RichEditSelectionChange(); });
  }
  return FInplaceRichEdit;
}

TGridEditBtn* TZadIrururOziz::BtnEdit() {
  if (!FBtnEdit) {
    FBtnEdit = new TGridEditBtn(this);
    FBtnEdit->hide();
    FBtnEdit->setEnabled(false);
  }
  return FBtnEdit;
}

TGridUnitEditBtn* TZadIrururOziz::BtnUnitEdit() {
  if (!FBtnUnitEdit) {
    FBtnUnitEdit = new TGridUnitEditBtn(this);
    FBtnUnitEdit->hide();
    FBtnUnitEdit->setEnabled(false);
  }
  return FBtnUnitEdit;
}

TGridButton* TZadIrururOziz::Btn() {
  if (!FBtn) {
    FBtn = new TGridButton(this);
    FBtn->hide();
    FBtn->setEnabled(false);
  }
  return FBtn;
}

TGridCheckBox* TZadIrururOziz::EditCheck() {
  if (!FEditCheck) {
    FEditCheck = new TGridCheckBox(this);
    FEditCheck->hide();
    FEditCheck->setEnabled(false);
  }
  return FEditCheck;
}

TEditLink* TZadIrururOziz::EditLink() const { return static_cast<TEditLink*>(FEditLink.data()); }

void TZadIrururOziz::SetEditLink(TEditLink* Value) { FEditLink = Value; }

// ---- opening

void TZadIrururOziz::Post_Start_Char(QWidget* Control) {
  if (FStartEditChar.isNull() || !Control) return;
  const QChar ch = FStartEditChar;
  const int key = ch.unicode() < 128 ? ch.toUpper().unicode() : 0;
  // Typed over the whole value, as a character typed into a cell replaces
  // its text.
  if (auto* line = qobject_cast<QLineEdit*>(Control)) line->selectAll();
  QCoreApplication::postEvent(Control, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(ch)));
}

void TZadIrururOziz::PrepareCellEditor(int ACol, int ARow) {
  FEditing = true;
  FSpecialEditor = true;
  FEditActive = true;
  TRect R = CellRect(ACol, ARow);
  if (layoutDirection() == Qt::RightToLeft) R.Left += 1;
  const int W = R.Right - R.Left - 1, H = R.Bottom - R.Top - 1;
  const int rc = RealColIndex(ACol);
  // The look of the cell as painted.
  TGridDrawState state{};
  TCanvas::Brush_State brush;
  TColor color_to = clNone, mirror = clNone, mirror_to = clNone, font_color = clBlack;
  QFont F;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(ACol, Row(), state, false, false, true, brush, color_to, mirror, mirror_to, F, font_color, ha, va,
                      ww, gd);
  const TColor C = brush.Color;
  FEditCtrl = nullptr;
  if (EditControl != edCustom) FLastValidation = true;
  const QString T = GetEditText(ACol, ARow);
  // Remembered for validation: the text the edit starts from.
  RememberOldCell(Col(), Row());

  auto focus = [](QWidget* w) {
    w->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
  };

  switch (EditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
      TGridSpin* spin = SpinEdit();
      spin->ReCreate();
      Place(spin, R.Left, R.Top, W, H);
      spin->show();
      spin->setEnabled(true);
      Paint_Editor(spin, C);
      spin->SetExcelStyleDecimalSeparator(FExcelStyleDecimalSeparator);
      DoGetEditorProp(rc, ARow, EditLink());
      switch (EditControl) {
        case edSpinEdit:
          spin->SetSpinType(sptNormal);
          spin->SetValue(T.trimmed().toInt());
          break;
        case edFloatSpinEdit: {
          spin->SetSpinType(sptFloat);
          double value = 0;
          Try_Str_To_Float(grid_text::NormalizeNumberText(T), value);
          spin->SetFloatValue(value);
          break;
        }
        case edTimeSpinEdit:
          spin->SetSpinType(sptTime);
          spin->setText(T);
          break;
        default: {
          spin->SetSpinType(sptDate);
          QDate date;
          spin->SetDateValue(!T.isEmpty() && Try_Str_To_Date(T.trimmed(), date) ? Encode_Date(date) : Now_Date_Time());
          break;
        }
      }
      focus(spin);
      Post_Start_Char(spin);
      if (FSpinUpClick) spin->StepUp(false);
      if (FSpinDnClick) spin->StepDown(false);
      FEditCtrl = spin;
      break;
    }
    case edComboEdit:
    case edComboList: {
      TGridCombo* combo = Combobox();
      const bool list = EditControl == edComboList;
      combo->SetDropDownCount(FControlLook.DropDownCount());
      DoGetEditorProp(rc, ARow, EditLink());
      combo->setEnabled(true);
      combo->SetDroppedDown(false);
      combo->SetStyle(list ? csDropDownList : csDropDown);
      if (!list) combo->SetItemHeight(std::max(1, H - 6));
      Place(combo, R.Left, R.Top, W, H);
      const TComboItems& items = combo->Items();
      int first_index = -1;
      if (list) {
        const int by_cell = items.IndexOf(Base_Cell_Text(ACol, ARow));
        if (by_cell >= 0) {
          combo->SetItemIndex(by_cell);
        } else if (FComboIdx == -1) {
          const int by_text = items.IndexOf(T);
          combo->SetItemIndex(by_text >= 0 ? by_text : (items.Count() > 0 ? 0 : -1));
          if (combo->OnChange) combo->OnChange(combo);
          first_index = combo->ItemIndex();
        } else {
          combo->SetItemIndex(FComboIdx);
        }
      } else {
        combo->SetText(T);
        if (FComboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(FComboIdx);
        if (FMaxComboLength > 0 && combo->EditPart()) combo->EditPart()->setMaxLength(FMaxComboLength);
      }
      combo->SetColor(C);
      combo->show();
      combo->SetFlat(Flat_Look(FLook));
      combo->SetEtched(Flat_Look(FLook));
      if (FNavigation->AutoComboDropSize()) combo->SizeDropDownWidth();
      focus(combo);
      combo->SetDroppedDown(FMouseActions->DirectComboDrop() || FControlLook.DropDownAlwaysVisible());
      // The preselected item is announced before the user does anything.
      if (first_index >= 0 && items.Count() > 0) {
        const QString selection = items.Strings(first_index);
        if (OnComboChange) OnComboChange(this, rc, ARow, first_index, selection);
        if (OnComboObjectChange)
          OnComboObjectChange(this, rc, ARow, first_index, selection, items.Objects(first_index));
      }
      if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
        const TGridRect s = Selection();
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
      }
      if (!list) Post_Start_Char(combo->EditPart() ? static_cast<QWidget*>(combo->EditPart()) : combo);
      FEditCtrl = combo;
      break;
    }
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: {
      TGridEditBtn* edit = BtnEdit();
      edit->ReCreate();
      edit->setInputMask(QString());
      edit->setText(T);
      edit->setMaxLength(QueryEditLimit() > 0 ? QueryEditLimit() : 32767);
      edit->show();
      edit->setEnabled(true);
      Paint_Editor(edit, C);
      Place(edit, R.Left, R.Top, W, H);
      if (EditControl == edMaskEditBtn) {
        const Format_Settings& seps = Process_Format_Settings();
        edit->setInputMask(edit_mask::Input_Mask(QueryEditMask(rc, ARow), seps.Time_Separator, seps.Date_Separator));
        edit->setText(T);
      }
      focus(edit);
      Post_Start_Char(edit);
      FEditCtrl = edit;
      break;
    }
    case edCheckBox: {
      TGridCheckBox* check = EditCheck();
      check->ReCreate();
      Place(check, R.Left, R.Top, W, H);
      check->setText(T);
      check->setEnabled(true);
      check->setChecked(false);
      check->show();
      check->setFocus();
      break;
    }
    case edDateEdit:
    case edDateEditUpDown: {
      TGridDatePicker* picker = DateTimePicker();
      picker->ReCreate();
      TDateTime D = Now_Date_Time();
      if (!T.isEmpty()) {
        if (OnCustomStrToDate) {
          OnCustomStrToDate(this, T, D);
        } else if (!Try_Cell_Date_Time(T, D)) {
          D = Now_Date_Time();
        } else {
          // A date outside the picker's limits opens at the nearest limit.
          if (picker->MaxDate() != 0 && D > picker->MaxDate()) D = picker->MaxDate();
          if (picker->MinDate() != 0 && D < picker->MinDate()) D = picker->MinDate();
        }
      }
      picker->SetDate(D);
      picker->SetKind(dtkDate);
      picker->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
      DoGetEditorProp(rc, ARow, EditLink());
      picker->setGeometry(R.Left, R.Top, W, H);
      picker->setEnabled(true);
      picker->show();
      Paint_Editor(picker, C);
      picker->setFocus();
      if (FMouseActions->DirectDateDrop())
        QCoreApplication::postEvent(picker, new QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier));
      Post_Start_Char(picker);
      FEditCtrl = picker;
      break;
    }
    case edTimeEdit: {
      TGridDatePicker* picker = DateTimePicker();
      picker->ReCreate();
      QTime time;
      picker->SetTime(!T.isEmpty() && Try_Str_To_Time(T.trimmed(), time) ? Encode_Time(time) : Now_Date_Time());
      picker->SetKind(dtkTime);
      picker->setGeometry(R.Left, R.Top, W, H);
      picker->setEnabled(true);
      picker->show();
      Paint_Editor(picker, C);
      DoGetEditorProp(rc, ARow, EditLink());
      picker->setFocus();
      FEditCtrl = picker;
      break;
    }
    case edButton: {
      TGridButton* button = Btn();
      button->ReCreate();
      // Over the grid lines around the cell as well.
      Place(button, R.Left - 1, R.Top - 1, W + 2, H + 2);
      button->SetText(T);
      button->show();
      button->setEnabled(true);
      button->setFocus();
      FEditCtrl = button;
      break;
    }
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: {
      TGridUnitEditBtn* edit = BtnUnitEdit();
      edit->ReCreate();
      Place(edit, R.Left, R.Top, W, H);
      edit->setMaxLength(QueryEditLimit() > 0 ? QueryEditLimit() : 32767);
      edit->SetUnitID(QString());
      edit->setText(QString());
      edit->SetTextAndUnit(T);
      DoGetEditorProp(rc, ARow, EditLink());
      edit->show();
      edit->setEnabled(true);
      Paint_Editor(edit, C);
      focus(edit);
      Post_Start_Char(edit);
      FEditCtrl = edit;
      break;
    }
    case edCustom:
      if (FEditLink) Open_Custom_Editor(ACol, rc, ARow, R, C, F, T);
      break;
    case edRichEdit: {
      TZadRichEdit* rich = InplaceRichEdit();
      rich->ReCreate();
      rich->setFrameStyle(QFrame::NoFrame);
      Place(rich, R.Left, R.Top, W, H);
      DoGetEditorProp(rc, ARow, EditLink());
      rich->Lock();
      CellToRich(rc, ARow, *rich->document());
      if (FNavigation->EditSelectAll()) rich->selectAll();
      rich->show();
      rich->setEnabled(true);
      rich->document()->setDocumentMargin(2);
      Paint_Editor(rich, C);
      rich->setFocus();
      Post_Start_Char(rich);
      rich->Unlock();
      FEditCtrl = rich;
      break;
    }
    case edDateTimeEdit: {
      TGridDateTimePicker* picker = DateAndTimePicker();
      TDateTime D = 0;
      if (T.isEmpty() || !Try_Cell_Date_Time(T, D)) D = Now_Date_Time();
      FOriginalDateTime = D;
      picker->SetKind(dkDateTime);
      picker->SetDateTime(D);
      picker->setGeometry(R.Left, R.Top, W, std::max(H, picker->height()));
      DoGetEditorProp(rc, ARow, EditLink());
      picker->setEnabled(true);
      picker->show();
      Paint_Editor(picker, C);
      picker->setFocus();
      break;
    }
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edZadGridDropDown:
      Open_Drop_Down(EditControl, ACol, rc, ARow, R, C, T);
      break;
    default:
      break;
  }
  FStartEditChar = QChar();
}

void TZadIrururOziz::Open_Custom_Editor(int ACol, int RCol, int ARow, const TRect& R, TColor C, const QFont& F,
                                        const QString& T) {
  (void)ACol;
  TEditLink& link = *EditLink();
  FEditMode = true;
  link.FOwner = this;
  link.FEditCell = QPoint(RCol, ARow);
  if (link.EditStyle() == esPopup) {
    if (link.AutoPopupWidth()) link.SetPopupWidth(R.Right - R.Left);
    QWidget* form = link.Ensure_Popup_Form();
    const QPoint cell_top_left = viewport()->mapToGlobal(QPoint(R.Left, R.Top));
    const QPoint at =
        link.PopupLeft() == -1 || link.PopupTop() == -1 ? cell_top_left : QPoint(link.PopupLeft(), link.PopupTop());
    form->move(at);
    form->resize(std::max(1, link.PopupWidth()), std::max(1, link.PopupHeight()));
    form->show();
    form->move(at);
    link.CreateEditor(form);
    link.SetRect(TRect{0, 0, link.PopupWidth(), link.PopupHeight()});
  } else {
    link.CreateEditor(this);
    // The control's parent is the grid; the cell lies in its viewport.
    const QPoint offset = viewport()->geometry().topLeft();
    link.SetRect(TRect{R.Left + offset.x(), R.Top + offset.y(), R.Right + offset.x(), R.Bottom + offset.y()});
  }
  link.SetVisible(true);
  link.SetCellProps(C, F);
  link.SetProperties();
  DoGetEditorProp(RCol, ARow, &link);
  link.SetEditorValue(T);
  const QChar start = FStartEditChar;
  link.SetFocus(true);
  FEditActive = true;
  FStartEditChar = start;
  if (QWidget* control = link.GetEditControl()) Post_Start_Char(control);
  FEditCtrl = link.GetEditControl();
}
