#pragma once
// Dates in workbooks. An .xlsx sheet stores a date as a serial number (days
// since the workbook's epoch, the time as the fraction) and tells it apart
// from other numbers only by the cell's number format; an old binary
// workbook read through FreeXL gives dates as ISO texts. Either way the grid
// gets the date as its own date and time texts (the process format
// settings), as it shows dates typed into cells.
#include <QString>

namespace grid_workbook {

enum class Date_Kind { None, Date, Time, Date_Time };

// What a number format shows: a built-in format id (14..22, 27..36, 45..47,
// 50..58 are dates and times), or a custom format code whose date letters
// (y, d; with h or s a time too) or time letters (h, s, elapsed [h] [mm]
// [ss]) stand outside quotes, escapes and colour or locale brackets.
Date_Kind Format_Date_Kind(int FormatId, const QString& Code);

// The serial's text for its kind; false (the caller keeps the number) for a
// serial outside 0 .. 9999-12-31, the 29 February 1900 that the 1900 date
// system counts but that never was, or a time of a day or more (a duration).
// Times round to the second.
bool Serial_Date_Text(double Serial, Date_Kind Kind, bool Date1904, QString& Text);

// An ISO date ("2026-12-11"), date and time ("2026-12-11 08:30:00") or time
// ("14:05:00") as FreeXL gives it, in the grid's texts; other texts as they are.
QString Iso_Date_Text(const QString& Iso, Date_Kind Kind);

}  // namespace grid_workbook
