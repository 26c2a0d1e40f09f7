#include "editors/canopen/canopen_table_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <exception>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/canopen/canopen_checks.h"
#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/table_rows/grid_row_routines.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

constexpr int kClient_Width = 798;
constexpr int kClient_Height = 337;
constexpr int kTitle_Height = 69;
constexpr int kButton_Panel_Height = 40;
constexpr int kRow_Height = 21;

QFont Table_Font() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  return font;
}

QFont Code_Font() {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(32);
  return font;
}

}  // namespace

CANopen_Table_Window::CANopen_Table_Window(CANopen_Table_Kind kind, const QString& path, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Layout(CANopen_Window(kind)),
      path_(path) {
  setFont(Table_Font());
  shell_look::Set_Background(this, shell_look::kBackground);

  P_Title = new Title_Panel(this);
  P_Title->setObjectName(QStringLiteral("P_Title"));
  P_Title->setGeometry(0, 0, kClient_Width, kTitle_Height);
  P_Title->L_SW_Code->setFont(Code_Font());
  P_Title->L_SW_Code->setText(SW_Code);

  PageControl1 = new TZadPageControl(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, kTitle_Height, kClient_Width, kClient_Height - kTitle_Height - kButton_Panel_Height);
  PageControl1->Set_TabBackGroundColor(shell_look::kBackground);
  for (int i = 0; i < 2; ++i) pages_[i] = new TZadTabSheet(PageControl1);
  sga = Make_Grid(0);
  sgb = Make_Grid(1);
  Create_Buttons();

  // FormCreate
  setFixedSize(kClient_Width, kClient_Height);
  Page(1 - Layout.shown_page)->Set_TabVisible(false);
  PageControl1->Set_ActivePage(Page(Layout.shown_page));
  Set_Lang();
}

CANopen_Table_Window::~CANopen_Table_Window() = default;

TZadColumnGrid* CANopen_Table_Window::Make_Grid(int index) {
  const CANopen_Grid_Layout& layout = Layout.grids[index];
  auto* grid = new TZadColumnGrid(pages_[index]);
  grid->setObjectName(index == 0 ? QStringLiteral("sga") : QStringLiteral("sgb"));
  auto* fill = new QVBoxLayout(pages_[index]);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(grid);

  grid->setFont(Table_Font());
  grid->SetColCount(layout.Columns());
  grid->SetRowCount(layout.rows);
  grid->SetGridDefaultRowHeight(kRow_Height);
  grid->SetFixedRowHeight(kRow_Height);
  grid->SetScrollBars(ssBoth);
  // One line per cell: a narrow header ("Add B1") stays on its row.
  grid->SetGridWordWrap(false);
  // Every data cell is edited in place, in both grids.
  grid->SetOptions(grid->Options() | goEditing | goColSizing);
  for (int c = 0; c < layout.Columns(); ++c) {
    TGridColumnItem& item = *grid->Columns()[c];
    item.SetWidth(layout.widths[c]);
    if (c > 0) item.SetColor(CANopen_Group_Color(layout.groups[c]));
    if (c == layout.check_column) {
      item.SetEditor(edDataCheckBox);
      item.SetCheckTrue(QStringLiteral("Y"));
      item.SetCheckFalse(QStringLiteral("N"));
      item.SetAlignment(taCenter);
    }
  }
  grid->OnKeyPress = [this](TZadIrururOziz* Sender, QChar& Key) { sgaKeyPress(Sender, Key); };
  grid->OnDblClickCell = [this](TZadIrururOziz* Sender, int ARow, int ACol) { sgaDblClickCell(Sender, ARow, ACol); };
  if (Layout.cell_hints[index])
    grid->OnGridHint = [this](TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr) {
      sgaGridHint(Sender, ARow, ACol, hintstr);
    };
  return grid;
}

void CANopen_Table_Window::Create_Buttons() {
  P_Button = new QWidget(this);
  P_Button->setObjectName(QStringLiteral("P_Button"));
  P_Button->setGeometry(0, kClient_Height - kButton_Panel_Height, kClient_Width, kButton_Panel_Height);
  TZbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
  const char* names[] = {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
  for (int i = 0; i < 6; ++i) {
    auto* button = new TZbButton(P_Button);
    button->setObjectName(QLatin1String(names[i]));
    button->setGeometry(16 + 118 * i, 6, 110, 28);
    button->Set_Color(shell_look::kBackground);
    button->Set_ColorWhenDown(shell_look::kPressed);
    *buttons[i] = button;
  }
  Btn_Cancel->Set_ModalResult(mrCancel);
  Btn_OK->OnClick = [this] { Btn_OKClick(); };
  Btn_DelRow->OnClick = [this] { Btn_DelRowClick(); };
  Btn_InsRow->OnClick = [this] { Btn_InsRowClick(); };
  Btn_CopyRow->OnClick = [this] { Btn_CopyRowClick(); };
  Btn_PasteRow->OnClick = [this] { Btn_PasteRowClick(); };
}

// ---- texts

void CANopen_Table_Window::Set_Lang() {
  setWindowTitle(Lang(Layout.caption));
  P_Title->L_SW_Desc->setText(Lang(Layout.caption + 1));
  TZbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
  for (int i = 0; i < 6; ++i) {
    buttons[i]->Set_Caption(Lang(Layout.buttons[i]));
    buttons[i]->setToolTip(Lang(Layout.button_hints[i]));
  }
  TZadColumnGrid* grids[] = {sga, sgb};
  for (int g = 0; g < 2; ++g) {
    const CANopen_Grid_Layout& layout = Layout.grids[g];
    pages_[g]->Set_Caption(Lang(layout.page_caption));
    for (int c = 0; c < layout.Columns(); ++c) grids[g]->Columns()[c]->SetHeader(Lang(layout.first_header + c));
    QStringList& hints = hint_lists_[g];
    hints.clear();
    for (int c = 1; c < layout.Columns(); ++c) hints << Lang(layout.first_hint + c - 1);
  }
}

// ---- opening

void CANopen_Table_Window::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FormShow();
    Place_Window();
  }
  QDialog::showEvent(event);
}

void CANopen_Table_Window::Place_Window() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void CANopen_Table_Window::FormShow() {
  TZadColumnGrid* grids[] = {sga, sgb};
  for (TZadColumnGrid* grid : grids) {
    // An editor left open by a cancelled showing goes without its text.
    if (grid->EditorMode()) grid->HideInplaceEdit();
    for (int r = 1; r < grid->RowCount(); ++r) {
      grid->SetCellEx(0, r, QString::number(r));
      for (int c = 1; c < grid->ColCount(); ++c) grid->SetCellEx(c, r, QString());
    }
  }
  PageControl1->Set_ActivePage(Page(Layout.shown_page));
  NByte_IN = 6000;
  NByte_OUT = 6000;

  const CANopen_Tables_Load load = Read_CANopen_Tables(path_, Layout.kind);
  for (int g = 0; g < 2; ++g) {
    const std::vector<CANopen_Row>& rows = load.tables.lists[g];
    for (int r = 0; r < static_cast<int>(rows.size()) && r + 1 < grids[g]->RowCount(); ++r)
      for (int c = 0; c < rows[r].size() && c + 1 < grids[g]->ColCount(); ++c)
        grids[g]->SetCellEx(c + 1, r + 1, rows[r][c]);
  }
  QStringList problems;
  if (!load.error.isEmpty()) problems << load.error;
  if (!load.shortfall.isEmpty()) problems << load.shortfall;
  unfinished_read_ = problems.join(QLatin1Char('\n'));
  // Cleared also after a failed read: a row copied before may not be pasted.
  Copy_Flag(0) = false;
  Copy_Flag(1) = false;
  if (!unfinished_read_.isEmpty()) dialogs::Error(this, unfinished_read_);
}

// ---- grids

int CANopen_Table_Window::Active_Page_Index() const { return PageControl1->ActivePage() == pages_[0] ? 0 : 1; }

TZadColumnGrid* CANopen_Table_Window::Active_Grid() const { return Active_Page_Index() == 0 ? sga : sgb; }

int CANopen_Table_Window::Grid_Index(const TZadIrururOziz* grid) const { return grid == sga ? 0 : 1; }

std::vector<CANopen_Row> CANopen_Table_Window::Grid_Rows(int grid) const {
  const TZadColumnGrid* source = grid == 0 ? sga : sgb;
  std::vector<CANopen_Row> rows;
  rows.reserve(source->RowCount());
  for (int r = 1; r < source->RowCount(); ++r) {
    CANopen_Row cells;
    for (int c = 1; c < source->ColCount(); ++c) cells << const_cast<TZadColumnGrid*>(source)->GetCellEx(c, r);
    rows.push_back(cells);
  }
  return rows;
}

// A button pressed while a cell is being typed acts on the typed text.
void CANopen_Table_Window::Store_Open_Edits() {
  for (TZadColumnGrid* grid : {sga, sgb})
    if (grid->EditorMode()) grid->HideInplaceEdit();
}

void CANopen_Table_Window::sgaKeyPress(TZadIrururOziz* Sender, QChar& Key) { Grid_Enter_Next_Cell(*Sender, Key); }

void CANopen_Table_Window::sgaGridHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr) {
  hintstr = ARow == 0 && ACol >= 1 ? hint_lists_[Grid_Index(Sender)].value(ACol - 1) : QString();
}

void CANopen_Table_Window::sgaDblClickCell(TZadIrururOziz* Sender, int ARow, int ACol) {
  Grid_DblClick_AutoSize(*Sender, ARow, ACol);
}

// ---- buttons

bool CANopen_Table_Window::Controllo_dati() {
  const int shown = Layout.shown_page, hidden = 1 - Layout.shown_page;
  const int32_t area[2] = {NByte_IN, NByte_OUT};
  if (const auto failure = Check_CANopen_Grid(Layout.kind, shown, Grid_Rows(shown), area[shown])) {
    dialogs::Error(this, failure->text);
    return false;
  }
  if (const auto failure = Check_CANopen_Grid(Layout.kind, hidden, Grid_Rows(hidden), area[hidden]))
    dialogs::Warning(this, failure->text);
  return true;
}

// The file ends at a row whose first cell is blank; rows after it that hold
// text would be lost without a word.
bool CANopen_Table_Window::Confirm_Dropped_Rows() {
  for (int g = 0; g < 2; ++g) {
    const std::optional<int> row = CANopen_Dropped_Rows(Grid_Rows(g), Layout.grids[g].check_column);
    if (!row) continue;
    const QString text = QStringLiteral(
                             "Row %1 of the table \"%2\" has an empty first column: it and the rows after it will "
                             "not be saved.\nDo you want to save the rows before it?")
                             .arg(*row)
                             .arg(pages_[g]->Caption());
    if (!dialogs::Ask_Yes_No(this, text)) return false;
  }
  return true;
}

bool CANopen_Table_Window::Confirm_Unfinished_Read() {
  if (unfinished_read_.isEmpty()) return true;
  return dialogs::Ask_Yes_No(
      this, unfinished_read_ + QStringLiteral("\n\nThe file was not read completely. Do you want to replace it "
                                              "with the tables as they are shown?"));
}

void CANopen_Table_Window::Btn_OKClick() {
  Store_Open_Edits();
  if (!Controllo_dati() || !Confirm_Dropped_Rows() || !Confirm_Unfinished_Read()) return;
  CANopen_Tables tables;
  for (int g = 0; g < 2; ++g) tables.lists[g] = Grid_Rows(g);
  try {
    Write_CANopen_Tables(path_, tables, Layout.kind, Device_Type());
  } catch (const std::exception& error) {
    Show_Exception(error);
    return;
  }
  unfinished_read_.clear();
  done(mrOk);
}

void CANopen_Table_Window::Btn_InsRowClick() {
  Store_Open_Edits();
  TZadColumnGrid* grid = Active_Grid();
  Grid_Insert_Row(grid->Row(), *grid);
}

void CANopen_Table_Window::Btn_DelRowClick() {
  Store_Open_Edits();
  TZadColumnGrid* grid = Active_Grid();
  const int row = grid->Row();
  if (dialogs::Ask_Yes_No(this, Lang(Layout.delete_question) + QString::number(row))) Grid_Delete_Row(row, *grid);
}

void CANopen_Table_Window::Btn_CopyRowClick() {
  Store_Open_Edits();
  const int page = Active_Page_Index();
  Grid_Copy_Row(*Active_Grid(), Active_Grid()->Row());
  // Cleared first: the server window's two pages share one flag.
  Copy_Flag(1 - page) = false;
  Copy_Flag(page) = true;
}

void CANopen_Table_Window::Btn_PasteRowClick() {
  Store_Open_Edits();
  TZadColumnGrid* grid = Active_Grid();
  Grid_Paste_Row(*grid, grid->Row(), Copy_Flag(Active_Page_Index()));
}
