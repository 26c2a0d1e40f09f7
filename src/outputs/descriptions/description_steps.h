#pragma once
#include <QString>

class QWidget;

// The main window's description-file steps: the user's choices around the
// writers. Errors of the writers are thrown to the caller's error box.

// "PROFIBUS GSD": refuses without ParGen.xml (text 1301), asks for the file in
// the configuration folder, adds ".gsd" where needed, asks before replacing a
// file (text 1300) and writes it.
void Create_GSD_File(QWidget* parent);

// After the "PROFINET XML File Name" dialog: asks for the folder in a save
// dialog preset with `name` (the chosen file's own name does not count), asks
// before replacing a file (text 1511) and writes the GSDML file there.
void Save_GSDML_File(QWidget* parent, const QString& name);
