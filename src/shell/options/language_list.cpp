#include "shell/options/language_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/file_resolver.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"

namespace language_list {

QStringList Language_Files(const QString& folder) {
  QDir dir(folder);
  dir.setNameFilters({QStringLiteral("*.lng")});
  dir.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
  QStringList names = dir.entryList();  // name filters ignore letter case
  // The extension must be the last four characters: Language_Name cuts them.
  names.erase(
      std::remove_if(names.begin(), names.end(),
                     [](const QString& name) { return !name.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive); }),
      names.end());
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

QStringList Offered_Languages(const QString& folder) {
  QStringList names = Language_Files(folder);
  const QString english = QStringLiteral("English.lng");
  if (names.contains(english, Qt::CaseInsensitive)) return names;
  const auto place = std::lower_bound(names.begin(), names.end(), english, [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  names.insert(place, english);
  return names;
}

QString Language_Name(const QString& file_name) { return file_name.left(file_name.size() - 4); }

Page Language_Page(int entries, int page) {
  Page result;
  result.pages = (entries + kSlots - 1) / kSlots;
  result.first = kSlots * (page - 1);
  result.shown = std::clamp(entries - result.first, 0, kSlots);
  result.show_prev = page > 1;
  result.show_next = page < result.pages;
  return result;
}

QString Flag_Picture(const QString& folder, const QString& name) {
  for (const QString& file : {name + QStringLiteral(".bmp"), QStringLiteral("DefaultFlag.bmp")}) {
    const QString path = file_resolver::Resolve(folder, file);
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

QString Change_Question(const QString& from, const QString& to) {
  return Lang(316) + from + Lang(317) + to + Lang(318);
}

void Load_Language_Texts(const QString& name) {
  const QString former = Cur_Language;
  Cur_Language = name;
  Load_Language();
  Cur_Language = former;
}

}  // namespace language_list
