#include "controls/zb_glyphs.h"

#include <QColor>
#include <initializer_list>

namespace {

// One frame as rows of characters; '.' is the transparent background.
using Pixel_Art = std::initializer_list<const char*>;

const Pixel_Art kCheck = {"",
                          "",
                          "",
                          "              GG",
                          "             GGG",
                          "            GGG",
                          "           GGG",
                          "          GGG",
                          "  GG     GGG",
                          "  GGG   GGG",
                          "   GGG GGG",
                          "    GGGGG",
                          "     GGG",
                          "      G"};
const Pixel_Art kCross = {"",
                          "",
                          "   RR       RR",
                          "   RRR     RRR",
                          "    RRR   RRR",
                          "     RRR RRR",
                          "      RRRRR",
                          "       RRR",
                          "      RRRRR",
                          "     RRR RRR",
                          "    RRR   RRR",
                          "   RRR     RRR",
                          "   RR       RR"};
const Pixel_Art kQuestion = {"",
                             "      BBBBB",
                             "     BB   BB",
                             "     BB   BB",
                             "          BB",
                             "         BB",
                             "        BB",
                             "        BB",
                             "        BB",
                             "",
                             "        BB",
                             "        BB"};
const Pixel_Art kNo = {"",
                       "      RRRRR",
                       "    RR     RR",
                       "   R       RR",
                       "   R      R R",
                       "  R      R   R",
                       "  R     R    R",
                       "  R    R     R",
                       "  R   R      R",
                       "   R R      R",
                       "   RR       R",
                       "    RR     RR",
                       "      RRRRR"};
const Pixel_Art kClose = {"",
                          "  KKKKKKKKKKKKK",
                          "  K           K",
                          "  K RR     RR K",
                          "  K  RR   RR  K",
                          "  K   RR RR   K",
                          "  K    RRR    K",
                          "  K   RR RR   K",
                          "  K  RR   RR  K",
                          "  K RR     RR K",
                          "  K           K",
                          "  KKKKKKKKKKKKK"};
const Pixel_Art kAbort = {"",
                          "      RRRRRR",
                          "     RRRRRRRR",
                          "    RRRRRRRRRR",
                          "   RRRRRRRRRRRR",
                          "   RRWWWWWWWWRR",
                          "   RRWWWWWWWWRR",
                          "   RRRRRRRRRRRR",
                          "    RRRRRRRRRR",
                          "     RRRRRRRR",
                          "      RRRRRR"};
const Pixel_Art kRetry = {
    "",     "       BBBBB  B", "     BB     BBB", "    B       BBB", "   B       BBBB", "   B", "   B",
    "   B", "   B          B", "    B        B",  "     BB     BB",  "       BBBBB"};
const Pixel_Art kIgnore = {"",
                           "",
                           "",
                           "          B",
                           "          BB",
                           "  BBBBBBBBBBB",
                           "  BBBBBBBBBBBB",
                           "  BBBBBBBBBBB",
                           "          BB",
                           "          B",
                           "",
                           "  KK KK KK KK KK",
                           "  KK KK KK KK KK"};
const Pixel_Art kAll = {"",
                        "",
                        "",
                        "             G  GG",
                        "            GG GGG",
                        "           GG GGG",
                        "          GG GGG",
                        "  G     GG  GGG",
                        "  GG   GG  GGG",
                        "   GG GG  GGG",
                        "    GGG  GGG",
                        " GG  G  GGG",
                        " GGG   GGG",
                        "  GGG GGG",
                        "   GGGGG",
                        "    GGG",
                        "     G"};

constexpr QRgb kBackground = 0xFFFF00FF;

QRgb Ink(char c) {
  switch (c) {
    case 'G':
      return qRgb(0, 128, 0);
    case 'R':
      return qRgb(192, 0, 0);
    case 'B':
      return qRgb(0, 0, 160);
    case 'W':
      return qRgb(255, 255, 255);
    default:
      return qRgb(0, 0, 0);
  }
}

// Normal frame at x 0, disabled (grey with a white shadow) at x = size.
QImage Strip(const Pixel_Art& art, int width, int height) {
  QImage strip(width * 2, height, QImage::Format_RGB32);
  strip.fill(kBackground);
  int y = 0;
  for (const char* row : art) {
    for (int x = 0; row[x] != '\0' && x < width; ++x) {
      if (row[x] == ' ' || row[x] == '.') continue;
      strip.setPixel(x, y, Ink(row[x]));
      if (x + 1 < width && y + 1 < height) strip.setPixel(width + x + 1, y + 1, qRgb(255, 255, 255));
    }
    ++y;
  }
  y = 0;
  for (const char* row : art) {
    for (int x = 0; row[x] != '\0' && x < width; ++x) {
      if (row[x] != ' ' && row[x] != '.') strip.setPixel(width + x, y, qRgb(128, 128, 128));
    }
    ++y;
  }
  return strip;
}

}  // namespace

QImage Zb_Kind_Glyph(TZbButtonKind kind) {
  switch (kind) {
    case bkOK:
    case bkYes:
      return Strip(kCheck, 18, 18);
    case bkCancel:
      return Strip(kCross, 18, 18);
    case bkHelp:
      return Strip(kQuestion, 18, 18);
    case bkNo:
      return Strip(kNo, 18, 18);
    case bkClose:
      return Strip(kClose, 18, 18);
    case bkAbort:
      return Strip(kAbort, 18, 18);
    case bkRetry:
      return Strip(kRetry, 18, 18);
    case bkIgnore:
      return Strip(kIgnore, 18, 18);
    case bkAll:
      return Strip(kAll, 18, 19);
    case bkCustom:
      break;
  }
  return QImage();
}

QImage Zb_Arrow_Glyph() {
  QImage arrow(5, 3, QImage::Format_RGB32);
  arrow.fill(kBackground);
  for (int x = 0; x < 5; ++x) arrow.setPixel(x, 0, qRgb(0, 0, 0));
  for (int x = 1; x < 4; ++x) arrow.setPixel(x, 1, qRgb(0, 0, 0));
  arrow.setPixel(2, 2, qRgb(0, 0, 0));
  return arrow;
}
