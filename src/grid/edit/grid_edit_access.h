#pragma once
// The editing state of the string grid that its editor controls read and
// set while they end an edit: the cell text from before editing, the text a
// validation produced, the advance lock after a refused value and the grid's
// own key handling. One place, so that the grid opens its private editing
// fields to its editors and to nothing else.
#include <QCoreApplication>
#include <QKeyEvent>

#include "grid/core/zad_irurur_oziz.h"

struct Grid_Edit_Access {
  static QString& Cell_Cache(TZadIrururOziz& g) { return g.FCellCache; }
  static QString& New_Cell_Text(TZadIrururOziz& g) { return g.FNewCellText; }
  static bool& No_Auto_Advance(TZadIrururOziz& g) { return g.FNoAutoAdvance; }
  static bool& No_Edit_Change(TZadIrururOziz& g) { return g.FNoEditChange; }
  static bool& Validating(TZadIrururOziz& g) { return g.FValidating; }
  static bool& Mouse_Started(TZadIrururOziz& g) { return g.LButFlg; }
  static TEditorType& Edit_Control(TZadIrururOziz& g) { return g.EditControl; }
  // Set by an editor that was left with Escape: its write-back leaves the
  // cell alone.
  static bool& Escaped(TZadIrururOziz& g) { return g.FEscaped; }

  // What opening a special editor starts with: the grid is editing the
  // current cell, whose text validation compares against.
  static void Start_Special_Edit(TZadIrururOziz& g) {
    g.FEditing = true;
    g.FEditActive = true;
    g.FLastValidation = true;
    g.RememberOldCell(g.Col(), g.Row());
  }

  // A key handed to the grid as if pressed on it.
  static void Send_Key(TZadIrururOziz& g, QEvent::Type Type, int Key, Qt::KeyboardModifiers Shift) {
    QKeyEvent event(Type, Key, Shift);
    QCoreApplication::sendEvent(&g, &event);
  }
  static void Post_Key(TZadIrururOziz& g, int Key, Qt::KeyboardModifiers Shift) {
    QCoreApplication::postEvent(&g, new QKeyEvent(QEvent::KeyPress, Key, Shift));
  }
  // The grid's own move for a navigation key (without its editor checks).
  static void Grid_Move(TZadIrururOziz& g, int Key, Qt::KeyboardModifiers Shift) { g.HandleKeyDown(Key, Shift); }
};
