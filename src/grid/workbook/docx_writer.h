#pragma once
// Writing a table of cell texts into .docx documents: a new document that
// holds the table, or an existing one with the table inserted at a
// bookmark or at its end and everything else kept.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace grid_workbook {

enum class Doc_Align { Left, Centre, Right };
struct Doc_Cell {
  QString Text;
  Doc_Align Align = Doc_Align::Left;
};
// Rows of cells; every row as wide as the first.
using Doc_Table = std::vector<std::vector<Doc_Cell>>;

// A new document: the table, then an empty paragraph.
QByteArray New_Docx(const Doc_Table& table);
// The document with the table inserted before the paragraph that holds the
// bookmark's start; without that bookmark, at the end of the document
// followed by an empty paragraph. Package_Damaged when the document cannot
// be read.
QByteArray Append_Docx_Table(const QByteArray& document, const Doc_Table& table, const QString& bookmark);

}  // namespace grid_workbook
