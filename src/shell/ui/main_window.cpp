#include "shell/ui/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "platform/file_resolver.h"
#include "platform/guarded_application.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "shell/logic/config_folders.h"
#include "shell/logic/hardware_type.h"
#include "shell/logic/program_starter.h"
#include "shell/logic/settings_file.h"
#include "shell/logic/step_layout.h"
#include "shell/ui/new_project.h"
#include "shell/ui/open_conf.h"
#include "shell/ui/shell_glyphs.h"
#include "shell/ui/shell_look.h"

namespace {

constexpr int kFirst_Check_Ms = 60000;
constexpr int kLater_Checks_Ms = 7200000;
constexpr int kStep_Left = 80;

// Plain text: names and texts come from the user and from language files,
// and "a<b>c" must not lose its "<b>".
QLabel* Make_Label(QWidget* parent, const char* name, int left, int top, const QFont& font) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->move(left, top);
  return label;
}

}  // namespace

TFOrvantoreFirmWare::TFOrvantoreFirmWare(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FOrvantoreFirmWare"));
  setWindowIcon(shell_glyphs::Program_Icon());
  Lang_Table.clear();
  Create_Controls();
  Apply_Device_Layout();

  const QString folder_problem = config_folders::Set_Program_Folders();
  settings_file::Read(xml1_);
  Set_Update_Timer();

  const Device_Model& model = Current_Device_Model();
  SW_Title = QString::fromLatin1(model.title);
  SW_Code = QString::fromLatin1(model.sw_code);
  SW_Desc = QString::fromLatin1(model.description);
  setWindowTitle(SW_Title);
  L_SW_Code->setText(SW_Code);
  L_SW_Code->adjustSize();
  L_SW_Desc->setText(SW_Desc);
  L_SW_Desc->adjustSize();

  Load_Language();
  config_folders::Restore_Active_Configuration();
  Set_Lang();
  Set_Files();
  Update_Read_Back = true;
  Row_Copy_Buffer.clear();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  // Said now: otherwise the first New Configuration would be refused with a
  // text about the name.
  if (!folder_problem.isEmpty())
    dialogs::Error(this, folder_problem + QStringLiteral("\nConfigurations cannot be created or saved there."));
}

TFOrvantoreFirmWare::~TFOrvantoreFirmWare() = default;

void TFOrvantoreFirmWare::Create_Controls() {
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);

  L_SW_Code = Make_Label(this, "L_SW_Code", 16, 8, shell_look::Code_Font());
  shell_look::Set_Text_Color(L_SW_Code, shell_look::kGrey);
  L_SW_Desc = Make_Label(this, "L_SW_Desc", 16, 42, shell_look::Bold_Font());
  shell_look::Set_Text_Color(L_SW_Desc, shell_look::kGrey);

  LL_Update = Make_Label(this, "LL_Update", 208, 19, shell_look::Window_Font());
  LL_Update->setTextFormat(Qt::RichText);
  LL_Update->hide();
  connect(LL_Update, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });

  auto make_button = [this](const char* name, int left, int top, int width, int height) {
    auto* button = new TZbButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, width, height);
    button->Set_Color(shell_look::kBackground);
    button->Set_ColorWhenDown(shell_look::kPressed);
    connect(button, &TZbButton::clicked, this, [this, button] { Guarded([this, button] { Btn_Click(button); }); });
    return button;
  };
  Btn_Info = make_button("Btn_Info", 516, 8, 50, 50);
  Btn_Opz = make_button("Btn_Opz", 574, 8, 50, 50);
  Btn_Close = make_button("Btn_Close", 632, 8, 50, 50);
  Btn_Info->Set_Glyph(shell_glyphs::Info());
  Btn_Opz->Set_Glyph(shell_glyphs::Options());
  Btn_Close->Set_Glyph(shell_glyphs::Close());

  L_Begin = Make_Label(this, "L_Begin", 16, 84, shell_look::Bold_Font());
  Shape2 = new QFrame(this);
  Shape2->setObjectName(QStringLiteral("Shape2"));
  Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
  Shape2->setGeometry(80, 70, 348, 36);
  L_Name_Conf = Make_Label(this, "L_Name_Conf", 87, 75, shell_look::Window_Font());
  L_Name_Conf_L2 = Make_Label(this, "L_Name_Conf_L2", 87, 88, shell_look::Bold_Font());
  Btn_ScanDecode = make_button("Btn_ScanDecode", 516, 70, 166, 36);

  for (int n = 0; n < 8; ++n) {
    const QByteArray name = "L_Step_" + QByteArray::number(n + 1);
    L_Step[n] = Make_Label(this, name.constData(), 16, Step_Layout::Step_Label_Top(n + 1), shell_look::Bold_Font());
  }
  Btn_New = make_button("Btn_New", 80, 112, 170, 36);
  Btn_Open = make_button("Btn_Open", 258, 112, 170, 36);
  Btn_Prm_Gen = make_button("Btn_Prm_Gen", kStep_Left, 156, 170, 36);
  Btn_MBus = make_button("Btn_MBus", kStep_Left, 200, 170, 36);
  Btn_PROFIBUS_GSD = make_button("Btn_PROFIBUS_GSD", kStep_Left, 244, 170, 36);
  Btn_PROFINET_XML = make_button("Btn_PROFINET_XML", kStep_Left, 244, 170, 36);
  Btn_SDO_Server_CANopen = make_button("Btn_SDO_Server_CANopen", kStep_Left, 244, 170, 36);
  Btn_SDO_Client_CANopen = make_button("Btn_SDO_Client_CANopen", kStep_Left, 288, 170, 36);
  Btn_PDO_CANopen = make_button("Btn_PDO_CANopen", kStep_Left, 332, 170, 36);
  Btn_CANopen_EDS = make_button("Btn_CANopen_EDS", kStep_Left, 376, 170, 36);
  Btn_CreateBin = make_button("Btn_CreateBin", kStep_Left, 244, 170, 36);

  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameStyle(QFrame::HLine | QFrame::Plain);
  Shape1->setGeometry(10, 295, 674, 1);

  L_Kelvra = Make_Label(this, "L_Kelvra", 565, 260, shell_look::Window_Font());
  L_Kelvra->setText(QStringLiteral("www.kelvra.com"));
  L_Kelvra->adjustSize();
  L_Kelvra->setCursor(Qt::PointingHandCursor);
  L_Kelvra->installEventFilter(this);

  Timer_Update = new QTimer(this);
  Timer_Update->setObjectName(QStringLiteral("Timer_Update"));
  Timer_Update->setInterval(kFirst_Check_Ms);
  connect(Timer_Update, &QTimer::timeout, this, &TFOrvantoreFirmWare::Timer_UpdateTimer);
}

void TFOrvantoreFirmWare::Apply_Device_Layout() {
  const Step_Layout layout = Layout_For_Device(Device_Type());
  for (int n = 0; n < 8; ++n) L_Step[n]->setVisible(n < layout.step_labels);
  Btn_MBus->setGeometry(kStep_Left, 200, 170, 36);
  Btn_MBus->show();
  Btn_ScanDecode->setVisible(layout.scan_decode);

  const std::pair<TZbButton*, int> own_steps[] = {{Btn_PROFIBUS_GSD, layout.profibus_gsd_top},
                                                  {Btn_PROFINET_XML, layout.profinet_xml_top},
                                                  {Btn_SDO_Server_CANopen, layout.sdo_server_top},
                                                  {Btn_SDO_Client_CANopen, layout.sdo_client_top},
                                                  {Btn_PDO_CANopen, layout.pdo_top},
                                                  {Btn_CANopen_EDS, layout.eds_top}};
  for (const auto& [button, top] : own_steps) {
    button->setVisible(top != Step_Layout::kHidden);
    if (top != Step_Layout::kHidden) button->move(kStep_Left, top);
  }
  Btn_CreateBin->move(kStep_Left, layout.create_bin_top);
  Shape1->move(10, layout.Rule_Top());
  L_Kelvra->move(565, layout.Kelvra_Top());
  L_Kelvra->show();
  setFixedSize(layout.Client_Width(), layout.Client_Height());
}

void TFOrvantoreFirmWare::Set_Config_Dialogs(TFNew_Project* new_project, TFOpenConf* open_conf) {
  new_project_ = new_project;
  open_conf_ = open_conf;
}

void TFOrvantoreFirmWare::Btn_Click(QObject* sender) {
  if (sender == Btn_New) return Create_New_Project();
  if (sender == Btn_Open) return Open_Project();
  if (sender == Btn_Close) {
    close();
    return;
  }
  if (sender == Btn_Info) return Run_Step(windows_.show_about);
  if (sender == Btn_Opz) {
    if (!windows_.show_options) return Run_Step({});
    if (windows_.show_options()) {
      Save_Setting();
      Set_Update_Timer();
    }
    return;
  }
  if (Active_Conf_Dir.isEmpty()) {
    dialogs::Error(this, Lang(18));
    return;
  }
  if (sender == Btn_Prm_Gen) return Run_Step(windows_.show_par_gen);
  if (sender == Btn_MBus) return Run_Step(windows_.show_meter_bus);
  if (sender == Btn_PROFIBUS_GSD) return Run_Step(windows_.create_gsd_file);
  if (sender == Btn_PROFINET_XML) return PROFINET_XML();
  if (sender == Btn_SDO_Server_CANopen) return Run_Step(windows_.show_sdo_server);
  if (sender == Btn_SDO_Client_CANopen) return Run_Step(windows_.show_sdo_client);
  if (sender == Btn_PDO_CANopen) return Run_Step(windows_.show_pdo);
  if (sender == Btn_CANopen_EDS) return Build_EDS_File();
  if (sender == Btn_CreateBin) return Update_Device();
  if (sender == Btn_ScanDecode) return Show_Scan_Decode();
}

void TFOrvantoreFirmWare::Run_Step(const std::function<void()>& step) {
  if (step) {
    step();
    return;
  }
  dialogs::Information(this, QStringLiteral("This step is not available in this version."));
}

void TFOrvantoreFirmWare::PROFINET_XML() { Run_Step(windows_.profinet_xml); }

void TFOrvantoreFirmWare::Build_EDS_File() {
  if (!windows_.write_eds_file) return Run_Step({});
  QString file = dialogs::Current().Save_File(
      this, {Lang(40), Active_Conf_Dir, QStringLiteral("Electronic Data Sheet (*.eds)"), QString()});
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".eds");
  windows_.write_eds_file(file);
}

void TFOrvantoreFirmWare::Update_Device() {
  if (!windows_.compile_and_save_images || !windows_.show_boot) return Run_Step({});
  // A failed compile or save throws: the error box shows it and the update
  // window stays closed.
  windows_.compile_and_save_images(xml1_);
  int form_type = 1;
  if (Device_Type() == 1) form_type = 0;
  if (Device_Type() == 3) form_type = Check_Update_Serial_232() ? 0 : 1;
  windows_.show_boot(form_type);
}

bool TFOrvantoreFirmWare::Check_Update_Serial_232() { return ::Check_Update_Serial_232(xml1_, Path_ParGen_XML); }

void TFOrvantoreFirmWare::Show_Scan_Decode() {
  if (!windows_.show_scan_decode) return Run_Step({});
  if (QFileInfo::exists(file_resolver::Resolve_Path(Path_M_Bus_XML)) &&
      dialogs::Message(this, dialogs::Kind::Warning, Lang(29), dialogs::Yes | dialogs::No) == dialogs::No)
    return;
  windows_.show_scan_decode(Get_XML_Code_Dev(), Path_M_Bus_XML, Is_Wireless_Device() ? 1 : 0);
}

void TFOrvantoreFirmWare::Set_Lang() {
  L_Begin->setText(Lang(0));
  L_Begin->adjustSize();
  for (int n = 0; n < 8; ++n) {
    L_Step[n]->setText(Lang(n + 1));
    L_Step[n]->adjustSize();
  }
  Btn_Info->setToolTip(Lang(12));
  Btn_Opz->setToolTip(Lang(13));
  Btn_Close->setToolTip(Lang(14));
  const struct {
    TZbButton* button;
    int caption;
    int hint;
  } buttons[] = {{Btn_New, 15, 22},
                 {Btn_Open, 16, 23},
                 {Btn_CreateBin, 17, 26},
                 {Btn_Prm_Gen, 20, 24},
                 {Btn_MBus, 21, 25},
                 {Btn_ScanDecode, 27, 28},
                 {Btn_PROFIBUS_GSD, 30, 31},
                 {Btn_PROFINET_XML, 32, 33},
                 {Btn_SDO_Server_CANopen, 34, 35},
                 {Btn_SDO_Client_CANopen, 36, 37},
                 {Btn_PDO_CANopen, 38, 39},
                 {Btn_CANopen_EDS, 40, 41}};
  for (const auto& entry : buttons) {
    entry.button->Set_Caption(Lang(entry.caption));
    entry.button->setToolTip(Lang(entry.hint));
  }
  Show_Configuration_Labels();
}

void TFOrvantoreFirmWare::Show_Configuration_Labels() {
  const bool none = Active_Conf_Dir.isEmpty();
  Show_In_Name_Box(L_Name_Conf, Lang(none ? 9 : 11));
  Show_In_Name_Box(L_Name_Conf_L2, none ? Lang(10) : Active_Conf_Name);
}

// A long name is cut to the box with "..." and shown whole in the tool tip,
// instead of running across the window.
void TFOrvantoreFirmWare::Show_In_Name_Box(QLabel* label, const QString& text) {
  const int margin = label->x() - Shape2->x();
  const int room = Shape2->x() + Shape2->width() - margin - label->x();
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, room);
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap));
  label->adjustSize();
}

void TFOrvantoreFirmWare::Change_Language() {
  Set_Lang();
  for (const auto& set_lang : windows_.set_lang)
    if (set_lang) set_lang();
}

void TFOrvantoreFirmWare::Create_New_Project() {
  if (!new_project_) return;
  if (new_project_->exec() == mrOk) Show_Configuration_Labels();
}

void TFOrvantoreFirmWare::Open_Project() {
  if (!open_conf_) return;
  if (open_conf_->exec() != mrOk) return;
  config_folders::Open_Configuration(open_conf_->Name_Conf);
  Show_Configuration_Labels();
}

void TFOrvantoreFirmWare::Set_Files() { config_folders::Set_Files(); }

void TFOrvantoreFirmWare::Save_Setting() { settings_file::Write(xml1_); }

void TFOrvantoreFirmWare::Set_Update_Timer() {
  // Enabling a running timer leaves its schedule alone.
  if (Enable_Internet && Enable_Update) {
    if (!Timer_Update->isActive()) Timer_Update->start();
  } else
    Timer_Update->stop();
}

void TFOrvantoreFirmWare::Timer_UpdateTimer() {
  Timer_Update->stop();
  if (windows_.check_version && windows_.check_version()) {
    const QString target = windows_.download_page ? windows_.download_page() : QString();
    LL_Update->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), Lang(19).toHtmlEscaped()));
    LL_Update->adjustSize();
    LL_Update->show();
  } else {
    LL_Update->hide();
  }
  Timer_Update->setInterval(kLater_Checks_Ms);
  Timer_Update->start();
}

void TFOrvantoreFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, int tipo) {
  ::Start_Program(NomeSW, Parameter, tipo);
}

bool TFOrvantoreFirmWare::eventFilter(QObject* watched, QEvent* event) {
  if (watched == L_Kelvra && event->type() == QEvent::MouseButtonRelease && windows_.product_page)
    QDesktopServices::openUrl(QUrl(windows_.product_page()));
  return QWidget::eventFilter(watched, event);
}

void TFOrvantoreFirmWare::closeEvent(QCloseEvent* event) {
  Guarded([this] { Save_Setting(); });
  event->accept();
}

// An error in a handler goes to the application's error box here rather than
// unwinding through Qt's event delivery, which does not expect exceptions.
void TFOrvantoreFirmWare::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    Show_Exception(error);
  } catch (...) {
    Show_Unknown_Exception();
  }
}
