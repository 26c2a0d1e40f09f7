#pragma once
// One tick of a hand animation: the hand covers 1/Factor of the remaining
// distance (at least one unit) and lands on the target once within one unit
// of it. A factor below 1 counts as 1.

struct Hand_Step {
  int Value = 0;
  bool Done = false;
};

Hand_Step Step_Hour_Toward(int Hour, int Target, int Factor);
// Minutes go forward through twelve o'clock when the target is 0 and the
// hand stands past the half hour; a result of 60 or more is 0.
Hand_Step Step_Minute_Toward(int Minute, int Target, int Factor);
