#include "outputs/serial/comm_event_chars.h"

#include "outputs/serial/custom_comm.h"

void TCommEventChars::Set(char& field, char value) {
  if (field == value) return;
  const char old = field;
  field = value;
  try {
    if (FOwner != nullptr) FOwner->Reapply_Settings();
  } catch (...) {
    field = old;
    throw;
  }
}

void TCommEventChars::Assign(const TCommEventChars& source) {
  const TCommEventChars old = *this;
  FXonChar = source.FXonChar;
  FXoffChar = source.FXoffChar;
  FErrorChar = source.FErrorChar;
  FEofChar = source.FEofChar;
  FEvtChar = source.FEvtChar;
  try {
    if (FOwner != nullptr) FOwner->Reapply_Settings();
  } catch (...) {
    FXonChar = old.FXonChar;
    FXoffChar = old.FXoffChar;
    FErrorChar = old.FErrorChar;
    FEofChar = old.FEofChar;
    FEvtChar = old.FEvtChar;
    throw;
  }
}
