#pragma once
// What the Scan & Decode window makes of its settings before it starts the engine.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace scan_settings {

// The typed number, or `fallback` when the text is not a number (baud rate 2400,
// cut-after 3).
int32_t Number_Or(const QString& text, int32_t fallback);

// The wireless mode code of a mode list position: S 1, T 5, N1 15, N2 17, C 11;
// out of range gives S.
int32_t Mode_Code(int index);

// The wireless port: a number from 1 to 65535, nothing otherwise (port 0 would
// let the system pick a local port the gateway does not know).
std::optional<uint16_t> Port(const QString& text);

// The gateway's address as typed: the four parts joined by dots.
QString Address(const std::array<QString, 4>& parts);

// The four parts of the gateway's address stored in ParGen.xml for a scan device
// code (10, 16, 19: Eth_IP1..4; 17: PROFINET_IP1..4; 3: IP_1..IP_4). Each part
// is read on its own; a missing file, an unreadable file, an unknown code or a
// missing element gives no text for that part.
std::array<std::optional<QString>, 4> Gateway_Address_In_Par_Gen(const QString& path, int xml_code_dev);

}  // namespace scan_settings
