// Workbook and document exchange of TZadIrururOziz. No office program
// serves these calls here: workbooks and documents are read and written
// as files. A read takes the whole workbook into memory and checks it
// before the grid changes, so a damaged file leaves the grid as it was;
// every call shows the wait cursor and restores it on every exit.
#include <QFileInfo>
#include <QGuiApplication>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/workbook/docx_writer.h"
#include "grid/workbook/workbook_address.h"
#include "grid/workbook/workbook_source.h"
#include "grid/workbook/xlsx_writer.h"

using namespace grid_workbook;

namespace {

const char* const Incorrect_Xls = "Incorrect XLS file";
const char* const Incorrect_Doc = "Incorrect DOC file";
const char* const No_Excel = "Excel OLE server not found";
const char* const No_Word = "Word OLE server not found";

class Wait_Cursor {
 public:
  Wait_Cursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Wait_Cursor() { QGuiApplication::restoreOverrideCursor(); }
  Wait_Cursor(const Wait_Cursor&) = delete;
  Wait_Cursor& operator=(const Wait_Cursor&) = delete;
};

// The last suffix of the file name, upper case: "DATA.XLS.CSV" -> "CSV".
QString Suffix_Of(const QString& name) { return QFileInfo(name).suffix().toUpper(); }

std::unique_ptr<Workbook_Source> Open(const QString& file_name) {
  const QByteArray bytes = grid_files::Read_Bytes(file_name);
  try {
    return Open_Workbook(file_name, bytes);
  } catch (const Package_Damaged&) {
    throw std::runtime_error(Incorrect_Xls);
  }
}

// The names a spreadsheet program accepts for a sheet.
bool Valid_Sheet_Name(const QString& name) {
  if (name.isEmpty() || name.size() > 31 || name.startsWith(u'\'') || name.endsWith(u'\'')) return false;
  for (QChar ch : name)
    if (QStringLiteral("[]:*?/\\").contains(ch) || ch.unicode() < 0x20) return false;
  return true;
}

void Check_Writable_Workbook(const QString& file_name) {
  if (Suffix_Of(file_name) == QLatin1String("XLS")) throw VAzaZeriVader(No_Excel);
}

}  // namespace

QStringList TZadIrururOziz::GetXLSSheets(const QString& FileName) {
  Wait_Cursor wait;
  return Open(FileName)->Sheet_Names();
}

void TZadIrururOziz::LoadFromXLS(const QString& Filename) { LoadFromXLSSheet(Filename, QString()); }

void TZadIrururOziz::LoadFromXLSSheet(const QString& Filename, const QString& SheetName) {
  Wait_Cursor wait;
  const std::unique_ptr<Workbook_Source> book = Open(Filename);
  int index = book->Active_Sheet();
  if (!SheetName.isEmpty()) {
    index = book->Sheet_Names().lastIndexOf(SheetName);
    if (index < 0) throw VAzaZeriVader(("Excel worksheet " + SheetName + " not found").toStdString());
  }
  Sheet_Cells sheet;
  try {
    sheet = book->Read_Sheet(index);
  } catch (const Package_Damaged&) {
    throw std::runtime_error(Incorrect_Xls);
  }
  const Used_Range range = Parse_Used_Range(sheet.Address);
  if (!range.Valid()) throw std::runtime_error(Incorrect_Xls);
  const int F = FixedCols(), FR = FixedRows();
  const int CO = (SaveFixedCells() || SaveFixedCols()) ? 0 : F;
  const int RO = (SaveFixedCells() || SaveFixedRows()) ? 0 : FR;
  const long long cols = (long long)range.C2 - range.C1 + 1 + CO;
  const long long rows = (long long)range.R2 - range.R1 + 1 + RO;
  if (cols > grid_files::Max_Columns || rows > grid_files::Max_Rows || cols * rows > Max_Sheet_Cells)
    throw std::runtime_error(Incorrect_Xls);

  SetColCount(int(cols));
  SetRowCount(int(rows));
  if (F < ColCount()) SetFixedCols(F);
  if (FR < RowCount()) SetFixedRows(FR);
  for (int r = 1; r <= RowCount() - RO; ++r)
    for (int c = 1; c <= ColCount() - CO; ++c) {
      const auto found = sheet.Values.find({range.R1 + r - 1, range.C1 + c - 1});
      // An empty sheet cell empties its grid cell: what the grid held
      // before is not the workbook's.
      if (found != sheet.Values.end())
        DoLoadCell(c + CO - 1, r + RO - 1, found->second);
      else if (!GetGridCell(c + CO - 1, r + RO - 1).isEmpty())
        DoLoadCell(c + CO - 1, r + RO - 1, QString());
    }
  DoCellsChanged(TGridRect{0, 0, ColCount(), RowCount()});
  RecalcFooter();
}

namespace {

// The texts from SaveStartCol and SaveStartRow to the last column and row,
// line breaks without their CR.
Sheet_Values Workbook_Values(TZadIrururOziz& grid) {
  Sheet_Values values;
  const int SC = grid.SaveStartCol(), SR = grid.SaveStartRow();
  grid.ExportNotification(esExportStart, SR);
  for (int r = SR; r < grid.RowCount(); ++r) {
    grid.ExportNotification(esExportNextRow, r);
    QStringList row;
    for (int c = SC; c < grid.ColCount(); ++c) {
      QString v;
      grid.DoSaveCell(grid.RealColIndex(c), r, v);
      row.append(v.remove(u'\r'));
    }
    values.push_back(row);
  }
  grid.ExportNotification(esExportDone, -1);
  return values;
}

void Save(const QString& file_name, const QByteArray& bytes) {
  try {
    Save_File(file_name, bytes);
  } catch (const std::runtime_error& e) {
    throw VAzaZeriVader(e.what());
  }
}

// The whole grid, fixed cells included, with each cell's alignment.
Doc_Table Document_Table(TZadIrururOziz& grid) {
  Doc_Table table;
  grid.ExportNotification(esExportStart, 0);
  for (int r = 0; r < grid.RowCount(); ++r) {
    grid.ExportNotification(esExportNextRow, r);
    std::vector<Doc_Cell> row;
    for (int c = 0; c < grid.ColCount(); ++c) {
      Doc_Cell cell;
      grid.DoSaveCell(grid.RealColIndex(c), r, cell.Text);
      TAlignment ha = taLeftJustify;
      TVAlignment va{};
      grid.CellAlignment(c, r, ha, va);
      cell.Align = ha == taRightJustify ? Doc_Align::Right : ha == taCenter ? Doc_Align::Centre : Doc_Align::Left;
      row.push_back(cell);
    }
    table.push_back(std::move(row));
  }
  grid.ExportNotification(esExportDone, -1);
  return table;
}

void Check_Writable_Document(const QString& file_name) {
  if (Suffix_Of(file_name) == QLatin1String("DOC")) throw VAzaZeriVader(No_Word);
}

}  // namespace

void TZadIrururOziz::SaveToXLS(const QString& Filename, bool CreateNewSheet) {
  (void)CreateNewSheet;  // no open workbook to write into: always a new one
  Wait_Cursor wait;
  Check_Writable_Workbook(Filename);
  Save(Filename, New_Xlsx(QStringLiteral("Sheet1"), 1, Workbook_Values(*this)));
}

void TZadIrururOziz::SaveToXLSSheet(const QString& Filename, const QString& SheetName) {
  Wait_Cursor wait;
  Check_Writable_Workbook(Filename);
  if (!Valid_Sheet_Name(SheetName))
    throw VAzaZeriVader(("Excel worksheet name " + SheetName + " is not valid").toStdString());
  QByteArray book;
  if (QFileInfo::exists(Filename)) {
    const QByteArray old = grid_files::Read_Bytes(Filename);
    // An old binary workbook cannot be written; a damaged one is kept.
    if (Is_Compound_File(old)) throw VAzaZeriVader(No_Excel);
    try {
      book = Put_Xlsx_Sheet(old, SheetName, 1, Workbook_Values(*this));
    } catch (const Package_Damaged&) {
      throw std::runtime_error(Incorrect_Xls);
    }
  } else {
    book = New_Xlsx(SheetName, 1, Workbook_Values(*this));
  }
  Save(Filename, book);
}

void TZadIrururOziz::SaveToDOC(const QString& Filename, bool CreateNewDocument) {
  (void)CreateNewDocument;  // no open document to write into: always a new one
  Wait_Cursor wait;
  Check_Writable_Document(Filename);
  Save(Filename, New_Docx(Document_Table(*this)));
}

void TZadIrururOziz::AppendToDoc(const QString& Filename, const QString& Bookmark) {
  Wait_Cursor wait;
  Check_Writable_Document(Filename);
  const QByteArray old = grid_files::Read_Bytes(Filename);
  if (Is_Compound_File(old)) throw VAzaZeriVader(No_Word);
  QByteArray document;
  try {
    document = Append_Docx_Table(old, Document_Table(*this), Bookmark);
  } catch (const Package_Damaged&) {
    throw std::runtime_error(Incorrect_Doc);
  }
  Save(Filename, document);
}

void TZadIrururOziz::LoadFromMDBTable(const QString& Filename, const QString& Table) {
  LoadFromMDBSQL(Filename, "SELECT * FROM " + Table);
}

void TZadIrururOziz::LoadFromMDBSQL(const QString& Filename, const QString& SQL) {
  (void)Filename, (void)SQL;
  Wait_Cursor wait;
  throw VAzaZeriVader("Database OLE server not found");
}
