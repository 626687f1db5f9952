set(TW_GUI_TEST_SOURCES
  gui/MainFrameTests.cpp
  gui/ViewTests.cpp
)
