#pragma once
#include <QString>
#include <QStringList>

// The languages the Options window offers: the ".lng" files of the language
// folder, six to a page, each with its flag picture.
namespace language_list {

// File names of the language files in `folder` (".lng" in any letter case),
// sorted without regard to case. Folders and files that cannot be read are
// left out; a missing folder gives an empty list.
QStringList Language_Files(const QString& folder);

// What the Options window lists: the language files and, when none of them is
// English.lng, "English.lng" for the built-in texts, so that a user who picked
// another language can always come back; sorted as Language_Files sorts.
QStringList Offered_Languages(const QString& folder);

// The language a file name stands for: the name without its ".lng".
QString Language_Name(const QString& file_name);

constexpr int kSlots = 6;

// Page `page` (from 1) of a list of `entries` languages.
struct Page {
  int pages = 0;  // (entries + 5) / 6; 0 for an empty list
  // Next only before the last page, Prev only after the first.
  int first = 0;  // list index of the page's first slot
  int shown = 0;  // slots in use on the page, 0..6
  bool show_prev = false;
  bool show_next = false;
};
Page Language_Page(int entries, int page);

// The picture of a language: "<name>.bmp", else "DefaultFlag.bmp", in
// `folder` (any letter case); empty when neither exists.
QString Flag_Picture(const QString& folder, const QString& name);

// "Do you want to change the Language from <from> to <to>?" in the current language.
QString Change_Question(const QString& from, const QString& to);

// Fills Lang_Table with the texts of language `name` (English where the file
// gives none or is missing) and leaves Cur_Language as it was.
void Load_Language_Texts(const QString& name);

}  // namespace language_list
