#pragma once

// The three states of a check box: the grid's check-box cells and the grid
// check box control share them.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
