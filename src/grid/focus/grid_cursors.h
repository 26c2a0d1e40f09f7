#pragma once
// The cursors bundled with the grid, by their numbers: 8010 row selection,
// 8011 column selection, 8012 selecting everything (and resizing the
// selection), 8014 the cell selector; an unknown number gives the arrow.
#include <QCursor>

QCursor GridResourceCursor(int Id);
