# Fails when the core library links Qt or a core source includes a Qt header.
if(LIBS MATCHES "Qt")
  message(FATAL_ERROR "tallywise_core links ${LIBS}")
endif()
file(GLOB_RECURSE files ${SRC}/framework/*.cpp ${SRC}/framework/*.h ${SRC}/document/*.cpp
     ${SRC}/document/*.h ${SRC}/app/*.cpp ${SRC}/app/*.h ${SRC}/view/*.cpp ${SRC}/view/*.h
     ${SRC}/tools/*.cpp ${SRC}/tools/*.h ${SRC}/printing/*.cpp ${SRC}/printing/*.h ${SRC}/cli/*.cpp)
include(${SRC}/gui_sources.cmake)
foreach(f ${files})
  file(RELATIVE_PATH rel ${SRC} ${f})
  string(REGEX REPLACE "\\.h$" ".cpp" relcpp "${rel}")
  list(FIND TW_GUI_SOURCES "${relcpp}" gui)
  if(gui EQUAL -1 AND NOT rel STREQUAL "app/main.cpp")
    file(STRINGS ${f} qt REGEX "#include *<Q")
    if(qt)
      message(FATAL_ERROR "core file ${rel} includes Qt: ${qt}")
    endif()
  endif()
endforeach()
