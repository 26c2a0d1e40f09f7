#include "grid/dragdrop/enum_formats.h"

#include <QUrl>

#include "grid/dragdrop/drop_formats.h"

using namespace grid_dragdrop;

namespace {

QList<QUrl> Dropped_Urls(const QMimeData* data) {
  if (!data || !data->hasFormat(Uri_List_Mime)) return {};
  return data->urls();
}

}  // namespace

int TEnumFormats::Count() const { return FDataObject ? int(FDataObject->formats().size()) : 0; }

bool TEnumFormats::HasFormat(const QString& mimeType) const {
  return FDataObject && FDataObject->formats().contains(mimeType);
}

bool TEnumFormats::HasText() const { return HasFormat(Text_Mime); }
bool TEnumFormats::HasRTF() const { return HasFormat(Rtf_Mime); }
bool TEnumFormats::HasCol() const { return HasFormat(Column_Mime); }
bool TEnumFormats::HasGridCells() const { return HasFormat(Cells_Mime); }

bool TEnumFormats::HasFile() const {
  for (const QUrl& url : Dropped_Urls(FDataObject))
    if (url.isLocalFile()) return true;
  return false;
}

bool TEnumFormats::HasURL() const {
  for (const QUrl& url : Dropped_Urls(FDataObject))
    if (url.isValid() && !url.isLocalFile()) return true;
  return false;
}

QString TEnumFormats::Text() const {
  if (!HasText()) return {};
  return QString::fromUtf8(FDataObject->data(Text_Mime));
}

QString TEnumFormats::RTF() const {
  if (!HasRTF()) return {};
  return QString::fromLatin1(FDataObject->data(Rtf_Mime));
}

int TEnumFormats::Col() const {
  int32_t column = -1;
  if (!HasCol() || !Decode_Column(FDataObject->data(Column_Mime), column)) return -1;
  return column;
}

bool TEnumFormats::Col_Valid() const {
  int32_t column = -1;
  return !HasCol() || Decode_Column(FDataObject->data(Column_Mime), column);
}

std::optional<QByteArray> TEnumFormats::Stream() const {
  QByteArray stream;
  if (!HasGridCells() || !Decode_Cells(FDataObject->data(Cells_Mime), stream)) return std::nullopt;
  return stream;
}

QString TEnumFormats::URL() const {
  if (HasText()) return Text();
  for (const QUrl& url : Dropped_Urls(FDataObject))
    if (url.isValid() && !url.isLocalFile()) return url.toString();
  return {};
}

bool TEnumFormats::FileNames(QStringList& Files) const {
  Files.clear();
  for (const QUrl& url : Dropped_Urls(FDataObject))
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) Files << url.toLocalFile();
  return !Files.isEmpty();
}
