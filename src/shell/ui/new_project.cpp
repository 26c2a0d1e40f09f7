#include "shell/ui/new_project.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/logic/config_folders.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

TFNew_Project::TFNew_Project(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FNew_Project"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Title = new Title_Panel(this);
  Label1 = new QLabel(this);
  Label1->setTextFormat(Qt::PlainText);
  Label1->setObjectName(QStringLiteral("Label1"));
  E_New_Proj = new QLineEdit(this);
  E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
  // Enter in the edit confirms like OK.
  connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);

  Btn_OK = new TZbButton(this);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->setFixedSize(81, 25);
  connect(Btn_OK, &TZbButton::clicked, this, &TFNew_Project::Btn_OKClick);
  Btn_Cancel = new TZbButton(this);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->setFixedSize(81, 25);
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Btn_OK);
  buttons->addWidget(Btn_Cancel);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(16, 8, 16, 12);
  body->addWidget(Label1);
  body->addWidget(E_New_Proj);
  body->addStretch();
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Title);
  layout->addLayout(body);

  setFixedSize(331, 162);
  Set_Lang();
}

void TFNew_Project::Set_Lang() {
  setWindowTitle(Lang(100));
  Title->L_SW_Desc->setText(Lang(101));
  Label1->setText(Lang(102));
  Btn_OK->Set_Caption(Lang(103));
  Btn_Cancel->Set_Caption(Lang(104));
  E_New_Proj->setToolTip(Lang(108));
  Btn_OK->setToolTip(Lang(109));
  Btn_Cancel->setToolTip(Lang(110));
}

void TFNew_Project::showEvent(QShowEvent* event) {
  E_New_Proj->clear();
  E_New_Proj->setFocus();
  QDialog::showEvent(event);
}

void TFNew_Project::Btn_OKClick() {
  using config_folders::Create_Result;
  QString reason;
  const Create_Result result = config_folders::Create_Configuration(E_New_Proj->text(), &reason);
  if (result == Create_Result::Created) {
    accept();
    return;
  }
  dialogs::Error(this, result == Create_Result::Cannot_Create ? reason : Lang(static_cast<int>(result)));
}
