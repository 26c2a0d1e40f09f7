// The drop-down editors of TZadIrururOziz: each made on first use, opened
// over a cell with the cell's value and written back as it closes.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_drop_down_maker.h"
#include "grid/edit/grid_drop_down_wrappers.h"

namespace {

// A drop-down made on first use, with the grid's style and tones.
template <class T>
T* Make(T*& Field, TZadIrururOziz* Grid) {
  if (!Field) {
    Field = Create_Drop_Down<T>(Grid);
    Field->SetComponentStyle(Grid->ComponentStyle());
    if (Grid->HasColorTones()) Field->SetColorTones(Grid->ColorTones());
  }
  return Field;
}

}  // namespace

TGridTrackbarDropDown* TZadIrururOziz::TrackbarDropDown() {
  if (!FTrackbarDropDown) Make(FTrackbarDropDown, this)->SetEditorEnabled(true);
  return FTrackbarDropDown;
}

TGridMemoDropDown* TZadIrururOziz::MemoDropDown() { return Make(FMemoDropDown, this); }

TGridCalculatorDropDown* TZadIrururOziz::CalculatorDropDown() {
  if (!FCalculatorDropDown) Make(FCalculatorDropDown, this)->SetEditorEnabled(true);
  return FCalculatorDropDown;
}

TGridTimepickerDropDown* TZadIrururOziz::TimePickerDropDown() { return Make(FTimePickerDropDown, this); }

TGridDetailPickerDropDown* TZadIrururOziz::DetailPickerDropDown() { return Make(FDetailPickerDropDown, this); }

TGridGridDropDown* TZadIrururOziz::GridDropDown() { return Make(FGridDropDown, this); }

TZadCustomDropDown* TZadIrururOziz::ZadGridDropDown() {
  const TZadGridDropDownMaker& maker = Zad_Grid_Drop_Down_Maker();
  if (!FZadGridDropDown && maker.Create) {
    FZadGridDropDown = maker.Create(this);
    FZadGridDropDown->SetComponentStyle(ComponentStyle());
    if (HasColorTones()) FZadGridDropDown->SetColorTones(ColorTones());
  }
  return FZadGridDropDown;
}

TGridColorDropDown* TZadIrururOziz::ColorPickerDropDown() {
  if (!FColorPickerDropDown) {
    Make(FColorPickerDropDown, this);
    FColorPickerDropDown->AddDefaultColors();
    FColorPickerDropDown->OnSelect = [this](TZadCustomDropDown*) { DoColorSelect(); };
  }
  return FColorPickerDropDown;
}

TGridImageDropDown* TZadIrururOziz::ImagePickerDropDown() {
  if (!FImagePickerDropDown) {
    FImagePickerDropDown = Create_Drop_Down<TGridImageDropDown>(this);
    FImagePickerDropDown->OnSelect = [this](TZadImagePickerDropDown*) { DoImageSelect(); };
  }
  return FImagePickerDropDown;
}

void TZadIrururOziz::DoColorSelect() {
  if (!OnColorSelect || !FColorPickerDropDown) return;
  OnColorSelect(this, Col(), Row(), FColorPickerDropDown->SelectedColor(), FColorPickerDropDown->SelectedColorText());
}

void TZadIrururOziz::DoImageSelect() {
  if (!OnImageSelect || !FImagePickerDropDown) return;
  OnImageSelect(this, Col(), Row(), FImagePickerDropDown->ItemIndex());
}

TZadCustomDropDown* TZadIrururOziz::Drop_Down_Of(TEditorType Type) const {
  switch (Type) {
    case edTrackbarDropDown:
      return FTrackbarDropDown;
    case edMemoDropDown:
      return FMemoDropDown;
    case edCalculatorDropDown:
      return FCalculatorDropDown;
    case edTimePickerDropDown:
      return FTimePickerDropDown;
    case edDetailDropDown:
      return FDetailPickerDropDown;
    case edGridDropDown:
      return FGridDropDown;
    case edColorPickerDropDown:
      return FColorPickerDropDown;
    case edImagePickerDropDown:
      return FImagePickerDropDown;
    case edZadGridDropDown:
      return FZadGridDropDown;
    default:
      return nullptr;
  }
}

TColor TZadIrururOziz::Editor_Cell_Color(int RCol, int ARow) {
  const QPoint base = BaseCell(RCol, ARow);
  if (TCellGraphic* graphic = GetCellGraphic(base.x(), base.y()); graphic && graphic->CellType == ctShape)
    return TColor(graphic->CellIndex);
  return Colors(RCol, ARow);
}

void TZadIrururOziz::Set_Editor_Cell_Color(int RCol, int ARow, TColor Value) {
  const QPoint base = BaseCell(RCol, ARow);
  if (TCellGraphic* graphic = GetCellGraphic(base.x(), base.y()); graphic && graphic->CellType == ctShape) {
    graphic->CellIndex = int(Value);
    RepaintCell(DisplColIndex(base.x()), base.y());
    return;
  }
  SetColors(RCol, ARow, Value);
}

void TZadIrururOziz::Setup_Drop_Down(TZadCustomDropDown* Control) {
  Control->SetDropDownFooter(FControlLook.DropDownFooter());
  Control->SetDropDownHeader(FControlLook.DropDownHeader());
  Control->SetComponentStyle(ComponentStyle());
  Control->OnDropDownHeaderButtonClick = [this](TZadCustomDropDown*, int Index) {
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
  };
  Control->OnDropDownFooterButtonClick = [this](TZadCustomDropDown*, int Index) {
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Index);
  };
}

void TZadIrururOziz::Open_Drop_Down(TEditorType Type, int ACol, int RCol, int ARow, const TRect& R, TColor C,
                                    const QString& T) {
  (void)ACol;
  TZadCustomDropDown* control = nullptr;
  switch (Type) {
    case edTrackbarDropDown:
      control = TrackbarDropDown();
      break;
    case edMemoDropDown:
      control = MemoDropDown();
      break;
    case edCalculatorDropDown:
      control = CalculatorDropDown();
      break;
    case edTimePickerDropDown:
      control = TimePickerDropDown();
      break;
    case edDetailDropDown:
      control = DetailPickerDropDown();
      break;
    case edGridDropDown:
      control = GridDropDown();
      break;
    case edColorPickerDropDown:
      control = ColorPickerDropDown();
      break;
    case edImagePickerDropDown:
      control = ImagePickerDropDown();
      break;
    case edZadGridDropDown:
      control = ZadGridDropDown();
      break;
    default:
      return;
  }
  if (!control) return;
  FEditMode = true;
  Setup_Drop_Down(control);
  auto paint = [&] {
    if (C == clNone) return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, To_QColor(C));
    control->setPalette(palette);
  };
  if (Type == edGridDropDown || Type == edZadGridDropDown) {
    paint();
    control->SetEditorEnabled(true);
  }
  DoGetEditorProp(RCol, ARow, EditLink());
  control->setEnabled(true);
  control->setFrame(false);
  control->setGeometry(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1);
  switch (Type) {
    case edTrackbarDropDown:
      TrackbarDropDown()->SetPosition(T.trimmed().toInt());
      // The edit shows the position the track bar took.
      control->SetText(QString::number(TrackbarDropDown()->Position()));
      break;
    case edMemoDropDown:
    case edCalculatorDropDown:
      control->SetText(T);
      break;
    case edTimePickerDropDown:
    case edDetailDropDown:
      control->SetText(T);
      control->SetEditorEnabled(true);
      break;
    case edGridDropDown: {
      TGridGridDropDown* grid = GridDropDown();
      grid->BeginUpdate();
      grid->EndUpdate();
      grid->SetItemIndex(T.isEmpty() ? 0 : grid->GetItemIndex(T));
      grid->SetText(T);
      break;
    }
    case edZadGridDropDown:
      Zad_Grid_Drop_Down_Maker().Open(control, T);
      break;
    case edColorPickerDropDown:
      ColorPickerDropDown()->SetSelectedColor(Editor_Cell_Color(RCol, ARow));
      break;
    case edImagePickerDropDown: {
      TGridImageDropDown* picker = ImagePickerDropDown();
      const QPoint base = BaseCell(RCol, ARow);
      TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
      const TCellType kind = graphic ? graphic->CellType : ctNone;
      if (kind == ctImageList || kind == ctDataImage) {
        FPickerImages.clear();
        if (GridImages()) FPickerImages.assign(GridImages()->begin(), GridImages()->end());
        picker->SetImages(&FPickerImages);
        if (picker->Items().Count() == 0) picker->AddImagesFromImageList();
        int index = -1;
        if (kind == ctImageList) {
          index = graphic->CellIndex;
        } else {
          // A data-image cell whose text is no number opens with nothing
          // chosen.
          bool ok = false;
          const int value = GetCellEx(base.x(), base.y()).trimmed().toInt(&ok);
          index = ok ? value : -1;
        }
        picker->SetImageIndex(index);
      }
      const int item = picker->ItemIndex();
      picker->SetText(item >= 0 ? picker->Items().Items(item)->Caption() : QString());
      break;
    }
    default:
      break;
  }
  paint();
  control->show();
  control->setFocus();
  control->SelectAll();
  if (Type == edDetailDropDown) {
    TGridDetailPickerDropDown* detail = DetailPickerDropDown();
    const int index = detail->Items().IndexOf(detail->Text());
    if (index >= 0) detail->SetItemIndex(index);
  }
  Post_Start_Char(control);
  if (FMouseActions->DirectComboDrop()) control->ShowDropDown();
  if (Type == edMemoDropDown) control->setSelection(0, 0);
  FEditCtrl = control;
}

void TZadIrururOziz::Store_Drop_Down(int RCol, int ARow) {
  TZadCustomDropDown* control = Drop_Down_Of(EditControl);
  if (!control) return;
  if (FEditMode && !FEscaped) {
    FEditMode = false;
    switch (EditControl) {
      case edMemoDropDown:
        WriteEditedCell(RCol, ARow, FMemoDropDown->MemoText().join(QStringLiteral("\r\n")));
        break;
      case edColorPickerDropDown: {
        TColor color = FColorPickerDropDown->SelectedColor();
        QString value = FColorPickerDropDown->SelectedColorText();
        if (OnColorSelected) OnColorSelected(this, RCol, ARow, color, value);
        WriteEditedCell(RCol, ARow, value);
        Set_Editor_Cell_Color(RCol, ARow, color);
        break;
      }
      case edImagePickerDropDown: {
        int index = FImagePickerDropDown->ImageIndex();
        if (OnImageSelected) OnImageSelected(this, RCol, ARow, index);
        const QPoint base = BaseCell(RCol, ARow);
        TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
        if (graphic && graphic->CellType == ctImageList)
          SetImageIdx(RCol, ARow, index);
        else if (graphic && graphic->CellType == ctDataImage)
          WriteEditedCell(RCol, ARow, QString::number(index));
        break;
      }
      default:
        WriteEditedCell(RCol, ARow, control->Text());
        break;
    }
  }
  FEditMode = false;
  if (control->DroppedDown()) control->HideDropDown(true);
  control->hide();
  control->setEnabled(false);
}
