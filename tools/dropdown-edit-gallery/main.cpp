// dropdown-edit-gallery [--classic] [--open] [--bottom] [--dud-style <n>]
// dropdown-edit-gallery --types [--locale <name>] [--drive]
//   --classic  no themed drawing (the classic arrow button)
//   --open     opens the test drop-down's popup at start
//   --bottom   puts the window so low that the test popup opens above
//   --dud-style gives the test drop-down component style n (0..15)
//   --types    a window of one drop-down per edit type instead
//   --locale   the number separators of a locale (de_DE: "1.234,00")
//   --drive    types, pastes and walks each typed drop-down with Home and
//              End, printing what it shows
// The window's title names the last drop-down event, so that a script
// driving the window can read what happened.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "controls/format_settings.h"
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

struct Typed_Sample {
  const char* name;
  TDropDownEditType type;
  int precision;
  bool is_signed;
  const char* prefix;
  const char* suffix;
  const char* typed;  // "<" is Backspace
  const char* pasted;
};

const Typed_Sample kTypedSamples[] = {
    {"etString", etString, 0, false, "", "", "Hello", " world"},
    {"etNumeric", etNumeric, 0, true, "", " pcs", "12a3-", "45"},
    {"etFloat", etFloat, 2, true, "", "", "1.257", "3.5"},
    {"etUppercase", etUppercase, 0, false, "", "", "abc", "def"},
    {"etMixedCase", etMixedCase, 0, false, "", "", "hELLO wORLD", " aGAIN"},
    {"etLowerCase", etLowerCase, 0, false, "", "", "ABC", "DEF"},
    {"etPassword", etPassword, 0, false, "", "", "secret", "123"},
    {"etMoney", etMoney, 2, false, "$", "", "1234567", "89"},
    {"etRange", etRange, 0, false, "", "", "1-3;;5,-7", "9"},
    {"etHex", etHex, 0, false, "0x", "", "ffgz1", "AB"},
    {"etAlphaNumeric", etAlphaNumeric, 0, false, "", "", "ab-1_2", "c3"},
    {"etValidChars", etValidChars, 0, false, "", "", "abcxyz", "zzz"},
};

void Send_Key(QWidget* Target, int Key, const QString& Text = QString(), Qt::KeyboardModifiers Shift = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, Key, Shift, Text);
  QCoreApplication::sendEvent(Target, &press);
  QKeyEvent release(QEvent::KeyRelease, Key, Shift, Text);
  QCoreApplication::sendEvent(Target, &release);
}

// Typing as a user would: each character a key, "<" Backspace.
void Type_Into(QWidget* Target, const QString& Keys) {
  for (QChar c : Keys) {
    if (c == u'<')
      Send_Key(Target, Qt::Key_Backspace);
    else
      Send_Key(Target, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - u'A') : c.unicode(), QString(c));
  }
}

int Typed_Window(QApplication& app, bool drive) {
  QWidget window;
  window.setWindowTitle(QStringLiteral("edit types ") + QLocale().name());
  window.setGeometry(0, 0, 1000, 700);
  std::vector<TZadCustomDropDown*> edits;
  int row = 0;
  for (const Typed_Sample& s : kTypedSamples) {
    auto* d = Create_Drop_Down<List_Drop_Down>(&window);
    d->setGeometry(150 + (row / 6) * 450, 40 + (row % 6) * 50, 220, 21);
    d->SetLabelCaption(QString::fromLatin1(s.name));
    d->SetLabelPosition(lpLeftCenter);
    d->SetLabelMargin(6);
    d->SetPrefix(QString::fromLatin1(s.prefix));
    d->SetSuffix(QString::fromLatin1(s.suffix));
    d->SetSigned(s.is_signed);
    d->SetValidChars(QStringLiteral("xyz"));
    d->SetEditType(s.type);
    d->SetPrecision(s.precision);
    d->SetText(QString());
    edits.push_back(d);
    ++row;
  }
  // One drop-down per component style, their buttons' colours from the
  // style through SetColorTones.
  for (int i = 0; i < 16; ++i) {
    auto* d = Create_Drop_Down<TZadCustomDropDown>(&window);
    d->setGeometry(20 + (i % 4) * 240, 400 + (i / 4) * 60, 200, 21);
    d->SetComponentStyle(static_cast<TDUDStyle>(i));
    TColorTones tones;
    tones.Background = {d->DropDownHeader().ColorTo, d->DropDownHeader().BorderColor, clBlack};
    tones.Hover = {d->ButtonAppearance().ColorHot(), clNone, clBlack};
    tones.Selected = {d->ButtonAppearance().ColorDown(), clNone, clBlack};
    if (i != tsCustom) d->SetColorTones(tones);
    d->Button()->ButtonTextColor = clBlack;
    d->SetText(QStringLiteral("style %1").arg(i));
  }
  window.show();
  window.activateWindow();
  if (drive) {
    // Once the window is active, so that focus changes run as a user's.
    QTimer::singleShot(1500, &window, [edits] {
      for (size_t i = 0; i < edits.size(); ++i) {
        TZadCustomDropDown* d = edits[i];
        d->setFocus();
        Type_Into(d, QString::fromLatin1(kTypedSamples[i].typed));
        Send_Key(d, Qt::Key_Home);
        const int home = d->cursorPosition();
        Send_Key(d, Qt::Key_End);
        const int end = d->cursorPosition();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kTypedSamples[i].pasted));
        Send_Key(d, Qt::Key_V, QString(), Qt::ControlModifier);
        printf("%-15s shown \"%s\" value \"%s\" home %d end %d\n", kTypedSamples[i].name, qPrintable(d->text()),
               qPrintable(d->Text()), home, end);
      }
      edits.front()->setFocus();
      for (size_t i = 0; i < edits.size(); ++i)
        printf("%-15s after leaving \"%s\"\n", kTypedSamples[i].name, qPrintable(edits[i]->text()));
      fflush(stdout);
    });
  }
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (!args.contains(QStringLiteral("--classic"))) QStyle_Theme_Backend::Install_And_Load();
  const qsizetype locale_at = args.indexOf(QStringLiteral("--locale"));
  if (locale_at >= 0 && locale_at + 1 < args.size()) {
    QLocale::setDefault(QLocale(args[locale_at + 1]));
    Set_Process_Format_Settings(Format_Settings::From_Locale(QLocale(args[locale_at + 1])));
  }
  if (args.contains(QStringLiteral("--types"))) return Typed_Window(app, args.contains(QStringLiteral("--drive")));

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
  const qsizetype style_at = args.indexOf(QStringLiteral("--dud-style"));
  if (style_at >= 0 && style_at + 1 < args.size())
    test->SetComponentStyle(static_cast<TDUDStyle>(args[style_at + 1].toInt()));
  test->SetLabelCaption(QStringLiteral("&Test:"));
  test->SetLabelMargin(4);
  THeaderAppearance& header = test->DropDownHeader();
  header.Caption = QStringLiteral("<b>Pick</b> one");
  header.Buttons().Add()->SetCaption(QStringLiteral("A"));
  header.Buttons().Add()->SetCaption(QStringLiteral("B"));
  TFooterAppearance& footer = test->DropDownFooter();
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
