# Window benchmarks: open-to-shown and entry editing of large registers, offscreen.
if(TARGET tallywise_gui)
  add_executable(tw_gui_bench ${CMAKE_CURRENT_LIST_DIR}/GuiBench.cpp)
  target_link_libraries(tw_gui_bench PRIVATE tallywise_gui benchmark::benchmark)
  set_target_properties(tw_gui_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# The import window opening on a 10,000-transaction statement.
if(TARGET tallywise_gui)
  add_executable(tw_import_gui_bench ${CMAKE_CURRENT_LIST_DIR}/ImportGuiBench.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/ImportBenchData.cpp)
  target_link_libraries(tw_import_gui_bench PRIVATE tallywise_gui benchmark::benchmark)
  set_target_properties(tw_import_gui_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
