#include "shell/options/soft_options.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QUrl>

#include "controls/page_control.h"
#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/options/language_list.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"
#include "shell/version/version_check.h"

namespace {

constexpr int kClient_Width = 509;
constexpr int kClient_Height = 373;
constexpr int kFlag_Size = 48;

template <typename T>
T* Make(QWidget* parent, const QString& name, const QRect& place) {
  auto* widget = new T(parent);
  widget->setObjectName(name);
  widget->setGeometry(place);
  return widget;
}

TZbButton* Make_Button(QWidget* parent, const char* name, const QRect& place) {
  return Make<TZbButton>(parent, QLatin1String(name), place);
}

}  // namespace

TFSoftOptions::TFSoftOptions(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FSoftOptions"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Create_Controls();
  setFixedSize(kClient_Width, kClient_Height);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  SL_Languages.clear();
  L_SW_Code->setText(SW_Code);
  Set_Lang();
}

void TFSoftOptions::Create_Controls() {
  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, kClient_Width, 69);
  L_SW_Code = Title->L_SW_Code;
  L_SW_Desc = Title->L_SW_Desc;

  PC_Options = Make<TZadPageControl>(this, QStringLiteral("PC_Options"), QRect(8, 77, kClient_Width - 16, 249));
  TZadTabSheet** sheets[] = {&TS_Language, &TS_Con_Options, &TS_Soft_Settings};
  const char* sheet_names[] = {"TS_Language", "TS_Con_Options", "TS_Soft_Settings"};
  for (int n = 0; n < 3; ++n) {
    *sheets[n] = new TZadTabSheet(PC_Options);
    (*sheets[n])->setObjectName(QLatin1String(sheet_names[n]));
  }

  L_Sel_Lang = Make<QLabel>(TS_Language, QStringLiteral("L_Sel_Lang"), QRect(16, 10, 440, 16));
  L_Sel_Lang->setFont(shell_look::Bold_Font());
  for (int k = 0; k < language_list::kSlots; ++k) {
    const int left = k < 3 ? 24 : 248;
    const int top = 34 + (k % 3) * 54;
    I_L[k] = Make<QLabel>(TS_Language, QStringLiteral("I_L%1").arg(k + 1), QRect(left, top, kFlag_Size, kFlag_Size));
    I_L[k]->setScaledContents(true);
    L_L[k] = Make<QLabel>(TS_Language, QStringLiteral("L_L%1").arg(k + 1), QRect(left + 58, top + 16, 160, 16));
    for (QLabel* control : {I_L[k], L_L[k]}) {
      control->setCursor(Qt::PointingHandCursor);
      control->installEventFilter(this);
    }
  }
  L_Page_Lang = Make<QLabel>(TS_Language, QStringLiteral("L_Page_Lang"), QRect(24, 200, 200, 16));
  // Language names are file names: shown as they are, never as markup.
  for (QLabel* label : {L_Sel_Lang, L_Page_Lang, L_L[0], L_L[1], L_L[2], L_L[3], L_L[4], L_L[5]})
    label->setTextFormat(Qt::PlainText);
  Btn_Prev = Make_Button(TS_Language, "Btn_Prev", QRect(288, 196, 81, 23));
  Btn_Next = Make_Button(TS_Language, "Btn_Next", QRect(377, 196, 81, 23));
  connect(Btn_Prev, &TZbButton::clicked, this, [this] { Btn_NextClick(Btn_Prev); });
  connect(Btn_Next, &TZbButton::clicked, this, [this] { Btn_NextClick(Btn_Next); });

  CB_En_Con = Make<QCheckBox>(TS_Con_Options, QStringLiteral("CB_En_Con"), QRect(16, 16, 440, 20));
  CB_Update = Make<QCheckBox>(TS_Con_Options, QStringLiteral("CB_Update"), QRect(40, 42, 416, 20));
  Btn_Check_Update = Make_Button(TS_Con_Options, "Btn_Check_Update", QRect(16, 82, 200, 25));
  // Room for a connection error of two or three lines below the button.
  LL_Check_Update = Make<QLabel>(TS_Con_Options, QStringLiteral("LL_Check_Update"), QRect(16, 120, 440, 48));
  LL_Check_Update->setWordWrap(true);
  LL_Check_Update->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  connect(Btn_Check_Update, &TZbButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
  connect(LL_Check_Update, &QLabel::linkActivated, this, &TFSoftOptions::LL_Check_UpdateLinkClick);

  CB_Soft_Set_Jump_Table =
      Make<QCheckBox>(TS_Soft_Settings, QStringLiteral("CB_Soft_Set_Jump_Table"), QRect(16, 16, 440, 20));
  CB_DoubleClick_Auto_Size =
      Make<QCheckBox>(TS_Soft_Settings, QStringLiteral("CB_DoubleClick_Auto_Size"), QRect(16, 42, 440, 20));
  for (QCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
    connect(box, &QCheckBox::toggled, this, &TFSoftOptions::Update_CheckBox);

  Btn_OK = Make_Button(this, "Btn_OK", QRect(kClient_Width - 8 - 81 - 8 - 81, 338, 81, 25));
  Btn_Cancel = Make_Button(this, "Btn_Cancel", QRect(kClient_Width - 8 - 81, 338, 81, 25));
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);
  connect(Btn_OK, &TZbButton::clicked, this, &TFSoftOptions::Btn_OKClick);
}

void TFSoftOptions::Set_Lang() {
  setWindowTitle(Lang(300));
  L_SW_Desc->setText(Lang(301));
  TS_Language->Set_Caption(Lang(302));
  TS_Con_Options->Set_Caption(Lang(303));
  TS_Soft_Settings->Set_Caption(Lang(319));
  L_Sel_Lang->setText(Lang(304));
  // The page shown and the pages of the list, also after a language change.
  Show_Page_Line(Show_Page);
  Btn_Prev->Set_Caption(Lang(307));
  Btn_Next->Set_Caption(Lang(308));
  CB_En_Con->setText(Lang(309));
  CB_Update->setText(Lang(310));
  Btn_Check_Update->Set_Caption(Lang(311));
  Btn_OK->Set_Caption(Lang(312));
  Btn_Cancel->Set_Caption(Lang(313));
  CB_Soft_Set_Jump_Table->setText(Lang(320));
  CB_DoubleClick_Auto_Size->setText(Lang(321));
}

void TFSoftOptions::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFSoftOptions::FormShow() {
  Language_In_Use = Cur_Language;
  Create_Lang_List();
  LL_Check_Update->hide();
  PC_Options->Set_ActivePage(TS_Language);
  CB_En_Con->setChecked(Enable_Internet);
  CB_Update->setChecked(Enable_Update);
  CB_Soft_Set_Jump_Table->setChecked(Enable_Jump_Field_Tables);
  CB_DoubleClick_Auto_Size->setChecked(Enable_Double_Click_Auto_Size);
  Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages = language_list::Offered_Languages(Dir_Language);
  Show_Page = 1;
  Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
  const language_list::Page page = language_list::Language_Page(static_cast<int>(SL_Languages.size()), Num_Page);
  L_Sel_Lang->setText(Lang(304) + Language_In_Use);
  Show_Page_Line(Num_Page);
  Btn_Prev->setVisible(page.show_prev);
  Btn_Next->setVisible(page.show_next);
  for (int k = 0; k < language_list::kSlots; ++k) {
    const bool used = k < page.shown;
    L_L[k]->setVisible(used);
    I_L[k]->setVisible(used);
    if (!used) continue;
    const QString name = language_list::Language_Name(SL_Languages[page.first + k]);
    L_L[k]->setText(name);
    const QString flag = language_list::Flag_Picture(Dir_Language, name);
    const QPixmap picture(flag);
    I_L[k]->setPixmap(picture);
    I_L[k]->setVisible(!flag.isEmpty() && !picture.isNull());
  }
}

void TFSoftOptions::Show_Page_Line(int Num_Page) {
  const language_list::Page page = language_list::Language_Page(static_cast<int>(SL_Languages.size()), Num_Page);
  L_Page_Lang->setText(Lang(305) + QString::number(Num_Page) + Lang(306) + QString::number(page.pages));
}

void TFSoftOptions::Btn_NextClick(QObject* sender) {
  const int pages = language_list::Language_Page(static_cast<int>(SL_Languages.size()), Show_Page).pages;
  if (sender == Btn_Next && pages >= Show_Page + 1) ++Show_Page;
  if (sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int k) {
  const int index = language_list::kSlots * (Show_Page - 1) + k - 1;
  if (index < 0 || index >= SL_Languages.size()) return;
  const QString name = language_list::Language_Name(SL_Languages[index]);
  if (!dialogs::Ask_Yes_No(this, language_list::Change_Question(Language_In_Use, name))) return;
  Language_In_Use = name;
  language_list::Load_Language_Texts(name);
  if (Change_Language)
    Change_Language();
  else
    Set_Lang();
  L_Sel_Lang->setText(Lang(304) + name);
}

void TFSoftOptions::Update_CheckBox() {
  CB_Update->setEnabled(CB_En_Con->isChecked());
  Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_OKClick() {
  Cur_Language = Language_In_Use;
  Enable_Internet = CB_En_Con->isChecked();
  Enable_Update = CB_Update->isChecked();
  Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->isChecked();
  Enable_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
  done(mrOk);
}

void TFSoftOptions::Btn_Check_UpdateClick() {
  const Version_Check check = Check_Version_Answer();
  if (check.outcome == Version_Check::Outcome::Newer) {
    LL_Check_Update->setTextFormat(Qt::RichText);
    LL_Check_Update->setText(Link_Label_Text(Download_Page_Url(Device_Type()), Lang(314).toHtmlEscaped()));
  } else {
    LL_Check_Update->setTextFormat(Qt::PlainText);
    // A check that could not reach the server says so: "No Update Available"
    // would tell a user without a network that the program is up to date.
    LL_Check_Update->setText(check.outcome == Version_Check::Outcome::Failed
                                 ? QStringLiteral("The check for updates failed: %1").arg(check.error)
                                 : Lang(315));
  }
  LL_Check_Update->show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const QString& link) { QDesktopServices::openUrl(QUrl(link)); }

bool TFSoftOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int k = 0; k < language_list::kSlots; ++k)
      if (watched == I_L[k] || watched == L_L[k]) {
        LangClick(k + 1);
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}
