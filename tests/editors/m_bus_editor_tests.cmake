kelvra_gtest(m_bus_editor_logic_tests
  SOURCES m_bus_network_editor_test.cpp
  LIBS m_bus_editor_logic)
