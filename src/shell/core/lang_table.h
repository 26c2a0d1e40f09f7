#pragma once
#include <QString>

// Language files: one "<name>.lng" per language in Dir_Language, lines of
//   STR<number> =<text>
// The character just before "=" is not read as part of the number: the file
// form has a blank there and existing files rely on it. "/#/" starts a comment;
// a text that begins with a pilcrow keeps its blanks up to the next pilcrow.
// A text is cut to Lang_Text_Max_Length characters: no window shows that much
// of one, and a broken file's endless line would only slow every caption.

constexpr int Lang_Text_Max_Length = 1024;

// Empties Lang_Table and fills it with the 1900 English texts.
void Load_Default_Texts();

// Overlays Lang_Table with the lines of one file; false when it cannot be read.
bool Load_Language_File(const QString& file_name);

// Applies one line of a language file to Lang_Table (ignored when malformed).
void Apply_Language_Line(const QString& line);

// Defaults, then the file of Cur_Language; a missing file falls back to
// English.lng and sets Cur_Language to "English".
void Load_Language();
