// What a record means: quantity text, unit code, VIFE code and value text,
// decoded through the record walk from a record's bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "controls/format_settings.h"
#include "scan/decode/decoder_test_support.h"
#include "scan/decode/record_meaning.h"
#include "scan/decode/value_text.h"

namespace {

struct Vif_Case {
  const char* name;
  std::vector<uint8_t> record;  // DIF, VIF, VIFEs, data
  const char* quantity;
  int unit;
  int vife_code;
  const char* value;
};

class Decode_Vif : public ::testing::TestWithParam<Vif_Case> {
 protected:
  static Format_Settings Point() {
    Format_Settings settings = Process_Format_Settings();
    settings.Decimal_Separator = QLatin1Char('.');
    return settings;
  }
  Format_Settings_Scope point_{Point()};
};

TEST_P(Decode_Vif, GivesTheRecordItsMeaning) {
  const Vif_Case& c = GetParam();
  const Walk_Result walk = Walk(c.record);
  ASSERT_EQ(walk.records.size(), 1u);
  const TVariable_MBus& r = *walk.records[0];
  EXPECT_EQ(r.Desc_Type_Data().toStdString(), c.quantity);
  EXPECT_EQ(r.type_data, c.unit);
  EXPECT_EQ(r.Type_Data_Vife, c.vife_code);
  EXPECT_EQ(r.ValueStr().toStdString(), c.value);
}

constexpr int kNone = 65535;

INSTANTIATE_TEST_SUITE_P(
    Records, Decode_Vif,
    ::testing::Values(
        Vif_Case{"VolumeLitres", {0x04, 0x13, 0x39, 0x30, 0, 0}, "Volume m3", 2, 0, "12.345"},
        Vif_Case{"EnergyKwh", {0x04, 0x06, 0x39, 0x30, 0, 0}, "Energy Wh", 0, 0, "12345000"},
        Vif_Case{"FlowTemperature", {0x02, 0x5A, 0xD7, 0x00}, "Flow Temperature °C", 12, 0, "21.5"},
        Vif_Case{"NegativeInteger", {0x02, 0x13, 0xFF, 0xFF}, "Volume m3", 2, 0, "-0.001"},
        Vif_Case{"Int24Sign", {0x03, 0x16, 0x00, 0x00, 0x80}, "Volume m3", 2, 0, "-8388608"},
        Vif_Case{"Int48", {0x06, 0x16, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00}, "Volume m3", 2, 0, "4294967296"},
        Vif_Case{"Int64Exact",
                 {0x07, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
                 "Energy Wh",
                 0,
                 0,
                 "9.22337203685478E18"},
        Vif_Case{"Real", {0x05, 0x13, 0x00, 0x00, 0xC0, 0x3F}, "Volume m3", 2, 0, "0.0015"},
        Vif_Case{"NegativeBcd", {0x0A, 0x16, 0x99, 0xF9}, "Volume m3", 2, 0, "-999"},
        Vif_Case{"Bcd", {0x0A, 0x16, 0x12, 0x34}, "Volume m3", 2, 0, "3412"},
        Vif_Case{"OnTimeHours", {0x01, 0x22, 0x05}, "On Time Hours", 4, 0, "5"},
        Vif_Case{"ForwardFlow",
                 {0x04, 0x93, 0x3B, 0x01, 0, 0, 0},
                 "Volume m3 - Accumulation Only if Positive Contributions (Forward Flow Contribution)",
                 2,
                 95,
                 "0.001"},
        Vif_Case{"ErrorFlag", {0x01, 0xFD, 0x17, 0x05}, "Error Flag (Binary)", 19, 18, "5"},
        Vif_Case{"ReservedFd", {0x01, 0xFD, 0x23, 0x05}, "Reserved", 19, 0, "5"},
        Vif_Case{"Volts", {0x02, 0xFD, 0x48, 0xE6, 0x00}, "Electric Units Volts", 19, 38, "23"},
        Vif_Case{"VoltsAtPhase",
                 {0x02, 0xFD, 0xC9, 0xFC, 0x01, 0xE6, 0x00},
                 "Electric Units Volts - At Phase L1",
                 19,
                 38,
                 "230"},
        Vif_Case{"ActivePowerFb", {0x02, 0xFB, 0x7A, 0xD2, 0x04}, "Cum. Max. of Active Power W", 19, 69, "123.4"},
        Vif_Case{"ReservedCombinable", {0x01, 0x93, 0x08, 0x05}, "Volume m3 - Reserved", 2, 0, "0.005"},
        Vif_Case{"FirstCodedVifeWins",
                 {0x01, 0x93, 0xA2, 0x3B, 0x05},
                 "Volume m3 - Per Hour - Accumulation Only if Positive Contributions (Forward Flow Contribution)",
                 2,
                 72,
                 "0.005"},
        Vif_Case{"CorrectionFactor",
                 {0x01, 0x96, 0x74, 0x05},
                 "Volume m3 - Moltiplicative Correction Factor: 10^(-2)",
                 2,
                 103,
                 "0.05"},
        Vif_Case{"ManufacturerSpecificVif", {0x01, 0x7F, 0x05}, "Manufacturer Specific", kNone, 0, "5"},
        Vif_Case{"DateAndTime",
                 {0x04, 0x6D, 0x1E, 0x0C, 0xE5, 0x23},
                 "Time Point Date and Time (Type F)",
                 20,
                 0,
                 "05/03/23 12:30"},
        Vif_Case{"Date", {0x02, 0x6C, 0xE5, 0x23}, "Time Point Date (Type G)", 20, 0, "05/03/23"},
        Vif_Case{"Time", {0x03, 0x6D, 0x1E, 0x0C, 0x08}, "Time Point Extended Time Point (Type J)", 20, 0, "08:12:30"},
        Vif_Case{"DateTimeWithWeekday",
                 {0x06, 0x6D, 0x05, 0x04, 0x43, 0xE5, 0x23, 0x00},
                 "Time Point Extended Date and Time Point (Type I)",
                 20,
                 0,
                 "Tuesday 05/03/23 03:04:05"},
        Vif_Case{"TimePointOfOneByteShowsTheNumber", {0x01, 0x6D, 0x07}, "", 20, 0, "7"},
        Vif_Case{"CombinableDate",
                 {0x02, 0x93, 0x42, 0xE5, 0x23},
                 "Volume m3 - Date(/Time) of Begin of First Lower Limit Exceed",
                 2,
                 99,
                 "05/03/23"},
        Vif_Case{"CharacterFieldWithPlainTextUnit",
                 {0x0D, 0x7C, 0x02, 0x42, 0x41, 0x03, 0x78, 0x79, 0x7A},
                 "Vif in following String",
                 21,
                 0,
                 "xyz"},
        // A number whose unit the telegram spells out stays a number.
        Vif_Case{"NumberWithPlainTextUnit",
                 {0x02, 0xFC, 0x03, 0x48, 0x52, 0x25, 0x74, 0xD4, 0x11},
                 "Vif in following String - Moltiplicative Correction Factor: 10^(-2)",
                 21,
                 103,
                 "45.64"}),
    [](const ::testing::TestParamInfo<Vif_Case>& info) { return std::string(info.param.name); });

TEST(Decode_Vif_Locale, ValueTextUsesTheProcessDecimalSeparator) {
  Format_Settings settings = Process_Format_Settings();
  settings.Decimal_Separator = QLatin1Char(',');
  Format_Settings_Scope comma(settings);
  const Walk_Result walk = Walk({0x04, 0x13, 0x39, 0x30, 0, 0});
  ASSERT_EQ(walk.records.size(), 1u);
  EXPECT_EQ(walk.records[0]->ValueStr(), QStringLiteral("12,345"));
}

// The walk reads a record's codes from code tables without building texts; the
// full decoding that the window shows reads them from the texted tables. Both
// must agree for every VIF and every first VIFE, behind each kind of chain: one
// VIFE, a phase pair (7C), a second combinable VIFE, and a chain of ten
// extended VIFE that only the position limit ends.
TEST(Decode_Vif_Codes, CodesAloneAgreeWithTheFullDecoding) {
  const uint8_t data[16] = {0x39, 0x30};
  for (int vif = 0; vif < 256; ++vif) {
    for (int first = 0; first < 256; ++first) {
      const uint8_t v0 = static_cast<uint8_t>(first);
      const uint8_t chains[][12] = {
          {v0},
          {v0, 0xFC, 0x02},
          {v0, 0x13},
          {v0, 0x80 | 0x13, 0xFC, 0x01},
          {v0, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x13},
      };
      for (const auto& chain : chains) {
        const record_meaning::Codes_Only fast = record_meaning::Codes(static_cast<uint8_t>(vif), chain);
        const record_meaning::Meaning full =
            record_meaning::With_Texts({static_cast<uint8_t>(vif), chain, 4, 0, 4, data});
        ASSERT_EQ(fast.unit_code, full.unit_code) << "VIF " << vif << " VIFE " << first;
        ASSERT_EQ(fast.vife_code, full.vife_code) << "VIF " << vif << " VIFE " << first << " " << int(chain[1]);
      }
    }
  }
}

TEST(General_Number, FifteenSignificantDigitsFixedOrWithExponent) {
  const struct {
    long double value;
    const char* text;
  } rows[] = {
      {0, "0"},
      {12.345L, "12.345"},
      {-0.5L, "-0.5"},
      {1.0L / 3, "0.333333333333333"},
      {0.00001L, "0.00001"},
      {0.0000015L, "1.5E-6"},
      {123456789012345.0L, "123456789012345"},
      {1e15L, "1E15"},
      {2.5e20L, "2.5E20"},
      {999999999999999.9L, "1E15"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(value_text::General(row.value, QLatin1Char('.')).toStdString(), row.text);
  }
  EXPECT_EQ(value_text::General(0.25L, QLatin1Char(',')), QStringLiteral("0,25"));
}

// Integer raw values take an exact decimal path; it must write what the
// extended-precision path writes for the same number.
TEST(General_Number, ExactDecimalPathMatchesTheGeneralText) {
  const struct {
    int64_t mantissa;
    int exponent;
  } rows[] = {{12345, -3},          {-1, -3}, {215, -1}, {1, -6},       {15, -7},   {100, 12}, {999999999999999, 0},
              {999999999999999, 1}, {7, -12}, {120, -2}, {-8388608, 0}, {4564, -2}, {1, 20}};
  for (const auto& row : rows) {
    const long double power = std::pow(10.0L, std::abs(row.exponent));
    const long double value = row.exponent < 0 ? row.mantissa / power : row.mantissa * power;
    EXPECT_EQ(value_text::Decimal(row.mantissa, row.exponent, QLatin1Char(',')),
              value_text::General(value, QLatin1Char(',')))
        << row.mantissa << "e" << row.exponent;
  }
}

}  // namespace
