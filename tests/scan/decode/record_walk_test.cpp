// The walk over a telegram's data records: which records it keeps, what it
// fills in them, where it stops, and that it never reads past the telegram.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scan/decode/decoder_test_support.h"

namespace {

// The walk's own fields of a record, in one line, so a table row can say what it expects.
std::string Summary(const TVariable_MBus& r) {
  return QStringLiteral("%1|%2|%3|%4|%5|n=%6|s=%7 t=%8 u=%9")
             .arg(r.DIF(), r.DIFE().trimmed(), r.VIFE().trimmed(), r.VIF_ASCII(), r.totdati())
             .arg(r.nbyte)
             .arg(r.storage_number)
             .arg(r.tarif)
             .arg(r.device)
             .toStdString() +
         "|" + r.DataFieldStr().toStdString() + (r.Is_BCD ? "|bcd" : "") + (r.Real_Wireless_Var ? "" : "|filler");
}

struct Walk_Case {
  const char* name;
  std::vector<uint8_t> bytes;
  TMBusType link;
  uint8_t result;
  std::vector<std::string> records;
};

class Record_Walk : public ::testing::TestWithParam<Walk_Case> {};

TEST_P(Record_Walk, KeepsAndFillsTheRecords) {
  const Walk_Case& c = GetParam();
  const Walk_Result walk = Walk(c.bytes, c.link);
  EXPECT_EQ(walk.result, c.result);
  std::vector<std::string> got;
  for (const auto& record : walk.records) got.push_back(Summary(*record));
  EXPECT_EQ(got, c.records);
}

std::vector<uint8_t> Repeat(uint8_t b, int n) { return std::vector<uint8_t>(n, b); }

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// The record 01 13 05 that most rows start with.
const std::string kFirst = "$01||||05|n=1|s=0 t=0 u=0|8 Bit Integer";

INSTANTIATE_TEST_SUITE_P(
    Telegrams, Record_Walk,
    ::testing::Values(
        Walk_Case{"Int32",
                  {0x04, 0x13, 0x78, 0x56, 0x34, 0x12},
                  mtWired,
                  1,
                  {"$04||||78563412|n=4|s=0 t=0 u=0|32 Bit Integer"}},
        Walk_Case{"Tariff",
                  {0x8C, 0x10, 0x13, 0, 0, 0, 0},
                  mtWired,
                  1,
                  {"$8C|$10|||00000000|n=4|s=0 t=1 u=0|8 Digit BCD|bcd"}},
        Walk_Case{"StorageFromBitAndDife",
                  {0xC4, 0x01, 0x13, 0, 0, 0, 0},
                  mtWired,
                  1,
                  {"$C4|$01|||00000000|n=4|s=3 t=0 u=0|32 Bit Integer"}},
        Walk_Case{"Subunit",
                  {0x84, 0x40, 0x13, 0, 0, 0, 0},
                  mtWired,
                  1,
                  {"$84|$40|||00000000|n=4|s=0 t=0 u=1|32 Bit Integer"}},
        Walk_Case{"SecondDifeShifts",
                  {0x81, 0x80, 0x51, 0x13, 7},
                  mtWired,
                  1,
                  {"$81|$80 $51|||07|n=1|s=32 t=4 u=2|8 Bit Integer"}},
        Walk_Case{"LvarAscii",
                  {0x0D, 0x13, 0x03, 0x43, 0x42, 0x41},
                  mtWired,
                  1,
                  {"$0D||||434241|n=3|s=0 t=0 u=0|Variable Length - ASCII String with 3characters"}},
        Walk_Case{"LvarReservedHasNoDataAndTheWalkGoesOn",
                  {0x0D, 0x13, 0xFD, 0x01, 0x13, 0x05},
                  mtWired,
                  1,
                  {"$0D|||||n=0|s=0 t=0 u=0|Variable Length - Reserved", "$01||||05|n=1|s=0 t=0 u=0|8 Bit Integer"}},
        Walk_Case{"LvarBcdAndBinary",
                  {0x0D, 0x13, 0xC2, 0x34, 0x12, 0x0D, 0x13, 0xE1, 0x09},
                  mtWired,
                  1,
                  {"$0D||||3412|n=2|s=0 t=0 u=0|Variable Length - Positive BCD Number with 4 digits",
                   "$0D||||09|n=1|s=0 t=0 u=0|Variable Length - Binary Number with 1 Bytes"}},
        // F0..F4 announce a binary number of 16 to 32 bytes; all of them are the
        // record's, and the record after them is read as sent.
        Walk_Case{"LvarF0IsABinaryNumberOf16Bytes",
                  Join({{0x0D, 0x13, 0xF0}, Repeat(0x11, 16), {0x01, 0x13, 0x05}}),
                  mtWired,
                  1,
                  {"$0D||||" + std::string(32, '1') + "|n=16|s=0 t=0 u=0|Variable Length - Binary Number with 16 Bytes",
                   kFirst}},
        Walk_Case{"LvarF4IsABinaryNumberOf32Bytes",
                  Join({{0x0D, 0x13, 0xF4}, Repeat(0x22, 32), {0x01, 0x13, 0x05}}),
                  mtWired,
                  1,
                  {"$0D||||" + std::string(64, '2') + "|n=32|s=0 t=0 u=0|Variable Length - Binary Number with 32 Bytes",
                   kFirst}},
        Walk_Case{"LvarF5IsStillAFloatingPointField",
                  {0x0D, 0x13, 0xF5, 1, 2, 3, 4, 5, 0x01, 0x13, 0x05},
                  mtWired,
                  1,
                  {"$0D||||0102030405|n=5|s=0 t=0 u=0|Variable Length - Floating Point Number with 5 Bytes", kFirst}},
        Walk_Case{"ManufacturerDataEnds", {0x01, 0x13, 0x05, 0x0F, 0x01, 0x13, 0x05}, mtWired, 1, {kFirst}},
        Walk_Case{"MoreTelegramsFollow", {0x01, 0x13, 0x05, 0x1F, 0x01}, mtWired, 0, {kFirst}},
        Walk_Case{"FillerWired",
                  {0x01, 0x13, 0x05, 0x2F, 0x01, 0x13, 0x06},
                  mtWired,
                  1,
                  {kFirst, "$01||||06|n=1|s=0 t=0 u=0|8 Bit Integer"}},
        Walk_Case{
            "FillerWireless",
            {0x01, 0x13, 0x05, 0x2F, 0x01, 0x13, 0x06},
            mtWireless,
            1,
            {kFirst, "$2F|||||n=0|s=0 t=0 u=0|Special Function|filler", "$01||||06|n=1|s=0 t=0 u=0|8 Bit Integer"}},
        Walk_Case{"SpecialDifWithExtensionIsSkipped", {0x8F, 0x00, 0x93, 0x01, 0x01, 0x13, 0x05}, mtWired, 1, {kFirst}},
        Walk_Case{"GlobalReadoutEnds", {0x01, 0x13, 0x05, 0x7F, 0x01, 0x13, 0x05}, mtWired, 1, {kFirst}},
        Walk_Case{"SelectionForReadoutEnds", {0x08, 0x13, 0x01, 0x13, 0x05}, mtWired, 1, {}},
        Walk_Case{"ManufacturerVifEnds", {0x01, 0x13, 0x05, 0x01, 0x7E, 0x05, 0x01, 0x13, 0x05}, mtWired, 1, {kFirst}},
        Walk_Case{"PlainTextUnitBeforeVifes",
                  {0x02, 0xFC, 0x03, 0x48, 0x52, 0x25, 0x74, 0xD4, 0x11},
                  mtWired,
                  1,
                  {"$02||$74|%RH|D411|n=2|s=0 t=0 u=0|16 Bit Integer"}},
        // Faults: the walk stops at the record that cannot be read and keeps the ones before it.
        Walk_Case{"DataPastTheEnd", {0x01, 0x13, 0x05, 0x04, 0x13, 0x01, 0x02}, mtWired, 1, {kFirst}},
        Walk_Case{"DifeChainPastTheEnd", {0x01, 0x13, 0x05, 0x84, 0x80}, mtWired, 1, {kFirst}},
        Walk_Case{"VifMissing", {0x01, 0x13, 0x05, 0x04}, mtWired, 1, {kFirst}},
        Walk_Case{"ElevenDifes",
                  Join({{0x01, 0x13, 0x05, 0x84}, Repeat(0x8B, 10), {0x0B, 0x13, 0, 0, 0, 0}}),
                  mtWired,
                  1,
                  {kFirst}},
        Walk_Case{"TenDifesAreRead",
                  Join({{0x84}, Repeat(0x80, 9), {0x00, 0x13, 0, 0, 0, 0}}),
                  mtWired,
                  1,
                  {"$84|$80 $80 $80 $80 $80 $80 $80 $80 $80 $00|||00000000|n=4|s=0 t=0 u=0|32 Bit Integer"}},
        Walk_Case{"ElevenVifes",
                  Join({{0x01, 0x13, 0x05, 0x01, 0x93}, Repeat(0x84, 10), {0x04, 0x05}}),
                  mtWired,
                  1,
                  {kFirst}},
        Walk_Case{"UnitTextPastTheEnd", {0x01, 0x13, 0x05, 0x01, 0xFC, 0x05, 0x41, 0x42}, mtWired, 1, {kFirst}},
        Walk_Case{"LvarPastTheEnd", {0x01, 0x13, 0x05, 0x0D, 0x13, 0x05, 0x41}, mtWired, 1, {kFirst}},
        Walk_Case{"Empty", {}, mtWired, 1, {}}),
    [](const ::testing::TestParamInfo<Walk_Case>& info) { return std::string(info.param.name); });

TEST(Record_Walk_Limits, AUnitTextLongerThanTheRecordAllowsEndsTheWalk) {
  for (const int length : {192, 193}) {
    std::vector<uint8_t> bytes = {0x01, 0x7C, static_cast<uint8_t>(length)};
    bytes.insert(bytes.end(), length, 'x');
    bytes.push_back(0x07);
    const Walk_Result walk = Walk(bytes);
    ASSERT_EQ(walk.records.size(), length == 192 ? 1u : 0u) << length;
    if (length == 192) {
      EXPECT_EQ(walk.records[0]->VIF_ASCII().size(), 192);
    }
  }
}

// After a walk the decoder's scratch buffers hold the last kept record's data
// bytes and VIFE bytes, zero-padded: nothing of a longer record before it, in
// the same walk or an earlier one, and nothing of a filler after it.
TEST(Record_Walk_Limits, ScratchBuffersHoldTheLastKeptRecord) {
  const std::vector<uint8_t> short_last = {0x07, 0x93, 0xBB, 0x3C, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66,
                                           0x77, 0x88, 0x02, 0x93, 0x3B, 0xAA, 0xBB, 0x2F, 0x2F};
  std::vector<uint8_t> long_last = {0x0D, 0x13, 20};  // a character field of 20 bytes
  for (int i = 1; i <= 20; ++i) long_last.push_back(uint8_t(0x40 + i));
  Telegram_Decoder decoder;
  decoder.MBusType = mtWireless;
  const std::vector<uint8_t>* walks[] = {&short_last, &long_last, &short_last};
  for (const std::vector<uint8_t>* bytes : walks) {
    TList_Var records;
    decoder.Decode_Data_Records(records, static_cast<int>(bytes->size()) - 1, bytes->data());
    uint8_t data[256] = {};
    uint8_t vife[12] = {};
    if (bytes == &short_last) {
      ASSERT_EQ(records.size(), 4u);
      data[0] = 0xAA;
      data[1] = 0xBB;
      vife[0] = 0x3B;
    } else {
      ASSERT_EQ(records.size(), 1u);
      std::copy(bytes->begin() + 3, bytes->end(), data);
    }
    EXPECT_EQ(std::vector<uint8_t>(decoder.App_Data_Val, decoder.App_Data_Val + 256),
              std::vector<uint8_t>(data, data + 256));
    EXPECT_EQ(std::vector<uint8_t>(decoder.App_Vife_Val, decoder.App_Vife_Val + 12),
              std::vector<uint8_t>(vife, vife + 12));
  }
  EXPECT_EQ(decoder.BCD_To_Int(2), 12210);  // digits A, A, B, B at their face values
}

TEST(Record_Walk_Limits, NeverReadsPastTheLastIndex) {
  // Every prefix of a telegram, walked from an exactly sized heap copy: the
  // sanitizer build turns any read past it into a failure.
  const std::vector<uint8_t> telegram = {0x04, 0x13, 0x78, 0x56, 0x34, 0x12, 0xC4, 0x01, 0xFD, 0x97, 0x3B, 0x10,
                                         0x0D, 0xFC, 0x02, 0x41, 0x42, 0x03, 0x43, 0x42, 0x41, 0x2F, 0x1F};
  for (size_t n = 0; n <= telegram.size(); ++n) {
    std::vector<uint8_t> prefix(telegram.begin(), telegram.begin() + n);
    const Walk_Result walk = Walk(prefix, mtWireless);
    EXPECT_LE(walk.records.size(), 4u) << n;
  }
}

}  // namespace
