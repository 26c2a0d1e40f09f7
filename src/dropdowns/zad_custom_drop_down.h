#pragma once
// The drop-down edit lives in dropdowns/base/; this name stays for code that
// still includes it here.
#include "dropdowns/base/zad_custom_drop_down.h"
