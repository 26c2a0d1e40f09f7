// The focus frame around the edited cell and the move arrows.
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QRegion>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/alpha_mask.h"
#include "grid/windows/grid_focus_window.h"

namespace {

// One grid of the program shows the frame at a time.
QPointer<TZadIrururOziz>& Focus_Helper_Grid() {
  static QPointer<TZadIrururOziz> grid;
  return grid;
}

constexpr TColor Focus_Helper_Color = 0xFDD397;
constexpr uint8_t Focus_Helper_Opacity = 230;
// The ring reaches 4 pixels left of and above the cell, 5 right and below.
constexpr int Ring_Before = 4;
constexpr int Ring_Extra = 9;

}  // namespace

TZadIrururOziz* TZadIrururOziz::FocusHelperGrid() { return Focus_Helper_Grid(); }

void TZadIrururOziz::ShowFocusHelper(const TRect& R) {
  Focus_Helper_Grid() = this;
  if (!FFocusWindow) FFocusWindow = new TGridFocusWindow(this);
  FFocusWindow->hide();
  const int w = R.Width() + Ring_Extra, h = R.Height() + Ring_Extra;

  QImage mask;
  MakeBlurredRoundRectMask(mask, w, h, 3.0, 5, 4);
  QImage colour(w, h, QImage::Format_RGB888);
  colour.fill(To_QColor(Focus_Helper_Color));
  TGridAlphaMask alpha;
  alpha.MergeMask(mask, colour);
  alpha.SetOpacity(Focus_Helper_Opacity);

  // A hole exactly over the cell: the editor stays reachable and unblurred.
  FFocusWindow->setMask(QRegion(0, 0, w, h).xored(QRegion(Ring_Before, Ring_Before, R.Width(), R.Height())));
  UpdateLayeredFromMask(FFocusWindow, alpha);
  const QPoint at = viewport()->mapToGlobal(QPoint(R.Left, R.Top)) - QPoint(Ring_Before, Ring_Before);
  FFocusWindow->setGeometry(at.x(), at.y(), w, h);
  FFocusWindow->show();
  Follow_Top_Level(true);
}

void TZadIrururOziz::UpdateFocusHelper() {
  if (!FFocusWindow) return;
  const TRect r = CellRect(Col(), Row());
  const QPoint at = viewport()->mapToGlobal(QPoint(r.Left, r.Top)) - QPoint(Ring_Before, Ring_Before);
  FFocusWindow->setGeometry(at.x(), at.y(), r.Width() + Ring_Extra, r.Height() + Ring_Extra);
  FFocusWindow->update();
}

void TZadIrururOziz::HideFocusHelper() {
  Focus_Helper_Grid() = nullptr;
  Follow_Top_Level(false);
  if (FFocusWindow) FFocusWindow->hide();
}

void TZadIrururOziz::UpdateLayeredFromMask(TGridFocusWindow* Window, const TGridAlphaMask& Mask) {
  if (Window) Window->UpdateLayered(Mask);
}

// The frame follows its cell when the window around the grid moves.
void TZadIrururOziz::Follow_Top_Level(bool Follow) {
  // The owner window's filter serves its resizing too and stays.
  if (FFollowedWindow && FFollowedWindow != FOwnerForm) FFollowedWindow->removeEventFilter(this);
  FFollowedWindow = Follow ? window() : nullptr;
  if (FFollowedWindow) FFollowedWindow->installEventFilter(this);
}

bool TZadIrururOziz::Window_Extras_Filter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == FFollowedWindow && (type == QEvent::Move || type == QEvent::Resize)) {
    if (FocusHelperGrid() == this) UpdateFocusHelper();
  } else if (watched == InplaceEditor() && type == QEvent::Hide && FocusHelperGrid() == this) {
    HideFocusHelper();
  } else if (watched == viewport() && type == QEvent::Resize) {
    Place_Search_Panel();
  }
  return false;
}

TArrowWindow* TZadIrururOziz::ArrowWindow(TArrowDirection Dir) {
  TArrowWindow*& arrow = FArrows[Dir];
  if (!arrow) arrow = new TArrowWindow(this, Dir);
  return arrow;
}
