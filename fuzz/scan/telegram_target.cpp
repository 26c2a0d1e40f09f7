// Feeds arbitrary bytes to the telegram decoder three ways: as a wired long
// frame (header and records, whether or not the frame check would pass), as
// the record area of a wireless frame, and as hex text for the decode tool.
// Each gets an exactly sized copy so that any read past the end is caught.
#include <QString>
#include <cstdint>
#include <cstring>
#include <memory>

#include "scan/decode/long_frame.h"
#include "scan/decode/slave_lists.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/decode/telegram_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const int len = static_cast<int>(size);
  std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
  if (size > 0) std::memcpy(copy.get(), data, size);

  Telegram_Decoder decoder;
  TList_Slave_MBus wired;
  uint8_t last = 1;
  long_frame::Is_Valid(copy.get(), len);
  const int index = decoder.Add_Slave_From_Answer(copy.get(), len, -1, wired, last);
  decoder.Add_Slave_From_Answer(copy.get(), len, index, wired, last);

  TSlave_wMBus meter;
  decoder.MBusType = mtWireless;
  decoder.Decode_Data_Records(meter.List_Var, len - 1, copy.get());

  const telegram_report::Decoded_Telegram telegram =
      telegram_report::Decode(QString::fromLatin1(reinterpret_cast<const char*>(data), len));
  telegram_report::Lines(telegram);
  return 0;
}
