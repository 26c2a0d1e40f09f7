#pragma once
// TSizeWhileTyping: grow the row height or the column width while text is
// typed into a cell (the editors read it).
#include "grid/store/stored_setting.h"

class TSizeWhileTyping {
  STORED_SETTING(bool, Height, false)
  STORED_SETTING(bool, Width, false)
};
