set(TW_GUI_TEST_SOURCES
  gui/HelpTests.cpp
  gui/DataExchangeTests.cpp
  gui/CalendarTests.cpp
  gui/DescListTests.cpp
  gui/StartBalTests.cpp
  gui/EntryDialogTests.cpp
)
