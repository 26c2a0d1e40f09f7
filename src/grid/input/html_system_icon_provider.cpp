#include "grid/input/html_system_icon_provider.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>

#include "grid/html/html_system_icons.h"

namespace {

QImage System_Icon(const QString& source, bool large) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return {};
  QStyle* style = QApplication::style();
  const int size = style->pixelMetric(large ? QStyle::PM_LargeIconSize : QStyle::PM_SmallIconSize);
  bool number = false;
  const int index = source.trimmed().toInt(&number);
  QIcon icon;
  if (number) {
    if (index >= 0 && unsigned(index) < unsigned(QStyle::SP_CustomBase))
      icon = style->standardIcon(QStyle::StandardPixmap(index));
  } else if (!source.isEmpty()) {
    static const QFileIconProvider provider;
    const QFileInfo info(source);
    icon = provider.icon(info);
    // A path that names nothing gets the icon of a plain file.
    if (icon.isNull() && !info.exists()) icon = style->standardIcon(QStyle::SP_FileIcon);
  }
  if (icon.isNull()) return {};
  QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
  if (image.isNull()) return {};
  // The list's icons all have its size.
  if (image.size() != QSize(size, size))
    image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

void InstallHtmlSystemIcons() {
  if (!HasHtmlSystemIconProvider()) SetHtmlSystemIconProvider(System_Icon);
}
