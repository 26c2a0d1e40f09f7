#include "dropdowns/base/type_ahead_text.h"

namespace {

constexpr uint32_t kLifeTime = 500;

struct Key_Code {
  int Key;
  int Code;
};

// Keys without a character of their own and the punctuation keys, by the
// code of their key (shifted symbols by the key that gives them).
constexpr Key_Code kCodes[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

}  // namespace

int Look_Up_Key_Code(int Key) {
  if ((Key >= Qt::Key_A && Key <= Qt::Key_Z) || (Key >= Qt::Key_0 && Key <= Qt::Key_9)) return Key;
  if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24) return 112 + (Key - Qt::Key_F1);
  for (const Key_Code& k : kCodes)
    if (k.Key == Key) return k.Code;
  return 0;
}

TypeAheadText::TypeAheadText() {
  FTimer.setSingleShot(true);
  FTimer.setInterval(int(kLifeTime));
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Clear(); });
}

const QString& TypeAheadText::Add(int Key) {
  const uint32_t now = Clock ? Clock() : 0u;
  // A key after the text's life ends starts a new one, even when the timer
  // has not been served yet.
  if (!FText.isEmpty() && Clock && now - FStart >= kLifeTime) Clear();
  if (FText.isEmpty()) FStart = now;
  if (const int code = Look_Up_Key_Code(Key)) FText += QChar(char16_t(code));
  if (!FTimer.isActive()) FTimer.start();
  return FText;
}

void TypeAheadText::Clear() {
  FTimer.stop();
  FText.clear();
}
