#include "shell/ui/title_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/core/globals.h"
#include "shell/ui/shell_look.h"

Title_Panel::Title_Panel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Title_Panel"));
  setAutoFillBackground(true);
  QPalette band = palette();
  band.setColor(QPalette::Window, Qt::white);
  setPalette(band);

  L_SW_Code = new QLabel(this);
  L_SW_Code->setTextFormat(Qt::PlainText);
  L_SW_Code->setText(SW_Code);
  L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
  L_SW_Code->setFont(shell_look::Code_Font());
  shell_look::Set_Text_Color(L_SW_Code, shell_look::kGrey);
  L_SW_Desc = new QLabel(this);
  L_SW_Desc->setTextFormat(Qt::PlainText);
  L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
  L_SW_Desc->setFont(shell_look::Bold_Font());
  shell_look::Set_Text_Color(L_SW_Desc, shell_look::kGrey);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 6, 12, 6);
  layout->setSpacing(2);
  layout->addWidget(L_SW_Code);
  layout->addWidget(L_SW_Desc);
}
