// Feeds arbitrary bytes as a picture file of the image picker's folder
// search. The first byte picks the format the file's extension would name
// (or none, leaving it to the content); a picture that reads must have a
// size, one that does not must come back null.
#include <QBuffer>
#include <cstdlib>

#include "dropdowns/imagepicker/image_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kFormats[] = {"", "png", "bmp", "jpg", "gif", "ico", "xpm", "ppm"};
  const QByteArray format(kFormats[data[0] % (sizeof kFormats / sizeof kFormats[0])]);
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  QBuffer device(&bytes);
  if (!device.open(QIODevice::ReadOnly)) std::abort();
  const QImage image = Load_Item_Picture(device, format);
  if (!image.isNull() && (image.width() < 1 || image.height() < 1)) std::abort();
  return 0;
}
