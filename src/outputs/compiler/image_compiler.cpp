#include "outputs/compiler/image_compiler.h"

#include <QFileInfo>

#include "outputs/compiler/canopen_compiler.h"
#include "outputs/compiler/gateway_compiler.h"
#include "platform/atomic_file.h"
#include "platform/file_resolver.h"
#include "platform/file_set.h"

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

void Save_Bank_Files(int device_type, const QString& conf_dir, const Bank_Buffers& buffers,
                     const std::function<void()>& between_renames) {
  const std::vector<Bank_File> files = Bank_Files(device_type);
  if (files.empty()) return;
  const QString bin_dir = file_resolver::Resolve(conf_dir, QStringLiteral("bin"));
  if (!QFileInfo(bin_dir).isDir())
    throw File_Write_Error(file_resolver::Resolve(bin_dir, files.front().name),
                           QStringLiteral("the folder does not exist"));
  std::vector<file_set::Member> members;
  for (const Bank_File& file : files) {
    // An existing file keeps its name whatever its case.
    const QString path = file_resolver::Resolve(bin_dir, file.name);
    members.push_back({path.mid(bin_dir.size() + 1), (buffers.*file.buffer).Bytes()});
  }
  // One file alone is replaced whole by its rename: there is no set to tear.
  if (members.size() == 1) {
    atomic_file::Write(bin_dir + QLatin1Char('/') + members.front().name, members.front().bytes);
    return;
  }
  file_set::Write(bin_dir, kBank_Stamp_File, members, between_renames);
}

QString Bank_Files_Mismatch(const QString& conf_dir) {
  return file_set::Mismatch(file_resolver::Resolve(conf_dir, QStringLiteral("bin")), kBank_Stamp_File);
}

void Compile_And_Save_Bank_Files(int device_type, const QString& conf_dir) {
  const Bank_Buffers buffers = Compile_Bank_Files(device_type, conf_dir);
  Save_Bank_Files(device_type, conf_dir, buffers);
}
