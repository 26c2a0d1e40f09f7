#pragma once
#include <QString>

// Removes blanks and control characters (everything up to U+0020) from both
// ends, the way the stored files and typed fields have always been trimmed.
QString Trim_Blanks(const QString& text);
