#include "shell/core/lang_table.h"

#include <QFileInfo>

#include "platform/file_resolver.h"
#include "platform/number_entry.h"
#include "platform/text_file.h"
#include "shell/core/globals.h"
#include "shell/core/lang_default_texts.h"

namespace {

constexpr QChar kPilcrow(0x00B6);
const QString kComment = QStringLiteral("/#/");

// Trims blanks and control characters, as the language file reader always has.
QString TrimControls(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= 0x20) ++begin;
  while (end > begin && text[end - 1].unicode() <= 0x20) --end;
  return text.mid(begin, end - begin);
}

}  // namespace

void Load_Default_Texts() {
  Lang_Table.clear();
  Lang_Table.reserve(Lang_Table_Default_Size);
  for (int n = 0; n < Lang_Table_Default_Size; ++n) Lang_Table.append(QString::fromUtf8(Default_Lang_Text(n)));
  Lang_Table_Size = Lang_Table_Default_Size;
}

void Apply_Language_Line(const QString& raw_line) {
  const QString line = TrimControls(raw_line);
  if (!line.startsWith(QLatin1String("STR"))) return;
  const qsizetype equals = line.indexOf(QLatin1Char('='));
  if (equals < 0) return;
  const qsizetype number_length = equals - 1 - 3;
  if (number_length <= 0) return;
  int32_t number = 0;
  if (!Try_Read_Number(TrimControls(line.mid(3, number_length)), number)) return;
  if (number < 0 || number >= Lang_Table_Size || number >= Lang_Table.size()) return;

  QString value = TrimControls(line.mid(equals + 1));
  if (value.isEmpty()) return;
  const qsizetype comment = value.indexOf(kComment);
  if (comment >= 0) {
    value = TrimControls(value.left(comment));
    if (value.isEmpty()) return;
  }
  if (value.startsWith(kPilcrow)) {
    value.remove(0, 1);
    const qsizetype closing = value.indexOf(kPilcrow);
    if (closing >= 0) value = value.left(closing);
  }
  if (value.size() > Lang_Text_Max_Length) {
    value.truncate(Lang_Text_Max_Length);
    if (value.back().isHighSurrogate()) value.chop(1);  // never half a character
  }
  Lang_Table[number] = value;
}

bool Load_Language_File(const QString& file_name) {
  const std::optional<QStringList> lines = text_file::Read_Lines(file_name);
  if (!lines) return false;
  for (const QString& line : *lines) Apply_Language_Line(line);
  return true;
}

void Load_Language() {
  Load_Default_Texts();
  // The Options window lists language files whatever the case of their names.
  const QString chosen = file_resolver::Resolve(Dir_Language, Cur_Language + QStringLiteral(".lng"));
  if (QFileInfo(chosen).isFile()) {
    Load_Language_File(chosen);
    return;
  }
  Cur_Language = QStringLiteral("English");
  const QString english = file_resolver::Resolve(Dir_Language, QStringLiteral("English.lng"));
  if (QFileInfo(english).isFile()) Load_Language_File(english);
}
