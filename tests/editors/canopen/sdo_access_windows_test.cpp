// The SDO client and SDO server windows: the PDO window's family with their
// own grids, checks, copy flags and hidden pages, typed by keyboard and mouse,
// their files read and written in a temporary folder, their messages answered
// by a scripted dialog provider.
//
// With KELVRA_SDO_SHOT set to a file name prefix, the filled windows are saved
// as <prefix>_client.png and <prefix>_server.png (run under xvfb-run to look
// at them on a real X server).
#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/canopen/canopen_window_driver.h"
#include "editors/canopen/sdo_client_access_window.h"
#include "editors/canopen/sdo_server_access_window.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "shell/ui/title_panel.h"
#include "support/temp_dir.h"

using namespace canopen_driver;

namespace {

// Columns of the client's write grid.
constexpr int kId = 1, kIndex = 2, kSub = 3, kNByte = 4, kPoll = 5, kChange = 6, kB1 = 7, kB2 = 8, kMnemo = 11;

const QByteArray kEmpty_Client_Write = "<SDO_Write/>";

QByteArray Sdo_File(const QByteArray& read_list, const QByteArray& write_list) {
  return "<DeviceNet_Master_to_SDO_CANopen>" + read_list + write_list +
         "</DeviceNet_Master_to_SDO_CANopen><!--SW_VERSION = 2.003-->";
}

QByteArray List(const char* name, const QByteArray& rows) {
  return rows.isEmpty() ? "<" + QByteArray(name) + "/>" : "<" + QByteArray(name) + ">" + rows + "</" + name + ">";
}

QByteArray Server_Row(const QByteArray& index, const QByteArray& mnemonic = "") {
  return "<row Index=\"" + index +
         "\" SubIndex=\"1\" NByte=\"2\" Address_B1=\"10\" Address_B2=\"11\" Address_B3=\"\" Address_B4=\"\" "
         "Mnemonic=\"" +
         mnemonic + "\"/>";
}

QByteArray Client_Read_Row(const QByteArray& poll) {
  return "<row Device_ID=\"5\" Index=\"0x2001\" SubIndex=\"0\" NByte=\"1\" Poll_Time=\"" + poll +
         "\" Address_B1=\"20\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"r\"/>";
}

}  // namespace

class SdoAccessWindowsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Temp_Dir> dir;
  std::unique_ptr<dialogs::Scripted_Scope> script;
  std::unique_ptr<TFSet_SDO_Client_Access> client;
  std::unique_ptr<TFSet_SDO_Server_Access> server;

  TFSet_SDO_Client_Access& Client() { return Show_Active(client); }
  TFSet_SDO_Server_Access& Server() { return Show_Active(server); }
  std::vector<dialogs::Scripted_Provider::Shown>& Messages() { return (*script)->messages; }

 private Q_SLOTS:
  void initTestCase() { Start_As_CANopen_Device(); }
  void cleanupTestCase() { Override_Device_Type(0); }

  void init() {
    dir = std::make_unique<Temp_Dir>();
    Path_SDO_Client_XML = dir->File("SDO_Client_CANopen.xml");
    Path_SDO_Server_XML = dir->File("SDO_Server_CANopen.xml");
    script = std::make_unique<dialogs::Scripted_Scope>();
    Row_Copy_Buffer.clear();
  }
  void cleanup() {
    client.reset();
    server.reset();
    script.reset();
    Path_SDO_Client_XML.clear();
    Path_SDO_Server_XML.clear();
  }

  void windows_and_grids_are_laid_out_as_their_forms() {
    TFSet_SDO_Client_Access& c = Client();
    QCOMPARE(c.size(), QSize(798, 337));
    QCOMPARE(c.windowTitle(), QString("Set SDO Client Access"));
    QCOMPARE(c.P_Title->L_SW_Desc->text(), QString("Set SDO Client Access"));
    QCOMPARE(c.Btn_OK->toolTip(), QString("Confirm and save the SDO Client List"));
    QCOMPARE(c.Btn_PasteRow->Caption(), QString("Paste Row"));
    QCOMPARE(c.Btn_DelRow->geometry(), QRect(16 + 118 * 2, 6, 110, 28));
    QVERIFY(!c.TS_SDO_Read->TabVisible());
    QVERIFY(c.TS_SDO_Write->TabVisible());
    QCOMPARE(c.PageControl1->ActivePage(), c.TS_SDO_Write);
    QCOMPARE(c.TS_SDO_Write->Caption(), QString("SDO Write"));
    QCOMPARE(c.sga->ColCount(), 11);
    QCOMPARE(c.sgb->ColCount(), 12);
    for (TZadColumnGrid* grid : {c.sga, c.sgb}) {
      QCOMPARE(grid->RowCount(), 257);
      QCOMPARE(grid->GetCellEx(0, 256), QString("256"));
      QVERIFY(grid->Options() & goEditing);
      QVERIFY(grid->OnGridHint);
    }
    QCOMPARE(c.sga->GetCellEx(5, 0), QString("Poll Time"));
    QCOMPARE(c.sga->ColWidths(10), 163);
    QCOMPARE(c.sga->Columns()[5]->Color(), TColor(0xA8FFA8));
    QCOMPARE(c.sga->Columns()[6]->Color(), TColor(0xF4D6FC));
    QCOMPARE(c.sgb->GetCellEx(kChange, 0), QString("On Change"));
    QCOMPARE(c.sgb->Columns()[kChange]->Editor(), edDataCheckBox);
    QCOMPARE(c.sgb->ColWidths(kChange), 68);
    QCOMPARE(c.sgb->ColWidths(kMnemo), 95);
    QCOMPARE(c.Hint_Read.size(), 10);
    QCOMPARE(c.Hint_Write.size(), 11);
    QString hint;
    c.sgaGridHint(c.sgb, 0, kChange, hint);
    QCOMPARE(hint, QString("Enable/Disable the possibility to send the SDO Request On Data Change"));
    c.sgaGridHint(c.sga, 0, 1, hint);
    QCOMPARE(hint, QString("Insert the CANopen ID Device of SDO Client Request"));

    TFSet_SDO_Server_Access& s = Server();
    QCOMPARE(s.windowTitle(), QString("Set SDO Server Access"));
    QCOMPARE(s.Btn_CopyRow->Caption(), QString("Copy Row"));
    QCOMPARE(s.Btn_Cancel->toolTip(), QString("Exit without save the SDO Server List"));
    QVERIFY(s.TS_SDO_Read->TabVisible());
    QVERIFY(!s.TS_SDO_Write->TabVisible());
    QCOMPARE(s.PageControl1->ActivePage(), s.TS_SDO_Read);
    QCOMPARE(s.TS_SDO_Read->Caption(), QString("SDO in Read"));
    for (TZadColumnGrid* grid : {s.sga, s.sgb}) {
      QCOMPARE(grid->RowCount(), 501);
      QCOMPARE(grid->ColCount(), 9);
      QCOMPARE(grid->ColWidths(8), 225);
      QCOMPARE(grid->GetCellEx(3, 0), QString("N Byte"));
    }
    // The hidden grid shows no cell hints; its list is kept all the same.
    QVERIFY(s.sga->OnGridHint);
    QVERIFY(!s.sgb->OnGridHint);
    QCOMPARE(s.Hint_Read.value(3), QString("Insert the Index of Byte to insert in the First byte of SDO"));
    QCOMPARE(s.Hint_Write.value(3), QString("Insert the Index of Byte where put the First byte of SDO"));
  }

  void typed_client_write_row_is_saved_and_read_back() {
    TFSet_SDO_Client_Access& w = Client();
    TZadColumnGrid* g = w.sgb;
    Type_Cell(g, kId, 1, "5");
    Type_Cell(g, kIndex, 1, "0x2001");
    Type_Cell(g, kSub, 1, "0");
    Type_Cell(g, kNByte, 1, "1");
    Type_Cell(g, kPoll, 1, "0");
    Click(g, kChange, 1);
    Type_Cell(g, kB1, 1, "20");
    QCOMPARE(g->GetCellEx(kChange, 1), QString("Y"));
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(0));
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(dir->Read("SDO_Client_CANopen.xml"),
             Sdo_File("<SDO_Read/>", List("SDO_Write",
                                          "<row Device_ID=\"5\" Index=\"0x2001\" SubIndex=\"0\" NByte=\"1\" "
                                          "Poll_Time=\"0\" On_Change=\"Y\" Address_B1=\"20\" Address_B2=\"\" "
                                          "Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\"/>")));
    Client();
    QCOMPARE(w.Grid_Rows(1)[0], (QStringList{"5", "0x2001", "0", "1", "0", "Y", "20", "", "", "", ""}));
  }

  // A failed check in the shown grid stops OK with its text; the file stays.
  void failed_checks_show_their_text_and_write_nothing_data() {
    QTest::addColumn<bool>("is_server");
    QTest::addColumn<QStringList>("row2");
    QTest::addColumn<QString>("message");
    QTest::newRow("client N Byte 3") << false << QStringList{"5", "0x2001", "0", "3", "0", "Y", "20"}
                                     << "Error row 2!! [SDO Write] N Byte must be 1 or 2 or 4";
    QTest::newRow("client address 6000") << false << QStringList{"5", "0x2001", "0", "2", "0", "", "20", "6000"}
                                         << "Error row 2!! [SDO Write] Address Byte2 must be between 0 and 5999";
    QTest::newRow("server 0x7000")
        << true << QStringList{"0x7000", "1", "1", "0"}
        << "Error row 2!! [SDO in Read] Index must be different from 0x7000 to 0x701D and from 0x7050 to 0x706D";
    QTest::newRow("server 0x8000") << true << QStringList{"0x8000", "1", "1", "0"}
                                   << "Error row 2!! [SDO in Read] Index must be between 0x2000 and 0x7FFF";
  }
  void failed_checks_show_their_text_and_write_nothing() {
    QFETCH(bool, is_server);
    QFETCH(QStringList, row2);
    QFETCH(QString, message);
    const QString file = is_server ? "SDO_Server_CANopen.xml" : "SDO_Client_CANopen.xml";
    const QByteArray before = Sdo_File("<SDO_Read/>", "<SDO_Write/>");
    dir->Write(file, before);
    CANopen_Table_Window& w = is_server ? static_cast<CANopen_Table_Window&>(Server()) : Client();
    TZadColumnGrid* g = w.Active_Grid();
    Set_Row(g, 1,
            is_server ? QStringList{"0x2000", "1", "1", "0"} : QStringList{"5", "0x2001", "0", "1", "0", "N", "20"});
    Set_Row(g, 2, row2);
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Error);
    QCOMPARE(Messages()[0].text, message);
    QVERIFY(w.isVisible());
    QCOMPARE(dir->Read(file), before);
  }

  // A wrong row on the hidden page can only come from the file: it is told
  // as a warning with its check's text, and written back as it was.
  void bad_hidden_row_warns_and_is_written_back_as_read_data() {
    QTest::addColumn<bool>("is_server");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("warning");
    QTest::newRow("client read, Poll Time 0")
        << false << Sdo_File(List("SDO_Read", Client_Read_Row("0") + Client_Read_Row("1")), kEmpty_Client_Write)
        << "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000";
    QTest::newRow("server write, excluded index")
        << true << Sdo_File("<SDO_Read/>", List("SDO_Write", Server_Row("0x2000") + Server_Row("0x7050", "pdo")))
        << "Error row 2!! [SDO in Write] Index must be different from 0x7000 to 0x701D and from 0x7050 to 0x706D";
  }
  void bad_hidden_row_warns_and_is_written_back_as_read() {
    QFETCH(bool, is_server);
    QFETCH(QByteArray, file);
    QFETCH(QString, warning);
    const QString name = is_server ? "SDO_Server_CANopen.xml" : "SDO_Client_CANopen.xml";
    dir->Write(name, file);
    CANopen_Table_Window& w = is_server ? static_cast<CANopen_Table_Window&>(Server()) : Client();
    QCOMPARE(Messages().size(), size_t(0));
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Warning);
    QCOMPARE(Messages()[0].text, warning);
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(dir->Read(name), file);
  }

  void ok_on_empty_grids_writes_two_empty_lists() {
    TFSet_SDO_Server_Access& s = Server();
    s.Btn_OK->Click();
    QCOMPARE(s.result(), mrOk);
    QVERIFY(!s.isVisible());
    QCOMPARE(dir->Read("SDO_Server_CANopen.xml"), Sdo_File("<SDO_Read/>", "<SDO_Write/>"));
    TFSet_SDO_Client_Access& c = Client();
    c.Btn_OK->Click();
    QCOMPARE(c.result(), mrOk);
    QCOMPARE(dir->Read("SDO_Client_CANopen.xml"), Sdo_File("<SDO_Read/>", "<SDO_Write/>"));
    QCOMPARE(Messages().size(), size_t(0));
  }

  // In the client window a row is pasted only on the page where it was
  // copied; the server's pages share one flag and one set of columns.
  void paste_follows_the_windows_copy_flags() {
    TFSet_SDO_Client_Access& c = Client();
    Set_Row(c.sgb, 1, {"5", "0x2001", "0", "1", "0", "Y", "20"});
    c.sgb->FocusCell(kId, 1);
    c.Btn_CopyRow->Click();
    QVERIFY(c.Do_Copy_Write);
    QVERIFY(!c.Do_Copy_Read);
    c.PageControl1->Set_ActivePage(c.TS_SDO_Read);
    c.sga->FocusCell(1, 1);
    c.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Error);
    QCOMPARE(c.sga->GetCellEx(1, 1), QString());
    c.PageControl1->Set_ActivePage(c.TS_SDO_Write);
    c.sgb->FocusCell(kId, 2);
    c.Btn_PasteRow->Click();
    QCOMPARE(c.sgb->GetCellEx(kB1, 2), QString("20"));

    TFSet_SDO_Server_Access& s = Server();
    QVERIFY(!s.Do_Copy);
    Set_Row(s.sga, 3, {"0x2000", "1", "2", "10", "11", "", "", "m"});
    s.sga->FocusCell(1, 3);
    s.Btn_CopyRow->Click();
    QVERIFY(s.Do_Copy);
    s.PageControl1->Set_ActivePage(s.TS_SDO_Write);
    s.sgb->FocusCell(1, 1);
    s.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(s.Grid_Rows(1)[0], (QStringList{"0x2000", "1", "2", "10", "11", "", "", "m"}));
  }

  void server_delete_asks_with_the_row_and_moves_the_rows_up() {
    TFSet_SDO_Server_Access& s = Server();
    for (int r = 1; r <= 500; ++r) s.sga->SetCellEx(8, r, QString("r%1").arg(r));
    s.sga->FocusCell(1, 2);
    (*script)->message_answers = {dialogs::Yes};
    s.Btn_DelRow->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Confirmation);
    QCOMPARE(Messages()[0].text, QString("Are you sure to delete the Row number 2"));
    QCOMPARE(s.sga->GetCellEx(8, 1), QString("r1"));
    QCOMPARE(s.sga->GetCellEx(8, 2), QString("r3"));
    QCOMPARE(s.sga->GetCellEx(8, 499), QString("r500"));
    QCOMPARE(s.sga->GetCellEx(8, 500), QString());
    QCOMPARE(s.sga->GetCellEx(0, 500), QString("500"));
    QCOMPARE(s.sga->RowCount(), 501);
  }

  void set_lang_applies_a_changed_language() {
    TFSet_SDO_Client_Access& c = Client();
    TFSet_SDO_Server_Access& s = Server();
    const QStringList saved = Lang_Table;
    for (int n : {1700, 1706, 1709, 1722, 1739, 1600, 1606, 1617, 1640, 1666}) Lang_Table[n] = QString("IT%1").arg(n);
    c.Set_Lang();
    s.Set_Lang();
    QCOMPARE(c.windowTitle(), QString("IT1700"));
    QCOMPARE(c.Btn_CopyRow->Caption(), QString("IT1706"));
    QCOMPARE(c.TS_SDO_Write->Caption(), QString("IT1709"));
    QCOMPARE(c.sgb->GetCellEx(1, 0), QString("IT1722"));
    QCOMPARE(c.Hint_Read.value(0), QString("IT1739"));
    QCOMPARE(s.windowTitle(), QString("IT1600"));
    QCOMPARE(s.TS_SDO_Read->Caption(), QString("IT1606"));
    QCOMPARE(s.sgb->Columns()[0]->Header(), QString("IT1617"));
    QCOMPARE(s.Hint_Write.value(0), QString("IT1640"));
    QCOMPARE(s.Btn_CopyRow->Caption(), QString("IT1666"));
    Lang_Table = saved;
  }

  void filled_windows_can_be_looked_at() {
    const QString shot = qEnvironmentVariable("KELVRA_SDO_SHOT");
    if (shot.isEmpty()) QSKIP("KELVRA_SDO_SHOT not set");
    TFSet_SDO_Client_Access& c = Client();
    QVERIFY(QTest::qWaitForWindowActive(&c));
    for (const auto& [col, text] : std::initializer_list<std::pair<int, QString>>{
             {kId, "5"}, {kIndex, "0x2001"}, {kSub, "0"}, {kNByte, "1"}, {kPoll, "0"}, {kB1, "20"}, {kMnemo, "set"}})
      Type_Cell(c.sgb, col, 1, text);
    Click(c.sgb, kChange, 1);
    QVERIFY(c.grab().save(shot + "_client.png"));
    TFSet_SDO_Server_Access& s = Server();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    for (const auto& [col, text] : std::initializer_list<std::pair<int, QString>>{
             {1, "0x2000"}, {2, "1"}, {3, "2"}, {4, "10"}, {5, "11"}, {8, "value"}})
      Type_Cell(s.sga, col, 1, text);
    QVERIFY(s.grab().save(shot + "_server.png"));
  }
};

QTEST_MAIN(SdoAccessWindowsTest)
#include "sdo_access_windows_test.moc"
