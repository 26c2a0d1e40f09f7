#include "shell/options/about_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

#include "controls/zb_button.h"
#include "shell/core/device_profile.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_glyphs.h"
#include "shell/ui/shell_look.h"
#include "shell/version/version_check.h"

namespace {

QLabel* Make_Label(QWidget* parent, const char* name, int left, int top, const QString& text = QString()) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setObjectName(QLatin1String(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

bool Known_Type(int type) { return type >= 1 && type <= 6; }

}  // namespace

TFAbout::TFAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FAbout"));
  setWindowTitle(QStringLiteral("About..."));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(32, 24, 81, 81);
  Image2->setScaledContents(true);
  Image2->setPixmap(shell_glyphs::Logo(81));
  Image2->setCursor(Qt::PointingHandCursor);
  Image2->installEventFilter(this);

  Label1 = Make_Label(this, "Label1", 128, 24, QStringLiteral("Software Orvanto "));
  Label1->setFont(shell_look::Bold_Font());
  Label1->adjustSize();
  Label2 = Make_Label(this, "Label2", 128, 39);
  Label6 = Make_Label(this, "Label6", 128, 62, QStringLiteral("Software Code : "));
  Label9 = Make_Label(this, "Label9", 240, 62);
  Label3 = Make_Label(this, "Label3", 128, 77, QStringLiteral("Version :"));
  Label10 = Make_Label(this, "Label10", 240, 77);
  Label8 = Make_Label(this, "Label8", 128, 93, QStringLiteral("Document Code :"));
  Label12 = Make_Label(this, "Label12", 240, 93);

  ZbButton1 = new TZbButton(this);
  ZbButton1->setObjectName(QStringLiteral("ZbButton1"));
  ZbButton1->setGeometry(32, 115, 81, 22);
  ZbButton1->Set_Caption(QStringLiteral("OK"));
  ZbButton1->Set_ModalResult(mrOk);
  ZbButton1->Set_Default(true);

  Label4 = Make_Label(this, "Label4", 297, 131, QStringLiteral("www.kelvra.com"));
  Label4->setCursor(Qt::PointingHandCursor);
  shell_look::Set_Text_Color(Label4, clBlue);
  Label4->installEventFilter(this);

  FormShow();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFAbout::FormShow() {
  const int type = Device_Type();
  if (Known_Type(type)) {
    const Device_Model& model = Device_Model_Table(type);
    const struct {
      QLabel* label;
      const char* text;
    } rows[] = {
        {Label2, model.description}, {Label9, model.sw_code}, {Label10, model.version}, {Label12, model.doc_code}};
    for (const auto& row : rows) {
      row.label->setText(QString::fromLatin1(row.text));
      row.label->adjustSize();
    }
  }
  setFixedSize(406, 148);
}

void TFAbout::Label4Click() {
  const int type = Device_Type();
  if (Known_Type(type)) QDesktopServices::openUrl(QUrl(Product_Page_Url(type)));
}

void TFAbout::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == Label4 || watched == Image2) && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label4Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}
