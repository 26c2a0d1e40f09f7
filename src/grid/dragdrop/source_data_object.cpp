#include "grid/dragdrop/source_data_object.h"

#include "grid/dragdrop/drop_formats.h"

using namespace grid_dragdrop;

TSourceDataObject::TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, std::optional<QByteArray> ms)
    : textdata(stxt), rtfdata(srtf), scolidx(sidx), memstr(std::move(ms)) {}

bool TSourceDataObject::QueryGetData(const QString& mimeType) const {
  if (mimeType == Text_Mime) return !textdata.isEmpty();
  if (mimeType == Rtf_Mime) return !textdata.isEmpty() && RTFDropEnabled();
  if (mimeType == Cells_Mime) return memstr.has_value();
  if (mimeType == Column_Mime) return scolidx != -1;
  return false;
}

QByteArray TSourceDataObject::GetData(const QString& mimeType) const {
  if (!QueryGetData(mimeType)) return {};
  if (mimeType == Text_Mime) return textdata.toUtf8();
  // Rich text is 7-bit by its own escapes; other characters pass as Latin-1.
  if (mimeType == Rtf_Mime) return rtfdata.toLatin1();
  if (mimeType == Cells_Mime) return Encode_Cells(*memstr);
  return Encode_Column(scolidx);
}

QStringList TSourceDataObject::formats() const {
  QStringList list{Text_Mime, Rtf_Mime};
  if (scolidx != -1) list << Column_Mime;
  if (memstr) list << Cells_Mime;
  return list;
}

bool TSourceDataObject::hasFormat(const QString& mimeType) const { return formats().contains(mimeType); }

QVariant TSourceDataObject::retrieveData(const QString& mimeType, QMetaType type) const {
  if (!QueryGetData(mimeType)) return {};
  const QByteArray bytes = GetData(mimeType);
  if (mimeType == Text_Mime && type.id() == QMetaType::QString) return QString::fromUtf8(bytes);
  return bytes;
}
