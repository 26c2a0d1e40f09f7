#pragma once
// TArrowWindow: one of the four small lime arrows that show where a dragged
// column or row will land. A frameless top-level window cut to the arrow's
// outline; it never takes the focus.
#include <QPolygon>
#include <QWidget>

#include "controls/tcolor.h"

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public QWidget {
  Q_OBJECT

 public:
  // Hidden until the mover shows it; AOwner owns it.
  TArrowWindow(QWidget* AOwner, TArrowDirection direction);

  TArrowDirection Dir() const { return FDir; }
  // The seven outline points in window coordinates.
  const QPolygon& Arrow() const { return FArrow; }
  // The outline of a direction: arrUp and arrDown point that way, arrLeft
  // points right (it stands left of its target), arrRight points left.
  static QPolygon Outline(TArrowDirection direction);
  // The fill, lime unless the grid's ArrowColor says otherwise.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TArrowDirection FDir;
  QPolygon FArrow;
  TColor FColor = clLime;
};
