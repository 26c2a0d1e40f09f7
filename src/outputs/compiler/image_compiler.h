#pragma once
#include <QString>
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

// Writes the device type's files into conf_dir/bin, each through a temporary
// file. When one cannot be written (File_Write_Error, naming it), the files
// written before it are put back as they were, so the set stays consistent.
void Save_Bank_Files(int device_type, const QString& conf_dir, const Bank_Buffers& buffers);

// The "Update Device" step: compile, and save only when the compile succeeded.
void Compile_And_Save_Bank_Files(int device_type, const QString& conf_dir);
