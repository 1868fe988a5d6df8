# tq_test_suite(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per source folder; CTest lists each test case.
function(tq_test_suite name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    TQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TQ_BUILD_DIR="${CMAKE_BINARY_DIR}"
    TQ_VERSION="${PROJECT_VERSION}"
    TQ_PLUGINS_DIR="${TQ_PLUGINS_DIR}"
    TQ_SNVT_FILE="${TQ_SNVT_FILE}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QORDB_REGISTRY=${CMAKE_BINARY_DIR}/test-registry/${name}.xml")
endfunction()

# tq_fuzz_target(<name> SOURCES <files...> LIBS <targets...>)
# A libFuzzer target over the instrumented libraries (fuzz builds only).
function(tq_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT TQ_BUILD_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
