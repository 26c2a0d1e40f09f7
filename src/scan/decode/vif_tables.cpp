#include "scan/decode/vif_tables.h"

#include <array>

namespace vif_tables {
namespace {

Row Text(const QString& text, int code) { return Row{text, code, 0, false, Value_Kind::Number}; }

Row Scaled(const QString& text, int code, int exponent) { return Row{text, code, exponent, true, Value_Kind::Number}; }

// The texts of a quantity followed by each of the four time units of a two-bit
// field, made once per process: records are decoded by the thousand, and a
// row's text is then shared, not built again for every record.
using Unit_Texts = std::array<QString, 4>;
Unit_Texts Units(const char* quantity, const char* const units[4]) {
  Unit_Texts texts;
  for (int m = 0; m < 4; ++m) texts[m] = QString::fromUtf8(quantity) + QString::fromUtf8(units[m]);
  return texts;
}

// Shared texts of a row family whose text carries a number: made once per process.
template <size_t N, typename Make>
std::array<QString, N> Numbered(Make make) {
  std::array<QString, N> texts;
  for (size_t i = 0; i < N; ++i) texts[i] = make(static_cast<int>(i));
  return texts;
}

constexpr const char* kPlainUnits[4] = {"Seconds", "Minutes", "Hours", "Days"};
constexpr const char* kPluralUnits[4] = {"Second(s)", "Minute(s)", "Hour(s)", "Day(s)"};
constexpr const char* kLongUnits[4] = {"Hour(s)", "Day(s)", "Month(s)", "Year(s)"};

}  // namespace

Row Primary(uint8_t vif) {
  const int n = vif & 7;
  const int m = vif & 3;
  if (vif <= 0x07) return Scaled(QStringLiteral("Energy Wh"), 0, n - 3);
  if (vif <= 0x0F) return Scaled(QStringLiteral("Energy J"), 1, n);
  if (vif <= 0x17) return Scaled(QStringLiteral("Volume m3"), 2, n - 6);
  if (vif <= 0x1F) return Scaled(QStringLiteral("Mass kg"), 3, n - 3);
  if (vif <= 0x23) {
    static const Unit_Texts kTexts = Units("On Time ", kPlainUnits);
    return Text(kTexts[m], 4);
  }
  if (vif <= 0x27) {
    static const Unit_Texts kTexts = Units("Operating Time ", kPlainUnits);
    return Text(kTexts[m], 5);
  }
  if (vif <= 0x2F) return Scaled(QStringLiteral("Power W"), 6, n - 3);
  if (vif <= 0x37) return Scaled(QStringLiteral("Power J/h"), 7, n);
  if (vif <= 0x3F) return Scaled(QStringLiteral("Volume Flow m3/h"), 8, n - 6);
  if (vif <= 0x47) return Scaled(QStringLiteral("Volume Flow ext. m3/min"), 9, n - 7);
  if (vif <= 0x4F) return Scaled(QStringLiteral("Volume Flow ext. m3/s"), 10, n - 9);
  if (vif <= 0x57) return Scaled(QStringLiteral("Mass Flow kg/h"), 11, n - 3);
  if (vif <= 0x5B) return Scaled(QStringLiteral("Flow Temperature °C"), 12, m - 3);
  if (vif <= 0x5F) return Scaled(QStringLiteral("Return Temperature °C"), 13, m - 3);
  if (vif <= 0x63) return Scaled(QStringLiteral("Temperature Difference K"), 14, m - 3);
  if (vif <= 0x67) return Scaled(QStringLiteral("External Temperature °C"), 15, m - 3);
  if (vif <= 0x6B) return Scaled(QStringLiteral("Pressure bar"), 16, m - 3);
  if (vif <= 0x6D) return Row{QString(), 20, 0, false, Value_Kind::Time_Point};
  if (vif == 0x6E) return Text(QStringLiteral("Units for H.C.A."), 22);
  if (vif == 0x6F) return Text(QString(), None);
  if (vif <= 0x73) {
    static const Unit_Texts kTexts = Units("Averaging Duration ", kPlainUnits);
    return Text(kTexts[m], 17);
  }
  if (vif <= 0x77) {
    static const Unit_Texts kTexts = Units("Actuality Duration ", kPlainUnits);
    return Text(kTexts[m], 18);
  }
  switch (vif) {
    case 0x78:
      return Text(QStringLiteral("Fabrication No"), 23);
    case 0x79:
      return Text(QStringLiteral("Identification"), 24);
    case 0x7A:
      return Text(QStringLiteral("Bus Address"), 25);
    case 0x7B:
    case 0x7D:
      return Text(QString(), 19);
    case 0x7C:
      return Row{QStringLiteral("Vif in following String"), 21, 0, false, Value_Kind::Plain_Text};
    case 0x7F:
      return Text(QStringLiteral("Manufacturer Specific"), None);
    default:
      return Text(QString(), None);  // 7E: the record walk ends before
  }
}

Row Extension_FD(uint8_t vife) {
  const int m = vife & 3;
  if (vife <= 0x03) return Scaled(QStringLiteral("Credit of (currency units)"), 1, m - 3);
  if (vife <= 0x07) return Scaled(QStringLiteral("Debit of (currency units)"), 2, m - 3);
  if (vife >= 0x24 && vife <= 0x27) {
    static const Unit_Texts kTexts = Units("Storage Interval ", kPluralUnits);
    return Text(kTexts[m], 28);
  }
  if (vife >= 0x2C && vife <= 0x2F) {
    static const Unit_Texts kTexts = Units("Duration Since Last Readout ", kPluralUnits);
    return Text(kTexts[m], 31);
  }
  if (vife >= 0x31 && vife <= 0x33) {
    static const Unit_Texts kTexts = Units("Duration of Tariff ", kPluralUnits);
    return Text(kTexts[m], 33);
  }
  if (vife >= 0x34 && vife <= 0x37) {
    static const Unit_Texts kTexts = Units("Period of Tariff ", kPluralUnits);
    return Text(kTexts[m], 34);
  }
  if (vife >= 0x3C && vife <= 0x3F) {
    static const Unit_Texts kTexts = Units("Period of Nominal Data Transmissions ", kPluralUnits);
    return Text(kTexts[m], 131);
  }
  if (vife >= 0x40 && vife <= 0x4F) return Scaled(QStringLiteral("Electric Units Volts"), 38, (vife & 0x0F) - 9);
  if (vife >= 0x50 && vife <= 0x5F) return Scaled(QStringLiteral("Electric Units A"), 39, (vife & 0x0F) - 12);
  if (vife >= 0x68 && vife <= 0x6B) {
    static const Unit_Texts kTexts = Units("Duration Since Last Cumulation ", kLongUnits);
    return Text(kTexts[m], 48);
  }
  if (vife >= 0x6C && vife <= 0x6F) {
    static const Unit_Texts kTexts = Units("Operating Time Battery ", kLongUnits);
    return Text(kTexts[m], 49);
  }
  switch (vife) {
    case 0x08:
      return Text(QStringLiteral("Unique message Identification"), 3);
    case 0x09:
      return Text(QStringLiteral("Device Type"), 4);
    case 0x0A:
      return Text(QStringLiteral("Manufacturer"), 5);
    case 0x0B:
      return Text(QStringLiteral("Parameter Set Identification"), 6);
    case 0x0C:
      return Text(QStringLiteral("Model Version"), 7);
    case 0x0D:
      return Text(QStringLiteral("Hardware Version Number"), 8);
    case 0x0E:
      return Text(QStringLiteral("Metrology (Firmware) Version Number"), 9);
    case 0x0F:
      return Text(QStringLiteral("Other Software Version Number"), 10);
    case 0x10:
      return Text(QStringLiteral("Customer LOcation"), 11);
    case 0x11:
      return Text(QStringLiteral("Customer"), 12);
    case 0x12:
      return Text(QStringLiteral("Access Code User"), 13);
    case 0x13:
      return Text(QStringLiteral("Access Code Operator"), 14);
    case 0x14:
      return Text(QStringLiteral("Access Code System Operator"), 15);
    case 0x15:
      return Text(QStringLiteral("Access Code Developer"), 16);
    case 0x16:
      return Text(QStringLiteral("Password"), 17);
    case 0x17:
      return Text(QStringLiteral("Error Flag (Binary)"), 18);
    case 0x18:
      return Text(QStringLiteral("Error Mask"), 19);
    case 0x19:
      return Text(QStringLiteral("Security Key"), 126);
    case 0x1A:
      return Text(QStringLiteral("Digital Output (Binary)"), 20);
    case 0x1B:
      return Text(QStringLiteral("Digital Input (Binary)"), 21);
    case 0x1C:
      return Text(QStringLiteral("Baudrate [Baud]"), 22);
    case 0x1D:
      return Text(QStringLiteral("Responce Delay Time [Bit-Times]"), 23);
    case 0x1E:
      return Text(QStringLiteral("Retry"), 24);
    case 0x1F:
      return Text(QStringLiteral("Remote Control (Device Specific e.g. Gas Value)"), 127);
    case 0x20:
      return Text(QStringLiteral("First Storage Number for Cyclic Storage"), 25);
    case 0x21:
      return Text(QStringLiteral("Last Storage Number for Cyclic Storage"), 26);
    case 0x22:
      return Text(QStringLiteral("Size of Storage Block"), 27);
    case 0x28:
      return Text(QStringLiteral("Storage Interval Month(s)"), 29);
    case 0x29:
      return Text(QStringLiteral("Storage Interval Year(s)"), 30);
    case 0x2A:
      return Text(QStringLiteral("Operator Specific Data"), 128);
    case 0x2B:
      return Text(QStringLiteral("Time Point Second (0 to 59)"), 129);
    case 0x30:
      return Text(QStringLiteral("Start (Date/Time) of Tariff"), 32);
    case 0x38:
      return Text(QStringLiteral("Period of Tariff Month(s)"), 35);
    case 0x39:
      return Text(QStringLiteral("Period of Tariff Year(s)"), 36);
    case 0x3A:
      return Text(QStringLiteral("Dimensionless / No VIF"), 37);
    case 0x3B:
      return Text(QStringLiteral("Data Container for Wireless M-Bus Protocol"), 130);
    case 0x60:
      return Text(QStringLiteral("Reset Counter"), 40);
    case 0x61:
      return Text(QStringLiteral("Cumulation Counter"), 41);
    case 0x62:
      return Text(QStringLiteral("Control Signal"), 42);
    case 0x63:
      return Text(QStringLiteral("Day of Week"), 43);
    case 0x64:
      return Text(QStringLiteral("Week Number"), 44);
    case 0x65:
      return Text(QStringLiteral("Time Point of Day Change"), 45);
    case 0x66:
      return Text(QStringLiteral("State of Parameter Activation"), 46);
    case 0x67:
      return Text(QStringLiteral("Special Supplier Information"), 47);
    case 0x70:
      return Text(QStringLiteral("Date and Time of Battery Change"), 50);
    case 0x71:
      return Text(QStringLiteral("RF Level Units: dBm"), 132);
    case 0x72:
      return Text(QStringLiteral("Daylight Savings (Beginning, Ending, Deviation) Data Type K"), 133);
    case 0x73:
      return Text(QStringLiteral("Listening Window Management Data Type L"), 134);
    case 0x74:
      return Text(QStringLiteral("Remaining Battery Life Time (Days)"), 135);
    case 0x75:
      return Text(QStringLiteral("Number Times the Meter Was Stopped"), 136);
    default:
      return Text(QStringLiteral("Reserved"), None);  // 23, 76..7F
  }
}

Row Extension_FB(uint8_t vife) {
  const int b = vife & 1;
  const int m = vife & 3;
  const int n = vife & 7;
  if (vife <= 0x01) return Scaled(QStringLiteral("Energy MWh"), 51, b - 1);
  if (vife <= 0x03) return Scaled(QStringLiteral("Reactive Energy kVARh"), 137, b);
  if (vife <= 0x05) return Scaled(QStringLiteral("Apparent Energy kVAh"), 138, b);
  if (vife == 0x08 || vife == 0x09) return Scaled(QStringLiteral("Energy GJ"), 52, b - 1);
  if (vife >= 0x0C && vife <= 0x0F) return Scaled(QStringLiteral("Energy MCal"), 139, m - 1);
  if (vife == 0x10 || vife == 0x11) return Scaled(QStringLiteral("Volume m3"), 53, b + 2);
  if (vife >= 0x14 && vife <= 0x17) return Scaled(QStringLiteral("Reactive Power kVAR"), 140, m - 3);
  if (vife == 0x18 || vife == 0x19) return Scaled(QStringLiteral("Volume t"), 54, b + 2);
  if (vife == 0x1A || vife == 0x1B) return Scaled(QStringLiteral("Relative Humidity %"), 141, b - 1);
  if (vife == 0x28 || vife == 0x29) return Scaled(QStringLiteral("Power MW"), 61, b - 1);
  if (vife >= 0x2C && vife <= 0x2F) return Scaled(QStringLiteral("Frequency Hz"), 145, m - 3);
  if (vife == 0x30 || vife == 0x31) return Scaled(QStringLiteral("Power GJ/h"), 62, b - 1);
  if (vife >= 0x34 && vife <= 0x37) return Scaled(QStringLiteral("Apparent Power kVA"), 146, m - 3);
  if (vife >= 0x58 && vife <= 0x5B) return Scaled(QStringLiteral("Flow Temperature °F"), 63, m - 3);
  if (vife >= 0x5C && vife <= 0x5F) return Scaled(QStringLiteral("Return Temperature °F"), 64, m - 3);
  if (vife >= 0x60 && vife <= 0x63) return Scaled(QStringLiteral("Temperature Difference °F"), 65, m - 3);
  if (vife >= 0x64 && vife <= 0x67) return Scaled(QStringLiteral("External Temperature °F"), 66, m - 3);
  if (vife >= 0x70 && vife <= 0x73) return Scaled(QStringLiteral("Cold / Warm Temperature Limit °F"), 67, m - 3);
  if (vife >= 0x74 && vife <= 0x77) return Scaled(QStringLiteral("Cold / Warm Temperature Limit °C"), 68, m - 3);
  if (vife >= 0x78) return Scaled(QStringLiteral("Cum. Max. of Active Power W"), 69, n - 3);
  switch (vife) {
    case 0x20:
      return Text(QStringLiteral("Volume Feet 3"), 142);
    case 0x21:
      return Text(QStringLiteral("Volume 0,1 Feet 3"), 55);
    case 0x22:
      return Text(QStringLiteral("Volume 0,1 American Gallon"), 56);
    case 0x23:
      return Text(QStringLiteral("Volume 1 American Gallon"), 57);
    case 0x24:
      return Text(QStringLiteral("Volume Flow 0,001 American Gallon/min"), 58);
    case 0x25:
      return Text(QStringLiteral("Volume Flow 1 American Gallon/min"), 59);
    case 0x26:
      return Text(QStringLiteral("Volume Flow 1 American Gallon/h"), 60);
    case 0x2A:
      return Text(QStringLiteral("Phase U-U (Volt. to Volt.)"), 143);
    case 0x2B:
      return Text(QStringLiteral("Phase U-I (Volt. to Current)"), 144);
    default:
      return Text(QStringLiteral("Reserved"), None);
  }
}

Row Combinable(uint8_t vife) {
  const int m = vife & 3;
  const int n = vife & 7;
  if (vife >= 0x50 && vife <= 0x5F) {
    static const auto kTexts = Numbered<16>([](int i) {
      static const char* const kLimits[4] = {"First Lower", "Last Lower", "First Upper", "Last Upper"};
      return QStringLiteral(" - Duration 0%1 of %2 Limit Exceed").arg(i & 3).arg(QLatin1String(kLimits[i >> 2]));
    });
    return Text(kTexts[vife - 0x50], 100);
  }
  if (vife >= 0x60 && vife <= 0x67) {
    static const auto kTexts = Numbered<8>(
        [](int i) { return QStringLiteral(" - Duration 0%1 of %2").arg(i & 3).arg(i < 4 ? "First" : "Last"); });
    return Text(kTexts[vife - 0x60], 101);
  }
  if (vife >= 0x70 && vife <= 0x77) {
    static const auto kTexts =
        Numbered<8>([](int i) { return QStringLiteral(" - Moltiplicative Correction Factor: 10^(%1)").arg(i - 6); });
    return Scaled(kTexts[n], 103, n - 6);
  }
  if (vife >= 0x78 && vife <= 0x7B) {
    static const auto kTexts = Numbered<4>(
        [](int i) { return QStringLiteral(" - Additive Correction Constant: 10^(%1) * Unit of VIF").arg(i - 3); });
    return Scaled(kTexts[m], 104, m - 3);
  }
  const auto date = [](const QString& text, int code) { return Row{text, code, 0, false, Value_Kind::Date}; };
  switch (vife) {
    case 0x00:
      return Text(QStringLiteral(" - None"), 108);
    case 0x01:
      return Text(QStringLiteral(" - Too Many DIFEs"), 109);
    case 0x02:
      return Text(QStringLiteral(" - Storage Number not Implemented"), 110);
    case 0x03:
      return Text(QStringLiteral(" - Unit Number not Implemented"), 111);
    case 0x04:
      return Text(QStringLiteral(" - Tariff Number not Implemented"), 112);
    case 0x05:
      return Text(QStringLiteral(" - Function not Implemented"), 113);
    case 0x06:
      return Text(QStringLiteral(" - Data Class not Implemented"), 114);
    case 0x07:
      return Text(QStringLiteral(" - Data Size not Implemented"), 115);
    case 0x0B:
      return Text(QStringLiteral(" - Too Many VIFEs"), 116);
    case 0x0C:
      return Text(QStringLiteral(" - Illegal VIF-Group"), 117);
    case 0x0D:
      return Text(QStringLiteral(" - Illegal VIF-Exponent"), 118);
    case 0x0E:
      return Text(QStringLiteral(" - VIF / DIF Mismatch"), 119);
    case 0x0F:
      return Text(QStringLiteral(" - Unimplemented Action"), 120);
    case 0x15:
      return Text(QStringLiteral(" - No Data Available (Undefined Value)"), 121);
    case 0x16:
      return Text(QStringLiteral(" - Data Overflow"), 122);
    case 0x17:
      return Text(QStringLiteral(" - Data Underflow"), 123);
    case 0x18:
      return Text(QStringLiteral(" - Data Error"), 124);
    case 0x1C:
      return Text(QStringLiteral(" - Premature End of Record"), 125);
    case 0x20:
      return Text(QStringLiteral(" - Per Second"), 70);
    case 0x21:
      return Text(QStringLiteral(" - Per Minute"), 71);
    case 0x22:
      return Text(QStringLiteral(" - Per Hour"), 72);
    case 0x23:
      return Text(QStringLiteral(" - Per Day"), 73);
    case 0x24:
      return Text(QStringLiteral(" - Per Week"), 74);
    case 0x25:
      return Text(QStringLiteral(" - Per Month"), 75);
    case 0x26:
      return Text(QStringLiteral(" - Per Year"), 76);
    case 0x27:
      return Text(QStringLiteral(" - Per Revolution / Measurement"), 77);
    case 0x28:
      return Text(QStringLiteral(" - Increment per Input Pulse on Input Channel 0"), 78);
    case 0x29:
      return Text(QStringLiteral(" - Increment per Input Pulse on Input Channel 1"), 78);
    case 0x2A:
      return Text(QStringLiteral(" - Increment per Output Pulse on Output Channel 0"), 79);
    case 0x2B:
      return Text(QStringLiteral(" - Increment per Output Pulse on Output Channel 1"), 79);
    case 0x2C:
      return Text(QStringLiteral(" - Per Liter"), 80);
    case 0x2D:
      return Text(QStringLiteral(" - Per m3"), 81);
    case 0x2E:
      return Text(QStringLiteral(" - Per kg"), 82);
    case 0x2F:
      return Text(QStringLiteral(" - Per K (Kelvin)"), 83);
    case 0x30:
      return Text(QStringLiteral(" - Per kWh"), 84);
    case 0x31:
      return Text(QStringLiteral(" - Per GJ"), 85);
    case 0x32:
      return Text(QStringLiteral(" - Per kW"), 86);
    case 0x33:
      return Text(QStringLiteral(" - Per (K*l)(Kelvin * Litre)"), 87);
    case 0x34:
      return Text(QStringLiteral(" - Per V (Volt)"), 88);
    case 0x35:
      return Text(QStringLiteral(" - Per (A) (Ampere)"), 89);
    case 0x36:
      return Text(QStringLiteral(" - Multiplied by s"), 90);
    case 0x37:
      return Text(QStringLiteral(" - Multiplied by s / V"), 91);
    case 0x38:
      return Text(QStringLiteral(" - Multiplied by s / A"), 92);
    case 0x39:
      return Text(QStringLiteral(" - Start Date (/Time) of"), 93);
    case 0x3A:
      return Text(
          QStringLiteral(" - VIF Contains Uncorrect Unit or Value at Metering Conditions Instead of Converted Unit"),
          94);
    case 0x3B:
      return Text(QStringLiteral(" - Accumulation Only if Positive Contributions (Forward Flow Contribution)"), 95);
    case 0x3C:
      return Text(QStringLiteral(" - Accumulation of abs Value Only if Negative Contributions (Backward Flow)"), 96);
    case 0x3D:
      return Text(QStringLiteral(" - Reserved for Alternate non-metric Unit System (according to Annex C)"), 147);
    case 0x3E:
      return Text(QStringLiteral(" - Value at Base Conditions"), 148);
    case 0x40:
      return Text(QStringLiteral(" - Lower Limit Value"), 97);
    case 0x41:
      return Text(QStringLiteral(" - # of Exceeds of Lower Limit"), 98);
    case 0x42:
      return date(QStringLiteral(" - Date(/Time) of Begin of First Lower Limit Exceed"), 99);
    case 0x43:
      return date(QStringLiteral(" - Date(/Time) of End of First Lower Limit Exceed"), 99);
    case 0x46:
      return date(QStringLiteral(" - Date(/Time) of Begin of Last Lower Limit Exceed"), 99);
    case 0x47:
      return date(QStringLiteral(" - Date(/Time) of End of Last Lower Limit Exceed"), 99);
    case 0x48:
      return Text(QStringLiteral(" - Upper Limit Value"), 97);
    case 0x49:
      return Text(QStringLiteral(" - # of Exceeds of Upper Limit"), 98);
    case 0x4A:
      return date(QStringLiteral(" - Date(/Time) of Begin of First Upper Limit Exceed"), 99);
    case 0x4B:
      return date(QStringLiteral(" - Date(/Time) of End of First Upper Limit Exceed"), 99);
    case 0x4E:
      return date(QStringLiteral(" - Date(/Time) of Begin of Last Upper Limit Exceed"), 99);
    case 0x4F:
      return date(QStringLiteral(" - Date(/Time) of End of Last Upper Limit Exceed"), 99);
    case 0x68:
      return Text(QStringLiteral(" - Value During Lower Limit Exceed"), 149);
    case 0x69:
      return Text(QStringLiteral(" - Leakage Values"), 150);
    case 0x6A:
      return date(QStringLiteral(" - Date(/Time) of Begin of First"), 102);
    case 0x6B:
      return date(QStringLiteral(" - Date(/Time) of End of First"), 102);
    case 0x6C:
      return Text(QStringLiteral(" - Value During Upper Limit Exceed"), 149);
    case 0x6D:
      return Text(QStringLiteral(" - Overflow Values"), 151);
    case 0x6E:
      return date(QStringLiteral(" - Date(/Time) of Begin of Last"), 102);
    case 0x6F:
      return date(QStringLiteral(" - Date(/Time) of End of Last"), 102);
    case 0x7D:
      return Scaled(QStringLiteral(" - Multiplicative Cerrection Factor: 10^(3)"), 105, 3);
    case 0x7E:
      return Text(QStringLiteral(" - Future Value"), 106);
    case 0x7F:
      return Text(QStringLiteral(" - Next VIFEs and Data of This Block Are Manufacturer Specific"), 107);
    default:
      return Text(QStringLiteral(" - Reserved"), None);  // 7C is read through Phase by the caller
  }
}

QString Phase(uint8_t vife) {
  switch (vife) {
    case 0x01:
      return QStringLiteral(" - At Phase L1");
    case 0x02:
      return QStringLiteral(" - At Phase L2");
    case 0x03:
      return QStringLiteral(" - At Phase L3");
    case 0x04:
      return QStringLiteral(" - At Neutral (N)");
    case 0x05:
      return QStringLiteral(" - Between Phase L1 and L2");
    case 0x06:
      return QStringLiteral(" - Between Phase L2 and L3");
    case 0x07:
      return QStringLiteral(" - Between Phase L3 and L1");
    case 0x10:
      return QStringLiteral(
          " - Accumulation of abs. Value for Both Positive and Negative Contribution (Absolute Count)");
    default:
      return QString();
  }
}

Code_Table Make_Code_Table() {
  Code_Table t{};
  for (uint8_t b = 0; b < 128; ++b) {
    t.primary[b] = static_cast<int16_t>(Primary(b).code);
    t.extension_fd[b] = static_cast<int16_t>(Extension_FD(b).code);
    t.extension_fb[b] = static_cast<int16_t>(Extension_FB(b).code);
    t.combinable[b] = static_cast<int16_t>(Combinable(b).code);
  }
  return t;
}

}  // namespace vif_tables
