#include "outputs/compiler/image_compiler.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "outputs/compiler/canopen_compiler.h"
#include "outputs/compiler/gateway_compiler.h"
#include "platform/atomic_file.h"
#include "platform/file_resolver.h"

Bank_Buffers Compile_Bank_Files(int device_type, const QString& conf_dir) {
  Bank_Buffers buffers;
  switch (device_type) {
    case 6: {
      CANopen_Compiler compiler;
      compiler.Compile_CANopen(conf_dir, buffers);
      break;
    }
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
      Gateway_Compiler compiler;
      compiler.Compile(device_type, conf_dir, buffers);
      break;
    }
    default:
      break;
  }
  return buffers;
}

std::vector<Bank_File> Bank_Files(int device_type) {
  const QString bank = QStringLiteral("bank.bin"), bank1 = QStringLiteral("bank1.bin"),
                bank2 = QStringLiteral("bank2.bin");
  switch (device_type) {
    case 1:
      return {{bank, &Bank_Buffers::Bank_Buffer_A}};
    case 2:
    case 3:
      return {{bank, &Bank_Buffers::Bank_Buffer_A},
              {bank1, &Bank_Buffers::Bank_Buffer_B},
              {bank2, &Bank_Buffers::Bank_Buffer_C}};
    case 4:
    case 5:
    case 6:
      return {{bank1, &Bank_Buffers::Bank_Buffer_C}, {bank2, &Bank_Buffers::Bank_Buffer_A}};
    default:
      return {};
  }
}

namespace {

struct Previous_File {
  QString path;
  std::optional<QByteArray> bytes;  // nullopt: the file did not exist
};

// Best effort: the write that failed is reported, not a failure to undo.
void Restore(const std::vector<Previous_File>& written) {
  for (const Previous_File& file : written) {
    try {
      if (file.bytes)
        atomic_file::Write(file.path, *file.bytes);
      else
        QFile::remove(file.path);
    } catch (const File_Write_Error&) {
    }
  }
}

}  // namespace

void Save_Bank_Files(int device_type, const QString& conf_dir, const Bank_Buffers& buffers) {
  const QString bin_dir = file_resolver::Resolve(conf_dir, QStringLiteral("bin"));
  std::vector<Previous_File> written;
  for (const Bank_File& file : Bank_Files(device_type)) {
    const QString path = file_resolver::Resolve(bin_dir, file.name);
    Previous_File previous{path, std::nullopt};
    QFile old(path);
    if (QFileInfo(path).isFile() && old.open(QIODevice::ReadOnly)) previous.bytes = old.readAll();
    try {
      if (!QFileInfo(bin_dir).isDir()) throw File_Write_Error(path, QStringLiteral("the folder does not exist"));
      atomic_file::Write(path, (buffers.*file.buffer).Bytes());
    } catch (const File_Write_Error&) {
      Restore(written);
      throw;
    }
    written.push_back(std::move(previous));
  }
}

void Compile_And_Save_Bank_Files(int device_type, const QString& conf_dir) {
  const Bank_Buffers buffers = Compile_Bank_Files(device_type, conf_dir);
  Save_Bank_Files(device_type, conf_dir, buffers);
}
