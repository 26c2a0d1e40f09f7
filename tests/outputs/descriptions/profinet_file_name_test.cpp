#include "outputs/descriptions/profinet_file_name.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "shell/ui/title_panel.h"

class ProfinetFileNameTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TFProfinetFileName> dialog;

 private Q_SLOTS:
  void initTestCase() {
    Load_Default_Texts();
    SW_Code = "SW58276";
  }

  void init() {
    dialog = std::make_unique<TFProfinetFileName>(nullptr, QDate(2024, 3, 5));
    dialog->show();
  }

  void cleanup() { dialog.reset(); }

  void Fixed_Parts_And_Texts() {
    QCOMPARE(dialog->L_XML_Fix1->text(), QString("GSDML-V2.31-Kelvra-HD58276"));
    QCOMPARE(dialog->L_XML_Fix2->text(), QString("-20240305.xml"));
    QCOMPARE(dialog->size(), QSize(540, 205));
    QCOMPARE(dialog->windowTitle(), QString("PROFINET XML File Name"));
    QCOMPARE(dialog->Title->L_SW_Code->text(), QString("SW58276"));
    QCOMPARE(dialog->Title->L_SW_Desc->text(), QString("Create the PROFINET XML GSD File"));
    QCOMPARE(dialog->L_Select->text(), QString("Select the PROFINET XML File Name"));
    QCOMPARE(dialog->L_Col_User->text(), QString("User Part"));
    QCOMPARE(dialog->Btn_OK->Caption(), QString("OK"));
    QCOMPARE(dialog->Btn_Cancel->Caption(), QString("Cancel"));
    // Every control lies inside the window.
    for (QWidget* w : {static_cast<QWidget*>(dialog->L_XML_Fix1), static_cast<QWidget*>(dialog->E_XML_User),
                       static_cast<QWidget*>(dialog->L_XML_Fix2), static_cast<QWidget*>(dialog->Btn_Cancel)})
      QVERIFY2(dialog->rect().contains(w->geometry()), qPrintable(w->objectName()));
    if (!qEnvironmentVariableIsEmpty("KELVRA_SCREENSHOT_DIR"))
      dialog->grab().save(qEnvironmentVariable("KELVRA_SCREENSHOT_DIR") + "/profinet_file_name.png");
  }

  void Ok_Composes_The_Name_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "abc"
                           << "GSDML-V2.31-Kelvra-HD58276_abc-20240305.xml";
    QTest::newRow("underscore") << "_abc"
                                << "GSDML-V2.31-Kelvra-HD58276_abc-20240305.xml";
    QTest::newRow("blank") << "  "
                           << "GSDML-V2.31-Kelvra-HD58276-20240305.xml";
    QTest::newRow("blank then underscore") << " _a"
                                           << "GSDML-V2.31-Kelvra-HD58276_ _a-20240305.xml";
  }

  void Ok_Composes_The_Name() {
    QFETCH(QString, user);
    QFETCH(QString, name);
    dialogs::Scripted_Scope script;
    dialog->E_XML_User->setText(user);
    dialog->Btn_OK->Click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->Name_File_XML, name);
    QVERIFY(script->messages.empty());
  }

  void Refused_User_Part_Keeps_The_Dialog_Open_data() {
    QTest::addColumn<QString>("user");
    QTest::newRow("separator") << "../x";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("control") << "a\tb";
    QTest::newRow("colon") << "c:x";
  }

  void Refused_User_Part_Keeps_The_Dialog_Open() {
    QFETCH(QString, user);
    dialogs::Scripted_Scope script;
    dialog->Name_File_XML = "before";
    dialog->E_XML_User->setText(user);
    dialog->Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->Name_File_XML, QString("before"));
  }

  void Cancel_Rejects() {
    dialog->E_XML_User->setText("abc");
    dialog->Btn_Cancel->Click();
    QCOMPARE(dialog->result(), mrCancel);
    QVERIFY(!dialog->isVisible());
  }

  void Language_Change_Reapplies_Texts() {
    Lang_Table[1504] = "Nome del file";
    dialog->Set_Lang();
    QCOMPARE(dialog->L_Select->text(), QString("Nome del file"));
    Load_Default_Texts();
  }
};

QTEST_MAIN(ProfinetFileNameTest)
#include "profinet_file_name_test.moc"
