#pragma once
// The picture files of a folder that match a file mask, for the image
// picker. The mask takes * and ? as usual and, as file masks always have,
// "*.*" (or any mask ending in ".*") also matches names without a dot;
// letter case does not count. Only files are listed, sorted by name.
#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <QStringList>

struct Folder_Mask {
  // The folder part of Path (up to its last separator) and the mask after
  // it; a path without a separator is a mask in the current folder.
  QString Folder;
  QString Mask;
};
Folder_Mask Split_Folder_Mask(const QString& Path);

bool Matches_File_Mask(const QString& Name, const QString& Mask);

// The names (not paths) of the files in Folder that match Mask.
QStringList Files_Matching(const QString& Folder, const QString& Mask);

// The picture in the file, its format by the file's extension or its
// content; a null image when it cannot be read or would pass the image
// reader's memory limit.
QImage Load_Item_Picture(const QString& Path);
// The same from a device, Format naming the format ("png") or empty to let
// the content decide.
QImage Load_Item_Picture(QIODevice& Device, const QByteArray& Format);
