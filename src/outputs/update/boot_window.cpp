#include "outputs/update/boot_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <chrono>
#include <type_traits>

#include "controls/zb_button.h"
#include "outputs/update/update_run.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "platform/icmp_echo.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/logic/com_ports.h"
#include "shell/logic/ip_address.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

constexpr int kClient_Width = 449;
constexpr int kTitle_Height = 69;
constexpr int kAddress_Height = 49;
constexpr int kSerial_Height = 51;
constexpr int kOptions_Height = 72;
constexpr int kButton_Height = 40;

// The serial panel's own texts, kept where the language texts do not apply.
const char* const kDesign_COM_Label = "Select the COM port for the Update";
const char* const kDesign_COM_Hint = "Select the COM Port to use for the Update";
const char* const kDesign_COM_List_Hint = "Update COM Ports List";

QWidget* Make_Panel(QWidget* parent, const char* name, int height) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QLatin1String(name));
  panel->resize(kClient_Width, height);
  return panel;
}

template <typename T>
T* Make(QWidget* parent, const char* name, const QRect& place) {
  auto* widget = new T(parent);
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(place);
  // Texts from language files are shown as written, never read as markup.
  if constexpr (std::is_same_v<T, QLabel>) widget->setTextFormat(Qt::PlainText);
  return widget;
}

// Two arrows chasing round a circle, on the see-through $FF00FF.
QImage Refresh_Glyph() {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter painter(&image);
  const QColor green(0, 120, 0);
  painter.setPen(QPen(green, 2));
  painter.drawArc(3, 3, 10, 10, 30 * 16, 150 * 16);
  painter.drawArc(3, 3, 10, 10, 210 * 16, 150 * 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(green);
  painter.drawPolygon(QPolygon({QPoint(10, 1), QPoint(15, 5), QPoint(10, 7)}));
  painter.drawPolygon(QPolygon({QPoint(6, 9), QPoint(1, 11), QPoint(6, 15)}));
  return image;
}

Ping_Clock Window_Ping_Clock() {
  return {[] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
          },
          [] { QCoreApplication::processEvents(); }};
}

}  // namespace

TFBoot::TFBoot(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      own_echo_(std::make_unique<Icmp_Echo_Client>()),
      echo_(own_echo_.get()) {
  setObjectName(QStringLiteral("FBoot"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Create_Controls();
  Set_Lang();
  FormShow();
}

TFBoot::~TFBoot() = default;

void TFBoot::Set_Echo_Client(Echo_Client* client) { echo_ = client ? client : own_echo_.get(); }

void TFBoot::Create_Controls() {
  P_Title = new Title_Panel(this);
  P_Title->setObjectName(QStringLiteral("P_Title"));
  P_Title->resize(kClient_Width, kTitle_Height);
  L_SW_Code = P_Title->L_SW_Code;
  L_SW_Desc = P_Title->L_SW_Desc;

  P_IP_Address = Make_Panel(this, "P_IP_Address", kAddress_Height);
  L_IP_Address = Make<QLabel>(P_IP_Address, "L_IP_Address", QRect(16, 4, 417, 16));
  QLineEdit** edits[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
  const char* names[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
  for (int n = 0; n < 4; ++n) {
    QLineEdit* edit = Make<QLineEdit>(P_IP_Address, names[n], QRect(16 + 56 * n, 22, 41, 21));
    edit->setText(QStringLiteral("0"));
    edit->setAlignment(Qt::AlignCenter);
    edit->installEventFilter(this);
    *edits[n] = edit;
    if (n < 3) {
      auto* dot = Make<QLabel>(P_IP_Address, "L_Dot", QRect(16 + 56 * n + 41, 22, 15, 21));
      dot->setText(QStringLiteral("."));
      dot->setAlignment(Qt::AlignCenter);
      dot->setFont(shell_look::Bold_Font());
    }
  }

  P_Serial = Make_Panel(this, "P_Serial", kSerial_Height);
  L_COM_Port = Make<QLabel>(P_Serial, "L_COM_Port", QRect(16, 4, 417, 16));
  L_COM_Port->setText(QLatin1String(kDesign_COM_Label));
  CB_COM_Port = Make<QComboBox>(P_Serial, "CB_COM_Port", QRect(16, 22, 121, 22));
  CB_COM_Port->setToolTip(QLatin1String(kDesign_COM_Hint));
  Btn_COM_List = Make<TZbButton>(P_Serial, "Btn_COM_List", QRect(145, 21, 25, 24));
  Btn_COM_List->Set_Glyph(Refresh_Glyph());
  Btn_COM_List->Set_NumGlyphs(1);
  Btn_COM_List->setToolTip(QLatin1String(kDesign_COM_List_Hint));
  connect(Btn_COM_List, &TZbButton::clicked, this, &TFBoot::Btn_COM_ListClick);

  P_Options = Make_Panel(this, "P_Options", kOptions_Height);
  L_Update_Option = Make<QLabel>(P_Options, "L_Update_Option", QRect(16, 6, 417, 16));
  CB_Update_Options = Make<QComboBox>(P_Options, "CB_Update_Options", QRect(16, 26, 233, 22));
  CB_Update_Option_Read_Back = Make<QCheckBox>(P_Options, "CB_Update_Option_Read_Back", QRect(264, 26, 169, 22));
  CB_Update_Option_Read_Back->setChecked(true);

  P_Button = Make_Panel(this, "P_Button", kButton_Height);
  Btn_Update = Make<TZbButton>(P_Button, "Btn_Update", QRect(kClient_Width - 16 - 177, 8, 177, 25));
  Btn_Cancel = Make<TZbButton>(P_Button, "Btn_Cancel", QRect(kClient_Width - 16 - 177 - 8 - 89, 8, 89, 25));
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);
  connect(Btn_Update, &TZbButton::clicked, this, &TFBoot::Btn_UpdateClick);
}

void TFBoot::Set_Lang() {
  setWindowTitle(Lang(Form_Type == 0 ? 600 : 602));
  L_SW_Desc->setText(Lang(Form_Type == 0 ? 601 : 603));
  L_IP_Address->setText(Lang(606));
  if (Device_Type() == 1) {
    L_COM_Port->setText(Lang(607));
    CB_COM_Port->setToolTip(Lang(625));
    Btn_COM_List->setToolTip(Lang(627));
  }
  L_Update_Option->setText(Lang(614));
  CB_Update_Options->clear();
  CB_Update_Options->addItems({Lang(615), Lang(616), Lang(617)});
  CB_Update_Options->setCurrentIndex(0);
  CB_Update_Option_Read_Back->setText(Lang(618));
  Btn_Cancel->Set_Caption(Lang(619));
  Btn_Update->Set_Caption(Lang(620));
  E_IP1->setToolTip(Lang(621));
  E_IP2->setToolTip(Lang(622));
  E_IP3->setToolTip(Lang(623));
  E_IP4->setToolTip(Lang(624));
  CB_Update_Options->setToolTip(Lang(632));
  CB_Update_Option_Read_Back->setToolTip(Lang(633));
  Btn_Cancel->setToolTip(Lang(634));
  Btn_Update->setToolTip(Lang(635));
}

void TFBoot::FormShow() {
  Set_Lang();
  L_SW_Code->setText(SW_Code);
  P_IP_Address->hide();
  P_Serial->hide();
  P_Options->hide();
  if (Form_Type == 0) {
    P_Serial->show();
  } else {
    P_IP_Address->show();
    QString oct1, oct2, oct3, oct4;
    if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, oct1, oct2, oct3, oct4)) {
      E_IP1->setText(oct1);
      E_IP2->setText(oct2);
      E_IP3->setText(oct3);
      E_IP4->setText(oct4);
    }
  }
  P_Options->show();
  Stack_Panels();
  CB_Update_Options->setCurrentIndex(Update_Option_Index >= 0 && Update_Option_Index <= 2 ? Update_Option_Index : 0);
  CB_Update_Option_Read_Back->setChecked(Update_Read_Back);
  if (Form_Type == 0) {
    update_ComPort();
    CB_COM_Port->setFocus();
  } else {
    // Selected, so a new address is typed over the remembered one.
    E_IP1->setFocus(Qt::TabFocusReason);
    E_IP1->selectAll();
  }
}

// The shown panels one under the other, the window as high as they are,
// the keyboard going through them in that order.
void TFBoot::Stack_Panels() {
  int top = 0;
  QList<QWidget*> order;
  for (QWidget* panel : {static_cast<QWidget*>(P_Title), P_IP_Address, P_Serial, P_Options, P_Button}) {
    if (panel->isHidden()) continue;
    panel->move(0, top);
    top += panel->height();
  }
  setFixedSize(kClient_Width, top);
  if (Form_Type == 0)
    order = {CB_COM_Port, Btn_COM_List};
  else
    order = {E_IP1, E_IP2, E_IP3, E_IP4};
  order << CB_Update_Options << CB_Update_Option_Read_Back << Btn_Cancel << Btn_Update;
  for (int n = 0; n + 1 < order.size(); ++n) setTabOrder(order[n], order[n + 1]);
}

void TFBoot::update_ComPort() {
  CB_COM_Port->clear();
  for (const QString& number : List_COM_Ports()) CB_COM_Port->addItem(QStringLiteral("COM") + number);
  CB_COM_Port->setCurrentIndex(CB_COM_Port->count() > 0 ? 0 : -1);
}

void TFBoot::Btn_COM_ListClick() { update_ComPort(); }

QString TFBoot::Address_Text() const {
  return E_IP1->text() + QLatin1Char('.') + E_IP2->text() + QLatin1Char('.') + E_IP3->text() + QLatin1Char('.') +
         E_IP4->text();
}

void TFBoot::Btn_UpdateClick() {
  if (busy_) return;
  busy_ = true;
  Btn_Update->setEnabled(false);
  Btn_Cancel->setEnabled(false);
  try {
    Run_Update();
  } catch (const std::exception& error) {
    Show_Exception(error);
  } catch (...) {
    Show_Unknown_Exception();
  }
  // Clicks made while the updater ran reach the disabled buttons now and are
  // dropped, rather than starting another update.
  QCoreApplication::processEvents();
  busy_ = false;
  Btn_Update->setEnabled(true);
  Btn_Cancel->setEnabled(true);
}

void TFBoot::Run_Update() {
  const int option = CB_Update_Options->currentIndex() < 0 ? 0 : CB_Update_Options->currentIndex();
  const bool read_back = CB_Update_Option_Read_Back->isChecked();
  Update_Run_Outcome outcome;
  if (Form_Type == 0) {
    outcome = Run_Serial_Update(CB_COM_Port->currentText(), option, read_back);
  } else {
    outcome = Run_Ethernet_Update(*echo_, Window_Ping_Clock(), Address_Text(), option, read_back);
    ping_res = outcome.ping_res;
  }
  switch (outcome.result) {
    case Update_Run_Result::Ping_No_Answer:
      dialogs::Warning(this, Lang(636));
      break;
    case Update_Run_Result::Ping_Error:
      dialogs::Error(this, Lang(637));
      break;
    case Update_Run_Result::Start_Failed:
      dialogs::Error(this, outcome.error);
      break;
    case Update_Run_Result::Nothing_To_Start:
    case Update_Run_Result::Done:
      break;
  }
}

// The window cannot be left while a ping or an updater runs: the update
// would go on behind a closed window.
void TFBoot::done(int result) {
  if (busy_) return;
  QDialog::done(result);
}

void TFBoot::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

bool TFBoot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QLatin1String(".")) {
    QLineEdit* const edits[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int n = 0; n < 4; ++n) {
      if (watched != edits[n]) continue;
      // As Tab does: the next part's text is selected, so typing replaces it.
      if (n < 3) {
        edits[n + 1]->setFocus(Qt::TabFocusReason);
        edits[n + 1]->selectAll();
      }
      return true;  // swallowed in all four
    }
  }
  return QDialog::eventFilter(watched, event);
}
