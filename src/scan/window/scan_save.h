#pragma once
// What the Scan & Decode window hands to the network-file writers, and the checks
// of its three small dialogs (key, start register, per-node start addresses).
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "scan/engine/save_conf_xml.h"

namespace scan_save {

// The window's settings at the moment of a save.
struct Choices {
  bool append = false;
  int32_t xml_code_dev = 0;
  int32_t start_register = 1;
  bool wireless = false;  // the wireless method of a wireless device
  int baud_index = 0;     // position in the baud-rate list
  int parity_index = 0;
  int scan_by = 0;  // 0 primary, 1 secondary
  bool snd_nke = false;
  bool app_reset = false;
  QString cut_after;            // as typed
  int kind = 0;                 // 0 Save Conf., 1 Save Node Add. Conf.
  QStringList per_node_starts;  // column 1 of the per-node grid's data rows
  bool en_node_state = false;
  bool en_ide_num = false;
  QString file_name;
};

// The save record: a wireless save writes baud and parity 0, no SND_NKE, no
// application reset and cut-after 3 whatever the wired settings show.
TSaveConfXML Save_Record(const Choices& choices);

// Device codes for which the save asks the start register before an append and
// the per-node addresses before a "Save Node Add. Conf.".
bool Asks_Start_Addresses(int32_t xml_code_dev);

// The key dialog's check: 0 when acceptable, else the text number of the
// refusal (904 not 32 characters, 903 a character outside 0-9, A-F).
int Key_Problem(const QString& key);
// 32 hexadecimal characters as 16 bytes, first pair first; a pair that is not a
// number gives 0.
std::array<uint8_t, 16> Key_Bytes(const QString& key);

// The start register typed: the number when it is from 1 to 65535.
std::optional<int32_t> Start_Register(const QString& text);

// The per-node grid's first refused row (from 1), with its message; nothing
// when every row passes.
std::optional<QString> Per_Node_Problem(const QStringList& starts);

}  // namespace scan_save
