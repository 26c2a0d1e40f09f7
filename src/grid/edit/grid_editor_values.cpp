#include "grid/edit/grid_editor_values.h"

bool Try_Cell_Date_Time(const QString& Text, TDateTime& Value, const Format_Settings& Settings) {
  const QString text = Text.trimmed();
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  QDate date;
  if (!Try_Str_To_Date(blank < 0 ? text : text.left(blank), date, Settings)) return false;
  QTime time(0, 0);
  if (blank >= 0 && !Try_Str_To_Time(text.mid(blank + 1).trimmed(), time, Settings)) return false;
  Value = Encode_Date_Time(date, time);
  return true;
}

QString Cell_Date_Time_Text(TDateTime Value, const Format_Settings& Settings) {
  return Format_Date_Time(Settings.Short_Date_Format + QLatin1Char(' ') + Settings.Short_Time_Format,
                          To_QDateTime(Value), Settings);
}
