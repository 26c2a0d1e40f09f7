kelvra_gtest(m_bus_editor_logic_tests
  SOURCES m_bus_network_editor_test.cpp
  LIBS m_bus_editor_logic)

kelvra_qtest(meter_bus_window_test
  SOURCES meter_bus_window_test.cpp
  LIBS m_bus_editor_ui test_support)

kelvra_qtest(meter_bus_step_test
  SOURCES meter_bus_step_test.cpp
  LIBS app_start test_support)
