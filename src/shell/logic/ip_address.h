#pragma once
#include <QString>

// Splits a dotted IPv4 address into its four parts (as text, trimmed). True
// only when each part reads as a number 0..255; blanks around the numbers and
// the points are allowed. Parts already found stay in the outputs on failure.
bool Split_IP_Address(const QString& text, QString& oct1, QString& oct2, QString& oct3, QString& oct4);
