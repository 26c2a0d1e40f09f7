// TZadIrururOziz's binary cell format: a cell rectangle with texts,
// properties and cell objects written to and read from streams and files
// (the carriers and their bytes are in bin_cell_carriers.h).
//
// Choices where the format leaves the grid open:
// - indexes are 16-bit: a rectangle reaching column or row 65536 is refused
//   before anything is written;
// - CellObject and Control in a stream belong to the writing grid or
//   process: they are dropped, the target cell keeps its own;
// - a block read at a point places only the cells that fall inside the grid
//   (the paste grows the grid first where its options allow); a full grid
//   grows to take every cell, so it also fits when read at another point or
//   when it was written without its fixed cells;
// - a full-grid header is checked whole (counts, every width and height)
//   before the grid is cleared;
// - a file picture whose name is a device or pipe comes without its name.
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "grid/binfmt/bin_cell_carriers.h"
#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/store/file_picture.h"
#include "grid/store/int_list.h"

using namespace grid_binfmt;

namespace {

constexpr int Max_Index = 65535;

// The widths or heights list of a full-grid header: at least count strict
// decimal sizes.
std::vector<int> Size_List(const QString& text, int count, const char* what) {
  const QStringList parts = text.split(u',');
  if (parts.size() < count)
    throw VAzaZeriVader(QStringLiteral("List index out of bounds: %1 holds %2 entries for %3")
                            .arg(QLatin1String(what))
                            .arg(text.isEmpty() ? 0 : parts.size())
                            .arg(count)
                            .toStdString());
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,7}$"));
  std::vector<int> sizes;
  sizes.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    if (!digits.match(parts[i]).hasMatch())
      throw VAzaZeriVader(
          QStringLiteral("'%1' is not a valid integer value in %2").arg(parts[i], QLatin1String(what)).toStdString());
    sizes.push_back(parts[i].toInt());
  }
  return sizes;
}

bool Carries_Object(const TCellGraphic& g) {
  if (g.CellType == ctEmpty) return false;
  return Has_Payload_Carrier(g.CellType) ? g.CellCreated : true;
}

Graphic_Values Values_Of(const TCellGraphic& g) {
  Graphic_Values v;
  v.CellType = g.CellType;
  v.CellVAlign = g.CellVAlign;
  v.CellHAlign = g.CellHAlign;
  v.CellIndex = g.CellIndex;
  v.CellTransparent = g.CellTransparent;
  v.CellCreated = g.CellCreated;
  v.CellBoolean = g.CellBoolean;
  v.CellCheckBoxState = g.CellCheckBoxState;
  v.CellAngle = g.CellAngle;
  v.CellValue = g.CellValue;
  v.CellErrFrom = g.CellErrFrom;
  v.CellErrLen = g.CellErrLen;
  v.CellText = g.CellText;
  return v;
}

void Write_Payload(QByteArray& out, const TCellGraphic& g) {
  switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon: {
      const auto* image = static_cast<const QImage*>(g.CellBitmap);
      Write_Image(out, g.CellType == ctIcon ? Image_Carrier::Icon : Image_Carrier::Bitmap, image ? *image : QImage());
      break;
    }
    case ctPicture: {
      const auto* picture = dynamic_cast<const TPicture*>(static_cast<const TCellPicture*>(g.CellBitmap));
      Write_Image(out, Image_Carrier::Picture, picture ? picture->Graphic() : QImage());
      break;
    }
    case ctFilePicture: {
      const auto* picture = static_cast<const TFilePicture*>(g.CellBitmap);
      Write_File_Picture(out, picture ? picture->Filename() : QString());
      break;
    }
    case ctRadio: {
      const auto* lines = static_cast<const QStringList*>(g.CellBitmap);
      Write_Lines(out, lines ? *lines : QStringList());
      break;
    }
    case ctImages: {
      const auto* list = static_cast<const TIntList*>(g.CellBitmap);
      QStringList lines;
      for (int i = 0; list && i < list->Count(); ++i) lines << QString::number(list->GetInteger(i));
      Write_Lines(out, lines);
      break;
    }
    default:
      break;
  }
}

template <typename T>
void Give(TCellGraphic& g, T* payload) {
  g.CellBitmap = payload;
  g.CellCreated = true;
  g.Bitmap_Deleter = [](void* p) { delete static_cast<T*>(p); };
}

}  // namespace

int TZadIrururOziz::BinStreamID() const {
  // Drawn once per grid, never 0, so a paste can tell its own grid's blocks.
  if (FBinStreamID == 0) FBinStreamID = int32_t(QRandomGenerator::global()->bounded(1u, 0x7FFFFFFFu));
  return FBinStreamID;
}

void TZadIrururOziz::SaveRectToBinStream(const TGridRect& Rect, QByteArray& Stream) {
  const TGridRect r{std::min(Rect.Left, Rect.Right), std::min(Rect.Top, Rect.Bottom), std::max(Rect.Left, Rect.Right),
                    std::max(Rect.Top, Rect.Bottom)};
  if (r.Left < 0 || r.Top < 0)
    throw VAzaZeriVader(QStringLiteral("Invalid cell rectangle %1,%2").arg(r.Left).arg(r.Top).toStdString());
  if (r.Right > Max_Index || r.Bottom > Max_Index)
    throw VAzaZeriVader(QStringLiteral("Cell %1,%2 lies beyond the binary cell format's limit of %3")
                            .arg(r.Right)
                            .arg(r.Bottom)
                            .arg(Max_Index)
                            .toStdString());
  QByteArray out;
  Grid_Header header;
  header.ColCount = r.Right - r.Left + 1;
  header.RowCount = r.Bottom - r.Top + 1;
  QStringList widths, heights;
  for (int c = r.Left; c <= r.Right; ++c) widths << QString::number(ColWidths(c));
  for (int row = r.Top; row <= r.Bottom; ++row) heights << QString::number(RowHeights(row));
  header.ColWidths = widths.join(u',');
  header.RowHeights = heights.join(u',');
  header.FullGrid = SaveFixedCells()
                        ? header.ColCount == ColCount() && header.RowCount == RowCount()
                        : header.ColCount == ColCount() - FixedCols() && header.RowCount == RowCount() - FixedRows();
  header.ID = BinStreamID();
  Write_Header(out, header);

  grid_files::Progress progress(*this);
  ExportNotification(esExportStart, r.Top);
  for (int row = r.Top; row <= r.Bottom; ++row) {
    ExportNotification(esExportNextRow, row);
    for (int c = r.Left; c <= r.Right; ++c) {
      Cell_Record cell;
      cell.Col = uint16_t(c);
      cell.Row = uint16_t(row);
      cell.Cell = GetCellEx(c, row);
      cell.HasProp = HasCellProperties(c, row);
      Write_Cell(out, cell);
      if (!cell.HasProp) continue;
      const TCellProperties* props = GetCellProperties(c, row);
      const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
      const bool has_graphic = graphic && Carries_Object(*graphic);
      Write_Cell_Props(out, *props, has_graphic);
      if (!has_graphic) continue;
      Write_Graphic(out, Values_Of(*graphic));
      Write_Payload(out, *graphic);
    }
    progress.Report(row - r.Top, r.Bottom - r.Top);
  }
  ExportNotification(esExportDone, -1);
  Stream.append(out);
}

void TZadIrururOziz::SaveToBinStream(QIODevice& Stream) {
  QByteArray bytes;
  SaveRectToBinStream(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, bytes);
  if (Stream.write(bytes) != bytes.size())
    throw VAzaZeriVader(QStringLiteral("Stream write error: %1").arg(Stream.errorString()).toStdString());
}

void TZadIrururOziz::SaveToBinFile(const QString& FileName) {
  QByteArray bytes;
  SaveRectToBinStream(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, bytes);
  grid_files::Write_File(FileName, bytes);
}

qsizetype TZadIrururOziz::LoadAtPointFromBinStream(QPoint Point, const QByteArray& Stream, qsizetype Position) {
  Carrier_Reader in(Stream, std::clamp<qsizetype>(Position, 0, Stream.size()));
  try {
    const Grid_Header header = Read_Header(in);
    if (header.FullGrid) {
      // Everything of the header is checked before the grid is cleared.
      if (header.ColCount < 1 || header.RowCount < 1 || header.ColCount > Max_Index + 1 ||
          header.RowCount > Max_Index + 1)
        throw VAzaZeriVader(QStringLiteral("Invalid grid size %1,%2 in stream")
                                .arg(header.ColCount)
                                .arg(header.RowCount)
                                .toStdString());
      const std::vector<int> widths = Size_List(header.ColWidths, header.ColCount, "ColWidths");
      const std::vector<int> heights = Size_List(header.RowHeights, header.RowCount, "RowHeights");
      Clear();
      SetRowCount(header.RowCount);
      SetColCount(header.ColCount);
      for (int c = 0; c < header.ColCount; ++c) SetColWidths(c, widths[size_t(c)]);
      for (int r = 0; r < header.RowCount; ++r) SetRowHeights(r, heights[size_t(r)]);
    }
    grid_files::Progress progress(*this);
    // The first cell's indexes: the block's origin, and for a full grid the
    // start of the range its cells keep to.
    int first_col = 0, first_row = 0, last_row = -1;
    bool first = true;
    while (in.Remaining() >= 2) {
      const Cell_Record cell = Read_Cell(in);
      if (first) {
        first_col = cell.Col;
        first_row = cell.Row;
        first = false;
      }
      const long long col = (long long)cell.Col + Point.x() - (header.FullGrid ? 0 : first_col);
      const long long row = (long long)cell.Row + Point.y() - (header.FullGrid ? 0 : first_row);
      bool inside = col >= 0 && row >= 0;
      // A full grid grows for its own cells only, never for a cell outside
      // the counts its header gives.
      if (inside && header.FullGrid && cell.Col >= first_col && cell.Col - first_col < header.ColCount &&
          cell.Row >= first_row && cell.Row - first_row < header.RowCount) {
        if (col >= ColCount()) SetColCount(int(col + 1));
        if (row >= RowCount()) SetRowCount(int(row + 1));
      }
      inside = inside && col < ColCount() && row < RowCount();
      const int c = int(col), r = int(row);
      if (inside) SetCellEx(c, r, cell.Cell);
      if (row != last_row) {
        last_row = int(row);
        progress.Report(row, RowCount());
      }
      if (!cell.HasProp) continue;
      TCellProperties* target = inside ? GetCellProperties(c, r) : nullptr;
      TCellProperties props(nullptr, c, r);
      if (target) props.Assign(*target);
      if (target) props.SetGradientDirection(target->GradientDirection());
      const bool has_graphic = Read_Cell_Props(in, props);
      if (target) {
        // A covered cell whose base would lie left of or above the grid (a
        // block cut inside a merge, placed at the edge) stands on its own.
        if (!props.IsBaseCell() && props.CellSpanX() >= 0 && props.CellSpanY() >= 0 &&
            (props.CellSpanX() > c || props.CellSpanY() > r)) {
          props.SetIsBaseCell(true);
          props.SetCellSpanX(-1);
          props.SetCellSpanY(-1);
        }
        props.SetOwnerCol(c);
        props.SetOwnerRow(r);
        target->Assign(props);
        target->SetGradientDirection(props.GradientDirection());
        RepaintCell(DisplColIndex(c), r);
      }
      if (!has_graphic) continue;
      Graphic_Values values;
      Read_Graphic(in, values);
      // The carriers after the values are read whole before the cell
      // changes: a cut stream leaves the cell's old object.
      QImage image;
      QStringList lines;
      QString file_name;
      switch (values.CellType) {
        case ctBitmap:
        case ctBitButton:
          image = Read_Image(in, Image_Carrier::Bitmap);
          break;
        case ctIcon:
          image = Read_Image(in, Image_Carrier::Icon);
          break;
        case ctPicture:
          image = Read_Image(in, Image_Carrier::Picture);
          break;
        case ctRadio:
        case ctImages:
          lines = Read_Lines(in);
          break;
        case ctFilePicture:
          file_name = Read_File_Picture(in);
          break;
        default:
          break;
      }
      if (!target) continue;
      auto list = std::make_unique<TIntList>(c, r);
      if (values.CellType == ctImages) {
        try {
          list->SetStrValue(lines.join(u','));
        } catch (const std::exception&) {
          throw VAzaZeriVader("Stream read error in TGridSLIO: an image index is not a number");
        }
        list->OnChange = [this](TIntList*, int lc, int lr) { RepaintCell(DisplColIndex(lc), lr); };
      }
      TCellGraphic* g = CreateCellGraphic(c, r);
      g->CellType = values.CellType;
      g->CellVAlign = values.CellVAlign;
      g->CellHAlign = values.CellHAlign;
      g->CellIndex = values.CellIndex;
      g->CellTransparent = values.CellTransparent;
      g->CellCreated = values.CellCreated;
      g->CellBoolean = values.CellBoolean;
      g->CellCheckBoxState = values.CellCheckBoxState;
      g->CellAngle = values.CellAngle;
      g->CellValue = values.CellValue;
      g->CellErrFrom = values.CellErrFrom;
      g->CellErrLen = values.CellErrLen;
      g->CellText = values.CellText;
      switch (values.CellType) {
        case ctBitmap:
        case ctBitButton:
        case ctIcon:
          Give(*g, new QImage(image));
          break;
        case ctPicture:
          Give(*g, static_cast<TCellPicture*>(new TPicture(image)));
          break;
        case ctRadio:
          Give(*g, new QStringList(lines));
          break;
        case ctImages:
          Give(*g, list.release());
          break;
        case ctFilePicture: {
          auto* picture = new TFilePicture();
          // The picture is read from its file at every draw: a name from
          // another program that is a device or pipe (which could block the
          // read) is not taken. Any other name is kept, also when its file
          // cannot be read here.
          const QFileInfo info(file_name);
          if (!file_name.isEmpty() && (info.isFile() || !info.exists())) {
            try {
              picture->SetFilename(file_name);
            } catch (const std::exception&) {
            }
          }
          Give(*g, picture);
          break;
        }
        default:
          // The rest carry no object of their own in the stream.
          break;
      }
      RepaintCell(DisplColIndex(c), r);
    }
  } catch (const Bin_Stream_Error& e) {
    grid_files::Cells_Loaded(*this);
    throw VAzaZeriVader(e.what());
  } catch (const VAzaZeriVader&) {
    grid_files::Cells_Loaded(*this);
    throw;
  }
  grid_files::Cells_Loaded(*this);
  return in.Position();
}

void TZadIrururOziz::LoadAtPointFromBinStream(QPoint Point, QIODevice& Stream) {
  const qint64 start = Stream.pos();
  const QByteArray bytes = Stream.readAll();
  qsizetype end = bytes.size();
  try {
    end = LoadAtPointFromBinStream(Point, bytes, 0);
  } catch (...) {
    Stream.seek(start);
    throw;
  }
  if (Stream.isSequential()) return;
  Stream.seek(start + end);
}

void TZadIrururOziz::LoadFromBinStream(QIODevice& Stream) {
  try {
    LoadAtPointFromBinStream(QPoint(0, 0), Stream);
  } catch (...) {
    Recount_Bin_Nodes();
    throw;
  }
  Recount_Bin_Nodes();
}

void TZadIrururOziz::LoadFromBinFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw VAzaZeriVader(QStringLiteral("Cannot open file %1").arg(FileName).toStdString());
  LoadFromBinStream(file);
}

void TZadIrururOziz::Recount_Bin_Nodes() {
  int nodes = 0;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (GetCellType(0, r) == ctNode) ++nodes;
  FNumNodes = nodes;
  if (nodes > 0) RepaintCol(0);
}
