#pragma once
#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "editors/canopen/canopen_window_layout.h"
#include "editors/files/canopen_table_file.h"

class QChar;
class TZadColumnGrid;
class TZadIrururOziz;
class TZadPageControl;
class TZadTabSheet;
class TZbButton;
class Title_Panel;

// The family of the three CANopen table windows: two pages with one column
// grid each, mirroring the two lists of the window's file; one page's tab is
// hidden, so the user works on one table, while the hidden page's rows are
// still loaded, checked and written back. Every opening reloads the grids
// from the file; OK checks the filled rows and writes the file; Cancel and the
// close box leave without asking.
class CANopen_Table_Window : public QDialog {
  Q_OBJECT
 public:
  ~CANopen_Table_Window() override;

  void Set_Lang();
  // The checks of both grids. A failure in the shown grid is an error box
  // and false; one in the hidden grid, whose rows only the file can have
  // given, is a warning and does not stop the save.
  bool Controllo_dati();
  void Btn_OKClick();
  void Btn_InsRowClick();
  void Btn_DelRowClick();
  void Btn_CopyRowClick();
  void Btn_PasteRowClick();
  // Shared by both grids; Sender is the grid.
  void sgaKeyPress(TZadIrururOziz* Sender, QChar& Key);
  void sgaGridHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr);
  void sgaDblClickCell(TZadIrururOziz* Sender, int ARow, int ACol);

  // The grid of the active page.
  TZadColumnGrid* Active_Grid() const;
  // Cells of columns 1 .. of the data rows 1 .. of grid 0 (sga) or 1 (sgb).
  std::vector<CANopen_Row> Grid_Rows(int grid) const;

  const CANopen_Window_Layout& Layout;

  Title_Panel* P_Title;
  TZadPageControl* PageControl1;
  TZadColumnGrid* sga;
  TZadColumnGrid* sgb;
  QWidget* P_Button;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;
  TZbButton* Btn_DelRow;
  TZbButton* Btn_InsRow;
  TZbButton* Btn_CopyRow;
  TZbButton* Btn_PasteRow;

  // Sizes of the gateway's input and output process-data areas, which the
  // address checks of the first and second grid go by.
  int32_t NByte_IN = 6000;
  int32_t NByte_OUT = 6000;

 protected:
  // path: the global that names the window's file (read at each opening
  // and OK, as the active configuration changes).
  CANopen_Table_Window(CANopen_Table_Kind kind, const QString& path, QWidget* parent);

  TZadTabSheet* Page(int index) const { return pages_[index]; }
  // Entry i: the hint of column i + 1 of the grid.
  QStringList& Hint_List(int grid) { return hint_lists_[grid]; }
  // The copy flag that lets a row be pasted on the page (the server window
  // has one flag for both pages).
  virtual bool& Copy_Flag(int page) = 0;

  void showEvent(QShowEvent* event) override;

 private:
  TZadColumnGrid* Make_Grid(int index);
  void Create_Buttons();
  void FormShow();
  void Place_Window();
  int Active_Page_Index() const;
  int Grid_Index(const TZadIrururOziz* grid) const;
  void Store_Open_Edits();
  bool Confirm_Dropped_Rows();
  bool Confirm_Unfinished_Read();

  const QString& path_;
  std::array<TZadTabSheet*, 2> pages_{};
  std::array<QStringList, 2> hint_lists_;
  // Why the last reading of the file stopped short; empty when it was read
  // whole. OK then asks before replacing the file.
  QString unfinished_read_;
};
