#include "grid/binfmt/bin_carrier_stream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace grid_binfmt {

namespace {

template <typename T>
void Put_LE(QByteArray& out, T value) {
  using U = std::make_unsigned_t<T>;
  const U bits = U(value);
  for (size_t i = 0; i < sizeof(T); ++i) out.append(char((bits >> (8 * i)) & 0xFF));
}

[[noreturn]] void Fail(const QByteArray& class_name, const std::string& why) {
  std::string text = "Stream read error";
  if (!class_name.isEmpty()) text += " in " + class_name.toStdString();
  throw Bin_Stream_Error(text + ": " + why);
}

// Bounds-checked reading of the little-endian values of one carrier.
class Cursor {
 public:
  Cursor(const QByteArray& data, qsizetype pos) : data_(data), pos_(pos) {}

  qsizetype Pos() const { return pos_; }
  qsizetype Left() const { return data_.size() - pos_; }

  const char* Take(qsizetype n) {
    if (n < 0 || n > Left()) Fail(class_name, "unexpected end of data");
    const char* p = data_.constData() + pos_;
    pos_ += n;
    return p;
  }
  uint64_t Unsigned(int bytes) {
    const auto* p = reinterpret_cast<const uchar*>(Take(bytes));
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
  }
  // A 4-byte count of items of at least min_size bytes each, checked
  // against the bytes left.
  qsizetype Count(qsizetype min_size) {
    const uint64_t n = Unsigned(4);
    if (n > uint64_t(Left()) / uint64_t(min_size)) Fail(class_name, "count beyond the end of data");
    return qsizetype(n);
  }
  QString Utf8() {
    const qsizetype n = Count(1);
    return QString::fromUtf8(Take(n), n);
  }
  QByteArray Short_Name() {
    const qsizetype n = uchar(*Take(1));
    return QByteArray(Take(n), n);
  }

  QByteArray class_name;

 private:
  const QByteArray& data_;
  qsizetype pos_;
};

}  // namespace

void Carrier_Writer::Begin(const char* ClassName) {
  out_.append(Carrier_Signature, 4);
  const qsizetype n = qsizetype(std::strlen(ClassName));
  out_.append(char(n));
  out_.append(ClassName, n);
}

void Carrier_Writer::Name(const char* Name, Bin_Tag Tag) {
  const qsizetype n = qsizetype(std::strlen(Name));
  out_.append(char(n));
  out_.append(Name, n);
  out_.append(char(Tag));
}

void Carrier_Writer::Count(qsizetype Value) {
  if (Value > qsizetype(UINT32_MAX)) throw Bin_Stream_Error("Stream write error: value too large");
  Put_LE(out_, uint32_t(Value));
}

void Carrier_Writer::Utf8(const QString& Value) {
  const QByteArray bytes = Value.toUtf8();
  Count(bytes.size());
  out_.append(bytes);
}

void Carrier_Writer::Integer(const char* N, int32_t Value) {
  Name(N, Bin_Tag::Integer);
  Put_LE(out_, Value);
}

void Carrier_Writer::Word(const char* N, uint16_t Value) {
  Name(N, Bin_Tag::Word);
  Put_LE(out_, Value);
}

void Carrier_Writer::Boolean(const char* N, bool Value) {
  Name(N, Bin_Tag::Boolean);
  out_.append(char(Value ? 1 : 0));
}

void Carrier_Writer::Int64(const char* N, int64_t Value) {
  Name(N, Bin_Tag::Int64);
  Put_LE(out_, Value);
}

void Carrier_Writer::Float(const char* N, double Value) {
  if (Value == 0) return;
  Name(N, Bin_Tag::Float);
  uint64_t bits = 0;
  std::memcpy(&bits, &Value, sizeof bits);
  Put_LE(out_, bits);
}

void Carrier_Writer::String(const char* N, const QString& Value) {
  if (Value.isEmpty()) return;
  Name(N, Bin_Tag::String);
  Utf8(Value);
}

void Carrier_Writer::Bytes(const char* N, const QByteArray& Value) {
  Name(N, Bin_Tag::Bytes);
  Count(Value.size());
  out_.append(Value);
}

void Carrier_Writer::Lines(const char* N, const QStringList& Value) {
  Name(N, Bin_Tag::Lines);
  Count(Value.size());
  for (const QString& line : Value) Utf8(line);
}

void Carrier_Writer::End() { out_.append('\0'); }

Carrier Carrier_Reader::Next(const char* ClassName, const std::vector<std::pair<const char*, Bin_Tag>>& Allowed) {
  Cursor in(data_, pos_);
  if (std::memcmp(in.Take(4), Carrier_Signature, 4) != 0) Fail({}, "not a grid cell carrier");
  Carrier result;
  result.ClassName = in.Short_Name();
  if (result.ClassName != ClassName)
    Fail({}, "expected " + std::string(ClassName) + ", found '" + result.ClassName.toStdString() + "'");
  in.class_name = result.ClassName;
  for (;;) {
    Bin_Property p;
    p.Name = in.Short_Name();
    if (p.Name.isEmpty()) break;
    p.Tag = Bin_Tag(uchar(*in.Take(1)));
    const auto known = std::find_if(Allowed.begin(), Allowed.end(), [&](const auto& a) { return p.Name == a.first; });
    if (known == Allowed.end()) Fail(in.class_name, "property '" + p.Name.toStdString() + "' does not exist");
    if (known->second != p.Tag) Fail(in.class_name, "property '" + p.Name.toStdString() + "' has a wrong type");
    if (Find_Property(result, known->first)) Fail(in.class_name, "property '" + p.Name.toStdString() + "' repeated");
    switch (p.Tag) {
      case Bin_Tag::Integer:
        p.Int = int32_t(uint32_t(in.Unsigned(4)));
        break;
      case Bin_Tag::Word:
        p.Int = int64_t(in.Unsigned(2));
        break;
      case Bin_Tag::Boolean: {
        const uchar b = uchar(*in.Take(1));
        if (b > 1) Fail(in.class_name, "property '" + p.Name.toStdString() + "' is not a Boolean");
        p.Int = b;
        break;
      }
      case Bin_Tag::Int64:
        p.Int = int64_t(in.Unsigned(8));
        break;
      case Bin_Tag::Float: {
        const uint64_t bits = in.Unsigned(8);
        std::memcpy(&p.Float, &bits, sizeof bits);
        if (!std::isfinite(p.Float)) Fail(in.class_name, "property '" + p.Name.toStdString() + "' is not a number");
        break;
      }
      case Bin_Tag::String:
        p.Text = in.Utf8();
        break;
      case Bin_Tag::Bytes: {
        const qsizetype n = in.Count(1);
        p.Data = QByteArray(in.Take(n), n);
        break;
      }
      case Bin_Tag::Lines: {
        const qsizetype n = in.Count(4);
        p.Lines.reserve(n);
        for (qsizetype i = 0; i < n; ++i) p.Lines.append(in.Utf8());
        break;
      }
    }
    result.Properties.push_back(std::move(p));
  }
  pos_ = in.Pos();
  return result;
}

const Bin_Property* Find_Property(const Carrier& C, const char* Name) {
  for (const Bin_Property& p : C.Properties)
    if (p.Name == Name) return &p;
  return nullptr;
}

}  // namespace grid_binfmt
