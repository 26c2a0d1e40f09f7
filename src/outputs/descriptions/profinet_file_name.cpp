#include "outputs/descriptions/profinet_file_name.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/zb_button.h"
#include "outputs/descriptions/gsdml_writer.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

QLabel* Make_Label(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setObjectName(QLatin1String(name));
  return label;
}

TZbButton* Make_Button(QWidget* parent, const char* name) {
  auto* button = new TZbButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setFixedSize(81, 25);
  return button;
}

}  // namespace

TFProfinetFileName::TFProfinetFileName(QWidget* parent, const QDate& start_date)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), start_date_(start_date) {
  setObjectName(QStringLiteral("FProfinetFileName"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Title = new Title_Panel(this);
  L_Select = Make_Label(this, "L_Select");
  L_Select->setFont(shell_look::Bold_Font());
  L_Col_Fix1 = Make_Label(this, "L_Col_Fix1");
  L_Col_User = Make_Label(this, "L_Col_User");
  L_Col_Fix2 = Make_Label(this, "L_Col_Fix2");
  // The date part is fixed at creation: it stays the day the program started.
  L_XML_Fix1 = Make_Label(this, "L_XML_Fix1", GSDML_Fixed_First_Part());
  L_XML_Fix2 = Make_Label(this, "L_XML_Fix2", GSDML_Fixed_Last_Part(start_date));
  E_XML_User = new QLineEdit(this);
  E_XML_User->setObjectName(QStringLiteral("E_XML_User"));
  connect(E_XML_User, &QLineEdit::returnPressed, this, &TFProfinetFileName::Btn_OKClick);

  Btn_OK = Make_Button(this, "Btn_OK");
  connect(Btn_OK, &TZbButton::clicked, this, &TFProfinetFileName::Btn_OKClick);
  Btn_Cancel = Make_Button(this, "Btn_Cancel");
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);

  auto* name = new QGridLayout;
  name->setHorizontalSpacing(4);
  name->addWidget(L_Col_Fix1, 0, 0);
  name->addWidget(L_Col_User, 0, 1);
  name->addWidget(L_Col_Fix2, 0, 2);
  name->addWidget(L_XML_Fix1, 1, 0);
  name->addWidget(E_XML_User, 1, 1);
  name->addWidget(L_XML_Fix2, 1, 2);
  name->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Btn_OK);
  buttons->addWidget(Btn_Cancel);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(16, 8, 16, 12);
  body->addWidget(L_Select);
  body->addSpacing(6);
  body->addLayout(name);
  body->addStretch();
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Title);
  layout->addLayout(body);

  setFixedSize(540, 205);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
  setWindowTitle(Lang(1500));
  Title->L_SW_Desc->setText(Lang(1501));
  Btn_OK->Set_Caption(Lang(1502));
  Btn_Cancel->Set_Caption(Lang(1503));
  L_Select->setText(Lang(1504));
  L_Col_Fix1->setText(Lang(1505));
  L_Col_User->setText(Lang(1506));
  L_Col_Fix2->setText(Lang(1507));
  E_XML_User->setToolTip(Lang(1508));
  Btn_OK->setToolTip(Lang(1509));
  Btn_Cancel->setToolTip(Lang(1510));
}

void TFProfinetFileName::Btn_OKClick() {
  const QString user = E_XML_User->text();
  // The name becomes a file name: it must not lead out of the chosen folder.
  if (!Is_Valid_GSDML_User_Part(user)) {
    dialogs::Error(this, QStringLiteral("Error! The user part cannot hold / \\ < > : \" | ? * or control characters, "
                                        "nor be \".\" or \"..\"."));
    return;
  }
  Name_File_XML = GSDML_File_Name(user, start_date_);
  accept();
}
