// What the Scan & Decode window makes of its settings and of the engine's reports,
// without a window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <thread>
#include <vector>

#include "scan/decode/slave_wmbus.h"
#include "scan/window/scan_progress_line.h"
#include "scan/window/scan_report_queue.h"
#include "scan/window/scan_settings.h"
#include "scan/window/wireless_row.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "support/temp_dir.h"

namespace {

struct Line_Case {
  int32_t event, value, found, addressing;
  const char* line;  // nullptr: no line
};

TEST(Scan_Progress, Lines_Of_The_Reports) {
  Load_Default_Texts();
  const Line_Case cases[] = {
      {1, 0, 0, 1, nullptr},
      {1, 0, 0, 2, "Secondary scan started"},
      {2, 5, 1, 1, "ID = 5\t"},
      {2, 6, 0, 1, "ID = 6\t[NOT FOUND]"},
      {2, 250, 0, 1, "ID = 250\t[NOT FOUND]"},
      {2, 0x12345678, 1, 2, "ID = 12345678"},
      {2, 0x0000ABCD, 1, 2, "ID = 0000ABCD"},
      {2, int32_t(0x9999FFFF), 1, 2, "ID = 9999FFFF"},
      {3, 0, 0, 1, nullptr},
      {3, 0, 0, 2, "Secondary scan ended"},
      {4, 0, 0, 2, nullptr},
  };
  for (const Line_Case& c : cases) {
    const std::optional<QString> line = scan_progress::Line(c.event, c.value, c.found, c.addressing);
    SCOPED_TRACE(testing::Message() << c.event << "/" << c.value << "/" << c.addressing);
    if (c.line == nullptr) {
      EXPECT_FALSE(line.has_value());
    } else {
      ASSERT_TRUE(line.has_value());
      EXPECT_EQ(line->toStdString(), c.line);
    }
  }
}

TEST(Scan_Progress, Not_Found_Line_Is_Split_At_The_Bracket) {
  const auto parts = scan_progress::Not_Found_Parts(QStringLiteral("ID = 6\t[NOT FOUND]"));
  ASSERT_TRUE(parts.has_value());
  EXPECT_EQ(parts->first, QStringLiteral("ID = 6"));
  EXPECT_EQ(parts->second, QStringLiteral("[NOT FOUND]"));
  EXPECT_FALSE(scan_progress::Not_Found_Parts(QStringLiteral("ID = 5\t")).has_value());
  EXPECT_FALSE(scan_progress::Not_Found_Parts(QStringLiteral("ID = 12345678")).has_value());
}

TEST(Scan_Settings, Numbers_Modes_And_Ports) {
  EXPECT_EQ(scan_settings::Number_Or("9600", 2400), 9600);
  EXPECT_EQ(scan_settings::Number_Or("$10", 3), 16);
  EXPECT_EQ(scan_settings::Number_Or("x", 2400), 2400);
  EXPECT_EQ(scan_settings::Number_Or("", 3), 3);
  EXPECT_EQ(scan_settings::Number_Or("-1", 3), -1);

  const int32_t codes[] = {1, 5, 15, 17, 11};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(scan_settings::Mode_Code(i), codes[i]);
  EXPECT_EQ(scan_settings::Mode_Code(-1), 1);

  const std::pair<const char*, int> ports[] = {{"502", 502}, {"1", 1},      {"65535", 65535}, {"$1F6", 502},
                                               {"0", -1},    {"70000", -1}, {"65536", -1},    {"abc", -1},
                                               {"", -1},     {"-1", -1},    {"5 02", -1}};
  for (const auto& [text, port] : ports) {
    const std::optional<uint16_t> read = scan_settings::Port(QString::fromLatin1(text));
    EXPECT_EQ(read ? int(*read) : -1, port) << text;
  }
  EXPECT_EQ(scan_settings::Address({"10", "1", "2", "3"}), QStringLiteral("10.1.2.3"));
}

TEST(Scan_Settings, Gateway_Address_From_Par_Gen_By_Device_Code) {
  Temp_Dir dir;
  const QString path = dir.Write("ParGen.xml",
                                 "<Par_Gen><Eth_IP1>10</Eth_IP1><Eth_IP2>1</Eth_IP2><Eth_IP3>2</Eth_IP3>"
                                 "<Eth_IP4>3</Eth_IP4><PROFINET_IP1>172</PROFINET_IP1><PROFINET_IP3>9</PROFINET_IP3>"
                                 "<IP_2>77</IP_2></Par_Gen><!--SW_VERSION = 2.003-->");
  using Parts = std::array<std::optional<QString>, 4>;
  const Parts eth{"10", "1", "2", "3"};
  for (int code : {10, 16, 19}) EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(path, code), eth) << code;
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(path, 17), (Parts{"172", std::nullopt, "9", std::nullopt}));
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(path, 3),
            (Parts{std::nullopt, "77", std::nullopt, std::nullopt}));
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(path, 0), Parts{});
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(dir.File("missing.xml"), 19), Parts{});
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(dir.Write("bad.xml", "<Par_Gen><Eth_IP1>"), 19), Parts{});
  // The folder's files are matched whatever their case.
  EXPECT_EQ(scan_settings::Gateway_Address_In_Par_Gen(dir.File("pargen.XML"), 19), eth);
}

TEST(Wireless_Row, Texts_Colour_And_Picture) {
  TSlave_wMBus meter;
  meter.Message_Type = 0x44;
  meter.LLA_Manufacturer = 0x1593;
  meter.LLA_Manu_str = "ELS";
  meter.LLA_Address = 0x12345678;
  meter.LLA_Version = 0x33;
  meter.LLA_DeviceType = 3;
  meter.ALA_Manufacturer = 0x2C2D;
  meter.ALA_Manu_str = "KAM";
  meter.ALA_Address = int32_t(0x9ABCDEF0);
  meter.ALA_Version = 255;
  meter.ALA_DeviceType = 0x0E;
  meter.RSSI = -77;
  meter.DateTime = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7));
  meter.Cripted = true;
  const wireless_row::Row row = wireless_row::Of(meter, 2);
  const QStringList expected{"3",         "",         "0x44",     "ELS(1593)", "12345678", "51 (33)", "3 (03)",
                             "KAM(2C2D)", "9ABCDEF0", "255 (FF)", "14 (0E)",   "-77",      ""};
  for (int c = 0; c < wireless_row::kColumns; ++c) {
    if (c == 1) continue;
    EXPECT_EQ(row.cells[size_t(c)], expected[c]) << c;
  }
  EXPECT_TRUE(row.cells[1].contains("05:06:07")) << row.cells[1].toStdString();
  EXPECT_EQ(row.color, wireless_row::kEncrypted_Color);
  EXPECT_EQ(row.picture, 0);
  meter.Cripted = false;
  EXPECT_EQ(wireless_row::Of(meter, 0).color, TColor(11075496));
  EXPECT_EQ(wireless_row::Of(meter, 0).picture, 1);
  EXPECT_EQ(wireless_row::Headers().size(), wireless_row::kColumns);
  EXPECT_EQ(wireless_row::Headers().front(), "N");
  EXPECT_EQ(wireless_row::Headers().back(), "Cripted");
}

// The decoder keeps the arrival time in UTC; the row shows the local time.
TEST(Wireless_Row, ShowsAUtcArrivalTimeInLocalTime) {
  const QByteArray old_zone = qgetenv("TZ");
  qputenv("TZ", "XST-2");  // two hours east of UTC, no daylight saving
  TSlave_wMBus meter;
  meter.DateTime = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
  const QString shown = wireless_row::Of(meter, 0).cells[1];
  if (old_zone.isNull())
    qunsetenv("TZ");
  else
    qputenv("TZ", old_zone);
  EXPECT_TRUE(shown.contains("07:06:07")) << shown.toStdString();
}

// Reports from two threads arrive in each thread's order; an older generation's
// reports, queued or late, are dropped.
TEST(Scan_Report_Queue, Order_And_Generations) {
  int argc = 0;
  QCoreApplication app(argc, nullptr);
  Scan_Report_Queue queue;
  std::vector<Scan_Report> applied;
  queue.Apply = [&](const Scan_Report& r) { applied.push_back(r); };

  const uint64_t old_generation = queue.Generation();
  queue.Post({Scan_Report::Kind::Wired, 2, 99, 1, 1, -1, old_generation});
  const uint64_t generation = queue.New_Generation();
  EXPECT_NE(generation, old_generation);

  constexpr int kEach = 500;
  std::thread wired([&] {
    for (int i = 0; i < kEach; ++i) queue.Post({Scan_Report::Kind::Wired, 2, i, 1, 1, -1, generation});
  });
  std::thread wireless([&] {
    for (int i = 0; i < kEach; ++i) {
      queue.Post({Scan_Report::Kind::Wireless, 0, 0, 0, 0, i, generation});
      queue.Post({Scan_Report::Kind::Wireless, 0, 0, 0, 0, -5, old_generation});
    }
  });
  wired.join();
  wireless.join();
  QElapsedTimer clock;
  clock.start();
  while (applied.size() < 2 * kEach && clock.elapsed() < 5000) QCoreApplication::processEvents();
  ASSERT_EQ(applied.size(), size_t(2 * kEach));
  int next_wired = 0, next_wireless = 0;
  for (const Scan_Report& r : applied) {
    EXPECT_EQ(r.generation, generation);
    if (r.kind == Scan_Report::Kind::Wired)
      EXPECT_EQ(r.value, next_wired++);
    else
      EXPECT_EQ(r.index, next_wireless++);
  }

  // Queued but not yet applied when a new scan starts: dropped.
  queue.Post({Scan_Report::Kind::Wired, 2, 1, 1, 1, -1, generation});
  queue.New_Generation();
  applied.clear();
  queue.Drain();
  QCoreApplication::processEvents();
  EXPECT_TRUE(applied.empty());
}

}  // namespace

// --- saving and the three dialogs' checks ---

#include "scan/window/scan_save.h"

namespace {

scan_save::Choices Wired_Choices() {
  scan_save::Choices c;
  c.append = true;
  c.xml_code_dev = 19;
  c.start_register = 100;
  c.baud_index = 5;
  c.parity_index = 2;
  c.scan_by = 1;
  c.snd_nke = true;
  c.app_reset = true;
  c.cut_after = "7";
  c.kind = 1;
  c.per_node_starts = {"10", "", "abc", "$20"};
  c.en_node_state = true;
  c.file_name = "/x/M_Bus.xml";
  return c;
}

}  // namespace

TEST(Scan_Save, Wired_Record_Takes_The_Settings) {
  const TSaveConfXML d = scan_save::Save_Record(Wired_Choices());
  EXPECT_EQ(d.Append, 1);
  EXPECT_EQ(d.XML_Code_Dev, 19);
  EXPECT_EQ(d.Mod_Start, 100);
  EXPECT_EQ(d.Index_Baud, 5);
  EXPECT_EQ(d.Index_Par, 2);
  EXPECT_EQ(d.Node_ID_Type, 1);
  EXPECT_EQ(d.SND_NKE, 1);
  EXPECT_EQ(d.Reset_App, 1);
  EXPECT_EQ(d.Cut_After, 7);
  EXPECT_EQ(d.StartModnode, 1);
  // Empty cells and non-numbers count as 1.
  EXPECT_EQ(d.SMN_Array, (std::vector<int32_t>{10, 1, 1, 32}));
  EXPECT_TRUE(d.En_NodeState);
  EXPECT_FALSE(d.En_IdeNum);
  EXPECT_EQ(d.File_Name, QStringLiteral("/x/M_Bus.xml"));
}

TEST(Scan_Save, Cut_After_Not_A_Number_Is_Three) {
  scan_save::Choices c = Wired_Choices();
  c.cut_after = "many";
  EXPECT_EQ(scan_save::Save_Record(c).Cut_After, 3);
  c.kind = 0;
  c.append = false;
  EXPECT_EQ(scan_save::Save_Record(c).StartModnode, 0);
  EXPECT_EQ(scan_save::Save_Record(c).Append, 0);
}

TEST(Scan_Save, Wireless_Record_Ignores_The_Wired_Settings) {
  scan_save::Choices c = Wired_Choices();
  c.wireless = true;
  const TSaveConfXML d = scan_save::Save_Record(c);
  EXPECT_EQ(d.Index_Baud, 0);
  EXPECT_EQ(d.Index_Par, 0);
  EXPECT_EQ(d.SND_NKE, 0);
  EXPECT_EQ(d.Reset_App, 0);
  EXPECT_EQ(d.Cut_After, 3);
  EXPECT_EQ(d.Node_ID_Type, 1);
  EXPECT_EQ(d.Mod_Start, 100);
}

TEST(Scan_Save, Start_Address_Dialogs_Only_For_Their_Codes) {
  for (int code : {0, 1, 9, 13, 14}) EXPECT_TRUE(scan_save::Asks_Start_Addresses(code)) << code;
  for (int code : {3, 10, 16, 17, 19, 2}) EXPECT_FALSE(scan_save::Asks_Start_Addresses(code)) << code;
}

TEST(Scan_Dialogs, Key_Checks) {
  Load_Default_Texts();
  const QString good = "0102030405060708090A0B0C0D0E0F11";
  EXPECT_EQ(scan_save::Key_Problem(good), 0);
  EXPECT_EQ(scan_save::Key_Problem(good.left(31)), 904);
  EXPECT_EQ(scan_save::Key_Problem(good + "A"), 904);
  EXPECT_EQ(scan_save::Key_Problem(""), 904);
  EXPECT_EQ(scan_save::Key_Problem(good.left(31) + "G"), 903);
  EXPECT_EQ(scan_save::Key_Problem(good.left(31) + "a"), 903);  // the edit makes it upper case first
  const std::array<uint8_t, 16> bytes = scan_save::Key_Bytes(good);
  EXPECT_EQ(bytes[0], 0x01);
  EXPECT_EQ(bytes[9], 0x0A);
  EXPECT_EQ(bytes[15], 0x11);
}

TEST(Scan_Dialogs, Start_Register_Range) {
  for (const char* refused : {"0", "65536", "abc", "", "-1"})
    EXPECT_FALSE(scan_save::Start_Register(refused).has_value()) << refused;
  EXPECT_EQ(scan_save::Start_Register("1"), 1);
  EXPECT_EQ(scan_save::Start_Register("65535"), 65535);
  EXPECT_EQ(scan_save::Start_Register("$10"), 16);
}

TEST(Scan_Dialogs, Per_Node_Rows) {
  Load_Default_Texts();
  EXPECT_FALSE(scan_save::Per_Node_Problem({"1", "59999", "300"}).has_value());
  EXPECT_EQ(scan_save::Per_Node_Problem({"1", "2", "", "x"}),
            QStringLiteral("Error row 3!! Modbus Start Address cannot be empty"));
  EXPECT_EQ(scan_save::Per_Node_Problem({"60000"}),
            QStringLiteral("Error row 1!! Modbus Start Address must be between 1 and 59999"));
  EXPECT_EQ(scan_save::Per_Node_Problem({"5", "abc"}),
            QStringLiteral("Error row 2!! Modbus Start Address must be between 1 and 59999"));
  EXPECT_FALSE(scan_save::Per_Node_Problem({}).has_value());
}
