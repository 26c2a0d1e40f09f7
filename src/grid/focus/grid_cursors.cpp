// The mouse cursors of the grid's selection gestures (pictures bundled in
// the program) and the cursor the cell under the mouse asks for.
#include "grid/focus/grid_cursors.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QPixmap>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// clang-format off
const char* const Row_Select_Xpm[] = {"16 16 3 1", "  c None", ". c #000000", "o c #FFFFFF",
    "                ",
    "        ooo     ",
    "        o.oo    ",
    "        o..oo   ",
    "        o...oo  ",
    "ooooooooo....oo ",
    "o.............oo",
    "o..............o",
    "o..............o",
    "o.............oo",
    "ooooooooo....oo ",
    "        o...oo  ",
    "        o..oo   ",
    "        o.oo    ",
    "        ooo     ",
    "                "};
const char* const Column_Select_Xpm[] = {"16 16 3 1", "  c None", ". c #000000", "o c #FFFFFF",
    "     oooooo     ",
    "     o....o     ",
    "     o....o     ",
    "     o....o     ",
    "     o....o     ",
    "     o....o     ",
    "     o....o     ",
    "     o....o     ",
    " ooooo....ooooo ",
    " o............o ",
    " oo..........oo ",
    "  oo........oo  ",
    "   oo......oo   ",
    "    oo....oo    ",
    "     oo..oo     ",
    "      oooo      "};
const char* const All_Select_Xpm[] = {"16 16 3 1", "  c None", ". c #000000", "o c #FFFFFF",
    "                ",
    " oooo           ",
    " o..oo          ",
    " o...oo         ",
    " oo...oo        ",
    "  oo...oo       ",
    "   oo...oo      ",
    "    oo...oo     ",
    "     oo...oo ooo",
    "      oo...ooo.o",
    "       oo...o..o",
    "        oo.....o",
    "         oo....o",
    "        oo.....o",
    "        o......o",
    "        oooooooo"};
const char* const Cell_Selector_Xpm[] = {"16 16 3 1", "  c None", ". c #000000", "o c #FFFFFF",
    "      oooo      ",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "ooooooo..ooooooo",
    "o..............o",
    "o..............o",
    "ooooooo..ooooooo",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "      o..o      ",
    "      oooo      "};
// clang-format on

// The cursor pictures by the numbers the grid knows them by: 8010 selects
// rows, 8011 columns, 8012 everything, 8014 is the cell selector.
QCursor Resource_Cursor(int Id) {
  switch (Id) {
    case 8010:
      return QCursor(QPixmap(Row_Select_Xpm), 15, 7);
    case 8011:
      return QCursor(QPixmap(Column_Select_Xpm), 7, 15);
    case 8012:
      return QCursor(QPixmap(All_Select_Xpm), 14, 14);
    case 8014:
      return QCursor(QPixmap(Cell_Selector_Xpm), 7, 7);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

// Keeps the cursor the gestures ask for: whatever the grid's own mouse
// handling sets on the way is looked at again.
class Cursor_Filter : public QObject {
 public:
  explicit Cursor_Filter(TZadIrururOziz* Grid) : QObject(Grid), FGrid(Grid) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == FGrid->viewport() && event->type() == QEvent::CursorChange)
      FGrid->UpdateCellCursor(FGrid->viewport()->mapFromGlobal(QCursor::pos()));
    return false;
  }

 private:
  TZadIrururOziz* FGrid;
};

}  // namespace

QCursor GridResourceCursor(int Id) { return Resource_Cursor(Id); }

void TZadIrururOziz::SetMouseSelectMode(TMouseSelectMode Value) {
  if (FMouseSelectMode == Value) return;
  FMouseSelectMode = Value;
  Apply_Select_Cursor();
}

void TZadIrururOziz::SetCellSelectorMode(bool Value) {
  if (FCellSelectorMode == Value) return;
  FCellSelectorMode = Value;
  Apply_Select_Cursor();
}

void TZadIrururOziz::Apply_Select_Cursor() { UpdateCellCursor(viewport()->mapFromGlobal(QCursor::pos())); }

void TZadIrururOziz::UpdateCellCursor(const QPoint& Pos) {
  if (FCursorGuard) return;
  FCursorGuard = true;
  QWidget* view = viewport();
  const TGridState state = GridState();
  const bool sizing = state == gsRowSizing || state == gsColSizing;
  // A gesture's cursor that is no longer asked for gives way to the arrow;
  // any other cursor the grid set (a link's hand) stays.
  const char* const owned = "gridGestureCursor";
  const bool gesture = (FMouseSelectMode != msNormal && FMouseSelectMode != msURL && !sizing) || FCellSelectorMode;
  if (!gesture && view->property(owned).toBool()) view->setCursor(Qt::ArrowCursor);
  view->setProperty(owned, gesture);
  if (FMouseSelectMode != msNormal && !sizing) {
    switch (FMouseSelectMode) {
      case msColumn:
        view->setCursor(Resource_Cursor(8011));
        break;
      case msRow:
        view->setCursor(Resource_Cursor(8010));
        break;
      case msAll:
      case msResize:
        view->setCursor(Resource_Cursor(8012));
        break;
      default:
        break;
    }
  } else if (FCellSelectorMode) {
    view->setCursor(Resource_Cursor(8014));
  } else if (OnGetCellCursor) {
    const TGridCoord cell = MouseCoord(Pos.x(), Pos.y());
    if (cell.X >= 0 && cell.Y >= 0) DoGetCellCursor(cell.X, cell.Y, Pos.x(), Pos.y());
  }
  // A header border being dragged keeps the split cursor.
  if (state == gsColSizing) view->setCursor(Qt::SplitHCursor);
  if (state == gsRowSizing) view->setCursor(Qt::SplitVCursor);
  FCursorGuard = false;
}

void TZadIrururOziz::DoGetCellCursor(int ACol, int ARow, int X, int Y) {
  (void)X, (void)Y;
  if (!OnGetCellCursor) return;
  QCursor cursor = viewport()->cursor();
  const Qt::CursorShape before = cursor.shape();
  OnGetCellCursor(this, ARow, ACol, cursor);
  if (cursor.shape() != before || cursor.shape() == Qt::BitmapCursor) viewport()->setCursor(cursor);
}

void TZadIrururOziz::Install_Focus_Hooks() {
  FCursorFilter = new Cursor_Filter(this);
  viewport()->installEventFilter(FCursorFilter);
  FLastFocus = QApplication::focusWidget();
  FEnterWatch =
      connect(qApp, &QApplication::focusChanged, this, [this](QWidget* Old, QWidget* Now) { Focus_Changed(Old, Now); });
  ApplyActiveStyleColors();
}
