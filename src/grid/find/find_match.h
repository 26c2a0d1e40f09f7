#pragma once
// Whether one cell text matches a search text under a set of find
// parameters. Both texts come prepared: upper-cased unless fnMatchCase, the
// cell text without its tags where fnIgnoreHTMLTags asks for that.
#include <QString>

#include "grid/find/find_params.h"

// Two double quotes find empty cells. fnMatchRegular tests the search text
// as a filter condition; otherwise the search text must occur in the cell
// text (at its start with fnMatchStart, as all of it with fnMatchFull). An
// empty search text matches nothing.
bool Find_Text_Matches(const QString& CellText, const QString& Search, TFindParams Params);
