#include "grid/dragdrop/drop_formats.h"

#include <QtEndian>
#include <atomic>

namespace grid_dragdrop {

namespace {
constexpr qsizetype kCellsHead = 8;
}

QByteArray Encode_Column(int32_t column) {
  QByteArray block(4, '\0');
  qToLittleEndian<int32_t>(column, block.data());
  return block;
}

bool Decode_Column(const QByteArray& block, int32_t& column) {
  if (block.size() != 4) return false;
  column = qFromLittleEndian<int32_t>(block.constData());
  return true;
}

QByteArray Encode_Cells(const QByteArray& stream) {
  QByteArray block(kCellsHead, '\0');
  qToLittleEndian<int32_t>(int32_t(stream.size()), block.data());
  block.append(stream);
  return block;
}

bool Decode_Cells(const QByteArray& block, QByteArray& stream) {
  if (block.size() < kCellsHead) return false;
  const int32_t count = qFromLittleEndian<int32_t>(block.constData());
  if (count < 0 || count > block.size() - kCellsHead) return false;
  stream = block.mid(kCellsHead, count);
  return true;
}

}  // namespace grid_dragdrop

namespace {
std::atomic<bool> rtf_drop_enabled{false};
}

void SetRTFDropEnabled(bool Value) { rtf_drop_enabled = Value; }
bool RTFDropEnabled() { return rtf_drop_enabled; }
