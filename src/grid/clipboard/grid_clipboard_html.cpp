// The grid's HTML export on the clipboard: as "text/html" in UTF-8, the
// form other desktop programs read (no Windows fragment header), and the
// same text as plain text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_html_export.h"

void TZadIrururOziz::CopyToClipBoardAsHTML() {
  const QString html = SaveToHTMLString(*this, QString());
  auto* data = new QMimeData;
  data->setHtml(html);
  data->setText(html);
  QGuiApplication::clipboard()->setMimeData(data);
}
