#include "gallery/gallery_bars.h"

#include <QGridLayout>

#include "dropdowns/base/zad_drop_down_bar.h"
#include "dropdowns/zad_custom_drop_down.h"

namespace {

QWidget* Bar(TZadDropDownBar* Bar, TZadCustomDropDown& DropDown) {
  Bar->setFixedSize(320, 22);
  Bar->SetZadDropDown(&DropDown);
  Bar->InitializeButtons();
  return Bar;
}

}  // namespace

QWidget* Make_Bars_Demo(const TDropDownImages* Images, std::function<void(const QString&)> Tell) {
  auto* box = new QWidget;
  // The drop-downs whose bars these are: never shown, living as long as the bars.
  auto& right = *new TZadCustomDropDown(box);
  auto& left = *new TZadCustomDropDown(box);
  right.hide();
  left.hide();
  right.SetImages(Images);
  for (const char* caption : {"OK", "Cancel", ""}) {
    right.DropDownHeader().Buttons().Add()->SetCaption(QString::fromUtf8(caption));
    right.DropDownFooter().Buttons().Add()->SetCaption(QString::fromUtf8(caption));
  }
  right.DropDownHeader().Buttons().GetItem(2)->ImageIndex = 3;
  right.DropDownFooter().Buttons().GetItem(2)->SetCaption(QStringLiteral("Help"));
  right.DropDownHeader().Caption = QStringLiteral("Pick a <b>colour</b>");
  right.DropDownHeader().ImageIndex = 0;
  right.DropDownFooter().Caption = QStringLiteral("<i>3 items</i>");
  for (TZadCustomDropDown* d : {&right, &left}) {
    d->OnDropDownHeaderButtonClick = [Tell](TZadCustomDropDown*, int i) {
      Tell(QStringLiteral("header button %1 clicked").arg(i));
    };
    d->OnDropDownFooterButtonClick = [Tell](TZadCustomDropDown*, int i) {
      Tell(QStringLiteral("footer button %1 clicked").arg(i));
    };
  }
  left.SetImages(Images);
  for (const char* caption : {"1", "2", "3"}) {
    left.DropDownHeader().Buttons().Add()->SetCaption(QString::fromUtf8(caption));
    left.DropDownFooter().Buttons().Add()->SetCaption(QString::fromUtf8(caption));
  }
  left.DropDownHeader().ButtonAlignment = baLeft;
  left.DropDownFooter().ButtonAlignment = baLeft;
  left.DropDownHeader().Caption = QStringLiteral("Buttons on the <u>left</u>");
  left.DropDownFooter().Caption = QStringLiteral("Footer, left");
  left.DropDownFooter().Color = 0xF0E0D0;
  left.DropDownFooter().ColorTo = 0xC09070;

  auto* bars = new QGridLayout(box);
  bars->addWidget(Bar(new TZadHeader, right), 0, 0);
  bars->addWidget(Bar(new TZadFooter, right), 1, 0);
  bars->addWidget(Bar(new TZadHeader, left), 0, 1);
  bars->addWidget(Bar(new TZadFooter, left), 1, 1);

  return box;
}
