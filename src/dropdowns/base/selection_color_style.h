#pragma once
// The colour presets of the selection bar of the list-like drop-downs and of
// the item selector's hot and selected items; scCustom leaves the colours as
// they are set.
enum TSelectionColorStyle { scCustom = 0, scOffice2007 = 1, scWindowsVista = 2, scWindows7 = 3 };
