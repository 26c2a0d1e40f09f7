// Arbitrary bytes as pasted text (UTF-8). The first byte picks the options:
// column and row growth, insertion, smart filling of a selection. The grid
// takes the text without harm, PasteText counts one value per field, and
// the grid never grows past what the text's fields need.
#include <QApplication>
#include <QClipboard>
#include <cstdlib>

#include "grid/clipboard/pasted_text.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 4000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_paste");
  const uint8_t flags = data[0];
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  TZadIrururOziz grid;
  grid.SetColCount(4);
  grid.SetRowCount(4);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Navigation().SetAllowClipboardColGrow(flags & 1);
  grid.Navigation().SetAllowClipboardRowGrow(flags & 2);
  grid.Navigation().SetClipboardPasteAction((flags & 4) ? paInsert : paReplace);
  grid.Navigation().SetAllowSmartClipboard(flags & 8);

  const std::vector<grid_clipboard::Pasted_Line> lines = grid_clipboard::Split_Pasted_Text(text);
  int fields = 0, widest = 0;
  for (const auto& line : lines) {
    fields += int(line.Fields.size());
    widest = std::max(widest, int(line.Fields.size()));
  }
  int rows = 0, cols = 0;
  const int count = grid.PasteText(1, 1, rows, cols, text);
  if (count != fields || rows != int(lines.size())) std::abort();
  if (grid.ColCount() > std::max(4, 1 + widest)) std::abort();
  if (grid.RowCount() > 4 + 2 * int(lines.size())) std::abort();  // insertion and growth

  // The same text through the clipboard into a selection, and written raw.
  QGuiApplication::clipboard()->setText(text);
  grid.SelectCells(1, 1, 2, 3);
  grid.PasteSelectionFromClipboard();
  grid.SelectCells(0, 0, 0, 0);
  grid.SetSelectionAsText(text);
  return 0;
}
