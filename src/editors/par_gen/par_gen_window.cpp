#include "editors/par_gen/par_gen_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <exception>
#include <utility>

#include "controls/zb_button.h"
#include "editors/par_gen/auto_byte_count.h"
#include "editors/par_gen/par_gen_checks.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

constexpr int kWindow_Width = 312;
constexpr int kFolded_Height = 26;

void Set_Address(const TFParGen::Address_Fields& fields, const Par_Gen_Settings::Address& address) {
  for (int i = 0; i < 4; ++i) fields[i]->setText(address[i]);
}

// IP 1 to 4, mask 1 to 4, gateway 1 to 4: where "." moves the focus.
std::array<QLineEdit*, 12> Focus_Order(const TFParGen::Address_Fields& ip, const TFParGen::Address_Fields& mask,
                                       const TFParGen::Address_Fields& gateway) {
  std::array<QLineEdit*, 12> order{};
  for (int i = 0; i < 4; ++i) {
    order[i] = ip[i];
    order[4 + i] = mask[i];
    order[8 + i] = gateway[i];
  }
  return order;
}

Par_Gen_Settings::Address Address_Of(const TFParGen::Address_Fields& fields) {
  return {fields[0]->text(), fields[1]->text(), fields[2]->text(), fields[3]->text()};
}

}  // namespace

TFParGen::TFParGen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FParGen"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, kWindow_Width, 62);

  Create_EtherNetIP();
  Create_DNET_Slave();
  Create_MBus();
  Create_PROFIBUS_Slave();
  Create_Select_Device();
  Create_Sel_Dev_Wire_Present();
  Create_wMBus();
  Create_PROFINET();
  Create_CANopen();
  Create_Buttons();

  // FormCreate
  for (QGroupBox* group : findChildren<QGroupBox*>()) group->hide();
  Collapse_Expand_Creation();

  for (QLineEdit* edit : findChildren<QLineEdit*>()) connect(edit, &QLineEdit::textChanged, this, &TFParGen::On_Change);
  for (QComboBox* list : findChildren<QComboBox*>())
    connect(list, &QComboBox::currentIndexChanged, this, &TFParGen::On_Change);
  // The device lists decide which groups are shown.
  connect(Cmb_Select_Device, &QComboBox::currentIndexChanged, this, &TFParGen::Move_GroupBoxs);
  connect(Cmb_MBus_On_Wire, &QComboBox::currentIndexChanged, this, &TFParGen::Move_GroupBoxs);
  for (QCheckBox* check : findChildren<QCheckBox*>())
    if (check != CB_Auto_Calc_Byte) connect(check, &QCheckBox::clicked, this, &TFParGen::On_Click);
  connect(CB_Auto_Calc_Byte, &QCheckBox::clicked, this, &TFParGen::Auto_Calc_Click);
  for (const Address_Fields* fields : {&E_EtherNetIP_IP, &E_EtherNetIP_SM, &E_EtherNetIP_GAT, &E_IP, &E_SM, &E_GAT})
    for (QLineEdit* field : *fields) field->installEventFilter(this);

  Move_GroupBoxs();
  Set_Lang();
}

// --- showing ---

void TFParGen::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TFParGen::FormShow() {
  Par_Gen_Settings settings;
  try {
    settings = Read_Par_Gen(Path_ParGen_XML, Device_Type());
  } catch (const std::exception& error) {
    // A file that cannot be parsed shows the defaults; the next OK replaces it.
    Show_Exception(error);
  }
  Load_Controls(settings);
  Move_GroupBoxs();
  Place_Window();
  Is_Change = false;
}

// Centred on the window it was opened from, its top edge never above the screen.
void TFParGen::Place_Window() {
  QWidget* opener = QApplication::activeWindow();
  if (opener != nullptr && opener != this) {
    const QPoint centre = opener->geometry().center();
    move(centre.x() - width() / 2, centre.y() - height() / 2);
  }
  if (const QScreen* screen = this->screen()) {
    const int top = screen->availableGeometry().top();
    if (y() < top) move(x(), top);
  }
}

void TFParGen::Load_Controls(const Par_Gen_Settings& s) {
  E_DeviceNet_Slave_ID->setText(s.DN_ID);
  Cmb_DeviceNet_Slave_Baud->setCurrentIndex(s.DN_BAUD);
  E_DeviceNet_Slave_Byte_OUT->setText(s.DN_NB_IN);
  for (QComboBox* list : {Cmb_EtherNetIP_WM, Cmb_DeviceNet_Slave_WM, Cmb_PROFIBUS_Slave_WM, Cmb_PROFINET_WM})
    list->setCurrentIndex(s.Working_mode);

  Set_Address(E_EtherNetIP_IP, s.Eth_IP);
  Set_Address(E_EtherNetIP_SM, s.Eth_SM);
  Set_Address(E_EtherNetIP_GAT, s.Eth_GAT);
  CB_EtherNetIP_EN_GAT->setChecked(s.Eth_EN_GAT);
  E_EtherNetIP_NB_Output->setText(s.Eth_NumByte_OUT);

  E_PROFIBUS_Slave_ID_DEV->setText(s.PROFI_ID);
  E_PROFIBUS_Slave_Byte_IN->setText(s.PROFI_NB_IN);
  CB_PROFIBUS_Slave_GSD->setChecked(s.PROFI_GSD);
  CB_PROFIBUS_Slave_Enable_TX->setChecked(s.Enable_TX);
  E_PROFIBUS_Slave_Byte_OUT->setText(s.PROFI_NB_OUT);
  Cmb_Select_Device->setCurrentIndex(s.Hardware_Type);

  Cmb_MBus_On_Wire->setCurrentIndex(s.Sel_Dev_MBus_Present);
  Cmb_wMBus_Mode->setCurrentIndex(s.wMBus_Mode);
  Cmb_wMBus_Radio_Channel->setCurrentIndex(s.wMBus_Radio_Channel);

  Cmb_MBus_Baud->setCurrentIndex(s.Meter_Baud);
  Cmb_MBus_Parity->setCurrentIndex(s.Meter_Par);
  E_MBus_Delay->setText(s.Meter_Req_Delay);
  E_MBus_NodeState->setText(s.Meter_NS_Error_Code);

  Set_Address(E_IP, s.PROFINET_IP);
  Set_Address(E_SM, s.PROFINET_SM);
  Set_Address(E_GAT, s.PROFINET_GAT);
  CB_EN_GAT->setChecked(s.PROFINET_EN_GAT);
  E_PROFINET_Name->setText(s.PROFINET_NAME_STA);
  E_NB_OUT_PROFINET->setText(s.PROFINET_NB_OUT);
  // Turning the automatic count on or off here acts as the click would: an
  // automatic count is taken afresh from the network file.
  if (CB_Auto_Calc_Byte->isChecked() != s.PROFINET_AUTO_CALC_BYTE) {
    CB_Auto_Calc_Byte->setChecked(s.PROFINET_AUTO_CALC_BYTE);
    Auto_Calc_Click();
  }
  E_NB_OUT_PROFINET->setEnabled(!CB_Auto_Calc_Byte->isChecked());

  E_ID_CANopen->setText(s.CAN_ID_DEV);
  Cmb_CANopen_Baud->setCurrentIndex(s.CAN_BAUD);
  CB_CANopen_Set_Ope->setChecked(s.CAN_SET_OPE);
  CB_CANopen_Net_Ope->setChecked(s.CAN_NET_OPE);
  E_NO_Delay_CANopen->setText(s.CAN_DELAY);
  E_SDO_TO_CANopen->setText(s.CAN_SDO_TIMEOUT);
  CB_CANopen_Enable_Sync->setChecked(s.CANopen_Enable_Sync);
  E_CANopen_Sync_Time->setText(s.CANopen_Sync_Time);
}

// Every control, shown or not: the writer keeps only the device type's
// elements, and hidden rows give back what was read.
Par_Gen_Settings TFParGen::Collect_Settings() const {
  Par_Gen_Settings s;
  s.DN_ID = E_DeviceNet_Slave_ID->text();
  s.DN_BAUD = Cmb_DeviceNet_Slave_Baud->currentIndex();
  s.DN_NB_IN = E_DeviceNet_Slave_Byte_OUT->text();
  switch (Device_Type()) {
    case 1:
      s.Working_mode = Cmb_DeviceNet_Slave_WM->currentIndex();
      break;
    case 3:
      s.Working_mode = Cmb_PROFIBUS_Slave_WM->currentIndex();
      break;
    case 5:
      s.Working_mode = Cmb_PROFINET_WM->currentIndex();
      break;
    default:
      s.Working_mode = Cmb_EtherNetIP_WM->currentIndex();
      break;
  }
  s.Eth_IP = Address_Of(E_EtherNetIP_IP);
  s.Eth_SM = Address_Of(E_EtherNetIP_SM);
  s.Eth_GAT = Address_Of(E_EtherNetIP_GAT);
  s.Eth_EN_GAT = CB_EtherNetIP_EN_GAT->isChecked();
  s.Eth_NumByte_OUT = E_EtherNetIP_NB_Output->text();

  s.PROFI_ID = E_PROFIBUS_Slave_ID_DEV->text();
  s.PROFI_NB_IN = E_PROFIBUS_Slave_Byte_IN->text();
  s.PROFI_GSD = CB_PROFIBUS_Slave_GSD->isChecked();
  s.Enable_TX = CB_PROFIBUS_Slave_Enable_TX->isChecked();
  s.PROFI_NB_OUT = E_PROFIBUS_Slave_Byte_OUT->text();
  s.Hardware_Type = Cmb_Select_Device->currentIndex();

  s.Sel_Dev_MBus_Present = Cmb_MBus_On_Wire->currentIndex();
  s.wMBus_Mode = Cmb_wMBus_Mode->currentIndex();
  s.wMBus_Radio_Channel = Cmb_wMBus_Radio_Channel->currentIndex();

  s.Meter_Baud = Cmb_MBus_Baud->currentIndex();
  s.Meter_Par = Cmb_MBus_Parity->currentIndex();
  s.Meter_Req_Delay = E_MBus_Delay->text();
  s.Meter_NS_Error_Code = E_MBus_NodeState->text();

  s.PROFINET_IP = Address_Of(E_IP);
  s.PROFINET_SM = Address_Of(E_SM);
  s.PROFINET_GAT = Address_Of(E_GAT);
  s.PROFINET_EN_GAT = CB_EN_GAT->isChecked();
  s.PROFINET_NAME_STA = E_PROFINET_Name->text();
  s.PROFINET_NB_OUT = E_NB_OUT_PROFINET->text();
  s.PROFINET_AUTO_CALC_BYTE = CB_Auto_Calc_Byte->isChecked();

  s.CAN_ID_DEV = E_ID_CANopen->text();
  s.CAN_BAUD = Cmb_CANopen_Baud->currentIndex();
  s.CAN_SET_OPE = CB_CANopen_Set_Ope->isChecked();
  s.CAN_NET_OPE = CB_CANopen_Net_Ope->isChecked();
  s.CAN_DELAY = E_NO_Delay_CANopen->text();
  s.CAN_SDO_TIMEOUT = E_SDO_TO_CANopen->text();
  s.CANopen_Enable_Sync = CB_CANopen_Enable_Sync->isChecked();
  s.CANopen_Sync_Time = E_CANopen_Sync_Time->text();
  return s;
}

// --- OK and Cancel ---

bool TFParGen::Controllo_Dati() {
  if (const std::optional<int> failed = Check_Par_Gen(Collect_Settings(), Device_Type())) {
    dialogs::Error(this, Lang(*failed));
    return false;
  }
  return true;
}

void TFParGen::Btn_OKClick() {
  if (!Controllo_Dati()) return;
  try {
    Write_Par_Gen(Path_ParGen_XML, Collect_Settings(), Device_Type());
  } catch (const std::exception& error) {
    Show_Exception(error);
    return;
  }
  done(mrOk);
}

void TFParGen::Btn_CancelClick() {
  if (Is_Change &&
      dialogs::Message(this, dialogs::Kind::Confirmation, Lang(467), dialogs::Yes | dialogs::No) != dialogs::Yes)
    return;
  done(mrCancel);
}

// Escape goes through Cancel and its question; the title-bar close box does not.
void TFParGen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Btn_CancelClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

// --- changes ---

void TFParGen::On_Change() { Is_Change = true; }

void TFParGen::On_Click() { Is_Change = true; }

void TFParGen::Auto_Calc_Click() {
  Is_Change = true;
  if (!CB_Auto_Calc_Byte->isChecked()) {
    E_NB_OUT_PROFINET->setEnabled(true);
    return;
  }
  if (Cmb_PROFINET_WM->currentIndex() == 1) {
    dialogs::Error(this, Lang(859));
    CB_Auto_Calc_Byte->setChecked(false);
    return;
  }
  // Disabled first: a count that fails leaves the box checked and the field
  // disabled with its old text.
  E_NB_OUT_PROFINET->setEnabled(false);
  try {
    E_NB_OUT_PROFINET->setText(QString::number(Calcolate_Byte_Used_in_MBus_Configuration()));
  } catch (const std::exception& error) {
    Show_Exception(error);
  }
}

int TFParGen::Calcolate_Byte_Used_in_MBus_Configuration() {
  return ::Calcolate_Byte_Used_in_MBus_Configuration(Path_M_Bus_XML);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (field != nullptr && Address_Key(field, key)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TFParGen::Address_Key(QLineEdit* field, QKeyEvent* key) {
  if (key->text() != QStringLiteral(".")) return false;
  const int type = Device_Type();
  // Type 3 only swallows the dot in its Ethernet fields.
  const std::array<std::pair<std::array<QLineEdit*, 12>, bool>, 2> orders = {{
      {Focus_Order(E_EtherNetIP_IP, E_EtherNetIP_SM, E_EtherNetIP_GAT), type == 2 || type == 4 || type == 6},
      {Focus_Order(E_IP, E_SM, E_GAT), type == 5},
  }};
  for (const auto& [order, moves] : orders) {
    const auto it = std::find(order.begin(), order.end(), field);
    if (it == order.end() || !moves || it + 1 == order.end()) continue;
    QLineEdit* next = *(it + 1);
    if (next->isEnabled() && next->isVisible()) next->setFocus(Qt::TabFocusReason);
  }
  return true;
}

// --- groups ---

TFParGen::Fold& TFParGen::Fold_Of(QGroupBox* group) {
  for (Fold& fold : folds_)
    if (fold.group == group) return fold;
  return folds_.front();
}

void TFParGen::Btn_GB_Collapse(Fold& fold) {
  fold.group->resize(fold.group->width(), kFolded_Height);
  for (QWidget* control : fold.first_row) control->hide();
  fold.collapse->hide();
  fold.expand->show();
  *fold.expanded = false;
  Move_GroupBoxs();
}

void TFParGen::Btn_GB_Expande(Fold& fold) {
  for (QWidget* control : fold.first_row) control->show();
  fold.collapse->show();
  fold.expand->hide();
  *fold.expanded = true;
  Move_GroupBoxs();
}

void TFParGen::Move_GroupBoxs() {
  switch (Device_Type()) {
    case 1:
      return RePosition_Objects_243();
    case 2:
      return RePosition_Objects_254();
    case 3:
      return RePosition_Objects_232();
    case 4:
      return RePosition_Objects_287();
    case 5:
      return RePosition_Objects_276();
    default:
      return RePosition_Objects_221();
  }
}

// Stacks the groups from the top of the window; a folded group keeps its
// caption height. OK and Cancel go under the last group and the window
// fits around them.
void TFParGen::Stack_Groups(const std::vector<Stacked>& groups) {
  int top = 70;
  int bottom = top;
  for (const Stacked& entry : groups) {
    const bool expanded = *Fold_Of(entry.group).expanded;
    const int height = expanded ? entry.last->y() + entry.last->height() + 15 : kFolded_Height;
    entry.group->setGeometry(8, top, entry.group->width(), height);
    entry.group->show();
    bottom = top + height;
    top = bottom + 6;
  }
  Btn_OK->move(kWindow_Width - 8 - 2 * Btn_OK->width() - 8, bottom + 13);
  Btn_Cancel->move(kWindow_Width - 8 - Btn_Cancel->width(), bottom + 13);
  setFixedSize(kWindow_Width, bottom + 54);
}

void TFParGen::Show_EtherNetIP_Port_Rows(bool shown) {
  for (QWidget* control : std::initializer_list<QWidget*>{L_EtherNetIP_Port, E_EtherNetIP_Port, L_EtherNetIP_NB_Output,
                                                          E_EtherNetIP_NB_Output, L_EtherNetIP_WM, Cmb_EtherNetIP_WM})
    control->setVisible(shown);
}

void TFParGen::RePosition_Objects_243() {
  Stack_Groups({{GB_DNET_Slave, Cmb_DeviceNet_Slave_WM}, {GB_MBus, E_MBus_NodeState}});
}

void TFParGen::RePosition_Objects_254() {
  Show_EtherNetIP_Port_Rows(true);
  Stack_Groups({{GB_EtherNetIP, Cmb_EtherNetIP_WM}, {GB_MBus, E_MBus_NodeState}});
}

void TFParGen::RePosition_Objects_232() {
  Show_EtherNetIP_Port_Rows(false);
  std::vector<Stacked> groups = {
      {GB_Select_Device, Cmb_Select_Device}, {GB_PROFIBUS_Slave, Cmb_PROFIBUS_Slave_WM}, {GB_MBus, E_MBus_NodeState}};
  // Only the model with an Ethernet port has Ethernet settings to show.
  const bool with_ethernet = Cmb_Select_Device->currentIndex() == 2;
  if (with_ethernet) groups.push_back({GB_EtherNetIP, E_EtherNetIP_GAT[3]});
  GB_EtherNetIP->setVisible(with_ethernet);
  Stack_Groups(groups);
}

void TFParGen::RePosition_Objects_287() {
  Show_EtherNetIP_Port_Rows(true);
  std::vector<Stacked> groups = {{GB_Sel_Dev_Wire_Present, Cmb_MBus_On_Wire},
                                 {GB_EtherNetIP, Cmb_EtherNetIP_WM},
                                 {GB_wMBus, Cmb_wMBus_Radio_Channel}};
  const bool wired = Cmb_MBus_On_Wire->currentIndex() > 0;
  if (wired) groups.push_back({GB_MBus, E_MBus_NodeState});
  GB_MBus->setVisible(wired);
  Stack_Groups(groups);
}

void TFParGen::RePosition_Objects_276() {
  std::vector<Stacked> groups = {{GB_Sel_Dev_Wire_Present, Cmb_MBus_On_Wire}, {GB_wMBus, Cmb_wMBus_Radio_Channel}};
  const bool wired = Cmb_MBus_On_Wire->currentIndex() > 0;
  if (wired) groups.push_back({GB_MBus, E_MBus_NodeState});
  GB_MBus->setVisible(wired);
  groups.push_back({GB_PROFINET, E_NB_OUT_PROFINET});
  Stack_Groups(groups);
}

void TFParGen::RePosition_Objects_221() {
  Show_EtherNetIP_Port_Rows(false);
  CB_CANopen_Enable_Sync->hide();
  E_CANopen_Sync_Time->hide();
  Stack_Groups({{GB_MBus, E_MBus_NodeState}, {GB_CANopen, E_SDO_TO_CANopen}, {GB_EtherNetIP, E_EtherNetIP_GAT[3]}});
}
