#pragma once
// The zip container of the open document formats, read and written through
// libzip. Reading is bounded: a package with too many entries, an entry
// that unpacks to more than its limit or a broken archive is refused as
// damaged, before anything reads its contents.
#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <utility>
#include <vector>

namespace grid_workbook {

// A workbook or document that cannot be read as one.
class Package_Damaged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr qint64 Max_Package_Bytes = 64LL << 20;
inline constexpr qint64 Max_Entry_Bytes = 64LL << 20;
inline constexpr qint64 Max_Unpacked_Bytes = 256LL << 20;
inline constexpr int Max_Entries = 4096;

// Every entry of a package in archive order, each unpacked in full.
using Package_Entries = std::vector<std::pair<QString, QByteArray>>;

// Unpacks the archive held in bytes; Package_Damaged when it is no zip
// archive or breaks a bound.
Package_Entries Read_Package(const QByteArray& bytes);
// The entry of that name (exact, then regardless of case), or null.
const QByteArray* Find_Entry(const Package_Entries& entries, const QString& name);
// Sets an entry's bytes, adding it at the end when it is new.
void Put_Entry(Package_Entries& entries, const QString& name, const QByteArray& bytes);
void Remove_Entry(Package_Entries& entries, const QString& name);
// The archive of the entries, deflated.
QByteArray Write_Package(const Package_Entries& entries);
// Replaces the file through a temporary file beside it; std::runtime_error
// naming the file and the reason when it cannot be written.
void Save_File(const QString& path, const QByteArray& bytes);

}  // namespace grid_workbook
