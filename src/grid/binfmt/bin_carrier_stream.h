#pragma once
// The byte encoding of one carrier of the grid's binary cell format: a small
// self-describing record naming its class and its properties, so a reader
// can check every record it meets against what it expects.
//
// One carrier:
//   4 bytes  signature "ZGC1" (the version of this encoding)
//   1 byte   n, length of the class name (1..255); n bytes, the class name
//            in ASCII ("TGridCellIO")
//   properties, in the carrier's order, each:
//     1 byte   m, length of the name (1..255); m bytes, the name in ASCII;
//              a nested object's property is "Object.Property"
//     1 byte   type tag, then the value:
//       1 Integer  4 bytes, signed, little-endian
//       2 Word     2 bytes, unsigned, little-endian
//       3 Boolean  1 byte, 0 or 1
//       4 Int64    8 bytes, signed, little-endian
//       5 Float    8 bytes, IEEE-754 double, little-endian
//       6 String   4-byte little-endian byte count, then that many UTF-8 bytes
//       7 Bytes    4-byte little-endian byte count, then the bytes
//       8 Lines    4-byte little-endian line count, then each line as the
//                  value of a String
//   1 byte   0, the end of the property list
//
// Carriers follow one another with nothing between them and nothing after
// the last. A string is left out when empty, a float when 0 and an object
// reference when unassigned; ordinal values are always written.
//
// Every count is checked against the bytes that remain: a damaged, cut or
// foreign stream raises Bin_Stream_Error and never reads past the data.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace grid_binfmt {

class Bin_Stream_Error : public std::runtime_error {
 public:
  explicit Bin_Stream_Error(const std::string& what) : std::runtime_error(what) {}
};

enum class Bin_Tag : uint8_t {
  Integer = 1,
  Word = 2,
  Boolean = 3,
  Int64 = 4,
  Float = 5,
  String = 6,
  Bytes = 7,
  Lines = 8
};

inline constexpr char Carrier_Signature[4] = {'Z', 'G', 'C', '1'};

// Appends carriers to a byte array.
class Carrier_Writer {
 public:
  explicit Carrier_Writer(QByteArray& Out) : out_(Out) {}

  void Begin(const char* ClassName);
  void Integer(const char* Name, int32_t Value);
  void Word(const char* Name, uint16_t Value);
  void Boolean(const char* Name, bool Value);
  void Int64(const char* Name, int64_t Value);
  // Left out when 0.
  void Float(const char* Name, double Value);
  // Left out when empty.
  void String(const char* Name, const QString& Value);
  void Bytes(const char* Name, const QByteArray& Value);
  void Lines(const char* Name, const QStringList& Value);
  void End();

 private:
  void Name(const char* Name, Bin_Tag Tag);
  void Count(qsizetype Value);
  void Utf8(const QString& Value);

  QByteArray& out_;
};

struct Bin_Property {
  QByteArray Name;
  Bin_Tag Tag = Bin_Tag::Integer;
  int64_t Int = 0;  // Integer, Word, Boolean, Int64
  double Float = 0;
  QString Text;
  QByteArray Data;
  QStringList Lines;
};

// One carrier as read: its class name and properties in stream order.
struct Carrier {
  QByteArray ClassName;
  std::vector<Bin_Property> Properties;
};

// Reads carriers from a byte array, starting at a position.
class Carrier_Reader {
 public:
  Carrier_Reader(const QByteArray& Data, qsizetype Position) : data_(Data), pos_(Position) {}

  qsizetype Position() const { return pos_; }
  qsizetype Remaining() const { return data_.size() - pos_; }
  // The next carrier, which must be of class ClassName; its properties must
  // be among Allowed (names) with the matching tags (same index). The
  // position moves past it only when it was read whole.
  Carrier Next(const char* ClassName, const std::vector<std::pair<const char*, Bin_Tag>>& Allowed);

 private:
  const QByteArray& data_;
  qsizetype pos_;
};

// The property of that name, or null when the stream left it out.
const Bin_Property* Find_Property(const Carrier& C, const char* Name);

}  // namespace grid_binfmt
