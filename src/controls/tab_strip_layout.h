#pragma once
#include <vector>

#include "controls/trect.h"

// Which edge of a page control carries the tabs.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// Places tabs of the given lengths (along the strip) and common thickness on
// one edge of a W x H control, starting 2 pixels in. With multi_line a tab
// that would pass the far end (2 pixels short of the edge) starts a new row
// further from the edge; otherwise the row runs on past the end. The rows turn
// round so that the row of the `selected` tab (-1: none) lies next to the page.
std::vector<TRect> Layout_Tab_Strip(TTabPosition position, int W, int H, bool multi_line, int thickness,
                                    const std::vector<int>& lengths, int selected = -1);
