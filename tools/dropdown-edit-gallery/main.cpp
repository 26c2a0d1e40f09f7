// dropdown-edit-gallery [--classic] [--open] [--bottom]
//   --classic  no themed drawing (the classic arrow button)
//   --open     opens the test drop-down's popup at start
//   --bottom   puts the window so low that the test popup opens above
// The window's title names the last drop-down event, so that a script
// driving the window can read what happened.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>
#include <QWidget>
#include <cstdio>

#include "dropdowns/base/drop_down_edit_button.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "grid/theme/qstyle_theme_backend.h"

namespace {

// The drop-down the gallery opens: a list of a few lines in the popup.
class List_Drop_Down : public TZadCustomDropDown {
 public:
  explicit List_Drop_Down(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}
  void CreateDropDownForm() override {
    TZadCustomDropDown::CreateDropDownForm();
    auto* list = new QListWidget(DropDownForm());
    list->addItems({QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie"),
                    QStringLiteral("Delta"), QStringLiteral("Echo")});
    list->setFrameShape(QFrame::NoFrame);
    list->resize(200, 110);
    SetControl(list);
    SetFocusControl(list);
  }
  // A kept close takes the list's line.
  void DoHideDropDown(bool CancelChanges) override {
    auto* list = static_cast<QListWidget*>(Control());
    if (DroppedDown() && !CancelChanges && list->currentItem()) SetText(list->currentItem()->text());
    TZadCustomDropDown::DoHideDropDown(CancelChanges);
  }
  // The list opens on the line the edit shows.
  void DoBeforeDropDown() override {
    TZadCustomDropDown::DoBeforeDropDown();
    auto* list = static_cast<QListWidget*>(Control());
    const QList<QListWidgetItem*> found = list->findItems(text(), Qt::MatchExactly);
    QSignalBlocker block(list);
    list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
  }
};

const char* const kPositionNames[] = {"LeftTop",     "LeftCenter",     "LeftBottom",     "TopLeft",   "BottomLeft",
                                      "LeftTopLeft", "LeftCenterLeft", "LeftBottomLeft", "TopCenter", "BottomCenter",
                                      "RightTop",    "RightCenter",    "RighBottom",     "TopRight",  "BottomRight"};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (!args.contains(QStringLiteral("--classic"))) QStyle_Theme_Backend::Install_And_Load();

  QWidget window;
  window.setWindowTitle(QStringLiteral("ready"));
  window.setGeometry(0, 0, 1000, 700);
  auto note = [&window](const QString& s) {
    window.setWindowTitle(s);
    printf("%s\n", qPrintable(s));
    fflush(stdout);
  };

  auto* test = Create_Drop_Down<List_Drop_Down>(&window);
  test->setObjectName(QStringLiteral("test"));
  test->setGeometry(120, 30, 200, 21);
  test->SetText(QStringLiteral("Bravo"));
  test->SetDropDownColor(0xF3E5DA);
  test->SetDropDownColorTo(0xF0DED0);
  test->SetLabelCaption(QStringLiteral("&Test:"));
  test->SetLabelMargin(4);
  THeaderAppearance& header = test->DropDownHeader();
  header.Caption = QStringLiteral("<b>Pick</b> one");
  header.Color = 0xFFEFE3;
  header.ColorTo = 0xFFD2AF;
  header.Buttons().Add()->SetCaption(QStringLiteral("A"));
  header.Buttons().Add()->SetCaption(QStringLiteral("B"));
  TFooterAppearance& footer = test->DropDownFooter();
  footer.Color = 0xFFEFE3;
  footer.ColorTo = 0xFFD2AF;
  TFooterButton* ok = footer.Buttons().Add();
  ok->SetCaption(QStringLiteral("OK"));
  ok->ModalResult = 1;
  TFooterButton* cancel = footer.Buttons().Add();
  cancel->SetCaption(QStringLiteral("Cancel"));
  cancel->ModalResult = 2;
  test->OnDropDownHeaderButtonClick = [&](TZadCustomDropDown*, int i) { note(QStringLiteral("header %1").arg(i)); };
  test->OnDropDownFooterButtonClick = [&](TZadCustomDropDown*, int i) { note(QStringLiteral("footer %1").arg(i)); };
  test->OnDropUp = [&](TZadCustomDropDown* s, bool cancelled) {
    note(QStringLiteral("up %1 %2").arg(cancelled ? QStringLiteral("cancel") : QStringLiteral("keep"), s->text()));
  };
  test->OnDropDown = [&](TZadCustomDropDown*, bool&) { note(QStringLiteral("down")); };

  // The fifteen label places, three columns of five.
  for (int i = 0; i < 15; ++i) {
    auto* d = Create_Drop_Down<TZadCustomDropDown>(&window);
    const int col = i / 5, row = i % 5;
    d->setGeometry(130 + col * 300, 110 + row * 80, 130, 21);
    d->SetText(QString::number(i));
    d->SetLabelPosition(static_cast<TLabelPosition>(i));
    // The "...Left" places measure the margin from the label's left edge.
    d->SetLabelMargin(i >= lpLeftTopLeft && i <= lpLeftBottomLeft ? 100 : 3);
    d->SetLabelCaption(QString::fromLatin1(kPositionNames[i]));
  }

  // Borders and the coloured button.
  auto* red = Create_Drop_Down<TZadCustomDropDown>(&window);
  red->setGeometry(120, 530, 150, 21);
  red->SetText(QStringLiteral("red border"));
  red->SetBorderColor(clRed);
  auto* focus = Create_Drop_Down<TZadCustomDropDown>(&window);
  focus->setGeometry(300, 530, 150, 21);
  focus->SetText(QStringLiteral("green when focused"));
  focus->SetFocusBorderColor(clLime);
  auto* disabled = Create_Drop_Down<TZadCustomDropDown>(&window);
  disabled->setGeometry(480, 530, 150, 21);
  disabled->SetText(QStringLiteral("disabled"));
  disabled->setEnabled(false);
  auto* coloured = Create_Drop_Down<TZadCustomDropDown>(&window);
  coloured->setGeometry(660, 530, 150, 21);
  coloured->SetText(QStringLiteral("coloured button"));
  coloured->Button()->ButtonColor = 0x00FF00;
  coloured->Button()->ButtonColorHot = 0x00C000;
  coloured->Button()->ButtonTextColor = clBlack;
  coloured->SetBorderColor(clGray);
  auto* read_only = Create_Drop_Down<TZadCustomDropDown>(&window);
  read_only->setGeometry(120, 580, 150, 21);
  read_only->SetText(QStringLiteral("read-only"));
  read_only->setReadOnly(true);
  auto* no_typing = Create_Drop_Down<List_Drop_Down>(&window);
  no_typing->setGeometry(300, 580, 150, 21);
  no_typing->SetText(QStringLiteral("Delta"));
  no_typing->SetEditorEnabled(false);
  no_typing->DropDownHeader().SetVisible(false);
  no_typing->DropDownFooter().SetVisible(false);

  if (args.contains(QStringLiteral("--bottom")) && QGuiApplication::primaryScreen())
    window.move(QGuiApplication::primaryScreen()->geometry().width() - 1000,
                QGuiApplication::primaryScreen()->geometry().height() - 80);
  window.show();
  test->setFocus();
  if (args.contains(QStringLiteral("--open"))) test->ShowDropDown();
  return app.exec();
}
