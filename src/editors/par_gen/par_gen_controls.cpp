// The controls of the "Set Communication" window: nine group boxes with their
// rows, placed at fixed positions inside each group, and their texts.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "controls/zb_button.h"
#include "editors/par_gen/par_gen_window.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/ui/title_panel.h"

namespace {

constexpr int kGroup_Width = 296;
constexpr int kLabel_X = 10;
constexpr int kField_X = 130;
constexpr int kRow_Height = 21;
constexpr int kByte_Width = 34;  // one byte of an address
constexpr int kByte_Step = 40;   // from one byte field to the next
constexpr int kNumber_Width = 74;
constexpr int kList_Width = 154;
constexpr int kFull_Width = kGroup_Width - 2 * kLabel_X;

// Rows start below the caption line, so a folded group shows none of them.
constexpr int Row(int index) { return 26 + 26 * index; }

QString Name(const char* prefix, int index) { return QLatin1String(prefix) + QString::number(index + 1); }

QGroupBox* New_Group(QWidget* parent, const char* name) {
  auto* group = new QGroupBox(parent);
  group->setObjectName(QLatin1String(name));
  group->setGeometry(8, 70, kGroup_Width, 100);
  return group;
}

QLabel* New_Label(QGroupBox* group, const char* name, int row, int width = kField_X - kLabel_X - 4) {
  auto* label = new QLabel(group);
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(kLabel_X, Row(row) + 3, width, 16);
  return label;
}

QLineEdit* New_Edit(QGroupBox* group, const QString& name, int x, int y, int width) {
  auto* edit = new QLineEdit(group);
  edit->setObjectName(name);
  edit->setGeometry(x, y, width, kRow_Height);
  return edit;
}

QLineEdit* New_Edit(QGroupBox* group, const char* name, int row, int x = kField_X, int width = kNumber_Width) {
  return New_Edit(group, QLatin1String(name), x, Row(row), width);
}

QComboBox* New_List(QGroupBox* group, const char* name, int row, const QStringList& items = {}, int x = kField_X,
                    int width = kList_Width) {
  auto* list = new QComboBox(group);
  list->setObjectName(QLatin1String(name));
  list->setGeometry(x, Row(row), width, kRow_Height + 1);
  list->addItems(items);
  return list;
}

QCheckBox* New_Check(QGroupBox* group, const char* name, int row, int width = kFull_Width) {
  auto* check = new QCheckBox(group);
  check->setObjectName(QLatin1String(name));
  check->setGeometry(kLabel_X, Row(row), width, kRow_Height);
  return check;
}

TFParGen::Address_Fields New_Address(QGroupBox* group, const char* prefix, int row) {
  TFParGen::Address_Fields fields{};
  for (int i = 0; i < 4; ++i)
    fields[i] = New_Edit(group, Name(prefix, i), kField_X + i * kByte_Step, Row(row), kByte_Width);
  return fields;
}

// Fills a list whose items are language texts; its position goes back to 0.
void Refill(QComboBox* list, std::initializer_list<int> texts) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (int text : texts) list->addItem(Lang(text));
  list->setCurrentIndex(0);
}

// Hint texts that a language leaves blank show no tooltip at all.
void Hint(QWidget* widget, int text) {
  const QString hint = Lang(text);
  widget->setToolTip(hint.trimmed().isEmpty() ? QString() : hint);
}

void Hint_Address(const TFParGen::Address_Fields& fields, int first_text) {
  for (int i = 0; i < 4; ++i) Hint(fields[i], first_text + i);
}

// The 5 x 5 sign of a fold button on the background the button leaves out.
QImage Fold_Glyph(bool plus) {
  QImage glyph(5, 5, QImage::Format_RGB32);
  glyph.fill(QColor(255, 0, 255));
  for (int i = 0; i < 5; ++i) {
    glyph.setPixel(i, 2, qRgb(0, 0, 0));
    if (plus) glyph.setPixel(2, i, qRgb(0, 0, 0));
  }
  return glyph;
}

TZbButton* New_Fold_Button(QGroupBox* group, const QString& name, bool plus) {
  auto* button = new TZbButton(group);
  button->setObjectName(name);
  button->Set_TabStop(false);
  button->Set_Glyph(Fold_Glyph(plus));
  button->Set_NumGlyphs(1);
  button->setGeometry(280, 10, 11, 11);
  return button;
}

}  // namespace

void TFParGen::Create_EtherNetIP() {
  GB_EtherNetIP = New_Group(this, "GB_EtherNetIP");
  L_EtherNetIP_IP = New_Label(GB_EtherNetIP, "L_EtherNetIP_IP", 0);
  E_EtherNetIP_IP = New_Address(GB_EtherNetIP, "E_EtherNetIP_IP", 0);
  L_EtherNetIP_SM = New_Label(GB_EtherNetIP, "L_EtherNetIP_SM", 1);
  E_EtherNetIP_SM = New_Address(GB_EtherNetIP, "E_EtherNetIP_SM", 1);
  CB_EtherNetIP_EN_GAT = New_Check(GB_EtherNetIP, "CB_EtherNetIP_EN_GAT", 2, kField_X - kLabel_X - 4);
  E_EtherNetIP_GAT = New_Address(GB_EtherNetIP, "E_EtherNetIP_GAT", 2);
  L_EtherNetIP_Port = New_Label(GB_EtherNetIP, "L_EtherNetIP_Port", 3);
  E_EtherNetIP_Port = New_Edit(GB_EtherNetIP, "E_EtherNetIP_Port", 3);
  E_EtherNetIP_Port->setReadOnly(true);
  E_EtherNetIP_Port->setText(kEth_Port);
  L_EtherNetIP_NB_Output = New_Label(GB_EtherNetIP, "L_EtherNetIP_NB_Output", 4);
  E_EtherNetIP_NB_Output = New_Edit(GB_EtherNetIP, "E_EtherNetIP_NB_Output", 4);
  L_EtherNetIP_WM = New_Label(GB_EtherNetIP, "L_EtherNetIP_WM", 5);
  Cmb_EtherNetIP_WM = New_List(GB_EtherNetIP, "Cmb_EtherNetIP_WM", 5);
}

void TFParGen::Create_DNET_Slave() {
  GB_DNET_Slave = New_Group(this, "GB_DNET_Slave");
  L_DeviceNet_Slave_ID = New_Label(GB_DNET_Slave, "L_DeviceNet_Slave_ID", 0);
  E_DeviceNet_Slave_ID = New_Edit(GB_DNET_Slave, "E_DeviceNet_Slave_ID", 0);
  L_DeviceNet_Slave_Baud = New_Label(GB_DNET_Slave, "L_DeviceNet_Slave_Baud", 1);
  Cmb_DeviceNet_Slave_Baud = New_List(GB_DNET_Slave, "Cmb_DeviceNet_Slave_Baud", 1, {"125K", "250K", "500K"});
  L_DeviceNet_Slave_Byte_OUT = New_Label(GB_DNET_Slave, "L_DeviceNet_Slave_Byte_OUT", 2);
  E_DeviceNet_Slave_Byte_OUT = New_Edit(GB_DNET_Slave, "E_DeviceNet_Slave_Byte_OUT", 2);
  L_DeviceNet_Slave_WM = New_Label(GB_DNET_Slave, "L_DeviceNet_Slave_WM", 3);
  Cmb_DeviceNet_Slave_WM = New_List(GB_DNET_Slave, "Cmb_DeviceNet_Slave_WM", 3);
}

void TFParGen::Create_MBus() {
  GB_MBus = New_Group(this, "GB_MBus");
  L_MBus_Baud = New_Label(GB_MBus, "L_MBus_Baud", 0);
  Cmb_MBus_Baud =
      New_List(GB_MBus, "Cmb_MBus_Baud", 0, {"300", "600", "1200", "2400", "4800", "9600", "19200", "38400"});
  L_MBus_Parity = New_Label(GB_MBus, "L_MBus_Parity", 1);
  Cmb_MBus_Parity = New_List(GB_MBus, "Cmb_MBus_Parity", 1, {"NONE", "EVEN", "ODD"});
  L_MBus_Delay = New_Label(GB_MBus, "L_MBus_Delay", 2);
  E_MBus_Delay = New_Edit(GB_MBus, "E_MBus_Delay", 2);
  // The node state label takes two lines over the whole width, its field
  // beside the second one.
  L_MBus_NodeState1 = New_Label(GB_MBus, "L_MBus_NodeState1", 3, kFull_Width);
  L_MBus_NodeState2 = New_Label(GB_MBus, "L_MBus_NodeState2", 3);
  L_MBus_NodeState2->move(kLabel_X, Row(3) + 23);
  E_MBus_NodeState = New_Edit(GB_MBus, "E_MBus_NodeState", 3);
  E_MBus_NodeState->move(kField_X, Row(3) + 20);
}

void TFParGen::Create_PROFIBUS_Slave() {
  GB_PROFIBUS_Slave = New_Group(this, "GB_PROFIBUS_Slave");
  L_PROFIBUS_Slave_ID_DEV = New_Label(GB_PROFIBUS_Slave, "L_PROFIBUS_Slave_ID_DEV", 0);
  E_PROFIBUS_Slave_ID_DEV = New_Edit(GB_PROFIBUS_Slave, "E_PROFIBUS_Slave_ID_DEV", 0);
  L_PROFIBUS_Slave_Baud = New_Label(GB_PROFIBUS_Slave, "L_PROFIBUS_Slave_Baud", 1);
  Cmb_PROFIBUS_Slave_Baud = New_List(GB_PROFIBUS_Slave, "Cmb_PROFIBUS_Slave_Baud", 1);
  Cmb_PROFIBUS_Slave_Baud->setEnabled(false);
  L_PROFIBUS_Slave_Byte_IN = New_Label(GB_PROFIBUS_Slave, "L_PROFIBUS_Slave_Byte_IN", 2);
  E_PROFIBUS_Slave_Byte_IN = New_Edit(GB_PROFIBUS_Slave, "E_PROFIBUS_Slave_Byte_IN", 2);
  CB_PROFIBUS_Slave_GSD = New_Check(GB_PROFIBUS_Slave, "CB_PROFIBUS_Slave_GSD", 3);
  CB_PROFIBUS_Slave_Enable_TX = New_Check(GB_PROFIBUS_Slave, "CB_PROFIBUS_Slave_Enable_TX", 4, 196);
  E_PROFIBUS_Slave_Byte_OUT = New_Edit(GB_PROFIBUS_Slave, "E_PROFIBUS_Slave_Byte_OUT", 4, 210);
  L_PROFIBUS_Slave_WM = New_Label(GB_PROFIBUS_Slave, "L_PROFIBUS_Slave_WM", 5);
  Cmb_PROFIBUS_Slave_WM = New_List(GB_PROFIBUS_Slave, "Cmb_PROFIBUS_Slave_WM", 5);
}

void TFParGen::Create_Select_Device() {
  GB_Select_Device = New_Group(this, "GB_Select_Device");
  Cmb_Select_Device = New_List(GB_Select_Device, "Cmb_Select_Device", 0, {}, kLabel_X, kFull_Width);
}

void TFParGen::Create_Sel_Dev_Wire_Present() {
  GB_Sel_Dev_Wire_Present = New_Group(this, "GB_Sel_Dev_Wire_Present");
  L_MBus_On_Wire = New_Label(GB_Sel_Dev_Wire_Present, "L_MBus_On_Wire", 0);
  Cmb_MBus_On_Wire = New_List(GB_Sel_Dev_Wire_Present, "Cmb_MBus_On_Wire", 0);
}

void TFParGen::Create_wMBus() {
  GB_wMBus = New_Group(this, "GB_wMBus");
  L_wMBus_Mode = New_Label(GB_wMBus, "L_wMBus_Mode", 0);
  Cmb_wMBus_Mode = New_List(GB_wMBus, "Cmb_wMBus_Mode", 0, {"S", "T", "N1", "N2", "C"});
  L_wMBus_Radio_Channel = New_Label(GB_wMBus, "L_wMBus_Radio_Channel", 1);
  Cmb_wMBus_Radio_Channel =
      New_List(GB_wMBus, "Cmb_wMBus_Radio_Channel", 1,
               {"1a @ 4800 bps", "1b @ 4800 bps", "2a @ 2400 bps", "2b @ 2400 bps", "3a @ 4800 bps", "3b @ 4800 bps",
                "0 @ 19200 bps", "2a @ 4800 bps", "2b @ 4800 bps"});
}

void TFParGen::Create_PROFINET() {
  GB_PROFINET = New_Group(this, "GB_PROFINET");
  L_PROFINET_IP = New_Label(GB_PROFINET, "L_PROFINET_IP", 0);
  E_IP = New_Address(GB_PROFINET, "E_IP", 0);
  L_PROFINET_SM = New_Label(GB_PROFINET, "L_PROFINET_SM", 1);
  E_SM = New_Address(GB_PROFINET, "E_SM", 1);
  CB_EN_GAT = New_Check(GB_PROFINET, "CB_EN_GAT", 2, kField_X - kLabel_X - 4);
  E_GAT = New_Address(GB_PROFINET, "E_GAT", 2);
  L_PROFINET_Port = New_Label(GB_PROFINET, "L_PROFINET_Port", 3);
  E_PROFINET_Port = New_Edit(GB_PROFINET, "E_PROFINET_Port", 3);
  E_PROFINET_Port->setReadOnly(true);
  E_PROFINET_Port->setText(kPROFINET_Port);
  L_PROFINET_Name = New_Label(GB_PROFINET, "L_PROFINET_Name", 4, 160);
  E_PROFINET_Name = New_Edit(GB_PROFINET, "E_PROFINET_Name", 4, 170, 114);
  E_PROFINET_Name->setMaxLength(15);
  L_PROFINET_WM = New_Label(GB_PROFINET, "L_PROFINET_WM", 5);
  Cmb_PROFINET_WM = New_List(GB_PROFINET, "Cmb_PROFINET_WM", 5, {"Normal", "Single Slave"});
  CB_Auto_Calc_Byte = New_Check(GB_PROFINET, "CB_Auto_Calc_Byte", 6);
  L_NB_OUT_PROFINET = New_Label(GB_PROFINET, "L_NB_OUT_PROFINET", 7);
  E_NB_OUT_PROFINET = New_Edit(GB_PROFINET, "E_NB_OUT_PROFINET", 7);
}

void TFParGen::Create_CANopen() {
  GB_CANopen = New_Group(this, "GB_CANopen");
  L_ID_CANopen = New_Label(GB_CANopen, "L_ID_CANopen", 0);
  E_ID_CANopen = New_Edit(GB_CANopen, "E_ID_CANopen", 0);
  L_CANopen_Baud = New_Label(GB_CANopen, "L_CANopen_Baud", 1);
  Cmb_CANopen_Baud = New_List(GB_CANopen, "Cmb_CANopen_Baud", 1,
                              {"10K", "20K", "50K", "100K", "125K", "250K", "500K", "800K", "1000K"});
  CB_CANopen_Set_Ope = New_Check(GB_CANopen, "CB_CANopen_Set_Ope", 2);
  CB_CANopen_Net_Ope = New_Check(GB_CANopen, "CB_CANopen_Net_Ope", 3, 226);
  E_NO_Delay_CANopen = New_Edit(GB_CANopen, "E_NO_Delay_CANopen", 3, 240, 44);
  L_SDO_TO_CANopen = New_Label(GB_CANopen, "L_SDO_TO_CANopen", 4, 186);
  E_SDO_TO_CANopen = New_Edit(GB_CANopen, "E_SDO_TO_CANopen", 4, 200, 84);
  CB_CANopen_Enable_Sync = New_Check(GB_CANopen, "CB_CANopen_Enable_Sync", 5, 186);
  E_CANopen_Sync_Time = New_Edit(GB_CANopen, "E_CANopen_Sync_Time", 5, 200, 84);
}

void TFParGen::Create_Buttons() {
  Btn_OK = new TZbButton(this);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->resize(75, 25);
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  // Cancel asks first when something was edited, so it carries no modal result.
  Btn_Cancel = new TZbButton(this);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->resize(75, 25);
  Btn_Cancel->Set_Cancel(true);
  Btn_Cancel->OnClick = [this] { Btn_CancelClick(); };
}

void TFParGen::Collapse_Expand_Creation() {
  folds_ = {
      {GB_EtherNetIP, &GB_EtherNetIP_Visible, {L_EtherNetIP_IP}},
      {GB_DNET_Slave, &GB_DNET_Slave_Visible, {L_DeviceNet_Slave_ID, E_DeviceNet_Slave_ID}},
      {GB_MBus, &GB_MBus_Visible, {L_MBus_Baud, Cmb_MBus_Baud}},
      {GB_PROFIBUS_Slave, &GB_PROFIBUS_Slave_Visible, {L_PROFIBUS_Slave_ID_DEV, E_PROFIBUS_Slave_ID_DEV}},
      {GB_Select_Device, &GB_Select_Device_Visible, {Cmb_Select_Device}},
      {GB_Sel_Dev_Wire_Present, &GB_Sel_Dev_Wire_Present_Visible, {Cmb_MBus_On_Wire}},
      {GB_wMBus, &GB_wMBus_Visible, {L_wMBus_Mode, Cmb_wMBus_Mode}},
      {GB_PROFINET, &GB_PROFINET_Visible, {L_PROFINET_IP}},
      {GB_CANopen, &GB_CANopen_Visible, {L_ID_CANopen, E_ID_CANopen}},
  };
  for (Fold& fold : folds_) {
    const QString group = fold.group->objectName();
    fold.collapse = New_Fold_Button(fold.group, QStringLiteral("Btn_Collapse_") + group, false);
    fold.expand = New_Fold_Button(fold.group, QStringLiteral("Btn_Expand_") + group, true);
    fold.expand->hide();
    *fold.expanded = true;
    QGroupBox* box = fold.group;
    fold.collapse->OnClick = [this, box] { Btn_GB_Collapse(Fold_Of(box)); };
    fold.expand->OnClick = [this, box] { Btn_GB_Expande(Fold_Of(box)); };
  }
}

void TFParGen::Set_Lang() {
  setWindowTitle(Lang(400));
  Title->L_SW_Code->setText(SW_Code);
  Title->L_SW_Desc->setText(Lang(401));
  Btn_OK->Set_Caption(QStringLiteral("OK"));
  Btn_Cancel->Set_Caption(QStringLiteral("Cancel"));

  const int type = Device_Type();
  GB_EtherNetIP->setTitle(Lang(type == 3 || type == 6 ? 489 : 402));
  L_EtherNetIP_IP->setText(Lang(403));
  L_EtherNetIP_SM->setText(Lang(404));
  CB_EtherNetIP_EN_GAT->setText(Lang(405));
  L_EtherNetIP_Port->setText(Lang(406));
  L_EtherNetIP_NB_Output->setText(Lang(407));
  L_EtherNetIP_WM->setText(Lang(408));
  Refill(Cmb_EtherNetIP_WM, {409, 410});

  GB_DNET_Slave->setTitle(Lang(411));
  L_DeviceNet_Slave_ID->setText(Lang(412));
  L_DeviceNet_Slave_Baud->setText(Lang(413));
  L_DeviceNet_Slave_Byte_OUT->setText(Lang(414));
  L_DeviceNet_Slave_WM->setText(Lang(415));
  Refill(Cmb_DeviceNet_Slave_WM, {416, 417});

  GB_MBus->setTitle(Lang(418));
  L_MBus_Baud->setText(Lang(419));
  L_MBus_Parity->setText(Lang(420));
  L_MBus_Delay->setText(Lang(421));
  L_MBus_NodeState1->setText(Lang(422));
  L_MBus_NodeState2->setText(Lang(423));

  GB_PROFIBUS_Slave->setTitle(Lang(468));
  L_PROFIBUS_Slave_ID_DEV->setText(Lang(469));
  L_PROFIBUS_Slave_Baud->setText(Lang(470));
  Refill(Cmb_PROFIBUS_Slave_Baud, {475});
  L_PROFIBUS_Slave_Byte_IN->setText(Lang(471));
  CB_PROFIBUS_Slave_GSD->setText(Lang(472));
  CB_PROFIBUS_Slave_Enable_TX->setText(Lang(473));
  L_PROFIBUS_Slave_WM->setText(Lang(474));
  Refill(Cmb_PROFIBUS_Slave_WM, {476, 477});

  GB_Select_Device->setTitle(Lang(478));
  Refill(Cmb_Select_Device, {479, 480, 481});
  GB_Sel_Dev_Wire_Present->setTitle(Lang(482));
  L_MBus_On_Wire->setText(Lang(483));
  Refill(Cmb_MBus_On_Wire, {484, 485});
  GB_wMBus->setTitle(Lang(486));
  L_wMBus_Mode->setText(Lang(487));
  L_wMBus_Radio_Channel->setText(Lang(488));

  GB_PROFINET->setTitle(Lang(1402));
  L_PROFINET_IP->setText(Lang(1403));
  L_PROFINET_SM->setText(Lang(1404));
  CB_EN_GAT->setText(Lang(1405));
  L_PROFINET_Port->setText(Lang(1406));
  L_PROFINET_Name->setText(Lang(1407));
  L_PROFINET_WM->setText(Lang(1408));
  CB_Auto_Calc_Byte->setText(Lang(1409));
  L_NB_OUT_PROFINET->setText(Lang(1410));

  GB_CANopen->setTitle(Lang(1429));
  L_ID_CANopen->setText(Lang(1430));
  L_CANopen_Baud->setText(Lang(1432));
  CB_CANopen_Set_Ope->setText(Lang(1434));
  CB_CANopen_Net_Ope->setText(Lang(1436));
  L_SDO_TO_CANopen->setText(Lang(1439));
  CB_CANopen_Enable_Sync->setText(Lang(1441));

  Set_Hints();
}

void TFParGen::Set_Hints() {
  for (const Address_Fields* fields : {&E_EtherNetIP_IP, &E_IP}) Hint_Address(*fields, 426);
  for (const Address_Fields* fields : {&E_EtherNetIP_SM, &E_SM}) Hint_Address(*fields, 430);
  for (const Address_Fields* fields : {&E_EtherNetIP_GAT, &E_GAT}) Hint_Address(*fields, 435);
  Hint(CB_EtherNetIP_EN_GAT, 434);
  Hint(CB_EN_GAT, 434);
  Hint(E_EtherNetIP_Port, 439);
  Hint(E_EtherNetIP_NB_Output, 440);
  Hint(Cmb_EtherNetIP_WM, 441);
  Hint(E_DeviceNet_Slave_ID, 442);
  Hint(Cmb_DeviceNet_Slave_Baud, 443);
  Hint(E_DeviceNet_Slave_Byte_OUT, 444);
  Hint(Cmb_DeviceNet_Slave_WM, 445);
  Hint(Cmb_MBus_Baud, 446);
  Hint(Cmb_MBus_Parity, 447);
  Hint(E_MBus_Delay, 448);
  Hint(E_MBus_NodeState, 449);
  Hint(E_PROFINET_Port, 1411);
  Hint(E_PROFINET_Name, 1412);
  Hint(Cmb_PROFINET_WM, 1413);
  Hint(CB_Auto_Calc_Byte, 1414);
  Hint(E_NB_OUT_PROFINET, 1415);
  Hint(E_ID_CANopen, 1431);
  Hint(Cmb_CANopen_Baud, 1433);
  Hint(CB_CANopen_Set_Ope, 1435);
  Hint(CB_CANopen_Net_Ope, 1437);
  Hint(E_NO_Delay_CANopen, 1438);
  Hint(E_SDO_TO_CANopen, 1440);
  Hint(CB_CANopen_Enable_Sync, 1442);
  Hint(E_CANopen_Sync_Time, 1443);
  // The CANopen group's fold buttons have no hint of their own.
  for (Fold& fold : folds_) {
    if (fold.group == GB_CANopen) continue;
    Hint(fold.collapse, 424);
    Hint(fold.expand, 425);
  }
}
