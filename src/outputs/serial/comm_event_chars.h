#pragma once

class TCustomComm;

// The port's special characters. Changing one re-applies the device control block
// when the owning port is open.
class TCommEventChars {
 public:
  explicit TCommEventChars(TCustomComm* owner) : FOwner(owner) {}

  char XonChar() const { return FXonChar; }
  char XoffChar() const { return FXoffChar; }
  char ErrorChar() const { return FErrorChar; }
  char EofChar() const { return FEofChar; }
  char EvtChar() const { return FEvtChar; }
  void SetXonChar(char value) { Set(FXonChar, value); }
  void SetXoffChar(char value) { Set(FXoffChar, value); }
  void SetErrorChar(char value) { Set(FErrorChar, value); }
  void SetEofChar(char value) { Set(FEofChar, value); }
  void SetEvtChar(char value) { Set(FEvtChar, value); }

  // Copies the five characters (not the owner), then re-applies once.
  void Assign(const TCommEventChars& source);

 private:
  void Set(char& field, char value);

  TCustomComm* FOwner;
  char FXonChar = 17;
  char FXoffChar = 19;
  char FErrorChar = 0;
  char FEofChar = 0;
  char FEvtChar = 0;
};
