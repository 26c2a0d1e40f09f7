#include "dropdowns/imagepicker/image_folder.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>

Folder_Mask Split_Folder_Mask(const QString& Path) {
  const qsizetype slash = std::max(Path.lastIndexOf(QLatin1Char('/')), Path.lastIndexOf(QLatin1Char('\\')));
  if (slash < 0) return {QStringLiteral("."), Path};
  return {slash == 0 ? QStringLiteral("/") : Path.left(slash), Path.mid(slash + 1)};
}

bool Matches_File_Mask(const QString& Name, const QString& Mask) {
  auto matches = [&](const QString& mask) {
    // A name holds no separator, so the path rules of the conversion do not
    // come into play.
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(mask),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(Name).hasMatch();
  };
  if (matches(Mask)) return true;
  // "name.*" stands for the name with any extension or none.
  return Mask.endsWith(QLatin1String(".*")) && !Name.contains(QLatin1Char('.')) && matches(Mask.chopped(2));
}

QStringList Files_Matching(const QString& Folder, const QString& Mask) {
  QStringList found;
  const QStringList names =
      QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names)
    if (Matches_File_Mask(name, Mask)) found << name;
  return found;
}

namespace {

QImage Read_Picture(QImageReader& Reader) {
  // The reader refuses pictures past its allocation limit instead of
  // taking the memory.
  QImage image;
  if (!Reader.read(&image)) return QImage();
  return image;
}

}  // namespace

QImage Load_Item_Picture(const QString& Path) {
  QImageReader reader(Path);
  return Read_Picture(reader);
}

QImage Load_Item_Picture(QIODevice& Device, const QByteArray& Format) {
  QImageReader reader(&Device, Format);
  return Read_Picture(reader);
}
