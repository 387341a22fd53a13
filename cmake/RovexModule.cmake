# rovex_module(NAME DEPS dep...): a static library from every .cpp in src/NAME,
# included as "NAME/file.h" from the src root.
function(rovex_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(rovex_${name} STATIC ${sources})
  target_include_directories(rovex_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(rovex_${name} PUBLIC ${ARG_DEPS})
endfunction()

# rovex_test_suite(NAME DEPS dep...): one GoogleTest program from every .cpp in tests/NAME.
function(rovex_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE rovex_test_support ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(test_${name} PRIVATE
    ROVEX_SHARED_DATA="${ROVEX_SHARED_DATA}"
    ROVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ROVEX_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ROVEX_TEST=1")
endfunction()

# The subsystem modules below the user interface, in build order. The top
# CMakeLists adds each whose folder exists; rovex_core_libraries lists those added.
set(ROVEX_MODULES nmea gps cameras osm views routes trail trackeditor converters atlas system)
function(rovex_core_libraries out)
  set(libs rovex_platform rovex_settings)
  foreach(module ${ROVEX_MODULES})
    if(TARGET rovex_${module})
      list(APPEND libs rovex_${module})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()
