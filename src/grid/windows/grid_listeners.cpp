// Dispatchers that only fire their event, the version text and the date
// picker's change notice.
#include <QDate>

#include "controls/editor_logic/date_time_value.h"
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::DoCheckBoxClick(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TZadIrururOziz::DoClickSort(int ACol) {
  if (OnClickSort) OnClickSort(this, ACol);
}

void TZadIrururOziz::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString) {
  if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

bool TZadIrururOziz::DoCanShowFixedDropDown(int ACol) {
  bool can_show = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, can_show);
  return can_show;
}

void TZadIrururOziz::DoStartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TZadIrururOziz::DoEndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

bool TZadIrururOziz::IsPasswordCell(int ACol, int ARow) {
  bool password = false;
  DoIsPasswordCell(ACol, ARow, password);
  return password;
}

QString TZadIrururOziz::GetVersionString() {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4 Dec, 2026").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TZadIrururOziz::DateTimeChanged(const QDate& Date) {
  // A date without year, month or day is passed as none.
  if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), Date.isValid() ? Encode_Date(Date) : 0.0);
}
