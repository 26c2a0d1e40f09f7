// The header filter list of TZadIrururOziz: which release opens or closes
// it, what it lists and ticks, and where it appears.
#include "grid/core/zad_irurur_oziz.h"

namespace {

// The system edge the list's frame takes on each side.
constexpr int Edge = 2;

}  // namespace

TDropList* TZadIrururOziz::FilterDropList() {
  if (!FFilterDropList) {
    FFilterDropList = new TDropList(this);
    FFilterDropList->OnSelect = [this](QObject* Sender, int ItemIndex) { DoFilterSelect(Sender, ItemIndex); };
    FFilterDropList->OnCancel = [this] { FFilterCol = -1; };
  }
  return FFilterDropList;
}

TDropCheckList* TZadIrururOziz::FilterDropCheckList() {
  if (!FFilterDropCheckList) {
    FFilterDropCheckList = new TDropCheckList(this);
    FFilterDropCheckList->OnSelect = [this](QObject* Sender, int ItemIndex) { DoFilterCheck(Sender, ItemIndex); };
    FFilterDropCheckList->OnCancel = [this] { FFilterCol = -1; };
  }
  return FFilterDropCheckList;
}

void TZadIrururOziz::Header_Filter_List(int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  // The check list closes like the plain one: a second click on its button,
  // or a click elsewhere on the grid, would otherwise leave it open over the
  // cells.
  auto close = [this] {
    if (FFilterDropList && FFilterDropList->isVisible()) FFilterDropList->hide();
    if (FFilterDropCheckList && FFilterDropCheckList->isVisible()) FFilterDropCheckList->hide();
    FFilterCol = -1;
  };
  if (ARow != FPaintLook.FilterDropDownRow || ACol < 0 || ACol == FFilterCol) {
    close();
    return;
  }
  const TRect cell = CellRect(ACol, ARow);
  if (!(X > cell.Right - 16 && X < cell.Right - 3 && Y < cell.Top + 19) || !DoGetColumnFilter(ACol)) {
    close();
    return;
  }
  close();
  FFilterCol = ACol;
  const bool check = FFilterDropDownCheck;
  QListWidget* list = check ? static_cast<QListWidget*>(FilterDropCheckList()) : FilterDropList();
  list->clear();
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, To_QColor(FFilterDropDown.Color(), palette));
  list->setPalette(palette);
  list->setFont(FFilterDropDown.Font());

  // Display texts and conditions are kept apart; an entry a handler added
  // without its condition is split at its first "=".
  const int real = RealColIndex(ACol);
  for (int i = 0; i < FFilterList.size(); ++i) {
    QString display = FFilterList[i], condition;
    if (i < FFilterConditions.size()) {
      condition = FFilterConditions[i];
    } else {
      const int eq = display.indexOf('=');
      condition = eq < 0 ? display : display.mid(eq + 1);
      if (eq >= 0) display = display.left(eq);
      if (condition.contains(' ') && !condition.startsWith('"')) condition = '"' + condition + '"';
    }
    if (!check) {
      list->addItem(display);
      continue;
    }
    bool ticked = false;
    if (FFilter)
      for (int f = 0; f < FFilter->Count(); ++f)
        if (FFilter->Items(f)->Column() == real && FFilter->Items(f)->Condition() == condition) ticked = true;
    FFilterDropCheckList->AddCheckItem(display, ticked);
  }
  if (!check && list->count() > 0) list->setCurrentRow(0);

  int width = FFilterDropDown.Width(), height = FFilterDropDown.Height();
  if (FFilterDropDown.AutoSize()) {
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list->item(i)->text()));
    // The item's own room (the tick box beside the text) when that is more.
    width = std::max(widest + 8, list->sizeHintForColumn(0)) + 2 * Edge;
    const int item_height = list->count() > 0 ? list->sizeHintForRow(0) : metrics.height();
    height = list->count() * item_height + 2 * Edge;
  }
  int left = cell.Right - 16;
  if (FFilterDropDown.ColumnWidth()) {
    left = cell.Left;
    width = cell.Width();
  }
  if (left + width > ClientWidth()) left = std::max(0, cell.Right - width);
  list->setGeometry(left, cell.Top + 16, width, height);
  list->show();
  list->raise();
  list->setFocus();
}
