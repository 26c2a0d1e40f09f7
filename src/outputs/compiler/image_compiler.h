#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "outputs/compiler/bank_buffer.h"

// The image compiler: turns the configuration files of a configuration folder
// into the images the gateway loads and saves them in the folder's bin/.
//
//   device type  files written (from buffer)
//   1            bank.bin (A)
//   2, 3         bank.bin (A), bank1.bin (B), bank2.bin (C)
//   4, 5, 6      bank1.bin (C), bank2.bin (A)
//
// A file the device type does not write is left as it is on disk.

// Builds the images of `device_type` in memory from the files of `conf_dir`.
// Throws Compile_Error when a value read strictly is missing or not a number,
// a file cannot be parsed, or the configuration exceeds what the device holds.
// Any other device type builds nothing.
Bank_Buffers Compile_Bank_Files(int device_type, const QString& conf_dir);

// One image file of a device type and the buffer it is written from.
struct Bank_File {
  QString name;
  Bank_Buffer Bank_Buffers::*buffer;
};
std::vector<Bank_File> Bank_Files(int device_type);

// Writes the device type's files into conf_dir/bin as one set (see
// platform/file_set.h): all of them to temporary files first, then the stamp
// file kBank_Stamp_File and the files renamed over the old ones. A kill
// between two renames leaves a set that Bank_Files_Mismatch recognises; a
// failure before the renames leaves the old files as they were. Throws
// File_Write_Error naming the file. A device type with one file (type 1,
// bank.bin) writes it alone, without a stamp. `between_renames` is for tests.
void Save_Bank_Files(int device_type, const QString& conf_dir, const Bank_Buffers& buffers,
                     const std::function<void()>& between_renames = {});

// Beside the images: the size and SHA-256 of each file of the last save. The
// device never reads it.
inline const QString kBank_Stamp_File = QStringLiteral("banks.stamp");

// Empty when the images in conf_dir/bin are those of one save (or come from a
// version that wrote no stamp); else why they cannot be sent to the device.
QString Bank_Files_Mismatch(const QString& conf_dir);

// The "Update Device" step: compile, and save only when the compile succeeded.
void Compile_And_Save_Bank_Files(int device_type, const QString& conf_dir);
