#include "editors/par_gen/new_id_node.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>

#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

QLineEdit* New_Field(QWidget* parent, const char* name, const QRect& geometry) {
  auto* field = new QLineEdit(QStringLiteral("1"), parent);
  field->setObjectName(QLatin1String(name));
  field->setGeometry(geometry);
  return field;
}

}  // namespace

TFNewIDNode::TFNewIDNode(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FNewIDNode"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);

  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, 265, 58);
  L_Prompt = new QLabel(this);
  L_Prompt->setTextFormat(Qt::PlainText);
  L_Prompt->setObjectName(QStringLiteral("L_Prompt"));
  L_Prompt->setGeometry(16, 66, 240, 16);

  RB_Primary = new QRadioButton(this);
  RB_Primary->setObjectName(QStringLiteral("RB_Primary"));
  RB_Primary->setGeometry(16, 90, 132, 21);
  RB_Primary->setChecked(true);
  E_ID_Primary = New_Field(this, "E_ID_Primary", QRect(152, 90, 97, 21));
  RB_Secondary = new QRadioButton(this);
  RB_Secondary->setObjectName(QStringLiteral("RB_Secondary"));
  RB_Secondary->setGeometry(16, 118, 132, 21);
  E_ID_Secondary = New_Field(this, "E_ID_Secondary", QRect(152, 118, 97, 21));

  // Shown in place of the radio buttons for a wireless node.
  L_wMBus_Add = new QLabel(this);
  L_wMBus_Add->setTextFormat(Qt::PlainText);
  L_wMBus_Add->setObjectName(QStringLiteral("L_wMBus_Add"));
  L_wMBus_Add->setGeometry(16, 118, 132, 16);
  E_wMBus_Add = New_Field(this, "E_wMBus_Add", QRect(152, 115, 97, 21));

  Btn_OK = new TZbButton(this);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->setGeometry(90, 158, 75, 25);
  Btn_OK->Set_Default(true);
  Btn_OK->OnClick = [this] { ZbButton2Click(); };
  Btn_Cancel = new TZbButton(this);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->setGeometry(174, 158, 75, 25);
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);

  setFixedSize(265, 195);
  Set_Lang();
}

void TFNewIDNode::Set_Lang() {
  setWindowTitle(Lang(1100));
  Title->L_SW_Code->setText(SW_Code);
  Title->L_SW_Desc->setText(Lang(1101));
  Btn_OK->Set_Caption(Lang(1102));
  Btn_Cancel->Set_Caption(Lang(1103));
  L_Prompt->setText(Lang(1104));
  RB_Primary->setText(Lang(1105));
  RB_Secondary->setText(Lang(1106));
  L_wMBus_Add->setText(Lang(1107));
}

void TFNewIDNode::Prepare_Wired(int node_id_type, int32_t primary, int32_t secondary) {
  Form_Type = 1;
  (node_id_type == 1 ? RB_Secondary : RB_Primary)->setChecked(true);
  E_ID_Primary->setText(QString::number(primary));
  E_ID_Secondary->setText(QString::number(secondary));
}

void TFNewIDNode::Prepare_Wireless(const QString& address) {
  Form_Type = 2;
  E_wMBus_Add->setText(address);
}

New_Node_ID_Entry TFNewIDNode::Entry() const {
  return {Form_Type, RB_Secondary->isChecked(), E_ID_Primary->text(), E_ID_Secondary->text(), E_wMBus_Add->text()};
}

void TFNewIDNode::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TFNewIDNode::FormShow() {
  const bool ids = Form_Type == 1;
  RB_Primary->setVisible(ids);
  E_ID_Primary->setVisible(ids);
  RB_Secondary->setVisible(ids);
  E_ID_Secondary->setVisible(ids);
  L_wMBus_Add->setVisible(!ids);
  E_wMBus_Add->setVisible(!ids);
  L_Prompt->setVisible(true);
}

void TFNewIDNode::ZbButton2Click() {
  const New_Node_ID_Entry entry = Entry();
  if (const std::optional<int> failed = New_Node_ID_Range_Error(entry)) {
    dialogs::Error(this, Lang(*failed));
    return;
  }
  if (const std::optional<Node_ID> id = New_Node_ID_Of(entry);
      id && Node_ID_Free && !Node_ID_Free(id->id, id->type_id)) {
    dialogs::Error(this, Lang(548));
    return;
  }
  done(mrOk);
}
