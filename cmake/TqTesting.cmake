# tq_test_suite(<name> SOURCES <files...> LIBS <targets...> [OFFSCREEN])
# One GoogleTest executable per source folder; CTest lists each test case and
# runs it with a registry of its own. OFFSCREEN: the suite shows windows, which
# Qt draws offscreen, so no display is needed.
function(tq_test_suite name)
  cmake_parse_arguments(ARG "OFFSCREEN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    TQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TQ_BUILD_DIR="${CMAKE_BINARY_DIR}"
    TQ_VERSION="${PROJECT_VERSION}"
    TQ_PLUGINS_DIR="${TQ_PLUGINS_DIR}"
    TQ_SNVT_FILE="${TQ_SNVT_FILE}")
  set(display "")
  if(ARG_OFFSCREEN)
    set(display ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QORDB_REGISTRY=${CMAKE_BINARY_DIR}/test-registry/${name}.xml" ${display})
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
