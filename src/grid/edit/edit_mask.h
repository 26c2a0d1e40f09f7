#pragma once
// Edit masks as the grid's settings and stored forms write them, turned
// into the platform line edit's input masks.
//
// Stored form: "<mask>[;<keep literals 0|1>[;<blank character>]]". Mask
// characters: 0 digit, 9 optional digit, # optional digit or sign, L letter,
// l optional letter, A letter or digit, a optional letter or digit, C any
// character, c optional any character, > upper case from here, < lower case
// from here, <> neither, \ the next character as it is, ! blanks trimmed
// (no effect here), : the time separator, / the date separator, _ a blank.
// Every other character stands for itself.
#include <QChar>
#include <QString>

namespace edit_mask {

// The input mask for QLineEdit::setInputMask; empty for an empty mask.
QString Input_Mask(const QString& mask, QChar time_separator, QChar date_separator);

}  // namespace edit_mask
