#include "grid/controls/grid_button_layout.h"

Button_Places Place_Glyph_And_Caption(QSize client, QSize glyph, QSize caption, TButtonLayout layout, int margin,
                                      int spacing, bool right_to_left) {
  if (right_to_left) {
    if (layout == blGlyphLeft)
      layout = blGlyphRight;
    else if (layout == blGlyphRight)
      layout = blGlyphLeft;
  }
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  Button_Places at;
  // Centred on the other axis.
  if (across) {
    at.caption.setY((client.height() - caption.height() + 1) / 2);
    at.glyph.setY((client.height() - glyph.height() + 1) / 2);
  } else {
    at.caption.setX((client.width() - caption.width() + 1) / 2);
    at.glyph.setX((client.width() - glyph.width() + 1) / 2);
  }
  if (caption.width() == 0 || glyph.width() == 0) spacing = 0;
  const int room = across ? client.width() : client.height();
  const int glyph_len = across ? glyph.width() : glyph.height();
  const int caption_len = across ? caption.width() : caption.height();
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - (glyph_len + caption_len)) / 3;
      spacing = margin;
    } else {
      margin = (room - (glyph_len + spacing + caption_len) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - (margin + glyph_len) - caption_len) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      at.glyph.setX(margin);
      at.caption.setX(margin + glyph_len + spacing);
      break;
    case blGlyphRight:
      at.glyph.setX(room - margin - glyph_len);
      at.caption.setX(at.glyph.x() - spacing - caption_len);
      break;
    case blGlyphTop:
      at.glyph.setY(margin);
      at.caption.setY(margin + glyph_len + spacing);
      break;
    case blGlyphBottom:
      at.glyph.setY(room - margin - glyph_len);
      at.caption.setY(at.glyph.y() - spacing - caption_len);
      break;
  }
  return at;
}
