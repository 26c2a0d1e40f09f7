#include "shell/ui/open_conf.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "controls/zb_button.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/logic/config_folders.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

TFOpenConf::TFOpenConf(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FOpenConf"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);
  Title = new Title_Panel(this);
  Label1 = new QLabel(this);
  Label1->setTextFormat(Qt::PlainText);
  Label1->setObjectName(QStringLiteral("Label1"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  connect(ListBox1, &QListWidget::itemClicked, this, &TFOpenConf::ListBox1Click);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);

  Btn_OK = new TZbButton(this);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->setFixedSize(81, 25);
  Btn_OK->Set_ModalResult(mrOk);
  Btn_Cancel = new TZbButton(this);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->setFixedSize(81, 25);
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_Cancel->Set_Cancel(true);

  // The list grows with the window; the buttons keep to the right edge.
  auto* body = new QGridLayout;
  body->setContentsMargins(16, 8, 16, 12);
  body->addWidget(Label1, 0, 0, 1, 2);
  body->addWidget(ListBox1, 1, 0, 3, 1);
  body->addWidget(Btn_OK, 1, 1, Qt::AlignTop);
  body->addWidget(Btn_Cancel, 2, 1, Qt::AlignTop);
  body->setRowStretch(3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Title);
  layout->addLayout(body, 1);

  resize(377, 351);
  Set_Lang();
}

void TFOpenConf::Set_Lang() {
  setWindowTitle(Lang(200));
  Title->L_SW_Desc->setText(Lang(201));
  Label1->setText(Lang(202));
  Btn_OK->Set_Caption(Lang(203));
  Btn_Cancel->Set_Caption(Lang(204));
  ListBox1->setToolTip(Lang(205));
  Btn_OK->setToolTip(Lang(206));
  Btn_Cancel->setToolTip(Lang(207));
}

void TFOpenConf::Load_Existing_Configuration() { SL = config_folders::Load_Existing_Configuration(); }

int TFOpenConf::Search_Open_Conf(const QString& snc) const { return config_folders::Search_Open_Conf(SL, snc); }

void TFOpenConf::ListBox1Click() {
  const QListWidgetItem* item = ListBox1->currentItem();
  Name_Conf = item ? item->text() : QString();
}

void TFOpenConf::showEvent(QShowEvent* event) {
  Load_Existing_Configuration();
  ListBox1->clear();
  ListBox1->addItems(SL);
  const int found = Search_Open_Conf(config_folders::Active_Name_From_Dir());
  if (found >= 0)
    ListBox1->setCurrentRow(found);
  else if (!SL.isEmpty())
    ListBox1->setCurrentRow(0);
  ListBox1Click();
  QDialog::showEvent(event);
}
