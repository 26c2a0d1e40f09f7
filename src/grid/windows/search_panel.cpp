#include "grid/windows/search_panel.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"

void TRetEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    const auto& report = (event->modifiers() & Qt::ControlModifier) ? OnCtrlReturn : OnReturn;
    if (report) report();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TRetEdit::SetColor(TColor Value) {
  FColor = Value;
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, To_QColor(Value));
  setPalette(palette);
  update();
}

namespace {

// The buttons' small pictures, drawn on a see-through magenta ground (the
// colour of the bottom-left pixel).
enum class Glyph { Down, Up, Close, Highlight };

QImage Draw_Glyph(Glyph kind, QColor ink) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  switch (kind) {
    case Glyph::Down:
      p.drawPolygon(QPolygon({{4, 6}, {12, 6}, {8, 11}}));
      break;
    case Glyph::Up:
      p.drawPolygon(QPolygon({{4, 10}, {12, 10}, {8, 5}}));
      break;
    case Glyph::Close:
      p.setPen(QPen(ink, 2));
      p.drawLine(4, 4, 11, 11);
      p.drawLine(11, 4, 4, 11);
      break;
    case Glyph::Highlight:
      p.fillRect(3, 4, 10, 7, QColor(255, 230, 0));
      p.setPen(ink);
      p.drawLine(5, 7, 10, 7);
      break;
  }
  return image;
}

TZadGridButton* Make_Button(QWidget* parent, QRect place, const std::function<void()>& click) {
  auto* button = new TZadGridButton(parent);
  button->setGeometry(place);
  button->OnClick = click;
  return button;
}

}  // namespace

namespace {

// The lefts of the parts, read left to right.
constexpr int Edit_Left = 25, Forward_Left = 140, Backward_Left = 235, Close_Left = 5, Highlight_Left = 330;
constexpr int Match_Case_Left = 425;

}  // namespace

TSearchPanel::TSearchPanel(QWidget* AGrid) : QWidget(AGrid), FGrid(AGrid) {
  FEdit = new TRetEdit(this);
  FEdit->setGeometry(Edit_Left, 6, 110, 21);
  connect(FEdit, &QLineEdit::textChanged, this, [this] { Edit_Changed(); });
  FEdit->OnReturn = [this] {
    if (OnForwardClick) OnForwardClick();
  };
  FEdit->OnCtrlReturn = [this] {
    if (OnBackwardClick) OnBackwardClick();
  };

  FForward = Make_Button(this, QRect(140, 5, 90, 23), [this] {
    if (OnForwardClick) OnForwardClick();
  });
  FForward->SetGlyph(Draw_Glyph(Glyph::Down, QColor(0, 100, 0)));
  FForward->SetGlyphDisabled(Draw_Glyph(Glyph::Down, QColor(160, 160, 160)));
  FBackward = Make_Button(this, QRect(235, 5, 90, 23), [this] {
    if (OnBackwardClick) OnBackwardClick();
  });
  FBackward->SetGlyph(Draw_Glyph(Glyph::Up, QColor(0, 100, 0)));
  FBackward->SetGlyphDisabled(Draw_Glyph(Glyph::Up, QColor(160, 160, 160)));
  FExit = Make_Button(this, QRect(5, 7, 14, 14), [this] {
    if (OnExitClick) OnExitClick();
  });
  FExit->SetGlyph(Draw_Glyph(Glyph::Close, QColor(90, 90, 90)));
  FExit->SetGlyphHot(Draw_Glyph(Glyph::Close, QColor(200, 0, 0)));
  FExit->SetGlyphDown(Draw_Glyph(Glyph::Close, QColor(120, 0, 0)));
  FHilite = Make_Button(this, QRect(330, 5, 90, 23), [this] {
    if (OnHighlightClick) OnHighlightClick();
  });
  FHilite->SetStyle(tasCheck);
  FHilite->SetGlyph(Draw_Glyph(Glyph::Highlight, Qt::black));
  FHilite->SetGlyphDisabled(Draw_Glyph(Glyph::Highlight, QColor(160, 160, 160)));
  for (TZadGridButton* button : {FForward, FBackward, FHilite}) button->setEnabled(false);

  FMatchCase = new TZadCheckBox(this);
  FMatchCase->setGeometry(Match_Case_Left, 8, 120, 18);
  if (FGrid) FGrid->installEventFilter(this);
}

void TSearchPanel::Place_Parts() {
  const bool mirrored = layoutDirection() == Qt::RightToLeft;
  auto place = [&](QWidget* part, int left) {
    part->move(mirrored ? width() - part->width() - left : left, part->y());
  };
  place(FEdit, Edit_Left);
  place(FForward, Forward_Left);
  place(FBackward, Backward_Left);
  place(FExit, Close_Left);
  place(FHilite, Highlight_Left);
  place(FMatchCase, FHilite->isVisibleTo(this) ? Match_Case_Left : Highlight_Left);
}

void TSearchPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Place_Parts();
}

void TSearchPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LayoutDirectionChange) Place_Parts();
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FGrid && event->type() == QEvent::Show) {
    FGrid->removeEventFilter(this);
    Place_Parts();
    if (OnCreated) OnCreated();
  }
  return QWidget::eventFilter(watched, event);
}

void TSearchPanel::Edit_Changed() {
  const bool any = !FEdit->text().isEmpty();
  for (TZadGridButton* button : {FForward, FBackward, FHilite}) button->setEnabled(any);
  if (OnEditChange) OnEditChange();
}

void TSearchPanel::SetColor(TColor Value) {
  FColor = Value;
  update();
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  update();
}

void TSearchPanel::SetLineColor(TColor Value) {
  FLineColor = Value;
  update();
}

void TSearchPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect r{0, 0, width(), height()};
  canvas.Brush.Color = FColor;
  canvas.Pen.Color = FColor;
  if (FColorTo == clNone)
    canvas.Fill_Rect(r);
  else
    Draw_Gradient_Steps(canvas, FColor, FColorTo, 32, r, false);
  canvas.Pen.Color = FLineColor;
  canvas.Pen.Width = 1;
  canvas.Move_To(0, 0);
  canvas.Line_To(width(), 0);
}
