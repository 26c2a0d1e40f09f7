#pragma once
// TDragScrollOptions: whether and how fast the grid scrolls while something
// is dragged near its edges: the margins (pixels from each edge that start
// scrolling) and the delays (milliseconds before the first step and between
// the following ones).
class TDragScrollDelays {
 public:
  void Assign(const TDragScrollDelays& Source) { *this = Source; }
  int InitialDelay = 1000;
  int RepeatDelay = 250;
};

class TDragScrollMargins {
 public:
  void Assign(const TDragScrollMargins& Source) { *this = Source; }
  int TopMargin = 50;
  int BottomMargin = 50;
  int LeftMargin = 50;
  int RightMargin = 50;
};

class TDragScrollOptions {
 public:
  void Assign(const TDragScrollOptions& Source) {
    if (&Source == this) return;
    FMargins.Assign(Source.FMargins);
    FDelays.Assign(Source.FDelays);
    FActive = Source.FActive;
  }
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TDragScrollDelays& Delays() { return FDelays; }
  const TDragScrollDelays& Delays() const { return FDelays; }
  TDragScrollMargins& Margins() { return FMargins; }
  const TDragScrollMargins& Margins() const { return FMargins; }

 private:
  bool FActive = false;
  TDragScrollDelays FDelays;
  TDragScrollMargins FMargins;
};

// Directions of a drag scroll, as bits.
enum TDragScrollDir : unsigned { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirection = unsigned;
