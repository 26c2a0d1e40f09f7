#pragma once
// The progress states the file, clipboard and calculation services report
// to the grid around each row they handle.

enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
