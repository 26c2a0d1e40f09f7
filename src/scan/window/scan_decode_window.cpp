#include "scan/window/scan_decode_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>
#include <exception>

#include "controls/zb_button.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/cell_properties.h"
#include "platform/dialogs.h"
#include "scan/decode/slave_lists.h"
#include "scan/window/scan_decode_geometry.h"
#include "scan/window/scan_progress_line.h"
#include "scan/window/scan_report_queue.h"
#include "scan/window/scan_settings.h"
#include "scan/window/scan_tree_model.h"
#include "scan/window/wireless_row.h"
#include "shell/core/globals.h"
#include "shell/logic/com_ports.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

// How often a scan aborted by closing the window is looked at until it has ended.
constexpr int kClosing_Watch_Ms = 50;

}  // namespace

TFScanDecode::TFScanDecode(QWidget* parent, Scan_Platform platform)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FScanDecode"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Title = new Title_Panel(this);
  Create_Settings();
  Create_Result_Panels();
  Create_Buttons();

  T_InScan = new QTimer(this);
  T_InScan->setObjectName(QStringLiteral("T_InScan"));
  T_InScan->setInterval(1000);
  connect(T_InScan, &QTimer::timeout, this, &TFScanDecode::T_InScanTimer);
  closing_watch_ = new QTimer(this);
  closing_watch_->setInterval(kClosing_Watch_Ms);
  connect(closing_watch_, &QTimer::timeout, this, &TFScanDecode::Watch_Closing_Scan);

  // FormCreate
  reports_ = std::make_unique<Scan_Report_Queue>();
  reports_->Apply = [this](const Scan_Report& report) { Apply_Report(report); };
  engine_ = std::make_unique<TMBusScanDecode>(List_Slave_MBus, List_Slave_wMBus, std::move(platform));
  Create_Trees();
  Form_Type = 0;
  CB_ScanMethod->setCurrentIndex(0);
  Colomns_Width_Init();
  Set_Lang();
}

// The engine goes first (its threads are joined), then the queue they posted to.
TFScanDecode::~TFScanDecode() { engine_.reset(); }

bool TFScanDecode::Wireless_Method() const { return Form_Type == 1 && CB_ScanMethod->currentIndex() == 1; }

// --- showing and closing ---

void TFScanDecode::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TFScanDecode::FormShow() {
  Move_Object_Type_Form();
  Update_List_of_COM_Port();
  closing_watch_->stop();
  engine_->Event_Run().Set();
  const auto address = scan_settings::Gateway_Address_In_Par_Gen(Path_ParGen_XML, XML_Code_Dev);
  for (int i = 0; i < 4; ++i)
    if (address[size_t(i)]) E_IP[size_t(i)]->setText(*address[size_t(i)]);
  Form_Style(1);
  if (QWidget* opener = QApplication::activeWindow(); opener != nullptr && opener != this)
    move(opener->geometry().center() - rect().center());
}

void TFScanDecode::done(int result) {
  FormClose();
  QDialog::done(result);
}

// A running scan is aborted and runs its end sequence, so the gateway leaves its
// analyzer or configuration mode; only then is the engine's loop put to sleep.
// Reports still on their way are not applied to the closed window.
void TFScanDecode::FormClose() {
  T_InScan->stop();
  reports_->New_Generation();
  if (!engine_->InScan()) {
    engine_->Event_Run().Reset();
    return;
  }
  engine_->Abort_Scan();
  closing_watch_->start();
}

void TFScanDecode::Watch_Closing_Scan() {
  if (engine_->InScan()) return;
  closing_watch_->stop();
  if (!isVisible()) engine_->Event_Run().Reset();
}

// Escape does not close the window: it has no Cancel button.
void TFScanDecode::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TFScanDecode::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != nullptr && IP_Key(edit, static_cast<QKeyEvent*>(event))) return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TFScanDecode::IP_Key(QLineEdit* edit, QKeyEvent* key) {
  if (key->text() != QStringLiteral(".")) return false;
  const auto it = std::find(E_IP.begin(), E_IP.end(), edit);
  if (it == E_IP.end()) return false;
  if (it + 1 != E_IP.end()) {
    QLineEdit* next = *(it + 1);
    if (next->isEnabled() && next->isVisible()) next->setFocus(Qt::TabFocusReason);
  }
  return true;
}

void TFScanDecode::Update_List_of_COM_Port() {
  CB_ComPort->clear();
  for (const QString& number : List_COM_Ports()) CB_ComPort->addItem(QStringLiteral("COM") + number);
  if (CB_ComPort->count() > 0) CB_ComPort->setCurrentIndex(0);
}

// --- buttons ---

void TFScanDecode::BtnClick(TZbButton* sender) {
  if (sender == Btn_StartScan) return Select_Scan();
  if (sender == Btn_StopScan) return StopScan();
  if (sender == Btn_AbortScan) return AbortScan();
  if (sender == Btn_NewScan) return NewScan();
  if (sender == Btn_SaveConf) return Select_SaveXML(0);
  if (sender == Btn_SaveConfManual) return Select_SaveXML(1);
}

void TFScanDecode::Select_Scan() {
  if (Wireless_Method())
    StarScanWireless();
  else
    StartScan();
}

QString TFScanDecode::Gateway_Address() const {
  return scan_settings::Address({E_IP[0]->text(), E_IP[1]->text(), E_IP[2]->text(), E_IP[3]->text()});
}

void TFScanDecode::StartScan() {
  if (engine_->InScan()) {
    dialogs::Error(this, Lang(726));
    return;
  }
  Cancel_Device_List();
  const uint64_t generation = reports_->New_Generation();
  LB_AvailableDevice->clear();
  LB_AvailableDevice->show();
  engine_->Set_SaveXMLFile(QString());
  Scan_Report_Queue* queue = reports_.get();
  try {
    engine_->Start_Scan(CB_ScanBy->currentIndex() == 1 ? saSecondaryAddress : saPrimaryAddress, shEthernet,
                        Gateway_Address(), scan_settings::Number_Or(CB_MBus_Baud->currentText(), 2400),
                        CB_MBus_Parity->currentIndex(), CB_Opt_App_Reset->isChecked(), CB_Opt_SND_NKE->isChecked(),
                        scan_settings::Number_Or(E_Opt_Cut_After->text(), 3), CB_Opt_Use_Fix_C_Field->isChecked(),
                        CB_Opt_Use_Fix_C_Field_Value->currentIndex() == 1 ? 1 : 0,
                        CB_Opt_Enable_Remote_Scan->isChecked(),
                        [queue, generation](int32_t event, int32_t value, int32_t found, int32_t kind) {
                          queue->Post({Scan_Report::Kind::Wired, event, value, found, kind, -1, generation});
                        });
  } catch (const std::exception& error) {
    return Start_Refused(error);
  }
  Form_Style(2);
  T_InScan->start();
}

void TFScanDecode::StarScanWireless() {
  if (engine_->InScan()) {
    dialogs::Error(this, Lang(726));
    return;
  }
  const std::optional<uint16_t> port = scan_settings::Port(E_Port->text());
  if (!port) {
    dialogs::Error(this, Lang(738));
    return;
  }
  Cancel_Device_List_Wireless();
  const uint64_t generation = reports_->New_Generation();
  Scan_Report_Queue* queue = reports_.get();
  try {
    engine_->Start_Scan_Wireless(
        shEthernet, Gateway_Address(), *port, scan_settings::Mode_Code(CB_wMBus_Mode->currentIndex()),
        CB_wMBus_Radio_Channel->currentIndex(), CB_Opt_Enable_Remote_Scan->isChecked(),
        [queue, generation](int32_t index, TSlave_wMBus*) {
          queue->Post({Scan_Report::Kind::Wireless, 0, 0, 0, 0, index, generation});
        },
        false);
  } catch (const std::exception& error) {
    return Start_Refused(error);
  }
  Form_Style(4);
  T_InScan->start();
}

void TFScanDecode::Start_Refused(const std::exception& error) {
  T_InScan->stop();
  Form_Style(1);
  dialogs::Error(this, QString::fromLocal8Bit(error.what()));
}

void TFScanDecode::StopScan() {
  if (engine_->InScan()) engine_->Stop_Scan();
}

void TFScanDecode::AbortScan() {
  if (engine_->InScan()) engine_->Abort_Scan();
}

void TFScanDecode::NewScan() {
  reports_->New_Generation();
  Cancel_Device_List();
  Form_Style(1);
}

// --- results ---

void TFScanDecode::Cancel_Device_List() {
  {
    std::lock_guard lock(engine_->List_Lock());
    Clear_Slave_List(List_Slave_MBus);
  }
  wired_tree_->Clear();
  L_Num_Slave->clear();
}

void TFScanDecode::Cancel_Device_List_Wireless() {
  {
    std::lock_guard lock(engine_->List_Lock());
    Clear_Slave_List(List_Slave_wMBus);
  }
  Cancel_Grid_Wireless();
  wireless_tree_->Clear();
  shown_wireless_meter_ = -1;
}

void TFScanDecode::Cancel_Grid_Wireless() {
  ZSG_Wireless->SetRowCount(2);
  for (int c = 0; c < wireless_row::kColumns; ++c) ZSG_Wireless->SetCellEx(c, 1, QString());
  for (int c = 1; c < wireless_row::kColumns; ++c) ZSG_Wireless->GetCellProperties(c, 1)->SetBrushColor(clWhite);
  ZSG_Wireless->RemoveImageIdx(wireless_row::kPicture_Column, 1);
}

void TFScanDecode::Colomns_Width_Init() {
  for (int c = 0; c < wireless_row::kColumns; ++c) ZSG_Wireless->SetColWidths(c, wireless_row::Widths()[size_t(c)]);
  P_W_Table->resize(P_W_Table->width(), scan_geometry::kWireless_Table_Height);
}

void TFScanDecode::T_InScanTimer() {
  T_InScan->stop();
  if (engine_->InScan()) {
    T_InScan->start();
    return;
  }
  reports_->Drain();
  if (engine_->Result() == 2) {
    Form_Style(1);
    const QString reason = engine_->Error_Text();
    dialogs::Error(this, reason.isEmpty() ? Lang(729) : Lang(729) + QLatin1Char('\n') + reason);
    return;
  }
  if (Wireless_Method()) {
    Form_Style(5);
    return;
  }
  Form_Style(3);
  Show_Slave_in_Tree();
}

// --- reports ---

void TFScanDecode::Apply_Report(const Scan_Report& report) {
  if (report.kind == Scan_Report::Kind::Wireless)
    Update_Wireless_Grid(report.index);
  else
    Update_Device_List(report.event, report.value, report.found, report.addressing);
}

void TFScanDecode::Update_Device_List(int32_t Event, int32_t Value, int32_t Found, int32_t Kind) {
  const std::optional<QString> line = scan_progress::Line(Event, Value, Found, Kind);
  if (!line) return;
  LB_AvailableDevice->addItem(*line);
  // The newest line becomes the top one, as far as the list can scroll.
  LB_AvailableDevice->scrollToItem(LB_AvailableDevice->item(LB_AvailableDevice->count() - 1),
                                   QAbstractItemView::PositionAtTop);
}

void TFScanDecode::Update_Wireless_Grid(int32_t n) {
  wireless_row::Row row;
  {
    std::lock_guard lock(engine_->List_Lock());
    if (n < 0 || size_t(n) >= List_Slave_wMBus.size()) return;
    row = wireless_row::Of(*List_Slave_wMBus[size_t(n)], n);
  }
  const int r = n + 1;
  if (ZSG_Wireless->RowCount() < n + 2) ZSG_Wireless->SetRowCount(n + 2);
  for (int c = 0; c < wireless_row::kColumns; ++c) ZSG_Wireless->SetCellEx(c, r, row.cells[size_t(c)]);
  for (int c = 1; c < wireless_row::kColumns; ++c) ZSG_Wireless->GetCellProperties(c, r)->SetBrushColor(row.color);
  ZSG_Wireless->AddImageIdx(wireless_row::kPicture_Column, r, row.picture, haCenter, vaCenter);
  // The meter shown in the tree was heard again: the tree follows.
  if (n == shown_wireless_meter_) Show_Slave_in_Tree_Wireless(n);
}
