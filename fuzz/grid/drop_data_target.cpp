// Feeds arbitrary bytes to what a drop onto the grid reads: the input is cut
// into the blocks of the cell, column, text, rich-text and URI-list formats
// (a 0xFF byte ends a block) and dropped on a target. Whatever the bytes,
// the reader answers only what the layouts allow: a cell stream no longer
// than its block minus the head and of the head's count, a column only from
// exactly 4 bytes, and a refused block runs no hook.
#include <QMimeData>
#include <QtEndian>
#include <cstdlib>

#include "grid/dragdrop/drop_formats.h"
#include "grid/dragdrop/drop_target.h"
#include "grid/dragdrop/enum_formats.h"

namespace {

constexpr size_t kLargestInput = 8192;

class Counting_Target : public TZSGDropTarget {
 public:
  int hooks = 0;

 protected:
  void DropText(QPoint, const QString&) override { ++hooks; }
  void DropStream(QPoint, const QByteArray&) override { ++hooks; }
  void DropCol(QPoint, int) override { ++hooks; }
  void DropRTF(QPoint, const QString&) override { ++hooks; }
  void DropFiles(QPoint, const QStringList&) override { ++hooks; }
  void DropURL(QPoint, const QString&) override { ++hooks; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace grid_dragdrop;
  if (size > kLargestInput || size == 0) return 0;
  const QByteArray input(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
  const QList<QByteArray> blocks = input.split('\xff');
  const QString mimes[] = {Cells_Mime, Column_Mime, Text_Mime, Rtf_Mime, Uri_List_Mime};
  // The first byte chooses which formats the drop carries.
  QMimeData mime;
  for (int i = 0; i < 5 && i < blocks.size(); ++i)
    if (data[0] & (1u << i)) mime.setData(mimes[i], blocks[i]);
  SetRTFDropEnabled(data[0] & 0x20);

  const TEnumFormats reader(&mime);
  const QByteArray cells = mime.data(Cells_Mime);
  if (const auto stream = reader.Stream()) {
    if (cells.size() < 8 || stream->size() > cells.size() - 8) abort();
    if (stream->size() != qFromLittleEndian<int32_t>(cells.constData())) abort();
  }
  if (reader.HasCol() && reader.Col_Valid() != (mime.data(Column_Mime).size() == 4)) abort();
  QStringList files;
  reader.FileNames(files);
  (void)reader.Text();
  (void)reader.RTF();
  (void)reader.URL();

  Counting_Target target;
  target.SetAcceptCols(data[0] & 0x40);
  int effect = 0;
  target.DragEnter(&mime, {}, QPoint(1, 1), DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  target.Drop(&mime, {}, QPoint(1, 1), DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  const bool refused =
      (reader.HasCol() && !reader.Col_Valid()) || (!reader.HasCol() && reader.HasGridCells() && !reader.Stream());
  if (refused && (target.hooks != 0 || effect != DROPEFFECT_NONE)) abort();
  return 0;
}
