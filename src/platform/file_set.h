#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// Files that only make sense together, such as the device images of one
// compile, replaced as a set. Beside them a small stamp file names each
// member with its size and SHA-256, so a set whose replacement was cut short
// (a kill or a power cut between two renames) is recognised afterwards. The
// members themselves stay exactly as given.
//
// Stamp file, one line each:
//   file-set 1
//   <name> <size> <sha256 in hexadecimal>
namespace file_set {

struct Member {
  QString name;
  QByteArray bytes;
};

// Replaces the members in `folder`: every member and the new stamp go to
// temporary files first (temporary files a killed save left behind go
// first), then the stamp and the members are renamed over the old ones in
// the order given. `between_renames` (tests) runs after each rename but the
// last. Throws File_Write_Error naming the file; a failure before the renames
// changes nothing, and one among the renames puts the old files back as far
// as it can.
void Write(const QString& folder, const QString& stamp_name, const std::vector<Member>& members,
           const std::function<void()>& between_renames = {});

// Empty when the files the stamp names are those it was written with, or
// when `folder` holds no stamp (files from before stamps); otherwise the
// reason the set does not belong together.
QString Mismatch(const QString& folder, const QString& stamp_name);

}  // namespace file_set
