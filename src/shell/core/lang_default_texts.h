#pragma once
// The built-in English text of every language text number.
constexpr int Lang_Table_Default_Size = 1900;
// English text of number n (0..1899); " " for numbers without one, and for n out of range.
const char* Default_Lang_Text(int n);
