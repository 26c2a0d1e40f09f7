// The PDO window as the user meets it: typed by keyboard and mouse, its
// buttons clicked, its file read and written in a temporary folder, its
// messages answered by a scripted dialog provider.
//
// With KELVRA_CANOPEN_SHOT set to a file name, the filled window is saved
// there as a picture (run under xvfb-run to look at it on a real X server).
#include "editors/canopen/pdo_access_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/canopen/canopen_window_driver.h"
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

// Transmit grid columns.
constexpr int kCob = 1, kDim = 2, kB1 = 3, kB2 = 4, kSend = 11, kChange = 12, kMnemo = 13;

QByteArray Test_File(const QString& name) {
  QFile file(Test_Data("config_files/" + name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Pdo_File(const QByteArray& receive_rows, const QByteArray& transmit_rows) {
  return "<DeviceNet_Master_to_PDO><Receive_PDO>" + receive_rows + "</Receive_PDO><Transmit_PDO>" + transmit_rows +
         "</Transmit_PDO></DeviceNet_Master_to_PDO><!--SW_VERSION = 2.003-->";
}

QByteArray Transmit_Row(const QByteArray& cob, const QByteArray& dim, const QByteArray& mnemonic = "") {
  return "<row COB-ID=\"" + cob + "\" Dimension=\"" + dim +
         "\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" "
         "Address_B7=\"\" Address_B8=\"\" Send_Time=\"100\" On_Change=\"N\" Mnemonic=\"" +
         mnemonic + "\"/>";
}

}  // namespace

class PdoAccessWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Temp_Dir> dir;
  std::unique_ptr<dialogs::Scripted_Scope> script;
  std::unique_ptr<TFSet_PDO_Access> window;

  TFSet_PDO_Access& Open() { return Show_Active(window); }
  QByteArray Pdo_Bytes() const { return dir->Read("PDO_CANopen.xml"); }
  void Write_Pdo(const QByteArray& bytes) { dir->Write("PDO_CANopen.xml", bytes); }
  std::vector<dialogs::Scripted_Provider::Shown>& Messages() { return (*script)->messages; }

 private Q_SLOTS:
  void initTestCase() { Start_As_CANopen_Device(); }
  void cleanupTestCase() { Override_Device_Type(0); }

  void init() {
    dir = std::make_unique<Temp_Dir>();
    Path_PDO_XML = dir->File("PDO_CANopen.xml");
    script = std::make_unique<dialogs::Scripted_Scope>();
    Row_Copy_Buffer.clear();
    Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = false;
  }
  void cleanup() {
    window.reset();
    script.reset();
    Path_PDO_XML.clear();
    Enable_Jump_Field_Tables = false;
  }

  void window_and_grids_are_laid_out_as_the_form() {
    TFSet_PDO_Access& w = Open();
    QCOMPARE(w.size(), QSize(798, 337));
    QCOMPARE(w.windowTitle(), QString("Set PDO Access"));
    QCOMPARE(w.P_Title->height(), 69);
    QCOMPARE(w.P_Button->geometry(), QRect(0, 297, 798, 40));
    TZbButton* buttons[] = {w.Btn_OK, w.Btn_Cancel, w.Btn_DelRow, w.Btn_InsRow, w.Btn_CopyRow, w.Btn_PasteRow};
    const char* captions[] = {"OK", "Cancel", "Delete Row", "Insert Row", "Copy Row", "Paste Row"};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(buttons[i]->geometry(), QRect(16 + 118 * i, 6, 110, 28));
      QCOMPARE(buttons[i]->Caption(), QString(captions[i]));
    }
    QCOMPARE(w.Btn_Cancel->ModalResult(), mrCancel);
    QCOMPARE(w.Btn_OK->ModalResult(), mrNone);
    QCOMPARE(w.Btn_OK->toolTip(), QString("Confirm and save the PDO List"));
    QVERIFY(!w.TS_Receive_PDO->TabVisible());
    QVERIFY(w.TS_Transmit_PDO->TabVisible());
    QCOMPARE(w.PageControl1->ActivePage(), w.TS_Transmit_PDO);
    QCOMPARE(w.TS_Transmit_PDO->Caption(), QString("Transmit PDO"));

    QCOMPARE(w.sga->ColCount(), 13);
    QCOMPARE(w.sgb->ColCount(), 14);
    for (TZadColumnGrid* grid : {w.sga, w.sgb}) {
      QCOMPARE(grid->RowCount(), 31);
      QCOMPARE(grid->ColWidths(0), 40);
      QCOMPARE(grid->RowHeights(5), 21);
      QCOMPARE(grid->GetCellEx(0, 30), QString("30"));
      QVERIFY(grid->Options() & goEditing);
    }
    QCOMPARE(w.sgb->ColWidths(kCob), 65);
    QCOMPARE(w.sgb->ColWidths(kB2), 45);
    QCOMPARE(w.sgb->ColWidths(kChange), 68);
    QCOMPARE(w.sgb->ColWidths(kMnemo), 105);
    QCOMPARE(w.sga->ColWidths(12), 168);
    QCOMPARE(w.sgb->Columns()[kChange]->Editor(), edDataCheckBox);
    QCOMPARE(w.sgb->Columns()[kChange]->Alignment(), taCenter);
    QCOMPARE(w.sgb->Columns()[kCob]->Color(), TColor(0xFEFAE0));
    QCOMPARE(w.sgb->Columns()[kB1]->Color(), TColor(0xF4D6FC));
    QCOMPARE(w.sgb->Columns()[kSend]->Color(), TColor(0xA8FFA8));
    QCOMPARE(w.sgb->Columns()[kMnemo]->Color(), clWhite);
    QCOMPARE(w.sgb->GetCellEx(kCob, 0), QString("CobID"));
    QCOMPARE(w.sgb->GetCellEx(kSend, 0), QString("Send Time"));
    QCOMPARE(w.sga->GetCellEx(11, 0), QString("TimeOut"));
    QCOMPARE(w.Hint_Rece.size(), 12);
    QCOMPARE(w.Hint_Tran.size(), 13);
    QCOMPARE(w.Hint_Tran.value(5), QString("Insert the Index of Byte to use like FOurth byte of Transmit PDO"));
  }

  void header_hints_come_from_the_asking_grids_list() {
    TFSet_PDO_Access& w = Open();
    QString hint = "stale";
    w.sgaGridHint(w.sgb, 0, 1, hint);
    QCOMPARE(hint, QString("Insert the CobID of PDO message"));
    w.sgaGridHint(w.sga, 0, 11, hint);
    QVERIFY(hint.startsWith("Reset of data to zero if the Receive PDO"));
    w.sgaGridHint(w.sgb, 0, 11, hint);
    QCOMPARE(hint, QString("Insert the time in milliseconds between two Transmit PDO (Set value to zero to disable)"));
    for (QPoint cell : {QPoint(0, 0), QPoint(1, 1), QPoint(0, 3)}) {
      hint = "stale";
      w.sgaGridHint(w.sgb, cell.y(), cell.x(), hint);
      QCOMPARE(hint, QString());
    }
    // The grid itself asks the window.
    QVERIFY(w.sgb->OnGridHint);
    w.sgb->OnGridHint(w.sgb, 0, 2, hint);
    QCOMPARE(hint, QString("Insert the Number of Byte of PDO"));
  }

  void typed_row_is_written_as_the_reference_file_and_read_back() {
    TFSet_PDO_Access& w = Open();
    TZadColumnGrid* g = w.sgb;
    Type_Cell(g, kCob, 1, "0x181");
    Type_Cell(g, kDim, 1, "2");
    Type_Cell(g, kB1, 1, "0");
    Type_Cell(g, kB2, 1, "1");
    Type_Cell(g, kSend, 1, "100");
    Click(g, kChange, 1);
    Type_Cell(g, kMnemo, 1, "t");
    QCOMPARE(g->GetCellEx(kChange, 1), QString("Y"));
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(0));
    QCOMPARE(w.result(), mrOk);
    QVERIFY(!w.isVisible());
    QCOMPARE(Pdo_Bytes(), Test_File("pdo_one_transmit_row.xml"));

    Open();
    const QStringList expected{"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "t"};
    QCOMPARE(w.Grid_Rows(1)[0], expected);
    QCOMPARE(w.sgb->GetCellEx(kCob, 2), QString());
  }

  // The checks stop OK with their text; the file stays as it was.
  void failed_checks_show_their_text_and_write_nothing_data() {
    QTest::addColumn<QStringList>("row3");
    QTest::addColumn<QString>("message");
    QTest::newRow("second address") << QStringList{"0x183", "2", "0", "6000", "", "", "", "", "", "", "100"}
                                    << "Error row 3!! [Transmit PDO] Address Byte2 must be between 0 and 5999";
    QTest::newRow("only a COB-ID") << QStringList{"0x183"}
                                   << "Error row 3!! [Transmit PDO] Dimension must be between 1 and 8";
    QTest::newRow("no prefix") << QStringList{"7FF", "1", "0", "", "", "", "", "", "", "", "0"}
                               << "Error row 3!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF";
    QTest::newRow("trailing blank") << QStringList{"5 ", "1", "0", "", "", "", "", "", "", "", "0"}
                                    << "Error row 3!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF";
    QTest::newRow("dollar") << QStringList{"$7FF", "1", "0", "", "", "", "", "", "", "", "0"} << "";
    QTest::newRow("0x") << QStringList{"0x7FF", "1", "0", "", "", "", "", "", "", "", "0"} << "";
    QTest::newRow("leading blank") << QStringList{" 5", "1", "0", "", "", "", "", "", "", "", "0"} << "";
    QTest::newRow("unchecked fourth address")
        << QStringList{"0x183", "3", "0", "1", "2", "x", "", "", "", "", "0"} << "";
  }
  void failed_checks_show_their_text_and_write_nothing() {
    QFETCH(QStringList, row3);
    QFETCH(QString, message);
    const QByteArray before = Pdo_File("", Transmit_Row("0x181", "2") + Transmit_Row("0x182", "2"));
    Write_Pdo(before);
    TFSet_PDO_Access& w = Open();
    Set_Row(w.sgb, 3, row3);
    w.Btn_OK->Click();
    if (message.isEmpty()) {
      QCOMPARE(Messages().size(), size_t(0));
      QCOMPARE(w.result(), mrOk);
      QCOMPARE(Pdo_Bytes().count("<row "), 3);
      QVERIFY(Pdo_Bytes().contains("Address_B4=\"" + row3.value(5).toUtf8() + "\""));
      return;
    }
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Error);
    QCOMPARE(Messages()[0].text, message);
    QVERIFY(w.isVisible());
    QCOMPARE(Pdo_Bytes(), before);
    QCOMPARE(w.sgb->GetCellEx(kCob, 3), row3[0]);  // the user's cells stay
  }

  void insert_and_delete_move_the_rows_of_the_shown_grid() {
    TFSet_PDO_Access& w = Open();
    for (int r = 1; r <= 30; ++r) w.sgb->SetCellEx(kMnemo, r, QString("r%1").arg(r));
    w.sgb->FocusCell(kCob, 1);
    w.Btn_InsRow->Click();
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 1), QString());
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 2), QString("r1"));
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 30), QString("r29"));
    QCOMPARE(w.sgb->RowCount(), 31);
    QCOMPARE(w.sgb->GetCellEx(0, 2), QString("2"));

    w.sgb->FocusCell(kCob, 30);
    (*script)->message_answers = {dialogs::No, dialogs::Yes};
    w.Btn_DelRow->Click();
    QCOMPARE(Messages().back().text, QString("Are you sure to delete the Row number 30"));
    QCOMPARE(Messages().back().kind, dialogs::Kind::Confirmation);
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 30), QString("r29"));
    w.Btn_DelRow->Click();
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 30), QString());
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 29), QString("r28"));
    QCOMPARE(w.sgb->RowCount(), 31);
    for (int r = 1; r <= 30; ++r) QCOMPARE(w.sga->GetCellEx(12, r), QString());
  }

  void paste_asks_only_over_text_and_only_after_a_copy_of_this_page() {
    TFSet_PDO_Access& w = Open();
    Set_Row(w.sgb, 1, {"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "t"});
    w.sgb->FocusCell(kCob, 1);
    w.Btn_CopyRow->Click();
    QVERIFY(w.Do_Copy_Transmit);
    QVERIFY(!w.Do_Copy_Receive);
    // A row holding only the check box's "Y": no question.
    w.sgb->SetCellEx(kChange, 2, "Y");
    w.sgb->FocusCell(kCob, 2);
    w.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(0));
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 2), QString("t"));
    // Over a Mnemonic: asked, and No changes nothing.
    w.sgb->SetCellEx(kMnemo, 3, "x");
    w.sgb->FocusCell(kCob, 3);
    (*script)->message_answers = {dialogs::No};
    w.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Confirmation);
    QCOMPARE(w.sgb->GetCellEx(kCob, 3), QString());
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 3), QString("x"));

    // Pasted on the receive page (made current here): refused.
    w.PageControl1->Set_ActivePage(w.TS_Receive_PDO);
    QCOMPARE(w.Active_Grid(), w.sga);
    w.sga->FocusCell(1, 1);
    w.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(2));
    QCOMPARE(Messages()[1].kind, dialogs::Kind::Error);
    QCOMPARE(w.sga->GetCellEx(1, 1), QString());

    // Reopened: the buffer still holds the row, but it is not pasted.
    Open();
    QVERIFY(!w.Do_Copy_Transmit);
    w.sgb->FocusCell(kCob, 4);
    w.Btn_PasteRow->Click();
    QCOMPARE(Messages().size(), size_t(3));
    QCOMPARE(Messages()[2].kind, dialogs::Kind::Error);
    QCOMPARE(w.sgb->GetCellEx(kCob, 4), QString());
    QCOMPARE(Row_Copy_Buffer.value(0), QString("0x181"));
  }

  // A wrong row on the hidden page can only come from the file: it is told
  // as a warning, and written back as it was.
  void bad_hidden_row_warns_and_is_written_back_as_read() {
    const QByteArray receive =
        "<row COB-ID=\"x\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
        "Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" Mnemonic=\"m\"/>";
    const QByteArray file = Pdo_File(receive, Transmit_Row("0x181", "2", "a"));
    Write_Pdo(file);
    TFSet_PDO_Access& w = Open();
    QCOMPARE(Messages().size(), size_t(0));
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Warning);
    QCOMPARE(Messages()[0].text, QString("Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"));
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(Pdo_Bytes(), file);
  }

  void rows_after_an_empty_first_cell_are_asked_about() {
    Write_Pdo(Pdo_File("", Transmit_Row("0x181", "2")));
    TFSet_PDO_Access& w = Open();
    const QByteArray before = Pdo_Bytes();
    w.sgb->FocusCell(kCob, 1);
    w.Btn_InsRow->Click();  // row 1 empty, the filled row now row 2
    (*script)->message_answers = {dialogs::No};
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Confirmation);
    QVERIFY(Messages()[0].text.contains("Row 1"));
    QVERIFY(Messages()[0].text.contains("Transmit PDO"));
    QVERIFY(w.isVisible());
    QCOMPARE(Pdo_Bytes(), before);
    // Yes: saved up to the empty row, that is, nothing of this table.
    (*script)->message_answers = {dialogs::Yes};
    w.Btn_OK->Click();
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(Pdo_Bytes(), Pdo_File("", "").replace("<Receive_PDO></Receive_PDO><Transmit_PDO></Transmit_PDO>",
                                                   "<Receive_PDO/><Transmit_PDO/>"));
  }

  void unfinished_read_is_reported_and_ok_asks_before_replacing() {
    // The first row lacks Dimension.
    const QByteArray file = Pdo_File(
        "",
        "<row COB-ID=\"0x181\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" "
        "Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"100\" On_Change=\"N\" Mnemonic=\"\"/>");
    Write_Pdo(file);
    TFSet_PDO_Access& w = Open();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Error);
    QVERIFY(Messages()[0].text.contains("Dimension"));
    QCOMPARE(w.sgb->GetCellEx(kCob, 1), QString("0x181"));
    // The user mends the row; OK asks before replacing the file, No keeps it.
    w.sgb->SetCellEx(kDim, 1, "2");
    (*script)->message_answers = {dialogs::No};
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(2));
    QCOMPARE(Messages()[1].kind, dialogs::Kind::Confirmation);
    QVERIFY(w.isVisible());
    QCOMPARE(Pdo_Bytes(), file);
    (*script)->message_answers = {dialogs::Yes};
    w.Btn_OK->Click();
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(Pdo_Bytes(),
             Pdo_File("", Transmit_Row("0x181", "2")).replace("<Receive_PDO></Receive_PDO>", "<Receive_PDO/>"));
    // A file that cannot be parsed: reported, the grids empty, copy flags clear.
    Write_Pdo("<DeviceNet_Master_to_PDO><Receive_PDO>");
    w.Do_Copy_Transmit = true;
    Open();
    QCOMPARE(Messages().size(), size_t(4));
    QCOMPARE(Messages()[3].kind, dialogs::Kind::Error);
    QCOMPARE(w.sgb->GetCellEx(kCob, 1), QString());
    QVERIFY(!w.Do_Copy_Transmit);
  }

  void ok_on_empty_grids_writes_two_empty_lists() {
    TFSet_PDO_Access& w = Open();
    w.Btn_OK->Click();
    QCOMPARE(w.result(), mrOk);
    QCOMPARE(Pdo_Bytes(), QByteArray("<DeviceNet_Master_to_PDO><Receive_PDO/><Transmit_PDO/></DeviceNet_Master_to_PDO>"
                                     "<!--SW_VERSION = 2.003-->"));
  }

  // A save that fails is told with the file's name; the window stays open
  // with the user's cells.
  void failed_save_is_reported_and_the_window_stays() {
    Path_PDO_XML = dir->File("no such folder/PDO_CANopen.xml");
    TFSet_PDO_Access& w = Open();
    Set_Row(w.sgb, 1, {"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "kept"});
    w.Btn_OK->Click();
    QCOMPARE(Messages().size(), size_t(1));
    QCOMPARE(Messages()[0].kind, dialogs::Kind::Error);
    QVERIFY2(Messages()[0].text.contains("PDO_CANopen.xml"), qPrintable(Messages()[0].text));
    QVERIFY(w.isVisible());
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 1), QString("kept"));
    QVERIFY(!QFile::exists(Path_PDO_XML));
  }

  void cancel_leaves_the_file_and_the_next_opening_reloads() {
    Write_Pdo(Pdo_File("", Transmit_Row("0x181", "2", "kept")));
    TFSet_PDO_Access& w = Open();
    w.sgb->SetCellEx(kMnemo, 1, "changed");
    w.Btn_Cancel->Click();
    QCOMPARE(w.result(), mrCancel);
    Open();
    QCOMPARE(w.sgb->GetCellEx(kMnemo, 1), QString("kept"));
    QCOMPARE(Messages().size(), size_t(0));
  }

  // With the option, Enter walks the cells, from the last cell of row 30 to
  // (1, 1), one cell per Enter whether or not an editor is open; without it
  // the grid's own Enter stores the text and stays.
  void enter_walks_the_cells_with_the_option_data() {
    QTest::addColumn<bool>("editor");
    QTest::newRow("no editor") << false;
    QTest::newRow("open editor") << true;
  }
  void enter_walks_the_cells_with_the_option() {
    QFETCH(bool, editor);
    TFSet_PDO_Access& w = Open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    TZadColumnGrid* g = w.sgb;
    Enable_Jump_Field_Tables = true;
    Click(g, kMnemo, 30);
    QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(kMnemo, 30));
    if (editor) Type("z");
    QCOMPARE(g->EditorMode(), editor);
    Press(Qt::Key_Return);
    QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(1, 1));
    QCOMPARE(g->GetCellEx(kMnemo, 30), QString(editor ? "z" : ""));
    if (editor) Type("7");
    Press(Qt::Key_Return);
    QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(2, 1));
    QCOMPARE(g->GetCellEx(1, 1), QString(editor ? "7" : ""));

    Enable_Jump_Field_Tables = false;
    Click(g, kB1, 4);
    Type("9");
    Press(Qt::Key_Return);
    QCOMPARE(QPoint(g->Col(), g->Row()), QPoint(kB1, 4));
    QCOMPARE(g->GetCellEx(kB1, 4), QString("9"));
    QVERIFY(!g->EditorMode());
  }

  void header_double_click_sizes_the_column_with_the_option() {
    TFSet_PDO_Access& w = Open();
    w.sgb->SetCellEx(kMnemo, 2, "a description far wider than the column");
    w.sgaDblClickCell(w.sgb, 0, kMnemo);
    QCOMPARE(w.sgb->ColWidths(kMnemo), 105);
    Enable_Double_Click_Auto_Size = true;
    QVERIFY(w.sgb->OnDblClickCell);
    w.sgb->OnDblClickCell(w.sgb, 0, kMnemo);
    QVERIFY(w.sgb->ColWidths(kMnemo) > 105);
  }

  void set_lang_applies_a_changed_language() {
    TFSet_PDO_Access& w = Open();
    const QStringList saved = Lang_Table;
    for (int n : {1800, 1801, 1806, 1809, 1824, 1843, 1855}) Lang_Table[n] = QString("IT%1").arg(n);
    w.Set_Lang();
    QCOMPARE(w.windowTitle(), QString("IT1800"));
    QCOMPARE(w.P_Title->L_SW_Desc->text(), QString("IT1801"));
    QCOMPARE(w.Btn_CopyRow->Caption(), QString("IT1806"));
    QCOMPARE(w.TS_Transmit_PDO->Caption(), QString("IT1809"));
    QCOMPARE(w.sgb->Columns()[1]->Header(), QString("IT1824"));
    QCOMPARE(w.sgb->GetCellEx(1, 0), QString("IT1824"));
    QCOMPARE(w.Hint_Rece.value(0), QString("IT1843"));
    QCOMPARE(w.Hint_Tran.value(0), QString("IT1855"));
    Lang_Table = saved;
  }

  void a_filled_window_can_be_looked_at() {
    const QString shot = qEnvironmentVariable("KELVRA_CANOPEN_SHOT");
    if (shot.isEmpty()) QSKIP("KELVRA_CANOPEN_SHOT not set");
    Write_Pdo(Pdo_File("", Transmit_Row("0x181", "2", "first") + Transmit_Row("$182", "2", "second")));
    TFSet_PDO_Access& w = Open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Type_Cell(w.sgb, kCob, 3, "0x183");
    Type_Cell(w.sgb, kDim, 3, "1");
    Click(w.sgb, kChange, 3);
    Click(w.sgb, kMnemo, 4);
    Type("typing");
    QVERIFY(w.grab().save(shot));
  }
};

QTEST_MAIN(PdoAccessWindowTest)
#include "pdo_access_window_test.moc"
