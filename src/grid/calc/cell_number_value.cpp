// A cell's number as its formatted text shows it, and the grid's part of
// form scaling.
#include <cstdlib>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

namespace {

// a * b / c rounded half away from zero, the product taken over 64 bits.
int Mul_Div(int a, int b, int c) {
  const int64_t product = int64_t(a) * b;
  int64_t q = product / c;
  const int64_t r = product % c;
  if (2 * std::abs(r) >= std::abs(int64_t(c))) q += (product < 0) != (c < 0) ? -1 : 1;
  return int(q);
}

QFont Scaled(QFont font, int M, int D) {
  if (font.pointSize() > 0)
    font.setPointSize(Mul_Div(font.pointSize(), M, D));
  else if (font.pixelSize() > 0)
    font.setPixelSize(Mul_Div(font.pixelSize(), M, D));
  return font;
}

}  // namespace

double TZadIrururOziz::CellToReal(int ACol, int ARow) {
  const QString text = TBaseGrid::GetCellEx(ACol, ARow).trimmed();
  if (text.isEmpty()) return 0;
  bool stopped = false;
  const QString number = grid_text::NormalizeNumberText(text, stopped);
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (ok && !stopped) return value;
  // The first character the number does not take (1-based).
  int position = int(number.size()) + 1;
  if (!ok) {
    position = 1;
    for (int length = int(number.size()) - 1; length > 0; --length) {
      bool prefix_ok = false;
      number.left(length).toDouble(&prefix_ok);
      if (prefix_ok) {
        position = length + 1;
        break;
      }
    }
  }
  throw VAzaZeriVader(
      QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(position).arg(ACol).arg(ARow).toStdString());
}

void TZadIrururOziz::ChangeScale(int M, int D) {
  // Positions and sizes follow the layouts; only the grid's own fonts scale.
  if (IsDesigning() || M == D || D == 0) return;
  SetFixedFont(Scaled(FFixedFont, M, D));
  SetActiveCellFont(Scaled(FActiveCellFont, M, D));
}
