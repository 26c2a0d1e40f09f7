#pragma once
// TEnumFormats: reads whatever data a drop brings, from this program or
// another. Presence goes by the format list alone; the readers fetch and
// check the bytes: a column that is not exactly 4 bytes or a cell block whose
// count runs past its end reads as absent (Col_Valid / Stream).
#include <QMimeData>
#include <QStringList>
#include <optional>

class TEnumFormats {
 public:
  explicit TEnumFormats(const QMimeData* DataObject) : FDataObject(DataObject) {}

  const QMimeData* DataObject() const { return FDataObject; }
  int Count() const;

  bool HasFormat(const QString& mimeType) const;
  bool HasText() const;
  // Local file names in the dropped URI list.
  bool HasFile() const;
  bool HasRTF() const;
  bool HasCol() const;
  // URLs other than local files in the dropped URI list.
  bool HasURL() const;
  bool HasGridCells() const;

  QString Text() const;
  // Rich text is 7-bit by its own escapes; other bytes read as Latin-1.
  QString RTF() const;
  // The dragged column; -1 when absent or malformed.
  int Col() const;
  // Whether the column format, when present, is well formed.
  bool Col_Valid() const;
  // The cell stream (N bytes after the head); none when absent or malformed.
  std::optional<QByteArray> Stream() const;
  // The URL text: the dropped text, else the first URL that is no local file.
  QString URL() const;
  // Empties Files and fills it with the dropped local file names; whether
  // it holds any.
  bool FileNames(QStringList& Files) const;

 private:
  const QMimeData* FDataObject;
};
