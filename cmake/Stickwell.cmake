# stickwell_add_library(<name> SOURCES ... DEPENDS ...)
#   One static library per subsystem folder. The DEPENDS lines are the
#   architecture: a library names only the libraries below it.
function(stickwell_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# stickwell_add_test(<name> SOURCES ... DEPENDS ... [WIDGETS])
#   One test program per class or subject, run by CTest under the offscreen
#   platform. WIDGETS gives it a QApplication; otherwise a QGuiApplication.
function(stickwell_add_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE testsupport_widgets)
  else()
    target_link_libraries(${name} PRIVATE testsupport)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock Qt6::Test)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;STICKWELL_TEST=1"
    TIMEOUT 120)
endfunction()
