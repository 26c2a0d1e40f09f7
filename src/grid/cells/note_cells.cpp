// Note cells of TZadIrururOziz: comments (the red corner mark and a text the
// hint shows), balloons (a title and text the balloon hints show, on their
// own or attached to a check box or radio button) and text markers (the red
// zigzag under part of a cell's text).
#include "grid/core/zad_irurur_oziz.h"

namespace {

void Attach_Balloon(TCellGraphic& graphic, const QString& title, const QString& text, TBalloonIcon icon) {
  graphic.Release_Payload();
  graphic.CellBitmap = new QStringList{title, text};
  graphic.Bitmap_Deleter = [](void* list) { delete static_cast<QStringList*>(list); };
  graphic.CellIndex = icon;
}

// CellAngle tells the painter whether the mark takes the comment's own
// colour (CellIndex) or the grid's comment colour.
void Fill_Comment(TCellGraphic& comment, const QString& text, TColor colour, bool own_colour) {
  comment.CellType = ctComment;
  comment.CellHAlign = haLeft;
  comment.CellVAlign = vaTop;
  comment.CellText = text;
  comment.CellIndex = int(colour);
  comment.CellAngle = own_colour ? 1 : 0;
}

bool Carries_Balloon(const TCellGraphic& graphic) {
  switch (graphic.CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      return graphic.CellAngle == 1 && graphic.CellBitmap;
    case ctBalloon:
      return graphic.CellBitmap != nullptr;
    default:
      return false;
  }
}

}  // namespace

// ---- comments

void TZadIrururOziz::AddComment(int ACol, int ARow, const QString& Comment) {
  // The mark follows ControlLook.CommentColor rather than a colour of its own.
  Fill_Comment(*CreateCellGraphic(ACol, ARow), Comment, FControlLook.CommentColor(), false);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color) {
  Fill_Comment(*CreateCellGraphic(ACol, ARow), Comment, Color, true);
  RepaintCell(DisplColIndex(ACol), ARow);
}

bool TZadIrururOziz::IsComment(int ACol, int ARow, QString& comment) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctComment) return false;
  comment = graphic->CellText;
  return true;
}

QString TZadIrururOziz::GetComment(int ACol, int ARow) {
  QString comment;
  IsComment(ACol, ARow, comment);
  return comment;
}

void TZadIrururOziz::SetComment(int ACol, int ARow, const QString& Value) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) {
    AddComment(ACol, ARow, Value);
  } else if (graphic->CellType == ctComment) {
    graphic->CellText = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
  }
}

void TZadIrururOziz::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TZadIrururOziz::RemoveAllComments() {
  for (const QPoint& cell : Store().Cells_With_Properties(ColCount(), RowCount())) RemoveComment(cell.x(), cell.y());
}

// ---- balloons

void TZadIrururOziz::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic) {
    const TCellType kind = graphic->CellType;
    // The shared check boxes of column 0 and of data columns are no cell's own.
    if (graphic != GetGraphicObjectEx(ACol, ARow)) return;
    if (kind != ctCheckBox && kind != ctDataCheckBox && kind != ctRadioButton) return;
    Attach_Balloon(*graphic, Title, Text, Icon);
    graphic->CellAngle = 1;
    return;
  }
  graphic = CreateCellGraphic(ACol, ARow);
  graphic->CellType = ctBalloon;
  graphic->CellAngle = 0;
  Attach_Balloon(*graphic, Title, Text, Icon);
}

void TZadIrururOziz::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return;
  if (graphic->CellType == ctBalloon) {
    RemoveCellGraphic(ACol, ARow);
  } else if (Carries_Balloon(*graphic) && graphic == GetGraphicObjectEx(ACol, ARow)) {
    graphic->Release_Payload();
    graphic->CellAngle = 0;
  }
}

bool TZadIrururOziz::HasBalloon(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctBalloon}); }

bool TZadIrururOziz::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || !Carries_Balloon(*graphic)) return false;
  const auto& list = *static_cast<const QStringList*>(graphic->CellBitmap);
  Title = list.value(0);
  Text = list.value(1);
  Icon = TBalloonIcon(graphic->CellIndex);
  return true;
}

// ---- markers

bool TZadIrururOziz::Keeps_Marker_Fields(TCellType Kind) {
  return Kind == ctProgress || Kind == ctXPProgress || Kind == ctScrollbar || Kind == ctNode;
}

void TZadIrururOziz::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic && (Keeps_Marker_Fields(graphic->CellType) || graphic != GetGraphicObjectEx(ACol, ARow))) return;
  if (!graphic) {
    graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctEmpty;
  }
  graphic->CellErrFrom = ErrPos;
  graphic->CellErrLen = ErrLen;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || Keeps_Marker_Fields(graphic->CellType) || graphic != GetGraphicObjectEx(ACol, ARow)) return;
  if (graphic->CellType == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  if (graphic->CellErrFrom == 0 && graphic->CellErrLen == 0) return;
  graphic->CellErrFrom = 0;
  graphic->CellErrLen = 0;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveAllMarkers() {
  for (const QPoint& cell : Store().Cells_With_Properties(ColCount(), RowCount())) RemoveMarker(cell.x(), cell.y());
}

void TZadIrururOziz::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  ErrPos = ErrLen = 0;
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || Keeps_Marker_Fields(graphic->CellType)) return;
  ErrPos = graphic->CellErrFrom;
  ErrLen = graphic->CellErrLen;
}
