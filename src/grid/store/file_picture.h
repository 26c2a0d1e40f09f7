#pragma once
// A picture referenced by file name: the file is read when the name is set
// (for its size) and again at every draw; nothing is cached.
#include <QString>

#include "controls/trect.h"

class QPainter;

class TFilePicture {
 public:
  QString Filename() const { return FFilename; }
  // Throws std::runtime_error naming the file when it cannot be read as a
  // picture; the name is stored all the same.
  void SetFilename(const QString& name);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void Assign(const TFilePicture& Source);
  // Stretches the picture over r; nothing when no file is named. Throws as
  // SetFilename when the file cannot be read.
  void DrawPicture(QPainter& Canvas, const TRect& r) const;

 private:
  QString FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
