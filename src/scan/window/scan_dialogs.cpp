#include "scan/window/scan_dialogs.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "controls/zb_button.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "scan/window/scan_save.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

TZbButton* New_Button(QWidget* parent, const char* name, const QRect& place) {
  auto* button = new TZbButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(place);
  return button;
}

void Centre_On_Screen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

}  // namespace

// --- key ---

TFInsertKeyWireless::TFInsertKeyWireless(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FInsertKeyWireless"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  setFixedSize(481, 47);
  L_InsKey = new QLabel(this);
  L_InsKey->setObjectName(QStringLiteral("L_InsKey"));
  L_InsKey->setGeometry(8, 14, 70, 18);
  E_Key = new QLineEdit(this);
  E_Key->setObjectName(QStringLiteral("E_Key"));
  E_Key->setGeometry(80, 12, 240, 22);
  E_Key->setMaxLength(32);
  // Typed letters become upper case.
  connect(E_Key, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text == text.toUpper()) return;
    const int cursor = E_Key->cursorPosition();
    E_Key->setText(text.toUpper());
    E_Key->setCursorPosition(cursor);
  });
  Btn_OK = New_Button(this, "Btn_OK", QRect(328, 10, 70, 26));
  Btn_Cancel = New_Button(this, "Btn_Cancel", QRect(404, 10, 70, 26));
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  Btn_Cancel->Set_ModalResult(mrCancel);
  Set_Lang();
}

void TFInsertKeyWireless::Set_Lang() {
  L_InsKey->setText(Lang(900));
  Btn_OK->Set_Caption(Lang(901));
  Btn_Cancel->Set_Caption(Lang(902));
}

bool TFInsertKeyWireless::Check_Data(const QString& key) {
  for (const QChar c : key)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

void TFInsertKeyWireless::Btn_OKClick() {
  if (const int problem = scan_save::Key_Problem(E_Key->text())) {
    dialogs::Error(this, Lang(problem));
    return;
  }
  done(mrOk);
}

// Borderless: the window draws its own frame.
void TFInsertKeyWireless::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(QColor(100, 100, 100));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// --- start register ---

TFScanModbusStart::TFScanModbusStart(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FScanModbusStart"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  setFixedSize(331, 162);
  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, 331, 62);
  L_StartModAdd = new QLabel(this);
  L_StartModAdd->setObjectName(QStringLiteral("L_StartModAdd"));
  L_StartModAdd->setGeometry(16, 82, 180, 18);
  E_StartModAdd = new QLineEdit(this);
  E_StartModAdd->setObjectName(QStringLiteral("E_StartModAdd"));
  E_StartModAdd->setGeometry(200, 80, 110, 22);
  Btn_OK = New_Button(this, "Btn_OK", QRect(90, 120, 100, 28));
  Btn_Cancel = New_Button(this, "Btn_Cancel", QRect(200, 120, 100, 28));
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  Btn_Cancel->Set_ModalResult(mrCancel);
  Set_Lang();
}

void TFScanModbusStart::Set_Lang() {
  setWindowTitle(Lang(800));
  Title->L_SW_Code->setText(Lang(801));
  Title->L_SW_Desc->setText(Lang(802));
  L_StartModAdd->setText(Lang(803));
  Btn_OK->Set_Caption(Lang(804));
  Btn_Cancel->Set_Caption(Lang(805));
}

void TFScanModbusStart::Btn_OKClick() {
  const std::optional<int32_t> start = scan_save::Start_Register(E_StartModAdd->text());
  if (!start) {
    dialogs::Error(this, Lang(806));
    return;
  }
  StartModAdd = *start;
  done(mrOk);
}

void TFScanModbusStart::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) Centre_On_Screen(this);
  QDialog::showEvent(event);
}

// --- per-node start addresses ---

TFModbusStartAdd_SD::TFModbusStartAdd_SD(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FModbusStartAdd_SD"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  setFixedSize(511, 336);
  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, 511, 62);
  Title->L_SW_Code->setText(SW_Code);
  CB_En_NodeState = new QCheckBox(this);
  CB_En_NodeState->setObjectName(QStringLiteral("CB_En_NodeState"));
  CB_En_NodeState->setGeometry(16, 70, 230, 22);
  CB_En_IndNum = new QCheckBox(this);
  CB_En_IndNum->setObjectName(QStringLiteral("CB_En_IndNum"));
  CB_En_IndNum->setGeometry(256, 70, 240, 22);
  sga = new TZadColumnGrid(this);
  sga->setObjectName(QStringLiteral("sga"));
  sga->setGeometry(16, 98, 479, 190);
  sga->SetColCount(2);
  sga->SetRowCount(31);
  sga->SetFixedRows(1);
  sga->SetFixedCols(0);
  // The start addresses are typed into column 1; column 0 names the meter.
  sga->SetOptions(sga->Options() | goEditing);
  for (int c = 0; c < 2; ++c) sga->Columns()[c]->SetWidth(200);
  sga->Columns()[0]->SetReadOnly(true);
  Btn_OK = New_Button(this, "Btn_OK", QRect(150, 298, 100, 28));
  Btn_Cancel = New_Button(this, "Btn_Cancel", QRect(260, 298, 100, 28));
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  Btn_Cancel->Set_ModalResult(mrCancel);
  Set_Lang();
}

void TFModbusStartAdd_SD::Set_Lang() {
  setWindowTitle(Lang(1000));
  Title->L_SW_Desc->setText(Lang(1001));
  CB_En_NodeState->setText(Lang(1002));
  CB_En_IndNum->setText(Lang(1003));
  sga->Columns()[0]->SetHeader(Lang(1004));
  sga->Columns()[1]->SetHeader(Lang(1005));
  Btn_OK->Set_Caption(Lang(1006));
  Btn_Cancel->Set_Caption(Lang(1007));
}

QStringList TFModbusStartAdd_SD::Starts() const {
  QStringList starts;
  for (int r = 1; r < sga->RowCount(); ++r) starts << sga->GetCellEx(1, r);
  return starts;
}

bool TFModbusStartAdd_SD::Check_Data() {
  if (sga->EditorMode()) sga->HideInplaceEdit();
  if (const std::optional<QString> problem = scan_save::Per_Node_Problem(Starts())) {
    dialogs::Error(this, *problem);
    return false;
  }
  return true;
}

void TFModbusStartAdd_SD::Btn_OKClick() {
  if (Check_Data()) done(mrOk);
}

void TFModbusStartAdd_SD::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) Centre_On_Screen(this);
  QDialog::showEvent(event);
}
