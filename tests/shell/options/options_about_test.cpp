#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <set>

#include "app/program.h"
#include "controls/page_control.h"
#include "controls/zb_button.h"
#include "outputs/update/boot_window.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/lang_default_texts.h"
#include "shell/core/lang_table.h"
#include "shell/options/about_window.h"
#include "shell/options/soft_options.h"
#include "shell/shell_fixture.h"
#include "shell/ui/main_window.h"
#include "shell/version/version_check.h"
#include "support/http_test_server.h"

namespace {

// Runs `answer` on the next modal window that opens.
void On_Next_Modal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    answer(modal);
  });
}

template <typename T>
T* Window_Of_Type() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<T*>(window)) return found;
  return nullptr;
}

// Receives what the program hands to the desktop's web browser.
class Url_Catcher : public QObject {
  Q_OBJECT
 public:
  Url_Catcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open"); }
  ~Url_Catcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
  QList<QUrl> opened;
 public Q_SLOTS:
  void Open(const QUrl& url) { opened << url; }
};

void Write_Flag(const Temp_Dir& temp, const QString& name, const QColor& color) {
  QImage flag(48, 48, QImage::Format_RGB32);
  flag.fill(color);
  QPainter(&flag).fillRect(16, 0, 16, 48, Qt::white);
  QDir().mkpath(temp.File("LANGUAGE"));
  flag.save(temp.File("LANGUAGE/" + name), "BMP");
}

// Shown when the window is, or when its page of a page control is chosen.
bool Shown_In(QWidget* widget, QWidget* window) {
  for (QWidget* w = widget; w && w != window; w = w->parentWidget())
    if (w->isHidden() && !qobject_cast<TZadTabSheet*>(w)) return false;
  return true;
}

// Every text a window shows: captions, labels, hints, items, tab captions.
QStringList Shown_Texts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  for (QWidget* widget : widgets) {
    if (!Shown_In(widget, window)) continue;
    texts << widget->toolTip();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* button = qobject_cast<TZbButton*>(widget)) texts << button->Caption();
    if (auto* sheet = qobject_cast<TZadTabSheet*>(widget)) texts << sheet->Caption();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  }
  return texts;
}

}  // namespace

class OptionsAboutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Shell_Globals_Scope> scope;
  std::unique_ptr<Program> program;

  TFOrvantoreFirmWare& Main() { return program->Main_Window(); }
  void Start(int device_type) {
    Override_Device_Type(device_type);
    program = std::make_unique<Program>();
  }
  TFSoftOptions& Options() { return *Window_Of_Type<TFSoftOptions>(); }
  void Write_Languages(const QStringList& names) {
    for (const QString& name : names) scope->Temp().Write("LANGUAGE/" + name, "STR0 = x\n");
  }

 private Q_SLOTS:
  void init() { scope = std::make_unique<Shell_Globals_Scope>(); }
  void cleanup() {
    program.reset();
    scope.reset();
    Override_Web_Server_Base(QString());
  }

  void sevenLanguagesMakeTwoPages() {
    Write_Languages(
        {"Deutsch.lng", "English.lng", "Español.lng", "Français.lng", "italiano.LNG", "Nederlands.lng", "Polski.lng"});
    Write_Flag(scope->Temp(), "Italiano.bmp", Qt::darkGreen);
    Write_Flag(scope->Temp(), "DefaultFlag.bmp", Qt::gray);
    Start(6);
    TFSoftOptions& w = Options();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(509, 373));
    QCOMPARE(w.PC_Options->ActivePage(), w.TS_Language);
    QCOMPARE(w.L_Sel_Lang->text(), QStringLiteral("Selected Language : English"));
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Page 1 / 2"));
    QVERIFY(!w.Btn_Prev->isVisibleTo(&w));
    QVERIFY(w.Btn_Next->isVisibleTo(&w));
    QStringList names;
    for (int k = 0; k < 6; ++k) {
      QVERIFY(w.L_L[k]->isVisibleTo(&w));
      QVERIFY(w.I_L[k]->isVisibleTo(&w));
      names << w.L_L[k]->text();
    }
    QCOMPARE(names, QStringList({"Deutsch", "English", "Español", "Français", "italiano", "Nederlands"}));
    // Its own flag for Italian, the default one for the others.
    QCOMPARE(w.I_L[4]->pixmap().toImage().pixelColor(2, 2), QColor(Qt::darkGreen));
    QCOMPARE(w.I_L[0]->pixmap().toImage().pixelColor(2, 2), QColor(Qt::gray));
    QTest::qWait(50);
    const QString shots = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (!shots.isEmpty()) w.grab().save(shots + "/options_language.png");

    w.Btn_Next->Click();
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Page 2 / 2"));
    QVERIFY(w.Btn_Prev->isVisibleTo(&w));
    QVERIFY(!w.Btn_Next->isVisibleTo(&w));
    QCOMPARE(w.L_L[0]->text(), QStringLiteral("Polski"));
    for (int k = 1; k < 6; ++k) QVERIFY(!w.L_L[k]->isVisibleTo(&w) && !w.I_L[k]->isVisibleTo(&w));
    w.Btn_Next->Click();  // hidden, and past the last page nothing moves
    w.Btn_NextClick(w.Btn_Next);
    QCOMPARE(w.Show_Page, 2);
    w.Btn_Prev->Click();
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Page 1 / 2"));
    QVERIFY(!w.Btn_Prev->isVisibleTo(&w));

    // Without any flag picture only the name shows.
    QFile::remove(scope->Temp().File("LANGUAGE/DefaultFlag.bmp"));
    w.hide();
    w.show();
    QVERIFY(w.L_L[0]->isVisibleTo(&w));
    QVERIFY(!w.I_L[0]->isVisibleTo(&w));
    QVERIFY(w.I_L[4]->isVisibleTo(&w));
  }

  // English is offered beside the files, so the pages count it too; Next only
  // where there is a next page.
  void fewLanguagesOnePage_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("page_line");
    QTest::addColumn<bool>("next_shown");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("six with English") << QStringList{"A.lng", "B.lng", "C.lng", "English.lng", "F.lng", "G.lng"}
                                      << "Page 1 / 1" << false << QStringList{"A", "B", "C", "English", "F", "G"};
    QTest::newRow("six without English") << QStringList{"A.lng", "B.lng", "C.lng", "D.lng", "F.lng", "G.lng"}
                                         << "Page 1 / 2" << true << QStringList{"A", "B", "C", "D", "English", "F"};
    QTest::newRow("none") << QStringList{} << "Page 1 / 1" << false << QStringList{"English"};
  }
  void fewLanguagesOnePage() {
    QFETCH(QStringList, files);
    QFETCH(QString, page_line);
    QFETCH(bool, next_shown);
    QFETCH(QStringList, listed);
    Write_Languages(files);
    Start(6);
    TFSoftOptions& w = Options();
    w.show();
    QCOMPARE(w.L_Page_Lang->text(), page_line);
    QVERIFY(!w.Btn_Prev->isVisibleTo(&w));
    QCOMPARE(w.Btn_Next->isVisibleTo(&w), next_shown);
    QStringList names;
    for (int k = 0; k < 6; ++k)
      if (w.L_L[k]->isVisibleTo(&w)) names << w.L_L[k]->text();
    QCOMPARE(names, listed);
  }

  // After a language change the page line still counts the list, and English
  // is there to come back to.
  void languageChangeKeepsThePagesAndTheWayBackToEnglish() {
    Write_Languages(
        {"Dansk.lng", "Deutsch.lng", "Español.lng", "Français.lng", "Italiano.lng", "Polski.lng", "Suomi.lng"});
    scope->Temp().Write("LANGUAGE/Deutsch.lng", "STR305 = \xC2\xB6Seite \xC2\xB6\nSTR17 = Aktualisieren\n");
    Start(6);
    dialogs::Scripted_Scope script;
    TFSoftOptions& w = Options();
    w.show();
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Page 1 / 2"));
    QCOMPARE(w.L_L[1]->text(), QStringLiteral("Deutsch"));
    QCOMPARE(w.L_L[2]->text(), QStringLiteral("English"));

    script->message_answers = {dialogs::Yes};
    QTest::mouseClick(w.L_L[1], Qt::LeftButton);
    QCOMPARE(w.Language_In_Use, QStringLiteral("Deutsch"));
    QCOMPARE(Main().Btn_CreateBin->Caption(), QStringLiteral("Aktualisieren"));
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Seite 1 / 2"));
    QVERIFY(w.Btn_Next->isVisibleTo(&w));

    w.Btn_Next->Click();
    QCOMPARE(w.L_Page_Lang->text(), QStringLiteral("Seite 2 / 2"));
    w.Btn_Prev->Click();
    script->message_answers = {dialogs::Yes};
    QTest::mouseClick(w.L_L[2], Qt::LeftButton);
    QCOMPARE(script->messages.back().text,
             QStringLiteral("Do you want to change the Language from Deutsch to English?"));
    QCOMPARE(w.Language_In_Use, QStringLiteral("English"));
    QCOMPARE(Main().Btn_CreateBin->Caption(), QStringLiteral("Update Device"));
    w.Btn_OK->Click();
    QCOMPARE(Cur_Language, QStringLiteral("English"));
  }

  void languageChangeReachesEveryWindow() {
    // Italiano.lng gives every text that has an English one.
    QByteArray file;
    std::set<QString> english;
    for (int n = 0; n < Lang_Table_Default_Size; ++n) {
      const QString text = QString::fromUtf8(Default_Lang_Text(n)).trimmed();
      if (text.isEmpty()) continue;
      english.insert(QString::fromUtf8(Default_Lang_Text(n)));
      file += "STR" + QByteArray::number(n) + " = IT" + QByteArray::number(n) + "\n";
    }
    scope->Temp().Write("LANGUAGE/Italiano.lng", file);
    Write_Languages({"English.lng"});
    Start(6);
    dialogs::Scripted_Scope script;
    TFSoftOptions& w = Options();
    w.show();
    QCOMPARE(w.L_L[1]->text(), QStringLiteral("Italiano"));

    script->message_answers = {dialogs::No};
    QTest::mouseClick(w.L_L[1], Qt::LeftButton);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Confirmation);
    QCOMPARE(script->messages[0].buttons, dialogs::Yes | dialogs::No);
    QCOMPARE(script->messages[0].text, QStringLiteral("Do you want to change the Language from English to Italiano?"));
    QCOMPARE(w.Btn_OK->Caption(), QStringLiteral("OK"));

    script->message_answers = {dialogs::Yes};
    QTest::mouseClick(w.I_L[1], Qt::LeftButton);  // the flag asks the same
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(w.Language_In_Use, QStringLiteral("Italiano"));
    QCOMPARE(Cur_Language, QStringLiteral("English"));
    QCOMPARE(w.L_Sel_Lang->text(), QStringLiteral("IT304Italiano"));
    QCOMPARE(Main().Btn_CreateBin->Caption(), QStringLiteral("IT17"));

    // The update window applies its texts when shown.
    TFBoot* boot = Window_Of_Type<TFBoot>();
    QVERIFY(boot);
    boot->FormShow();
    // Numbers read the same in every language, and the Set Communication
    // window's OK and Cancel are fixed texts of that window.
    const QStringList fixed = {"FParGen: OK", "FParGen: Cancel"};
    QStringList leftovers;
    QStringList translated;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<TFAbout*>(window) || !window->objectName().startsWith('F')) continue;
      for (const QString& text : Shown_Texts(window)) {
        if (text.startsWith("IT")) translated << window->objectName() + ": " + text;
        bool number = false;
        text.toInt(&number);
        const QString where = window->objectName() + ": " + text;
        if (english.count(text) && !number && !fixed.contains(where)) leftovers << where;
      }
    }
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join('\n')));
    for (const char* seen : {"FOrvantoreFirmWare: IT17", "FBoot: IT620", "FBoot: IT602", "FNew_Project: IT100",
                             "FOpenConf: IT200", "FSoftOptions: IT309", "FSoftOptions: IT302", "FParGen: IT400"})
      QVERIFY2(translated.contains(seen), seen);

    // Cancel keeps the former language for the next start, OK takes the new one.
    w.Btn_Cancel->Click();
    QCOMPARE(Cur_Language, QStringLiteral("English"));
    w.show();
    QCOMPARE(w.L_Sel_Lang->text(), QStringLiteral("IT304English"));
    w.Language_In_Use = "Italiano";
    w.Btn_OK->Click();
    QCOMPARE(Cur_Language, QStringLiteral("Italiano"));
  }

  void updateBoxFollowsTheInternetBox_data() {
    QTest::addColumn<bool>("internet");
    QTest::addColumn<bool>("update");
    QTest::addColumn<bool>("box_enabled");
    QTest::addColumn<bool>("button_enabled");
    QTest::newRow("both off") << false << false << false << false;
    QTest::newRow("update only") << false << true << false << false;
    QTest::newRow("internet only") << true << false << true << false;
    QTest::newRow("both on") << true << true << true << true;
  }
  void updateBoxFollowsTheInternetBox() {
    QFETCH(bool, internet);
    QFETCH(bool, update);
    QFETCH(bool, box_enabled);
    QFETCH(bool, button_enabled);
    Start(6);
    TFSoftOptions& w = Options();
    Enable_Internet = !internet;
    Enable_Update = update;
    w.show();
    w.PC_Options->Set_ActivePage(w.TS_Con_Options);
    QTest::mouseClick(w.CB_En_Con, Qt::LeftButton, {}, QPoint(6, w.CB_En_Con->height() / 2));
    QCOMPARE(w.CB_En_Con->isChecked(), internet);
    QCOMPARE(w.CB_Update->isEnabled(), box_enabled);
    QCOMPARE(w.Btn_Check_Update->isEnabled(), button_enabled);
    QVERIFY(w.LL_Check_Update->isHidden());
  }

  void manualCheckAgainstALocalServer_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("newer");
    QTest::addColumn<QString>("shown");  // the start of the line shown when not newer
    QTest::newRow("newer") << "VER. 2.004" << true << "";
    QTest::newRow("same") << "VER. 2.003" << false << "No Update Available";
    QTest::newRow("unknown model") << "ver. 0.000" << false << "No Update Available";
    QTest::newRow("two digits") << "12.000" << false << "No Update Available";
    QTest::newRow("empty") << "" << false << "No Update Available";
    // No connection: the check says it failed and why, not that there is nothing new.
    QTest::newRow("refused") << "-" << false << "The check for updates failed: ";
  }
  void manualCheckAgainstALocalServer() {
    QFETCH(QString, answer);
    QFETCH(bool, newer);
    QFETCH(QString, shown);
    Http_Test_Server server;
    server.Set_Answer(200, answer.toStdString());
    Override_Web_Server_Base(QString::fromStdString(server.Base_Url()));
    if (answer == "-") {
      int closed_port = 0;
      {
        Http_Test_Server probe;
        closed_port = probe.Port();
      }
      Override_Web_Server_Base(QStringLiteral("http://127.0.0.1:%1").arg(closed_port));
    }
    Start(6);
    Url_Catcher browser;
    TFSoftOptions& w = Options();
    Enable_Internet = Enable_Update = true;
    w.show();
    w.PC_Options->Set_ActivePage(w.TS_Con_Options);
    QVERIFY(w.Btn_Check_Update->isEnabled());
    w.Btn_Check_Update->Click();
    QVERIFY(w.LL_Check_Update->isVisibleTo(&w));
    const QString shots = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (!shots.isEmpty()) w.grab().save(shots + "/options_check_" + QTest::currentDataTag() + ".png");
    if (answer != "-") {
      const std::string request = server.Last_Request();
      QVERIFY(request.rfind("GET /home/download/GetversionSW.asp?nomesw=SW58221 HTTP/1.0\r\n", 0) == 0);
      QVERIFY(request.find("Cookie") == std::string::npos);
    }
    const QString download = Download_Page_Url(6);
    if (newer) {
      QCOMPARE(w.LL_Check_Update->textFormat(), Qt::RichText);
      QCOMPARE(w.LL_Check_Update->text(),
               "<a href=\"" + download + "\">New Version Available. Click Here for more Details</a>");
      QVERIFY(download.endsWith("/Home/download/download.asp#HD58221"));
      Q_EMIT w.LL_Check_Update->linkActivated(download);
      QCOMPARE(browser.opened, QList<QUrl>({QUrl(download)}));
    } else if (answer == "-") {
      QCOMPARE(w.LL_Check_Update->textFormat(), Qt::PlainText);
      QVERIFY2(w.LL_Check_Update->text().startsWith(shown), qPrintable(w.LL_Check_Update->text()));
      QVERIFY2(w.LL_Check_Update->text().size() > shown.size(), "the connection's error text follows");
    } else {
      QCOMPARE(w.LL_Check_Update->textFormat(), Qt::PlainText);
      QCOMPARE(w.LL_Check_Update->text(), shown);
    }
    // Each show hides the result again.
    w.hide();
    w.show();
    QVERIFY(w.LL_Check_Update->isHidden());
  }

  // Both options turned on in Options: the timer starts with its first
  // minute; its tick asks the server, shows the link and moves to two hours.
  void optionsOkStartsThePeriodicCheck() {
    Http_Test_Server server;
    server.Set_Answer(200, "VER. 2.004");
    Override_Web_Server_Base(QString::fromStdString(server.Base_Url()));
    Start(6);
    TFOrvantoreFirmWare& main_window = Main();
    QVERIFY(!main_window.Timer_Update->isActive());
    On_Next_Modal([](QWidget* modal) {
      auto* options = qobject_cast<TFSoftOptions*>(modal);
      QVERIFY(options);
      options->CB_En_Con->setChecked(true);
      options->CB_Update->setChecked(true);
      options->CB_Soft_Set_Jump_Table->setChecked(true);
      options->Btn_OK->Click();
    });
    main_window.Btn_Click(main_window.Btn_Opz);
    QVERIFY(Enable_Internet && Enable_Update && Enable_Jump_Field_Tables && !Enable_Double_Click_Auto_Size);
    QVERIFY(main_window.Timer_Update->isActive());
    QCOMPARE(main_window.Timer_Update->interval(), 60000);
    QVERIFY(QString::fromUtf8(scope->Temp().Read("Orvanto.xml")).contains("<enable_update>1</enable_update>"));

    main_window.Timer_UpdateTimer();
    const std::string request = server.Last_Request();
    QVERIFY(request.rfind("GET /home/download/GetversionSW.asp?nomesw=SW58221 HTTP/1.0\r\n", 0) == 0);
    QVERIFY(request.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8") !=
            std::string::npos);
    QVERIFY(request.find("Cookie") == std::string::npos);
    QVERIFY(Download_Page_Url(6).endsWith("/Home/download/download.asp#HD58221"));
    QVERIFY(!main_window.LL_Update->isHidden());
    QCOMPARE(main_window.LL_Update->text(),
             "<a href=\"" + Download_Page_Url(6) + "\">New Version Available. Click Here for more Details</a>");
    QCOMPARE(main_window.Timer_Update->interval(), 7200000);
    QVERIFY(main_window.Timer_Update->isActive());

    // Cancel changes nothing.
    On_Next_Modal([](QWidget* modal) {
      auto* options = qobject_cast<TFSoftOptions*>(modal);
      options->CB_En_Con->setChecked(false);
      options->Btn_Cancel->Click();
    });
    main_window.Btn_Click(main_window.Btn_Opz);
    QVERIFY(Enable_Internet);
    QVERIFY(main_window.Timer_Update->isActive());
  }

  void aboutShowsTheDeviceTypeInEnglish_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("document");
    QTest::newRow("type 4") << 4 << "wM-Bus / M-Bus / EtherNet/IP - Converter"
                            << "SW58287"
                            << "1.001"
                            << "MN58287";
    QTest::newRow("type 6") << 6 << "M-Bus / CANopen - Converter"
                            << "SW58221"
                            << "2.003"
                            << "MN58221";
  }
  void aboutShowsTheDeviceTypeInEnglish() {
    QFETCH(int, type);
    QFETCH(QString, description);
    QFETCH(QString, code);
    QFETCH(QString, version);
    QFETCH(QString, document);
    Start(type);
    Url_Catcher browser;
    TFAbout* about = Window_Of_Type<TFAbout>();
    QVERIFY(about);
    Lang_Table[312] = "Conferma";
    Main().Change_Language();
    On_Next_Modal([&](QWidget* modal) {
      QCOMPARE(modal, static_cast<QWidget*>(about));
      QCOMPARE(about->size(), QSize(406, 148));
      QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
      QCOMPARE(about->Label1->text(), QStringLiteral("Software Orvanto "));
      QCOMPARE(about->Label2->text(), description);
      QCOMPARE(about->Label9->text(), code);
      QCOMPARE(about->Label10->text(), version);
      QCOMPARE(about->Label12->text(), document);
      QCOMPARE(about->Label6->text(), QStringLiteral("Software Code : "));
      QCOMPARE(about->ZbButton1->Caption(), QStringLiteral("OK"));
      QCOMPARE(about->Label4->pos(), QPoint(297, 131));
      QTest::mouseClick(about->Label4, Qt::LeftButton);
      QTest::mouseClick(about->Image2, Qt::LeftButton);
      const QString shots = qEnvironmentVariable("KELVRA_SCREENSHOTS");
      if (!shots.isEmpty()) about->grab().save(shots + QStringLiteral("/about_type%1.png").arg(type));
      about->ZbButton1->Click();
    });
    Main().Btn_Click(Main().Btn_Info);
    QVERIFY(!about->isVisible());
    const QUrl product(Product_Page_Url(type));
    QVERIFY(product.toString().endsWith("/HOME/default.asp?frompg=" + code));
    QCOMPARE(browser.opened, QList<QUrl>({product, product}));
  }
};

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  OptionsAboutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "options_about_test.moc"
