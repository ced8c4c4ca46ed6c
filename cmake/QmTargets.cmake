# qm_layer(<target> DIRS <folders...> DEPS <libraries...>)
# A static library made of every .cpp in the given folders (relative to the
# current source folder). Headers are included from the project root, e.g.
# #include "platform/gdi/Bitmap.h".
function(qm_layer target)
  cmake_parse_arguments(A "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS A_DIRS)
    file(GLOB found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  # Headers stay in the source list so AUTOMOC sees every Q_OBJECT class.
  set(cpp_sources ${sources})
  list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
  if(NOT cpp_sources)
    # A layer whose folders hold no code yet still takes part in the graph.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE qm_build_options ${A_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC qm_build_options ${A_DEPS})
endfunction()

# qm_test(<name> DEPS <libraries...>): tests/<name>/*.cpp as one GoogleTest
# program; every test case is its own CTest test. Widget tests run on Qt's
# offscreen platform.
function(qm_test name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  set_target_properties(test_${name} PROPERTIES AUTOMOC ON)
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${name} PRIVATE qm_build_options qm_testsupport ${A_DEPS}
    GTest::gtest GTest::gmock)
  # One variable only: gtest_discover_tests splits a property value at its
  # semicolons, so a list of variables would lose all but the first. The
  # offscreen platform is chosen by the test main, sanitizer options by test.sh.
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QM_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/${name}/data")
endfunction()

# qm_bench(<name> DEPS <libraries...>): bench/<name>/*.cpp as one benchmark program.
function(qm_bench name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(bench_${name} ${sources} ${PROJECT_SOURCE_DIR}/bench/support/BenchMain.cpp)
  target_include_directories(bench_${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(bench_${name} PRIVATE qm_build_options ${A_DEPS} Qt6::Gui
    benchmark::benchmark)
endfunction()
