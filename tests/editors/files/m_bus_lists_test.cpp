#include "editors/files/m_bus_lists.h"

#include <gtest/gtest.h>

namespace {

// Positions are stored in M_Bus.xml and written by the scan: a shifted entry
// would silently change every saved network.
TEST(MBusLists, EntriesSitAtTheirStoredPositions) {
  struct Case {
    const QStringList& list;
    int size;
    int position;
    QString text;
  };
  const Case cases[] = {
      {m_bus_lists::Type_Of_Data(), 26, 2, QString::fromUtf8("Volume (m\u00B3)")},
      {m_bus_lists::Type_Of_Data(), 26, 19, "Type of  Data in VIFE"},
      {m_bus_lists::Type_Of_Data(), 26, 21, "VIF is in ASCII"},
      {m_bus_lists::Type_Of_Data(), 26, 25, "Bus Address"},
      {m_bus_lists::Function_Field(), 4, 3, "Value During Error State"},
      {m_bus_lists::Dimension(), 8, 6, "32 Real"},
      {m_bus_lists::VIFE(), 152, 0, "Not Selected"},
      {m_bus_lists::VIFE(), 152, 68, QString::fromUtf8("Cold/Worm Temperature Limit \u00B0C")},
      {m_bus_lists::VIFE(), 152, 126, "Security Key"},
      {m_bus_lists::VIFE(), 152, 151, "Overflow values"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.list.size(), c.size);
    EXPECT_EQ(c.list[c.position], c.text) << c.position;
  }
}

}  // namespace
