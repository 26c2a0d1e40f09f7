// Reading old binary workbooks (.xls, BIFF in a compound file) through
// FreeXL: sheet names, and each sheet's cells as texts and numbers. The
// format keeps no shown sheet FreeXL reports, so the first sheet is taken
// as the active one.
#include <freexl.h>

#include "grid/workbook/workbook_dates.h"
#include "grid/workbook/workbook_source.h"

namespace grid_workbook {

namespace {

class Xls_Workbook : public Workbook_Source {
 public:
  explicit Xls_Workbook(const QString& path) {
    if (freexl_open(path.toLocal8Bit().constData(), &handle_) != FREEXL_OK) {
      Close();
      throw Package_Damaged_Xls();
    }
    unsigned int count = 0;
    if (freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0 || count > 4096) {
      Close();
      throw Package_Damaged_Xls();
    }
    for (unsigned short i = 0; i < count; ++i) {
      const char* name = nullptr;
      if (freexl_get_worksheet_name(handle_, i, &name) != FREEXL_OK || !name) {
        Close();
        throw Package_Damaged_Xls();
      }
      names_.append(QString::fromUtf8(name));
    }
  }
  ~Xls_Workbook() override { Close(); }
  Xls_Workbook(const Xls_Workbook&) = delete;
  Xls_Workbook& operator=(const Xls_Workbook&) = delete;

  QStringList Sheet_Names() const override { return names_; }
  int Active_Sheet() const override { return 0; }

  Sheet_Cells Read_Sheet(int index) const override {
    if (index < 0 || index >= names_.size()) throw Package_Damaged_Xls();
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_select_active_worksheet(handle_, (unsigned short)index) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle_, &rows, &cols) != FREEXL_OK)
      throw Package_Damaged_Xls();
    if (rows > unsigned(Max_Sheet_Rows) || cols > Max_Sheet_Columns ||
        (long long)rows * cols > Max_Sheet_Cells)
      throw Package_Damaged_Xls();
    Sheet_Cells cells;
    int r1 = Max_Sheet_Rows + 1, r2 = 0, c1 = Max_Sheet_Columns + 1, c2 = 0;
    for (unsigned int r = 0; r < rows; ++r)
      for (unsigned short c = 0; c < cols; ++c) {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(handle_, r, c, &value) != FREEXL_OK) throw Package_Damaged_Xls();
        QString text;
        switch (value.type) {
          case FREEXL_CELL_INT:
            text = Number_Text(value.value.int_value);
            break;
          case FREEXL_CELL_DOUBLE:
            text = Number_Text(value.value.double_value);
            break;
          case FREEXL_CELL_TEXT:
          case FREEXL_CELL_SST_TEXT:
            text = QString::fromUtf8(value.value.text_value);
            break;
          case FREEXL_CELL_DATE:
            text = Iso_Date_Text(QString::fromUtf8(value.value.text_value), Date_Kind::Date);
            break;
          case FREEXL_CELL_DATETIME:
            text = Iso_Date_Text(QString::fromUtf8(value.value.text_value), Date_Kind::Date_Time);
            break;
          case FREEXL_CELL_TIME:
            text = Iso_Date_Text(QString::fromUtf8(value.value.text_value), Date_Kind::Time);
            break;
          default:
            continue;
        }
        const int row = int(r) + 1, col = int(c) + 1;
        r1 = std::min(r1, row);
        r2 = std::max(r2, row);
        c1 = std::min(c1, col);
        c2 = std::max(c2, col);
        if (!text.isEmpty()) cells.Values[{row, col}] = text;
      }
    cells.Address = r2 == 0 ? Range_Address(1, 1, 1, 1) : Range_Address(c1, r1, c2, r2);
    return cells;
  }

 private:
  static Package_Damaged Package_Damaged_Xls() { return Package_Damaged("not a readable binary workbook"); }
  void Close() {
    if (handle_) freexl_close(handle_);
    handle_ = nullptr;
  }
  const void* handle_ = nullptr;
  QStringList names_;
};

}  // namespace

std::unique_ptr<Workbook_Source> Open_Xls(const QString& path) { return std::make_unique<Xls_Workbook>(path); }

}  // namespace grid_workbook
