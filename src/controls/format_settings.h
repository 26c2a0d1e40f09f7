#pragma once
#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

class QLocale;

// The process's number and date conventions, read by every number and date
// text helper at each call. Date and time formats use the desktop notation the
// stored texts were written with: d dd ddd dddd (day), m mm mmm mmmm (month;
// minutes right after an hour), yy yyyy, h hh, n nn (minutes), s ss, z zzz,
// am/pm, a/p, ampm, "/" and ":" for the separators below, quoted literals.
struct Format_Settings {
  QChar Decimal_Separator = QLatin1Char('.');
  QChar Thousand_Separator = QLatin1Char(',');
  QChar Date_Separator = QLatin1Char('/');
  QChar Time_Separator = QLatin1Char(':');
  QString Short_Date_Format = QStringLiteral("m/d/yyyy");
  QString Long_Date_Format = QStringLiteral("dddd, mmmm d, yyyy");
  QString Short_Time_Format = QStringLiteral("h:nn ampm");
  QString Long_Time_Format = QStringLiteral("h:nn:ss ampm");
  QString Time_AM_String = QStringLiteral("AM");
  QString Time_PM_String = QStringLiteral("PM");

  // The conventions of a Qt locale, its formats translated to the notation above.
  static Format_Settings From_Locale(const QLocale& locale);
};

// The settings in force; taken from the system locale on first use.
const Format_Settings& Process_Format_Settings();
void Set_Process_Format_Settings(const Format_Settings& settings);

// Installs settings for its lifetime (tests), restoring the previous ones.
class Format_Settings_Scope {
 public:
  explicit Format_Settings_Scope(const Format_Settings& settings);
  ~Format_Settings_Scope();
  Format_Settings_Scope(const Format_Settings_Scope&) = delete;
  Format_Settings_Scope& operator=(const Format_Settings_Scope&) = delete;

 private:
  Format_Settings saved_;
};

QString Format_Date_Time(const QString& format, const QDateTime& value,
                         const Format_Settings& settings = Process_Format_Settings());
QString Date_To_Str(const QDate& date, const Format_Settings& settings = Process_Format_Settings());
QString Time_To_Str(const QTime& time, const Format_Settings& settings = Process_Format_Settings());
QString Date_Time_To_Str(const QDateTime& value, const Format_Settings& settings = Process_Format_Settings());

// Text to date in the order of the short date format (day, month and year
// parts split at the date separator; a missing year is the current one; a
// two-digit year falls within 50 years of now). False for anything else.
bool Try_Str_To_Date(const QString& text, QDate& date, const Format_Settings& settings = Process_Format_Settings());
// "h", "h:n" or "h:n:s", separated by the time separator, optionally followed
// by the AM or PM text.
bool Try_Str_To_Time(const QString& text, QTime& time, const Format_Settings& settings = Process_Format_Settings());
// A decimal number with the decimal separator and an optional exponent; no
// thousand separators.
bool Try_Str_To_Float(const QString& text, double& value, const Format_Settings& settings = Process_Format_Settings());
