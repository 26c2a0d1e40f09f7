#pragma once

// Modal results of the windows' buttons, as TZbButton hands them to the
// dialog that holds it (QDialog::exec() returns them).
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
