#include "editors/canopen/canopen_window_layout.h"

namespace {

using G = CANopen_Column_Group;

// #RRGGBB as a TColor ($00BBGGRR).
constexpr TColor Rgb(unsigned rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

std::vector<G> Groups(std::initializer_list<std::pair<G, int>> runs) {
  std::vector<G> groups{G::Row_Number};
  for (const auto& [group, count] : runs) groups.insert(groups.end(), count, group);
  return groups;
}

std::vector<int> Widths(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> widths{40};
  for (const auto& [width, count] : runs) widths.insert(widths.end(), count, width);
  return widths;
}

const CANopen_Window_Layout kPdo{
    CANopen_Table_Kind::PDO,
    {{{31, 1810, 1843, 1808, Widths({{65, 2}, {45, 8}, {65, 1}, {168, 1}}),
       Groups({{G::Identity, 2}, {G::Address, 8}, {G::Time, 1}, {G::Description, 1}}), 0},
      {31, 1823, 1855, 1809, Widths({{65, 2}, {45, 8}, {65, 1}, {68, 1}, {105, 1}}),
       Groups({{G::Identity, 2}, {G::Address, 8}, {G::Time, 2}, {G::Description, 1}}), 12}}},
    1,
    {true, true},
    1800,
    {1802, 1803, 1804, 1805, 1806, 1807},
    {1837, 1838, 1839, 1840, 1841, 1842},
    1868,
    1891};

const CANopen_Window_Layout kClient{
    CANopen_Table_Kind::SDO_Client,
    {{{257, 1710, 1739, 1708, Widths({{60, 1}, {55, 1}, {60, 1}, {45, 1}, {60, 1}, {70, 4}, {163, 1}}),
       Groups({{G::Identity, 4}, {G::Time, 1}, {G::Address, 4}, {G::Description, 1}}), 0},
      {257, 1721, 1749, 1709, Widths({{60, 1}, {55, 1}, {60, 1}, {45, 1}, {60, 1}, {68, 1}, {70, 4}, {95, 1}}),
       Groups({{G::Identity, 4}, {G::Time, 2}, {G::Address, 4}, {G::Description, 1}}), 6}}},
    1,
    {true, true},
    1700,
    {1702, 1703, 1704, 1705, 1706, 1707},
    {1733, 1734, 1735, 1736, 1737, 1738},
    1760,
    1779};

const CANopen_Window_Layout kServer{CANopen_Table_Kind::SDO_Server,
                                    {{{501, 1608, 1632, 1606, Widths({{65, 1}, {61, 1}, {55, 1}, {80, 4}, {225, 1}}),
                                       Groups({{G::Identity, 3}, {G::Address, 4}, {G::Description, 1}}), 0},
                                      {501, 1617, 1640, 1607, Widths({{65, 1}, {61, 1}, {55, 1}, {80, 4}, {225, 1}}),
                                       Groups({{G::Identity, 3}, {G::Address, 4}, {G::Description, 1}}), 0}}},
                                    0,
                                    {true, false},
                                    1600,
                                    {1602, 1603, 1604, 1605, 1666, 1667},
                                    {1626, 1627, 1628, 1629, 1630, 1631},
                                    1648,
                                    1665};

}  // namespace

TColor CANopen_Group_Color(CANopen_Column_Group group) {
  switch (group) {
    case G::Identity:
      return Rgb(0xE0FAFE);
    case G::Address:
      return Rgb(0xFCD6F4);
    case G::Time:
      return Rgb(0xA8FFA8);
    case G::Description:
      return clWhite;
    case G::Row_Number:
      break;
  }
  return clBtnFace;
}

const CANopen_Window_Layout& CANopen_Window(CANopen_Table_Kind kind) {
  switch (kind) {
    case CANopen_Table_Kind::SDO_Server:
      return kServer;
    case CANopen_Table_Kind::SDO_Client:
      return kClient;
    case CANopen_Table_Kind::PDO:
      break;
  }
  return kPdo;
}
