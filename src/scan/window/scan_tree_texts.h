#pragma once
// The texts of the result trees: a meter, one of its records and the twelve
// detail lines under each record.
#include <QString>

class TSlave_MBus;
class TSlave_wMBus;
class TVariable_MBus;

namespace scan_tree {

inline constexpr int kDetail_Lines = 12;

// "Primary Address = 3 - Secondary Address = 12345678 - Manufacturer = ACW(1143) -
// Version = 14 - Type = 22", followed by " - not readable (fixed data structure)" for a
// meter whose records could not be read.
QString Meter_Text(const TSlave_MBus& meter);
// "Manufacturer = ELS - Address = 12345678 - Version = 51 - Device Type = 3 - "
// followed by "CRIPTED!!" for an encrypted meter.
QString Meter_Text(const TSlave_wMBus& meter);
// "Value = 54.321 - Type = Volume m3 (U0S0T0)"; a wireless idle filler is "Idle Filler".
QString Record_Text(const TVariable_MBus& record);
QString Wireless_Record_Text(const TVariable_MBus& record);
// Detail line 0..11 under a record ("Storage Number = ..", .., "DATA = $..").
QString Detail_Text(const TVariable_MBus& record, int line);

}  // namespace scan_tree
