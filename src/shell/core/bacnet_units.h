#pragma once

// BACnet engineering-units code for "no units", the unit the scan writes
// for every variable it creates.
constexpr int Default_BACnet_Units() { return 95; }
