#pragma once
// The look-up text of a list drop-down: keys typed within 500 ms of the first
// key of a burst add up to one text; 500 ms after that first key the text is
// forgotten (a key typed meanwhile does not prolong it). Keys count by their
// key codes as the look-up has always seen them: letters as capitals, digits
// as digits, and keys without a character of their own (Shift, Enter, the
// arrows) as control codes, which then keep the text from matching anything
// until it is forgotten.
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

class TypeAheadText {
 public:
  TypeAheadText();
  TypeAheadText(const TypeAheadText&) = delete;
  TypeAheadText& operator=(const TypeAheadText&) = delete;

  // Milliseconds (tests replace it); without it only the timer forgets.
  std::function<uint32_t()> Clock;

  // Adds the key (a Qt key code) and answers the look-up text so far.
  const QString& Add(int Key);
  const QString& Text() const { return FText; }
  void Clear();
  // Whether the forgetting timer runs.
  bool Active() const { return FTimer.isActive(); }

 private:
  QString FText;
  QTimer FTimer;
  uint32_t FStart = 0;
};

// The key code a look-up takes for a Qt key: letters as capitals, digits
// (also of the keypad) as digits, and for the other keys the code of the
// key on a US keyboard; 0 for keys that have none.
int Look_Up_Key_Code(int Key);
