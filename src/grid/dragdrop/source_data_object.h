#pragma once
// TSourceDataObject: what a drag out of the grid offers. Its format list
// names text, rich text, then the column when one is dragged and the cell
// stream when one is given; what can be fetched is narrower: text and rich
// text only when the text is not empty (rich text only while rich-text
// dropping is enabled), the column and the cells only when held. A column
// drag thus lists the text formats but hands out only the column.
#include <QMimeData>
#include <optional>

class TSourceDataObject : public QMimeData {
  Q_OBJECT

 public:
  // sidx -1: no column; no cells without ms.
  TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, std::optional<QByteArray> ms);

  // Whether the format can be fetched now.
  bool QueryGetData(const QString& mimeType) const;
  // The bytes of a fetchable format, laid out as the format table says;
  // empty otherwise.
  QByteArray GetData(const QString& mimeType) const;

  QStringList formats() const override;
  bool hasFormat(const QString& mimeType) const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QString textdata;
  QString rtfdata;
  int scolidx;
  std::optional<QByteArray> memstr;
};
