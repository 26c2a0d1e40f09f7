#pragma once
// The template of the fsCustomPreview footer: every "<#n>" stands for the
// text of column n of the current row.
#include <QString>
#include <functional>

// Expands Template: "<#n>" with n a decimal number becomes CellText(n); a
// tag whose inside is no number is dropped; a "<#" without a later ">" ends
// the expansion and the rest shows as it stands.
QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellText);
