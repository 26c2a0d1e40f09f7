#include "grid/workbook/zip_package.h"

#include <zip.h>

#include <QSaveFile>
#include <memory>

namespace grid_workbook {

namespace {

struct Archive_Closer {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct File_Closer {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};

[[noreturn]] void Damaged(const char* why) { throw Package_Damaged(why); }

}  // namespace

Package_Entries Read_Package(const QByteArray& bytes) {
  if (bytes.size() > Max_Package_Bytes) Damaged("package too large");
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
  if (!source) {
    zip_error_fini(&error);
    Damaged("no zip source");
  }
  std::unique_ptr<zip_t, Archive_Closer> archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    Damaged("not a zip archive");
  }
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0 || count > Max_Entries) Damaged("too many entries");
  Package_Entries entries;
  entries.reserve(size_t(count));
  qint64 total = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
        !(stat.valid & ZIP_STAT_SIZE))
      Damaged("unreadable entry");
    if (stat.size > zip_uint64_t(Max_Entry_Bytes)) Damaged("entry too large");
    total += qint64(stat.size);
    if (total > Max_Unpacked_Bytes) Damaged("package unpacks too large");
    const QString name = QString::fromUtf8(stat.name);
    if (name.endsWith(u'/')) continue;  // a folder
    std::unique_ptr<zip_file_t, File_Closer> file(zip_fopen_index(archive.get(), zip_uint64_t(i), 0));
    if (!file) Damaged("entry cannot be opened");
    // The stated size bounds the read; one byte more tells a lying header.
    QByteArray data(qsizetype(stat.size) + 1, Qt::Uninitialized);
    zip_int64_t got = 0;
    while (got < zip_int64_t(data.size())) {
      const zip_int64_t n = zip_fread(file.get(), data.data() + got, zip_uint64_t(data.size() - got));
      if (n < 0) Damaged("entry cannot be unpacked");
      if (n == 0) break;
      got += n;
    }
    if (got != zip_int64_t(stat.size)) Damaged("entry size differs");
    data.truncate(qsizetype(got));
    entries.emplace_back(name, std::move(data));
  }
  return entries;
}

const QByteArray* Find_Entry(const Package_Entries& entries, const QString& name) {
  for (const auto& [n, bytes] : entries)
    if (n == name) return &bytes;
  for (const auto& [n, bytes] : entries)
    if (n.compare(name, Qt::CaseInsensitive) == 0) return &bytes;
  return nullptr;
}

void Put_Entry(Package_Entries& entries, const QString& name, const QByteArray& bytes) {
  for (auto& [n, b] : entries)
    if (n == name) {
      b = bytes;
      return;
    }
  entries.emplace_back(name, bytes);
}

void Remove_Entry(Package_Entries& entries, const QString& name) {
  std::erase_if(entries, [&name](const auto& e) { return e.first == name; });
}

QByteArray Write_Package(const Package_Entries& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!target) throw std::runtime_error("cannot start a zip archive");
  zip_source_keep(target);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  auto fail = [&](const char* why) {
    if (archive) zip_discard(archive);
    zip_source_free(target);
    throw std::runtime_error(why);
  };
  if (!archive) fail("cannot start a zip archive");
  for (const auto& [name, bytes] : entries) {
    zip_source_t* data = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!data) fail("cannot add a zip entry");
    const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(data);
      fail("cannot add a zip entry");
    }
    zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 0);
  }
  if (zip_close(archive) != 0) {
    fail("cannot write the zip archive");
  }
  archive = nullptr;
  QByteArray out;
  if (zip_source_open(target) == 0) {
    zip_source_seek(target, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(target);
    zip_source_seek(target, 0, SEEK_SET);
    if (size > 0) {
      out.resize(qsizetype(size));
      if (zip_source_read(target, out.data(), zip_uint64_t(size)) != size) out.clear();
    }
    zip_source_close(target);
  }
  zip_source_free(target);
  if (out.isEmpty()) throw std::runtime_error("cannot write the zip archive");
  return out;
}

void Save_File(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

}  // namespace grid_workbook
