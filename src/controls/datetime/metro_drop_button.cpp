#include "controls/datetime/metro_drop_button.h"

#include <QWidget>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"

void Paint_Metro_Drop_Button(TCanvas& Canvas, QWidget* picker, const TRect& button, const TRect& fill,
                             const Drop_Button_Colors& colors, bool hover, bool down, bool dropped_down) {
  if (colors.Color != clNone) {
    Draw_Custom_Drop_Button(Canvas, fill, button.Left + 2, button.Left + 5, button.Top, colors, hover, down);
    return;
  }
  const bool enabled = picker->isEnabled();
  const int state = !enabled ? 4 : down && dropped_down ? 3 : (hover && !down && !dropped_down) ? 2 : 1;
  if (Editor_Theme_Active() &&
      Draw_Editor_Theme_Part(Canvas.Painter(), picker, kEditorThemeComboBox, 1, state, button.To_QRect()))
    return;
  TRect r = button;
  Draw_Frame_Control(Canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (enabled ? DFCS_FLAT : DFCS_INACTIVE));
}
