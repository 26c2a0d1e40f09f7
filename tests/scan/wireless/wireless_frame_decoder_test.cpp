// The wireless frame decoder on the real frames of tests/data/wmbus-frames.md:
// meters added and refreshed, keys, wrong keys, truncation, signal strength and the
// readability table.
#include "scan/wireless/wireless_frame_decoder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "scan/wireless/wmbus_readability.h"
#include "scan/wireless/wmbus_test_frames.h"

namespace {

using Result = Wireless_Frame_Result;

class Frame_Decoder : public ::testing::Test {
 protected:
  void SetUp() override {
    frames = Load_Wmbus_Frames();
    ASSERT_EQ(frames.size(), 3u) << "tests/data/wmbus-frames.md not found or changed";
    decoder.Set_Clock([this] { return now; });
    decoder.Set_Callback([this](int32_t index, TSlave_wMBus* slave) { reports.emplace_back(index, slave); }, false);
  }

  // Decodes from a buffer of exactly the datagram's size, so that a read past it is an
  // AddressSanitizer error.
  Result Decode(const std::vector<uint8_t>& datagram, TRadioModule module = rmTelit) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[datagram.size() + (datagram.empty() ? 1 : 0)]);
    std::copy(datagram.begin(), datagram.end(), exact.get());
    return decoder.Decode_Wireless_Frame(exact.get(), static_cast<int>(datagram.size()), module);
  }

  void Register_Key(int index, const std::array<uint8_t, 16>& key) {
    list[static_cast<size_t>(index)]->Enable_Key = true;
    list[static_cast<size_t>(index)]->Key = key;
  }

  std::map<std::string, Wmbus_Test_Frame> frames;
  TList_Slave_wMBus list;
  std::mutex lock;
  Wireless_Frame_Decoder decoder{list, lock};
  QDateTime now = QDateTime(QDate(2026, 12, 10), QTime(13, 0));
  std::vector<std::pair<int32_t, TSlave_wMBus*>> reports;
};

// The records every test frame decodes to, idle fillers left out.
void Expect_Test_Meter_Readable(const TSlave_wMBus& meter, const std::string& name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(meter.ALA_Address, 0x12345678);
  EXPECT_EQ(meter.ALA_Manufacturer, 0x1593);
  EXPECT_EQ(meter.ALA_Manu_str, QStringLiteral("ELS"));
  EXPECT_EQ(meter.ALA_Version, 0x33);
  EXPECT_EQ(meter.ALA_DeviceType, 0x03);
  EXPECT_EQ(meter.LLA_Address, 0x12345678);
  EXPECT_EQ(meter.Message_Type, 0x44);
  EXPECT_FALSE(meter.Cripted);
  EXPECT_EQ(meter.RSSI, -82);
  std::vector<const TVariable_MBus*> real;
  for (const auto& v : meter.List_Var) {
    if (v->DIF() != QStringLiteral("$2F")) real.push_back(v.get());
  }
  ASSERT_EQ(real.size(), 3u);
  EXPECT_EQ(real[0]->DIF(), QStringLiteral("$0C"));
  EXPECT_EQ(real[0]->VIF, 0x14);
  EXPECT_EQ(real[0]->totdati(), QStringLiteral("27048502"));
  EXPECT_TRUE(real[0]->ValueStr().contains(QStringLiteral("28504")) &&
              real[0]->ValueStr().contains(QStringLiteral("27")))
      << real[0]->ValueStr().toStdString();
  EXPECT_EQ(real[1]->VIF, 0x6D);
  EXPECT_TRUE(real[1]->ValueStr().contains(QStringLiteral("31/05/08 23:50"))) << real[1]->ValueStr().toStdString();
  EXPECT_EQ(real[2]->VIF, 0xFD);
  EXPECT_EQ(real[2]->VIFE().trimmed(), QStringLiteral("$17"));
  EXPECT_EQ(real[2]->dato_A, 0);
}

TEST_F(Frame_Decoder, Every_Test_Frame_Reads_With_Its_Key) {
  for (const std::string name : {"plain-7a", "ell-mode5", "afl-mode7"}) {
    list.clear();
    const Wmbus_Test_Frame& frame = frames.at(name);
    Result first = Decode(frame.datagram);
    ASSERT_EQ(list.size(), 1u);
    if (frame.key) {
      // Heard before its key was known: encrypted, nothing to show.
      EXPECT_EQ(first, Result::Not_Readable) << name;
      EXPECT_TRUE(list[0]->Cripted) << name;
      EXPECT_TRUE(list[0]->List_Var.empty()) << name;
      Register_Key(0, *frame.key);
      EXPECT_EQ(Decode(frame.datagram), Result::Readable) << name;
    } else {
      EXPECT_EQ(first, Result::Readable);
    }
    ASSERT_EQ(list.size(), 1u) << name;
    Expect_Test_Meter_Readable(*list[0], name);
    EXPECT_EQ(list[0]->DateTime, now);
    EXPECT_EQ(list[0]->RadioCrafts_Ind_Tab_Decript, -1);
  }
}

// Every field of a record and every text it shows, for comparing two decodings.
std::vector<std::string> Record_Lines(const TSlave_wMBus& meter) {
  std::vector<std::string> lines;
  for (const auto& r : meter.List_Var) {
    lines.push_back(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                        .arg(r->DIF(), r->DIFE(), r->VIFE(), r->totdati(), r->VIF_ASCII(), r->DataFieldStr(),
                             r->FunctionFieldStr(), r->Desc_Type_Data(), r->ValueStr())
                        .toStdString() +
                    " " + std::to_string(r->VIF) + " " + std::to_string(r->dimension) + " " +
                    std::to_string(r->storage_number) + " " + std::to_string(r->type_data) + " " +
                    std::to_string(r->Type_Data_Vife) + " " + std::to_string(r->nbyte) + " " +
                    std::to_string(r->Enable) + std::to_string(r->Real_Wireless_Var) + std::to_string(r->Is_BCD) +
                    (r->Node ? " node" : ""));
  }
  return lines;
}

// A meter heard again gets its new records in the objects of its old ones: nothing
// of the old records (texts read, a record the user unchecked, the tree entry) may
// show through.
TEST_F(Frame_Decoder, Records_Of_A_Meter_Heard_Again_Are_As_New) {
  std::vector<uint8_t> other = frames.at("plain-7a").datagram;
  other[4] = 0x11;  // a second meter, with the same records
  Decode(other);
  Decode(frames.at("afl-mode7").datagram);
  Register_Key(1, *frames.at("afl-mode7").key);
  Decode(frames.at("afl-mode7").datagram);
  ASSERT_GT(list[1]->List_Var.size(), 3u);
  int tree_entry = 0;
  for (auto& record : list[1]->List_Var) {
    record->Enable = false;
    record->Node = &tree_entry;
    record->ValueStr();
  }
  // The first meter's frame, then the second meter's plain frame in the recycled objects.
  Decode(frames.at("ell-mode5").datagram);
  Decode(other);
  Decode(frames.at("plain-7a").datagram);

  TList_Slave_wMBus fresh_list;
  std::mutex fresh_lock;
  Wireless_Frame_Decoder fresh{fresh_list, fresh_lock};
  fresh.Decode_Wireless_Frame(frames.at("plain-7a").datagram.data(),
                              static_cast<int>(frames.at("plain-7a").datagram.size()), rmTelit);
  ASSERT_EQ(fresh_list.size(), 1u);
  EXPECT_EQ(Record_Lines(*list[0]), Record_Lines(*fresh_list[0]));
  EXPECT_EQ(Record_Lines(*list[1]), Record_Lines(*fresh_list[0]));
  Expect_Test_Meter_Readable(*list[1], "plain-7a after afl-mode7");
}

TEST_F(Frame_Decoder, Key_Entered_Later_Keeps_The_List_Position) {
  std::vector<uint8_t> other = frames.at("plain-7a").datagram;
  other[4] = 0x11;  // another identification number
  Decode(other);
  Decode(frames.at("ell-mode5").datagram);
  Decode(frames.at("plain-7a").datagram);
  ASSERT_EQ(list.size(), 2u);  // plain-7a is the same meter as ell-mode5
  Register_Key(1, *frames.at("ell-mode5").key);
  EXPECT_EQ(Decode(frames.at("ell-mode5").datagram), Result::Readable);
  ASSERT_EQ(list.size(), 2u);
  Expect_Test_Meter_Readable(*list[1], "ell-mode5 after key");
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_EQ(reports.back().first, 1);
  EXPECT_EQ(reports.back().second, list[1].get());
}

TEST_F(Frame_Decoder, Wrong_Keys) {
  std::array<uint8_t, 16> wrong{};
  wrong.fill(0x55);

  // Mode 5: the plain text has no idle pair, so the frame is not readable.
  Decode(frames.at("ell-mode5").datagram);
  Register_Key(0, wrong);
  EXPECT_EQ(Decode(frames.at("ell-mode5").datagram), Result::Not_Readable);
  EXPECT_TRUE(list[0]->Cripted);
  EXPECT_TRUE(list[0]->List_Var.empty());

  // Mode 7: the meter keeps what it showed before, arrival time included.
  list.clear();
  Decode(frames.at("afl-mode7").datagram);
  Register_Key(0, *frames.at("afl-mode7").key);
  Decode(frames.at("afl-mode7").datagram);
  const size_t records = list[0]->List_Var.size();
  const QDateTime first_time = now;
  now = now.addSecs(60);
  Register_Key(0, wrong);
  std::vector<uint8_t> weaker = frames.at("afl-mode7").datagram;
  weaker.back() = 0x60;
  EXPECT_EQ(Decode(weaker), Result::Key_Refused);
  EXPECT_EQ(list[0]->List_Var.size(), records);
  EXPECT_FALSE(list[0]->Cripted);
  EXPECT_EQ(list[0]->DateTime, first_time);
  EXPECT_EQ(list[0]->RSSI, -82);
  EXPECT_EQ(reports.back().first, 0);  // still reported once
}

TEST_F(Frame_Decoder, Truncated_Frames_Never_Read_Past_The_Datagram) {
  // Each cut gets an L field that matches its length, so that it passes the length
  // check and reaches every layout rule with too few bytes.
  for (const auto& [name, frame] : frames) {
    for (TRadioModule module : {rmTelit, rmRadioCrafts}) {
      const int module_bytes = module == rmTelit ? 2 : 1;
      for (size_t length = 1; length <= frame.datagram.size(); ++length) {
        list.clear();
        std::vector<uint8_t> cut(frame.datagram.begin(), frame.datagram.begin() + static_cast<long>(length));
        cut[0] = static_cast<uint8_t>(length - (module == rmTelit ? 3 : 1));
        const int frame_bytes = static_cast<int>(length) - module_bytes;
        const Result first = Decode(cut, module);
        if (frame_bytes < 11) {
          EXPECT_EQ(first, Result::Dropped) << name << " " << length;
          EXPECT_TRUE(list.empty());
          continue;
        }
        ASSERT_EQ(list.size(), 1u) << name << " " << length;
        if (frame.key) {
          Register_Key(0, *frame.key);
          const Result second = Decode(cut, module);
          // Cut into its encrypted blocks, a frame can never be read, whatever the key.
          if (frame_bytes < static_cast<int>(frame.datagram.size()) - 2) {
            EXPECT_NE(second, Result::Readable) << name << " " << length;
          }
        }
      }
    }
  }
}

TEST_F(Frame_Decoder, Datagram_Length_Must_Match_The_L_Field) {
  const std::vector<uint8_t>& telit = frames.at("plain-7a").datagram;
  // A Telit datagram of L + 1 bytes (the frame alone) and any other wrong length: ignored.
  for (size_t cut : {size_t{2}, size_t{1}}) {
    std::vector<uint8_t> shorter(telit.begin(), telit.end() - static_cast<long>(cut));
    EXPECT_EQ(Decode(shorter, rmTelit), Result::Dropped) << cut;
  }
  std::vector<uint8_t> longer = telit;
  longer.push_back(0x50);
  EXPECT_EQ(Decode(longer, rmTelit), Result::Dropped);
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(reports.empty());

  // The same frame as a Radiocrafts module passes it on: L + 1 bytes, the last the signal strength.
  std::vector<uint8_t> radiocrafts(telit.begin(), telit.end() - 2);
  radiocrafts.back() = 0xA0;
  EXPECT_EQ(Decode(radiocrafts, rmRadioCrafts), Result::Readable);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->RSSI, -47);
}

TEST_F(Frame_Decoder, Garbage_Is_Not_Readable) {
  // Every byte value in every header position of the plain frame: no crash, and the
  // meter list only ever grows by the frames that name a meter.
  const std::vector<uint8_t>& base = frames.at("ell-mode5").datagram;
  for (size_t position = 1; position < 30; ++position) {
    for (int value = 0; value < 256; value += 17) {
      std::vector<uint8_t> datagram = base;
      datagram[position] = static_cast<uint8_t>(value);
      const Result r = Decode(datagram);
      EXPECT_NE(r, Result::Dropped);
    }
  }
  EXPECT_EQ(Decode({}), Result::Dropped);
  EXPECT_EQ(decoder.Decode_Wireless_Frame(nullptr, 40, rmTelit), Result::Dropped);
}

TEST_F(Frame_Decoder, Long_Transport_Header_Names_The_Meter) {
  // CI 72: identity 11-14 (87 65 43 21), manufacturer 15-16, version 17, type 18.
  std::vector<uint8_t> datagram = {0x1C, 0x44, 0x2D, 0x2C, 0x01, 0x02, 0x03, 0x04, 0x01, 0x07, 0x72,
                                   0x21, 0x43, 0x65, 0x87, 0x93, 0x15, 0x33, 0x03, 0x2A, 0x00, 0x00,
                                   0x00, 0x2F, 0x2F, 0x02, 0xFD, 0x17, 0x00, 0x00, 0x00, 0x50};
  datagram[0] = static_cast<uint8_t>(datagram.size() - 3);
  EXPECT_EQ(Decode(datagram), Result::Readable);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->ALA_Address, static_cast<int32_t>(0x87654321));
  EXPECT_EQ(list[0]->ALA_Manu_str, QStringLiteral("ELS"));
  EXPECT_EQ(list[0]->LLA_Address, 0x04030201);
  EXPECT_EQ(list[0]->LLA_Manufacturer, 0x2C2D);

  // Without the idle pair at 23 the data count as encrypted, though no mode says so.
  datagram[23] = 0x04;
  EXPECT_EQ(Decode(datagram), Result::Not_Readable);
  EXPECT_TRUE(list[0]->Cripted);
  EXPECT_TRUE(list[0]->List_Var.empty());
}

TEST_F(Frame_Decoder, Callback_Once_Per_Frame_And_Index_Only_Form) {
  decoder.Set_Callback(
      [this](int32_t index, TSlave_wMBus* slave) {
        reports.emplace_back(index, slave);
        throw std::runtime_error("listener failed");
      },
      true);
  EXPECT_EQ(Decode(frames.at("plain-7a").datagram), Result::Readable);
  EXPECT_EQ(Decode(frames.at("plain-7a").datagram), Result::Readable);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], std::make_pair(0, static_cast<TSlave_wMBus*>(nullptr)));
}

TEST(Wireless_Signal_Strength, Both_Module_Scales) {
  struct Row {
    uint8_t r;
    TRadioModule module;
    int expected;
  };
  const Row rows[] = {{0x50, rmTelit, -82},       {0x00, rmTelit, -2},      {0xFE, rmTelit, 0},
                      {0xA0, rmRadioCrafts, -47}, {0x01, rmRadioCrafts, 1}, {0xFF, rmRadioCrafts, 1},
                      {0x81, rmRadioCrafts, -62}, {0x7F, rmRadioCrafts, 64}};
  for (const Row& row : rows) {
    EXPECT_EQ(Wireless_Frame_Decoder::Signal_Strength(row.r, row.module), row.expected) << int(row.r);
  }
}

// A frame of `size` bytes, zero but for the given positions.
std::vector<uint8_t> Frame_With(int size, std::initializer_list<std::pair<int, uint8_t>> bytes) {
  std::vector<uint8_t> frame(static_cast<size_t>(size), 0);
  for (const auto& [position, value] : bytes) frame[static_cast<size_t>(position)] = value;
  return frame;
}

TEST(Wireless_Readability, Table_Of_Layouts) {
  struct Row {
    const char* what;
    std::vector<uint8_t> frame;
    int start;
  };
  const Row rows[] = {
      {"7A mode 0", Frame_With(20, {{10, 0x7A}}), 15},
      {"7A mode 5 open", Frame_With(20, {{10, 0x7A}, {14, 0x05}, {15, 0x2F}, {16, 0x2F}}), 15},
      {"7A mode 5 closed", Frame_With(20, {{10, 0x7A}, {14, 0x05}, {15, 0x2F}}), -1},
      {"7A mode 7", Frame_With(20, {{10, 0x7A}, {14, 0x07}, {15, 0x2F}, {16, 0x2F}}), -1},
      {"7A mode byte missing", Frame_With(14, {{10, 0x7A}}), -1},
      {"72 open", Frame_With(30, {{10, 0x72}, {23, 0x2F}, {24, 0x2F}}), 23},
      {"72 closed", Frame_With(30, {{10, 0x72}, {23, 0x2F}}), -1},
      {"72 cut at the pair", Frame_With(24, {{10, 0x72}, {23, 0x2F}}), -1},
      {"8C 72 mode 0", Frame_With(30, {{10, 0x8C}, {13, 0x72}}), 26},
      {"8C 72 mode 5 open", Frame_With(30, {{10, 0x8C}, {13, 0x72}, {25, 0x15}, {26, 0x2F}, {27, 0x2F}}), 26},
      {"8C 78", Frame_With(14, {{10, 0x8C}, {13, 0x78}}), 14},
      {"8C 7A mode 0", Frame_With(20, {{10, 0x8C}, {13, 0x7A}}), 18},
      {"8C 7A mode 5 closed", Frame_With(20, {{10, 0x8C}, {13, 0x7A}, {17, 0x25}}), -1},
      {"8C 90 open", Frame_With(40, {{10, 0x8C}, {13, 0x90}, {14, 0x0F}, {36, 0x2F}, {37, 0x2F}}), 36},
      {"8C 90 closed", Frame_With(40, {{10, 0x8C}, {13, 0x90}, {14, 0x0F}, {36, 0x2F}}), -1},
      {"8C 90 AFLL past the end", Frame_With(40, {{10, 0x8C}, {13, 0x90}, {14, 0xFF}}), -1},
      {"8C other", Frame_With(40, {{10, 0x8C}, {13, 0x79}}), -1},
      {"8D 72 mode 0", Frame_With(40, {{10, 0x8D}, {19, 0x72}}), 32},
      {"8D 78", Frame_With(21, {{10, 0x8D}, {19, 0x78}}), 20},
      {"8D 7A mode 5 open", Frame_With(30, {{10, 0x8D}, {19, 0x7A}, {23, 0x05}, {24, 0x2F}, {25, 0x2F}}), 24},
      {"8D AFL", Frame_With(60, {{10, 0x8D}, {19, 0x90}, {14, 0x0F}, {36, 0x2F}, {37, 0x2F}}), -1},
      {"8E", Frame_With(30, {{10, 0x8E}}), -1},
      {"8F", Frame_With(30, {{10, 0x8F}}), -1},
      {"no CI", Frame_With(10, {}), -1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(wmbus_readability::Records_Start(row.frame.data(), static_cast<int>(row.frame.size())), row.start)
        << row.what;
  }
}

}  // namespace
