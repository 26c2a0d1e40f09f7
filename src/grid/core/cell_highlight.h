#pragma once
// Highlighted ("hi") and marked ("e") text in cell texts: search hits and
// errors the cell checker found, drawn by the HTML cell renderer. These work
// on a text alone; the grid's HilightIn... and MarkIn... members apply them
// to its cells.
#include <QString>

// S with every occurrence of Text in its visible text wrapped in <hi></hi>;
// case-sensitive when DoCase. S stays as it is when Text does not occur.
QString HilightText(bool DoCase, const QString& S, const QString& Text);
// S without any "hi" tag (any letter case), "&lt;"/"&gt;" back as "<"/">".
QString UnHilightText(const QString& S);
// The same with the tag "e".
QString MarkText(bool DoCase, const QString& S, const QString& Text);
QString UnMarkText(const QString& S);
