#pragma once
// Dates and times as the editor controls exchange them with their owners: a
// double whose integer part counts days from 30 December 1899 and whose
// fraction is the time of day (a negative value keeps its time of day as
// the absolute fraction, as the stored values were written).
#include <QDate>
#include <QDateTime>
#include <QTime>

using TDateTime = double;

TDateTime Encode_Date(const QDate& date);
// The fraction of a day, to the millisecond.
TDateTime Encode_Time(const QTime& time);
TDateTime Encode_Date_Time(const QDate& date, const QTime& time);
inline TDateTime Encode_Date_Time(const QDateTime& value) { return Encode_Date_Time(value.date(), value.time()); }

// The date of the integer part (values beyond the calendar are held at its ends).
QDate Date_Of(TDateTime value);
// The time of day of the fraction, rounded to the millisecond (never past 23:59:59.999).
QTime Time_Of(TDateTime value);
inline QDateTime To_QDateTime(TDateTime value) { return QDateTime(Date_Of(value), Time_Of(value)); }

// The integer part (whole days) and the time of day in 0 <= t < 1.
TDateTime Day_Part(TDateTime value);
TDateTime Time_Of_Day(TDateTime value);

TDateTime Now_Date_Time();
