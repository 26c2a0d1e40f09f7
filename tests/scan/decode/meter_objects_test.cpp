// Meter objects as the scan fills them from a long frame, and how the lists free them.
#include <gtest/gtest.h>

#include <thread>

#include "controls/format_settings.h"
#include "scan/decode/decoder_test_support.h"
#include "scan/decode/long_frame.h"
#include "scan/decode/slave_lists.h"
#include "scan/decode/telegram_report.h"

namespace {

// C, A, CI, identification, manufacturer (ABC), version, medium, access, status, signature.
std::vector<uint8_t> Header(std::vector<uint8_t> id) {
  std::vector<uint8_t> h = {0x08, 0x05, 0x72};
  h.insert(h.end(), id.begin(), id.end());
  h.insert(h.end(), {0x43, 0x04, 0x2A, 0x07, 0x11, 0x30, 0x00, 0x00});
  return h;
}

TEST(Meter_Objects, NewObjectsHoldTheirDefaults) {
  const TVariable_MBus record;
  EXPECT_EQ(record.vifvalue, -1);
  EXPECT_TRUE(record.Enable);
  EXPECT_EQ(record.Node, nullptr);
  EXPECT_TRUE(record.VIFE().isEmpty() && record.DIF().isEmpty() && record.totdati().isEmpty());
  const TSlave_wMBus meter;
  EXPECT_TRUE(meter.Enable);
  EXPECT_FALSE(meter.Enable_Key);
  EXPECT_TRUE(meter.List_Var.empty());
}

TEST(Meter_Objects, WiredMeterFromItsFirstTelegram) {
  const struct {
    std::vector<uint8_t> id;
    const char* secondary;
  } rows[] = {{{0x56, 0x34, 0x12, 0x00}, "123456"}, {{0x78, 0x56, 0x34, 0x12}, "12345678"}, {{0x05, 0, 0, 0}, "05"}};
  for (const auto& row : rows) {
    const std::vector<uint8_t> frame = Long_Frame(Header(row.id), {0x04, 0x13, 0x39, 0x30, 0, 0});
    ASSERT_TRUE(long_frame::Is_Valid(frame.data(), static_cast<int>(frame.size())));
    TList_Slave_MBus list;
    Telegram_Decoder decoder;
    uint8_t last = 9;
    EXPECT_EQ(decoder.Add_Slave_From_Answer(frame.data(), static_cast<int>(frame.size()), -1, list, last), 0);
    EXPECT_EQ(last, 1);
    ASSERT_EQ(list.size(), 1u);
    const TSlave_MBus& m = *list[0];
    EXPECT_EQ(m.Secondary_Addresss.toStdString(), row.secondary);
    EXPECT_EQ(m.Primary_Addresss, 5);
    EXPECT_EQ(m.Manufacture, 0x0443);
    EXPECT_EQ(m.descManufacture, QStringLiteral("ABC"));
    EXPECT_EQ(m.Version, 0x2A);
    EXPECT_EQ(m.Medium, 7);
    EXPECT_EQ(m.descmedium, QStringLiteral("Water"));
    EXPECT_EQ(m.Status, 0x30);
    EXPECT_EQ(m.List_Var.size(), 1u);
  }
}

TEST(Meter_Objects, ContinuationTelegramsAppendToTheSameMeter) {
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  uint8_t last = 1;
  const auto first = Long_Frame(Header({1, 0, 0, 0}), {0x01, 0x13, 0x05, 0x1F});
  const auto second = Long_Frame(Header({1, 0, 0, 0}), {0x01, 0x13, 0x06, 0x01, 0x13, 0x07});
  const int index = decoder.Add_Slave_From_Answer(first.data(), static_cast<int>(first.size()), -1, list, last);
  EXPECT_EQ(last, 0);
  EXPECT_EQ(decoder.Add_Slave_From_Answer(second.data(), static_cast<int>(second.size()), index, list, last), index);
  EXPECT_EQ(last, 1);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->List_Var.size(), 3u);
}

TEST(Meter_Objects, AMeterWithoutRecordsStaysAndClearsLikeAnyOther) {
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  uint8_t last = 1;
  const auto frame = Long_Frame(Header({1, 0, 0, 0}), {0x0F});
  decoder.Add_Slave_From_Answer(frame.data(), static_cast<int>(frame.size()), -1, list, last);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0]->List_Var.empty());
  Clear_Slave_List(list);
  EXPECT_TRUE(list.empty());
}

// CI 73 and 77 announce the fixed data structure: identification, access number,
// status, medium and two counters. It holds no variable records, so none may be
// made up from its counter bytes (they read as "Energy Wh 0" otherwise).
TEST(Meter_Objects, AFixedDataStructureTelegramIsNotReadable) {
  // The sen_pollusonic_2 telegram: heat meter 90919293, 6531 kWh and 69 l.
  const std::vector<uint8_t> pollusonic = {0x68, 0x13, 0x13, 0x68, 0x08, 0x01, 0x73, 0x93, 0x92, 0x91, 0x90, 0x10, 0x00,
                                           0x05, 0x69, 0x31, 0x65, 0x00, 0x00, 0x69, 0x00, 0x00, 0x00, 0x3F, 0x16};
  std::vector<uint8_t> msb_first = pollusonic;
  msb_first[6] = 0x77;
  msb_first[23] = static_cast<uint8_t>(msb_first[23] + 4);
  for (const auto& frame : {pollusonic, msb_first}) {
    SCOPED_TRACE(frame[6]);
    ASSERT_TRUE(long_frame::Is_Valid(frame.data(), static_cast<int>(frame.size())));
    TList_Slave_MBus list;
    Telegram_Decoder decoder;
    uint8_t last = 0;
    EXPECT_EQ(decoder.Add_Slave_From_Answer(frame.data(), static_cast<int>(frame.size()), -1, list, last), 0);
    EXPECT_EQ(last, 1);
    ASSERT_EQ(list.size(), 1u);
    const TSlave_MBus& meter = *list[0];
    EXPECT_EQ(meter.Not_Readable, QStringLiteral("fixed data structure"));
    EXPECT_TRUE(meter.List_Var.empty());
    EXPECT_EQ(meter.Secondary_Addresss, QStringLiteral("90919293"));
    EXPECT_EQ(meter.Primary_Addresss, 1);
    EXPECT_EQ(meter.Manufacture, 0);  // the bytes there are counters, not a manufacturer

    QString hex;
    for (uint8_t b : frame) hex += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0'));
    const telegram_report::Decoded_Telegram report = telegram_report::Decode(hex);
    EXPECT_EQ(report.error, QStringLiteral("not readable (fixed data structure)"));
    EXPECT_EQ(telegram_report::Lines(report), QStringList{QStringLiteral("error not readable (fixed data structure)")});
  }
  // The variable data structure with the same bytes is still read as records.
  std::vector<uint8_t> variable = pollusonic;
  variable[6] = 0x72;
  variable[23] = static_cast<uint8_t>(variable[23] - 1);
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  uint8_t last = 0;
  decoder.Add_Slave_From_Answer(variable.data(), static_cast<int>(variable.size()), -1, list, last);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0]->Not_Readable.isEmpty());
  EXPECT_FALSE(list[0]->List_Var.empty());
}

TEST(Meter_Objects, AFrameTooShortForTheHeaderAddsNoMeter) {
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  uint8_t last = 0;
  const std::vector<uint8_t> frame = {0x68, 0x03, 0x03, 0x68, 0x08, 0x01, 0x70, 0x79, 0x16};
  EXPECT_EQ(decoder.Add_Slave_From_Answer(frame.data(), static_cast<int>(frame.size()), -1, list, last), -1);
  EXPECT_EQ(last, 1);
  EXPECT_TRUE(list.empty());
}

TEST(Meter_Objects, WirelessMeterDropsItsRecordsButStays) {
  TList_Slave_wMBus list;
  list.push_back(std::make_unique<TSlave_wMBus>());
  TSlave_wMBus& meter = *list[0];
  Telegram_Decoder decoder;
  decoder.MBusType = mtWireless;
  const std::vector<uint8_t> records = {0x01, 0x13, 0x05, 0x2F, 0x01, 0x13, 0x06};
  decoder.Decode_Data_Records(meter.List_Var, static_cast<int>(records.size()) - 1, records.data());
  EXPECT_EQ(meter.List_Var.size(), 3u);
  meter.Cancel_Var();
  EXPECT_TRUE(meter.List_Var.empty());
  EXPECT_EQ(list.size(), 1u);
  Clear_Slave_List(list);
  EXPECT_TRUE(list.empty());
}

// The window and the scan report may read a record's texts at the same time: both
// get the same texts, made once (the thread sanitizer build checks the hand-over).
TEST(Meter_Objects, RecordTextsReadFromTwoThreadsAtOnce) {
  Format_Settings point = Process_Format_Settings();
  point.Decimal_Separator = QLatin1Char('.');
  Format_Settings_Scope scope(point);
  const Walk_Result walk = Walk({0x04, 0x13, 0x39, 0x30, 0x00, 0x00, 0x02, 0xFD, 0x48, 0x60, 0x03});
  ASSERT_EQ(walk.records.size(), 2u);
  std::vector<QString> seen[2];
  std::vector<std::thread> readers;
  for (auto& texts : seen) {
    readers.emplace_back([&walk, &texts] {
      for (const auto& record : walk.records) texts.push_back(record->ValueStr() + '|' + record->Desc_Type_Data());
    });
  }
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(seen[0], seen[1]);
  EXPECT_EQ(seen[0][0], QStringLiteral("12.345|Volume m3"));
  EXPECT_EQ(&walk.records[0]->ValueStr(), &walk.records[0]->ValueStr());
}

TEST(Long_Frame, ValidOnlyWhenEveryFrameRuleHolds) {
  const std::vector<uint8_t> good = Long_Frame(Header({1, 0, 0, 0}), {0x01, 0x13, 0x05});
  EXPECT_TRUE(long_frame::Is_Valid(good.data(), static_cast<int>(good.size())));
  const std::vector<uint8_t> exactly_21 = Long_Frame(Header({1, 0, 0, 0}), {});
  ASSERT_EQ(exactly_21.size(), 21u);
  EXPECT_FALSE(long_frame::Is_Valid(exactly_21.data(), 21));
  for (const int at : {0, 1, 3, static_cast<int>(good.size()) - 2, static_cast<int>(good.size()) - 1}) {
    std::vector<uint8_t> bad = good;
    bad[at] ^= 0x01;
    EXPECT_FALSE(long_frame::Is_Valid(bad.data(), static_cast<int>(bad.size()))) << at;
  }
  EXPECT_FALSE(long_frame::Is_Valid(nullptr, 0));
}

}  // namespace
