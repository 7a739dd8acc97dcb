# One static library per folder of the layout, with its sources found by glob so that adding a
# file never means editing a shared list. Sub-folders named tests/, testsupport/ or tool/ are kept
# out of the library: tests become one executable per tst_*.cpp, testsupport becomes a library that
# only tests link, and tools declare their own executables.

set_property(GLOBAL PROPERTY ZEDERA_TESTSUPPORT_LIBS "")

function(zedera_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${dir}
    ${dir}/*.cpp ${dir}/*.h ${dir}/*.ui ${dir}/*.qrc)
  list(FILTER found EXCLUDE REGEX "(^|/)(tests|testsupport|tool|main|shell)/")
  list(TRANSFORM found PREPEND ${dir}/)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zedera_library(NAME LINKS <targets...>)
# The library's folder is its source root, found recursively except for tests/, testsupport/,
# tool/, main/ and shell/ (app/shell is the main window's own library, above every other folder).
function(zedera_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  zedera_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR})
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  set_property(GLOBAL APPEND PROPERTY ZEDERA_LIBS ${name})

  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/testsupport)
    file(GLOB_RECURSE support CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/testsupport/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/testsupport/*.h
      ${CMAKE_CURRENT_SOURCE_DIR}/testsupport/*.qrc)
    if(support)
      add_library(${name}_testsupport STATIC ${support})
      target_link_libraries(${name}_testsupport PUBLIC ${name} Qt6::Test)
      target_include_directories(${name}_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/testsupport)
      get_property(prior GLOBAL PROPERTY ZEDERA_TESTSUPPORT_LIBS)
      if(prior)
        target_link_libraries(${name}_testsupport PUBLIC ${prior})
      endif()
      set_property(GLOBAL APPEND PROPERTY ZEDERA_TESTSUPPORT_LIBS ${name}_testsupport)
    endif()
  endif()

  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    zedera_tests(${name})
  endif()
endfunction()

# Every tests/tst_*.cpp is one Qt Test executable and one CTest test. Fixtures shared by several
# tests go in the folder's testsupport/ library (or a header beside the tests).
function(zedera_tests lib)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/tst_*.cpp)
  get_property(support GLOBAL PROPERTY ZEDERA_TESTSUPPORT_LIBS)
  foreach(test ${tests})
    get_filename_component(tname ${test} NAME_WE)
    add_executable(${tname} ${test})
    target_link_libraries(${tname} PRIVATE ${lib} ${support} Qt6::Test)
    set_target_properties(${tname} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${tname} COMMAND ${tname} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set_tests_properties(${tname} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=America/Sao_Paulo;ZEDERA_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      TIMEOUT 600)
  endforeach()
endfunction()
