#pragma once
// The colours each of the sixteen component styles gives a drop-down: its
// popup background and border, the popup's header and footer bars, the bar
// buttons and the item selector's hot and selected items. tsCustom leaves
// everything as it is.
#include "controls/tcolor.h"
#include "grid/theme/style_if.h"

class TDropDownBarAppearance;
class TZadButtonAppearance;
class TItemAppearance;

// The popup's own colours, changed in place.
struct Popup_Colors {
  TColor Color = clNone;
  TColor ColorTo = clNone;
  TColor BorderColor = clNone;
};

// Sets the popup colours, the header's and footer's Color, ColorTo,
// FontColor and BorderColor and the button colours of AStyle. The bars are
// changed without their change notices; the caller repaints.
void Apply_Drop_Down_Style(TDUDStyle AStyle, Popup_Colors& Popup, TDropDownBarAppearance& Header,
                           TDropDownBarAppearance& Footer, TZadButtonAppearance& Buttons);

// The hot and selected item colours of AStyle; nothing for a null appearance
// or tsCustom.
void Apply_Item_Appearance_Style(TItemAppearance* Appearance, TDUDStyle AStyle);
