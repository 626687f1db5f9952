set(TW_GUI_TEST_SOURCES
  gui/HelpTests.cpp
)
