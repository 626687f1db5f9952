# Window benchmarks: open-to-shown and entry editing of large registers, offscreen.
if(TARGET tallywise_gui)
  add_executable(tw_gui_bench ${CMAKE_CURRENT_LIST_DIR}/GuiBench.cpp)
  target_link_libraries(tw_gui_bench PRIVATE tallywise_gui tw_test_support benchmark::benchmark)
  target_sources(tw_gui_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ArchiveGuiBench.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/BulkChangeGuiBench.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/ChartGuiBench.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/BenchRegister.cpp)
  target_include_directories(tw_gui_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  set_target_properties(tw_gui_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# The import window opening on a 10,000-transaction statement.
if(TARGET tallywise_gui)
  add_executable(tw_import_gui_bench ${CMAKE_CURRENT_LIST_DIR}/ImportGuiBench.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/ImportBenchData.cpp)
  target_link_libraries(tw_import_gui_bench PRIVATE tallywise_gui tw_test_support benchmark::benchmark)
  set_target_properties(tw_import_gui_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# Printing: a register to PDF, and the preview's first page.
if(TARGET tallywise_gui)
  add_executable(tw_print_bench ${CMAKE_CURRENT_LIST_DIR}/PrintBench.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/BenchRegister.cpp)
  target_link_libraries(tw_print_bench PRIVATE tallywise_gui tw_test_support benchmark::benchmark)
  target_include_directories(tw_print_bench PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(tw_print_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
