#pragma once
// The carriers of the grid's binary cell format and what each holds, in the
// encoding of bin_carrier_stream.h. A stream is one TGridPropIO (the
// header), then per cell, rows top to bottom and columns left to right:
//
//   TGridCellIO      Col (Word), Row (Word), Cell (String), HasProp (Boolean)
//   TGridCellPropIO  only when HasProp: the cell's properties as
//                    "CellProperties.<name>" in the order of
//                    Write_Cell_Props, then HasGraphic (Boolean)
//   TGridGraphicIO   only when HasGraphic: the cell object's values as
//                    "CellGraphic.<name>" in the order of Write_Graphic
//   then by the cell type, only when HasGraphic:
//     ctBitmap, ctBitButton  TGridBMPIO      Bitmap (Bytes, PNG)
//     ctIcon                 TGridIconIO     Icon (Bytes, PNG)
//     ctRadio                TGridSLIO       Strings (Lines): the radio texts
//     ctImages               TGridSLIO       Strings (Lines): the image
//                                            indexes, one per line
//     ctPicture              TGridPicIO      Picture (Bytes, PNG)
//     ctFilePicture          TGridFilePicIO  Picture.Filename (String): the
//                                            file's name only
//
// The header TGridPropIO: ColCount, RowCount (Integer) of the rectangle,
// ColWidths, RowHeights (String: decimal pixel sizes joined by commas),
// FullGrid (Boolean), ID (Integer: the writing grid's identity).
//
// The readers check class names, property types and value ranges; a value
// the stream leaves out keeps what the caller put in (an empty text, 0, or
// the target cell's own property).
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "grid/binfmt/bin_carrier_stream.h"
#include "grid/core/cell_graphic.h"

class TCellProperties;

namespace grid_binfmt {

struct Grid_Header {
  int32_t ColCount = 0;
  int32_t RowCount = 0;
  QString ColWidths;
  QString RowHeights;
  bool FullGrid = false;
  int32_t ID = 0;
};

struct Cell_Record {
  uint16_t Col = 0;
  uint16_t Row = 0;
  QString Cell;
  bool HasProp = false;
};

// The values of a cell object the format carries.
struct Graphic_Values {
  TCellType CellType = ctNone;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int32_t CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  TCheckBoxState CellCheckBoxState = cbUnchecked;
  int32_t CellAngle = 0;
  double CellValue = 0;
  int32_t CellErrFrom = 0;
  int32_t CellErrLen = 0;
  QString CellText;
};

enum class Image_Carrier { Bitmap, Icon, Picture };

// The carrier that follows a cell object of this type (none: false).
bool Has_Payload_Carrier(TCellType Type);

void Write_Header(QByteArray& Out, const Grid_Header& Header);
void Write_Cell(QByteArray& Out, const Cell_Record& Cell);
// CellObject is written as its number and Control by its object name (left
// out when there is none); OwnerCol and OwnerRow are not written.
void Write_Cell_Props(QByteArray& Out, const TCellProperties& Props, bool HasGraphic);
void Write_Graphic(QByteArray& Out, const Graphic_Values& Values);
void Write_Image(QByteArray& Out, Image_Carrier Kind, const QImage& Image);
void Write_Lines(QByteArray& Out, const QStringList& Lines);
void Write_File_Picture(QByteArray& Out, const QString& FileName);

Grid_Header Read_Header(Carrier_Reader& In);
Cell_Record Read_Cell(Carrier_Reader& In);
// Reads the properties over Props and answers HasGraphic. CellObject and
// Control from a stream name objects of another grid or process: they are
// checked and dropped, Props keeps its own.
bool Read_Cell_Props(Carrier_Reader& In, TCellProperties& Props);
void Read_Graphic(Carrier_Reader& In, Graphic_Values& Values);
// Empty image data reads as a null image; data that is not a PNG image
// raises Bin_Stream_Error.
QImage Read_Image(Carrier_Reader& In, Image_Carrier Kind);
QStringList Read_Lines(Carrier_Reader& In);
QString Read_File_Picture(Carrier_Reader& In);

}  // namespace grid_binfmt
