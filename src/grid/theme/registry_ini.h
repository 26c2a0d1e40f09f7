#pragma once
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The desktop settings that the grid pack reads from the registry on Windows
// live in INI files here: a key under HKEY_CURRENT_USER is the file
// "<root>/<key path>.ini", the key's backslashes becoming folders, so
// "Software\Microsoft\Office\12.0\Common" is ".../Software/Microsoft/Office/12.0/Common.ini"
// and its subkey "...\Common\General" is ".../Common/General.ini". A key
// exists when its file exists. Key and value names match without regard to case,
// as in the registry.
//
// File layout: one value per line, "name=value"; blanks around both are
// dropped; lines starting with ";" or "#" and "[section]" headers are skipped.
// Integer values are decimal or hexadecimal ("$", "0x") text. Only the first
// 64 KiB of a file are read.
namespace registry_ini {

// The root folder: the user's configuration folder plus "kelvra/HKEY_CURRENT_USER".
// Tests point it at a temporary folder with Override_Root(); an empty text
// returns to the real one.
QString Root();
void Override_Root(const QString& folder);

// Path of a key's file, and of the folder that holds its subkeys, resolved
// without regard to case where they exist; empty for a key name that would
// leave the root ("." or ".." parts).
QString Key_File(const QString& key);
QString Key_Folder(const QString& key);

bool Key_Exists(const QString& key);

// A value's text, nullopt when the key or the value is missing.
std::optional<QString> Read_String(const QString& key, const QString& name);

// A value as an integer; nullopt when missing or not a number.
std::optional<int> Read_Integer(const QString& key, const QString& name);

// Writes the values into the key's file, made with its folders when missing:
// a value already there changes its own line, new ones are added, every
// other line keeps its bytes. The file is replaced whole (platform/
// atomic_file.h); a failure throws File_Write_Error and leaves it as it was,
// as does a key name that would leave the root.
void Write_Values(const QString& key, const std::vector<std::pair<QString, QString>>& values);

}  // namespace registry_ini
