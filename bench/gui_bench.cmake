# Window benchmark: open-to-shown of large registers, offscreen. Included by
# bench/CMakeLists.txt, which finds Google Benchmark.
if(TARGET tallywise_gui)
  add_executable(tw_gui_bench ${CMAKE_CURRENT_LIST_DIR}/GuiBench.cpp)
  target_link_libraries(tw_gui_bench PRIVATE tallywise_gui benchmark::benchmark)
endif()
