// The Scan & Decode window's results: the wired tree, the wireless meter's
// tree and key entry, and saving the meters as the configuration's network file.
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <exception>

#include "grid/columns/zad_column_grid.h"
#include "grid/core/zad_irurur_oziz.h"
#include "platform/dialogs.h"
#include "platform/file_resolver.h"
#include "scan/decode/slave_lists.h"
#include "scan/engine/save_conf_xml.h"
#include "scan/window/scan_decode_window.h"
#include "scan/window/scan_dialogs.h"
#include "scan/window/scan_save.h"
#include "scan/window/scan_tree_model.h"
#include "scan/window/scan_tree_texts.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"

void TFScanDecode::Create_Trees() {
  wired_tree_ = new Scan_Tree_Model(this);
  VST->setModel(wired_tree_);
  wireless_tree_ = new Scan_Tree_Model(this);
  VST_Wireless->setModel(wireless_tree_);
  wireless_tree_->On_Check = [this](int, int record, bool checked) { Apply_Wireless_Check(record, checked); };
  ZSG_Wireless->OnClickCell = [this](TZadIrururOziz*, int ARow, int ACol) { ZSG_WirelessClickCell(ARow, ACol); };
  ZSG_Wireless->OnDblClickCell = [this](TZadIrururOziz*, int ARow, int ACol) { ZSG_WirelessDblClickCell(ARow, ACol); };
}

void TFScanDecode::Set_Dialogs(TFInsertKeyWireless* key, TFScanModbusStart* start, TFModbusStartAdd_SD* per_node) {
  key_dialog_ = key;
  start_dialog_ = start;
  per_node_dialog_ = per_node;
}

TFInsertKeyWireless& TFScanDecode::Key_Dialog() {
  if (key_dialog_ == nullptr) key_dialog_ = new TFInsertKeyWireless(this);
  return *key_dialog_;
}

TFScanModbusStart& TFScanDecode::Start_Dialog() {
  if (start_dialog_ == nullptr) start_dialog_ = new TFScanModbusStart(this);
  return *start_dialog_;
}

TFModbusStartAdd_SD& TFScanDecode::Per_Node_Dialog() {
  if (per_node_dialog_ == nullptr) per_node_dialog_ = new TFModbusStartAdd_SD(this);
  return *per_node_dialog_;
}

// --- wired tree ---

// Called once the scan has ended: the list no longer changes.
void TFScanDecode::Show_Slave_in_Tree() {
  L_Num_Slave->setText(QString::number(List_Slave_MBus.size()));
  std::vector<Scan_Tree_Model::Meter> meters;
  for (const auto& meter : List_Slave_MBus) {
    Scan_Tree_Model::Meter entry;
    const TSlave_MBus* m = meter.get();
    entry.text = [m] { return scan_tree::Meter_Text(*m); };
    for (const auto& record : meter->List_Var) {
      const TVariable_MBus* v = record.get();
      entry.records.push_back({[v] { return scan_tree::Record_Text(*v); },
                               [v](int line) { return scan_tree::Detail_Text(*v, line); }, true});
    }
    meters.push_back(std::move(entry));
  }
  wired_tree_->Set_Meters(std::move(meters));
  for (size_t m = 0; m < List_Slave_MBus.size(); ++m) {
    TSlave_MBus& meter = *List_Slave_MBus[m];
    meter.Node = wired_tree_->Meter_Node(int(m));
    for (size_t r = 0; r < meter.List_Var.size(); ++r)
      meter.List_Var[r]->Node = wired_tree_->Record_Node(int(m), int(r));
  }
}

// --- wireless tree and keys ---

// The tree is built from texts copied under the list lock, so the receive
// thread may refresh the meter meanwhile; it shows what a save would write.
void TFScanDecode::Show_Slave_in_Tree_Wireless(int32_t n) {
  Scan_Tree_Model::Meter entry;
  {
    std::lock_guard lock(engine_->List_Lock());
    if (n < 0 || size_t(n) >= List_Slave_wMBus.size()) return;
    const TSlave_wMBus& meter = *List_Slave_wMBus[size_t(n)];
    entry.text = [text = scan_tree::Meter_Text(meter)] { return text; };
    entry.checked = meter.Enable;
    for (const auto& record : meter.List_Var) {
      QStringList details;
      for (int line = 0; line < scan_tree::kDetail_Lines; ++line) details << scan_tree::Detail_Text(*record, line);
      entry.records.push_back({[text = scan_tree::Wireless_Record_Text(*record)] { return text; },
                               [details](int line) { return details.value(line); }, record->Enable});
    }
  }
  // The same meter heard again keeps the lines the user opened.
  const bool same = n == shown_wireless_meter_ && wireless_tree_->rowCount() == 1;
  const QModelIndex old_meter = wireless_tree_->index(0, 0);
  const bool meter_open = same && VST_Wireless->isExpanded(old_meter);
  std::vector<int> open_records;
  if (same)
    for (int r = 0; r < wireless_tree_->rowCount(old_meter); ++r)
      if (VST_Wireless->isExpanded(wireless_tree_->index(r, 0, old_meter))) open_records.push_back(r);
  shown_wireless_meter_ = n;
  std::vector<Scan_Tree_Model::Meter> meters;
  meters.push_back(std::move(entry));
  wireless_tree_->Set_Meters(std::move(meters));
  const QModelIndex meter = wireless_tree_->index(0, 0);
  if (meter_open) VST_Wireless->expand(meter);
  for (int r : open_records)
    if (r < wireless_tree_->rowCount(meter)) VST_Wireless->expand(wireless_tree_->index(r, 0, meter));
}

void TFScanDecode::Apply_Wireless_Check(int record, bool checked) {
  std::lock_guard lock(engine_->List_Lock());
  const int n = shown_wireless_meter_;
  if (n < 0 || size_t(n) >= List_Slave_wMBus.size()) return;
  TSlave_wMBus& meter = *List_Slave_wMBus[size_t(n)];
  if (record < 0)
    meter.Enable = checked;
  else if (size_t(record) < meter.List_Var.size())
    meter.List_Var[size_t(record)]->Enable = checked;
}

void TFScanDecode::ZSG_WirelessClickCell(int ARow, int) {
  size_t meters = 0;
  {
    std::lock_guard lock(engine_->List_Lock());
    meters = List_Slave_wMBus.size();
  }
  if (ARow < 1 || size_t(ARow - 1) >= meters) return;
  Show_Slave_in_Tree_Wireless(ARow - 1);
}

void TFScanDecode::ZSG_WirelessDblClickCell(int ARow, int) {
  bool encrypted = false;
  {
    std::lock_guard lock(engine_->List_Lock());
    if (ARow < 1 || size_t(ARow - 1) >= List_Slave_wMBus.size()) return;
    encrypted = List_Slave_wMBus[size_t(ARow - 1)]->Cripted;
  }
  if (!encrypted) return;
  TFInsertKeyWireless& dialog = Key_Dialog();
  // At the mouse pointer, moved back inside this window's client area.
  const QRect client(mapToGlobal(QPoint(0, 0)), size());
  QPoint at = QCursor::pos();
  at.setX(std::max(client.left(), std::min(at.x(), client.right() + 1 - dialog.width())));
  at.setY(std::max(client.top(), std::min(at.y(), client.bottom() + 1 - dialog.height())));
  dialog.move(at);
  if (dialog.exec() != mrOk) return;
  if (!engine_->Insert_Wireless_Key(ARow - 1, scan_save::Key_Bytes(dialog.E_Key->text())))
    dialogs::Warning(this, QStringLiteral("The key was not registered: the reception is not running, or the radio "
                                          "module holds no more keys."));
}

// --- saving ---

void TFScanDecode::Carica_Dati_Modbus_Start_Add() {
  TZadColumnGrid& grid = *Per_Node_Dialog().sga;
  std::vector<QString> names;
  if (Wireless_Method()) {
    std::lock_guard lock(engine_->List_Lock());
    for (const auto& meter : List_Slave_wMBus) names.push_back(QString::number(uint32_t(meter->ALA_Address)));
  } else {
    for (const auto& meter : List_Slave_MBus)
      names.push_back(QString::number(meter->Primary_Addresss) + QStringLiteral(" - ") + meter->Secondary_Addresss);
  }
  grid.SetRowCount(int(names.size()) + 1);
  for (size_t i = 0; i < names.size(); ++i) {
    grid.SetCellEx(0, int(i) + 1, names[i]);
    grid.SetCellEx(1, int(i) + 1, QStringLiteral("1"));
  }
}

void TFScanDecode::Select_SaveXML(int kind) {
  int32_t start = 1;
  bool append = false;
  if (QFileInfo::exists(file_resolver::Resolve_Path(FileName_MBus))) {
    const int answer =
        dialogs::Message(this, dialogs::Kind::Confirmation, Lang(737), dialogs::Yes | dialogs::No | dialogs::Cancel);
    if (answer != dialogs::Yes && answer != dialogs::No) return;
    append = answer == dialogs::Yes;
  }
  if (scan_save::Asks_Start_Addresses(XML_Code_Dev)) {
    if (append) {
      if (Start_Dialog().exec() != mrOk) return;
      start = Start_Dialog().StartModAdd;
    }
    if (kind == 1) {
      Carica_Dati_Modbus_Start_Add();
      if (Per_Node_Dialog().exec() != mrOk) return;
    }
  }
  bool saved = false;
  try {
    saved = Wireless_Method() ? SaveXMLWireless(append, start, kind) : SaveXML(append, start, kind);
  } catch (const std::exception& error) {
    const QString reason = QString::fromUtf8(error.what());
    dialogs::Error(this, reason.contains(FileName_MBus) ? reason : FileName_MBus + QStringLiteral(": ") + reason);
    return;
  }
  if (saved) dialogs::Information(this, Lang(730));
}

namespace {

scan_save::Choices Common_Choices(TFScanDecode& w, bool append, int32_t start, int kind) {
  scan_save::Choices choices;
  choices.append = append;
  choices.xml_code_dev = w.XML_Code_Dev;
  choices.start_register = start;
  choices.scan_by = w.CB_ScanBy->currentIndex();
  choices.kind = kind;
  TFModbusStartAdd_SD& per_node = w.Per_Node_Dialog();
  choices.per_node_starts = per_node.Starts();
  choices.en_node_state = per_node.CB_En_NodeState->isChecked();
  choices.en_ide_num = per_node.CB_En_IndNum->isChecked();
  choices.file_name = w.FileName_MBus;
  return choices;
}

}  // namespace

bool TFScanDecode::SaveXML(bool append, int32_t start, int kind) {
  scan_save::Choices choices = Common_Choices(*this, append, start, kind);
  choices.baud_index = CB_MBus_Baud->currentIndex();
  choices.parity_index = CB_MBus_Parity->currentIndex();
  choices.snd_nke = CB_Opt_SND_NKE->isChecked();
  choices.app_reset = CB_Opt_App_Reset->isChecked();
  choices.cut_after = E_Opt_Cut_After->text();
  Scan_Tree_Model* tree = wired_tree_;
  return Save_XML_Conf_Wired(List_Slave_MBus, scan_save::Save_Record(choices), CB_Opt_Check_BCD_to_Int->isChecked(),
                             [tree](void* node) { return tree->Is_Checked(node); });
}

bool TFScanDecode::SaveXMLWireless(bool append, int32_t start, int kind) {
  scan_save::Choices choices = Common_Choices(*this, append, start, kind);
  choices.wireless = true;
  std::lock_guard lock(engine_->List_Lock());
  return Save_XML_Conf_Wireless(List_Slave_wMBus, scan_save::Save_Record(choices),
                                CB_Opt_Check_BCD_to_Int->isChecked());
}
