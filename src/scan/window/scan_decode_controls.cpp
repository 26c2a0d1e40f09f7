// The controls of the Scan & Decode window and their texts. Places of the
// settings rows are set by Move_Object_Type_Form, of the buttons by Form_Style.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "controls/zb_button.h"
#include "grid/core/zad_irurur_oziz.h"
#include "scan/window/device_list_delegate.h"
#include "scan/window/scan_decode_geometry.h"
#include "scan/window/scan_decode_window.h"
#include "scan/window/wireless_row.h"
#include "shell/core/globals.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

using namespace scan_geometry;

QLabel* New_Label(QWidget* parent, const char* name, int width = kLabel_Width) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(QLatin1String(name));
  label->resize(width, 18);
  return label;
}

QComboBox* New_List(QWidget* parent, const char* name, const QStringList& items = {}, int width = kList_Width) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->resize(width, kRow_Height);
  list->addItems(items);
  return list;
}

QLineEdit* New_Edit(QWidget* parent, const QString& name, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->resize(width, kRow_Height);
  return edit;
}

QCheckBox* New_Check(QWidget* parent, const char* name, int width = kCheck_Width) {
  auto* check = new QCheckBox(parent);
  check->setObjectName(QLatin1String(name));
  check->resize(width, kRow_Height);
  return check;
}

QFrame* New_Panel(QWidget* parent, const char* name) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  return panel;
}

TZbButton* New_Button(QWidget* parent, const char* name) {
  auto* button = new TZbButton(parent);
  button->setObjectName(QLatin1String(name));
  button->resize(kButton_Width, kButton_Height);
  return button;
}

// Fills a list whose items are language texts; its position goes back to 0.
void Refill(QComboBox* list, std::initializer_list<int> texts) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (int text : texts) list->addItem(Lang(text));
  list->setCurrentIndex(0);
}

// Labels show a doubled "&" as one; check boxes and buttons do that themselves.
QString Plain(int text) { return Lang(text).replace(QLatin1String("&&"), QLatin1String("&")); }

// The pictures of the wireless table's last column: 0 encrypted, 1 clear.
QImage Lock_Picture(bool closed) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor metal = closed ? QColor(176, 0, 0) : QColor(0, 128, 0);
  p.setPen(QPen(metal, 2));
  p.setBrush(Qt::NoBrush);
  if (closed)
    p.drawArc(QRectF(4, 1, 8, 9), 0, 180 * 16);
  else
    p.drawArc(QRectF(7, 0, 8, 9), 0, 180 * 16);
  p.drawLine(QPointF(closed ? 4 : 7, 5.5), QPointF(closed ? 4 : 7, 7));
  if (closed) p.drawLine(QPointF(12, 5.5), QPointF(12, 7));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(2, 7, 12, 8), 1.5, 1.5);
  return picture;
}

}  // namespace

void TFScanDecode::Create_Settings() {
  P_Main = New_Panel(this, "P_Main");
  L_ScanMethod = New_Label(P_Main, "L_ScanMethod");
  CB_ScanMethod = New_List(P_Main, "CB_ScanMethod");
  L_ScanBy = New_Label(P_Main, "L_ScanBy");
  CB_ScanBy = New_List(P_Main, "CB_ScanBy");
  L_HardwareType = New_Label(P_Main, "L_HardwareType");
  CB_HardwareType = New_List(P_Main, "CB_HardwareType");
  L_IP = New_Label(P_Main, "L_IP");
  const std::array<const char*, 4> ip_defaults{"192", "168", "2", "205"};
  for (int i = 0; i < 4; ++i) {
    E_IP[size_t(i)] = New_Edit(P_Main, QStringLiteral("E_IP%1").arg(i + 1), kIP_Width);
    E_IP[size_t(i)]->setText(QLatin1String(ip_defaults[size_t(i)]));
    E_IP[size_t(i)]->installEventFilter(this);
  }
  for (int i = 0; i < 3; ++i) {
    L_IP_Dot[size_t(i)] = New_Label(P_Main, "L_IP_Dot", 5);
    L_IP_Dot[size_t(i)]->setObjectName(QStringLiteral("L_IP_Dot%1").arg(i + 1));
    L_IP_Dot[size_t(i)]->setText(QStringLiteral("."));
  }
  L_ComPort = New_Label(P_Main, "L_ComPort");
  CB_ComPort = New_List(P_Main, "CB_ComPort");
  Btn_COM_List = New_Button(P_Main, "Btn_COM_List");
  Btn_COM_List->resize(kRow_Height, kRow_Height);
  Btn_COM_List->OnClick = [this] { Update_List_of_COM_Port(); };
  // The serial choice cannot be made, so its row is never shown.
  for (QWidget* serial : std::initializer_list<QWidget*>{L_ComPort, CB_ComPort, Btn_COM_List}) serial->hide();
  L_Port = New_Label(P_Main, "L_Port");
  E_Port = New_Edit(P_Main, QStringLiteral("E_Port"), kIP_Width);
  E_Port->setText(QStringLiteral("502"));

  L_MBus_ParGen = New_Label(P_Main, "L_MBus_ParGen", kHeading_Width);
  L_MBus_ParGen->setFont(shell_look::Bold_Font());
  L_MBus_Baud = New_Label(P_Main, "L_MBus_Baud");
  CB_MBus_Baud = New_List(P_Main, "CB_MBus_Baud", {"300", "600", "1200", "2400", "4800", "9600", "19200", "38400"});
  CB_MBus_Baud->setCurrentIndex(3);
  L_MBus_Parity = New_Label(P_Main, "L_MBus_Parity");
  CB_MBus_Parity = New_List(P_Main, "CB_MBus_Parity", {"NONE", "EVEN", "ODD"});
  CB_MBus_Parity->setCurrentIndex(1);
  L_wMBus_Mode = New_Label(P_Main, "L_wMBus_Mode");
  CB_wMBus_Mode = New_List(P_Main, "CB_wMBus_Mode", {"S", "T", "N1", "N2", "C"});
  L_wMBus_Radio_Channel = New_Label(P_Main, "L_wMBus_Radio_Channel");
  CB_wMBus_Radio_Channel =
      New_List(P_Main, "CB_wMBus_Radio_Channel",
               {"1a @ 4800 bps", "1b @ 4800 bps", "2a @ 2400 bps", "2b @ 2400 bps", "3a @ 4800 bps", "3b @ 4800 bps",
                "0 @ 19200 bps", "2a @ 4800 bps", "2b @ 4800 bps"});

  L_Option_Scan = New_Label(P_Main, "L_Option_Scan", kHeading_Width);
  L_Option_Scan->setFont(shell_look::Bold_Font());
  CB_Opt_App_Reset = New_Check(P_Main, "CB_Opt_App_Reset");
  CB_Opt_SND_NKE = New_Check(P_Main, "CB_Opt_SND_NKE");
  L_Opt_Cut_After = New_Label(P_Main, "L_Opt_Cut_After");
  E_Opt_Cut_After = New_Edit(P_Main, QStringLiteral("E_Opt_Cut_After"), kIP_Width);
  E_Opt_Cut_After->setText(QStringLiteral("3"));
  CB_Opt_Use_Fix_C_Field = New_Check(P_Main, "CB_Opt_Use_Fix_C_Field", kLabel_Width);
  CB_Opt_Use_Fix_C_Field_Value = New_List(P_Main, "CB_Opt_Use_Fix_C_Field_Value", {"0x5X", "0x7X"}, 80);
  CB_Opt_Check_BCD_to_Int = New_Check(P_Main, "CB_Opt_Check_BCD_to_Int");
  CB_Opt_Enable_Remote_Scan = New_Check(P_Main, "CB_Opt_Enable_Remote_Scan");

  // A change in these lists lays the settings out again.
  for (QComboBox* list : {CB_HardwareType, CB_MBus_Baud, CB_MBus_Parity, CB_ScanBy, CB_ScanMethod})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { Move_Object_Type_Form(); });
}

void TFScanDecode::Create_Result_Panels() {
  P_TreeView = New_Panel(this, "P_TreeView");
  L_ScanProgress = New_Label(P_TreeView, "L_ScanProgress", kHeading_Width);
  L_ScanProgress->setFont(shell_look::Bold_Font());
  L_ScanProgress->move(kHeading_X, 8);
  L_Num_Slave = New_Label(P_TreeView, "L_Num_Slave", 80);
  L_Num_Slave->setFont(shell_look::Bold_Font());
  L_Num_Slave->move(kControl_X, 8);
  L_AvailableDevice = New_Label(P_TreeView, "L_AvailableDevice", kHeading_Width);
  L_AvailableDevice->move(kHeading_X, 32);
  LB_AvailableDevice = new QListWidget(P_TreeView);
  LB_AvailableDevice->setObjectName(QStringLiteral("LB_AvailableDevice"));
  LB_AvailableDevice->setItemDelegate(new Device_List_Delegate(LB_AvailableDevice));
  LB_AvailableDevice->setUniformItemSizes(true);
  VST = new QTreeView(P_TreeView);
  VST->setObjectName(QStringLiteral("VST"));
  VST->setHeaderHidden(true);

  P_View_Wireless = New_Panel(this, "P_View_Wireless");
  auto* wireless_layout = new QVBoxLayout(P_View_Wireless);
  wireless_layout->setContentsMargins(8, 8, 8, 8);
  Splitter_Wireless = new QSplitter(Qt::Vertical, P_View_Wireless);
  Splitter_Wireless->setObjectName(QStringLiteral("Splitter_Wireless"));
  Splitter_Wireless->setChildrenCollapsible(false);
  wireless_layout->addWidget(Splitter_Wireless);
  P_W_Table = New_Panel(Splitter_Wireless, "P_W_Table");
  auto* table_layout = new QVBoxLayout(P_W_Table);
  table_layout->setContentsMargins(0, 0, 0, 0);
  ZSG_Wireless = new TZadIrururOziz(P_W_Table);
  ZSG_Wireless->setObjectName(QStringLiteral("ZSG_Wireless"));
  table_layout->addWidget(ZSG_Wireless);
  P_W_Tree = New_Panel(Splitter_Wireless, "P_W_Tree");
  auto* tree_layout = new QVBoxLayout(P_W_Tree);
  tree_layout->setContentsMargins(0, 0, 0, 0);
  VST_Wireless = new QTreeView(P_W_Tree);
  VST_Wireless->setObjectName(QStringLiteral("VST_Wireless"));
  VST_Wireless->setHeaderHidden(true);
  tree_layout->addWidget(VST_Wireless);
  Splitter_Wireless->setSizes({kWireless_Table_Height, 200});

  wireless_pictures_ = {Lock_Picture(true), Lock_Picture(false)};
  ZSG_Wireless->SetColCount(wireless_row::kColumns);
  ZSG_Wireless->SetRowCount(2);
  ZSG_Wireless->SetFixedRows(1);
  ZSG_Wireless->SetFixedCols(1);
  ZSG_Wireless->SetColumnHeaders(wireless_row::Headers());
  ZSG_Wireless->SetGridImages(&wireless_pictures_);
  ZSG_Wireless->SetOptions(ZSG_Wireless->Options() | goRowSelect);
  ZSG_Wireless->Loaded();
}

void TFScanDecode::Create_Buttons() {
  Btn_StartScan = New_Button(this, "Btn_StartScan");
  Btn_StopScan = New_Button(this, "Btn_StopScan");
  Btn_AbortScan = New_Button(this, "Btn_AbortScan");
  Btn_NewScan = New_Button(this, "Btn_NewScan");
  Btn_SaveConf = New_Button(this, "Btn_SaveConf");
  Btn_SaveConfManual = New_Button(this, "Btn_SaveConfManual");
  for (TZbButton* button : {Btn_StartScan, Btn_StopScan, Btn_AbortScan, Btn_NewScan, Btn_SaveConf, Btn_SaveConfManual})
    button->OnClick = [this, button] { BtnClick(button); };
}

void TFScanDecode::Set_Lang() {
  setWindowTitle(Plain(700));
  // The two title texts have no English text: the title then shows the software
  // code and the window's name.
  const QString code = Plain(701);
  const QString desc = Plain(702);
  Title->L_SW_Code->setText(code.trimmed().isEmpty() ? SW_Code : code);
  Title->L_SW_Desc->setText(desc.trimmed().isEmpty() ? Plain(700) : desc);

  L_ScanBy->setText(Plain(703));
  Refill(CB_ScanBy, {704, 705});
  L_HardwareType->setText(Plain(706));
  Refill(CB_HardwareType, {707, 708});
  L_IP->setText(Plain(709));
  L_ComPort->setText(Plain(710));
  L_MBus_ParGen->setText(Plain(711));
  L_MBus_Baud->setText(Plain(712));
  L_MBus_Parity->setText(Plain(713));
  L_Option_Scan->setText(Plain(714));
  CB_Opt_App_Reset->setText(Lang(715));
  CB_Opt_SND_NKE->setText(Lang(716));
  L_Opt_Cut_After->setText(Plain(717));
  L_ScanProgress->setText(Plain(state_ == 3 || state_ == 5 ? 719 : 718));
  L_AvailableDevice->setText(Plain(720));
  Btn_StartScan->Set_Caption(Lang(721));
  Btn_StopScan->Set_Caption(Lang(722));
  Btn_AbortScan->Set_Caption(Lang(723));
  Btn_NewScan->Set_Caption(Lang(724));
  Btn_SaveConf->Set_Caption(Lang(725));
  Btn_SaveConfManual->Set_Caption(Lang(739));
  L_ScanMethod->setText(Plain(731));
  Refill(CB_ScanMethod, {732, 733});
  L_wMBus_Mode->setText(Plain(734));
  L_wMBus_Radio_Channel->setText(Plain(735));
  L_Port->setText(Plain(736));
  CB_Opt_Use_Fix_C_Field->setText(Lang(740));
  CB_Opt_Check_BCD_to_Int->setText(Lang(741));
  CB_Opt_Enable_Remote_Scan->setText(Lang(742));
  Move_Object_Type_Form();
}
