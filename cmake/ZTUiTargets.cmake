# Settings shared by every target of our own code.

# Warnings on our code only; third-party headers come in as system headers. They are errors when
# ZTUI_WARNINGS_AS_ERRORS is on (every preset and CI).
function(ztui_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ZTUI_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()

# A layer of the platform stand-ins: a shared object, so that the desktop, the executors and
# the registries exist once per process however many modules use them.
function(ztui_platform_layer target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  add_library(ZTUi::${target} ALIAS ${target})
  ztui_target_defaults(${target})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY ZTUI_PLATFORM_LAYERS ${target})
endfunction()

# One test binary per subsystem; each test runs in its own process because the library's
# singletons live for the process. LABELS marks every test of the binary (ctest -L): the
# threaded stress tests carry "threaded", which CI runs under ThreadSanitizer as well.
function(ztui_test target)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  ztui_target_defaults(${target})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  if(ARG_LABELS)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

function(ztui_benchmark target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  ztui_target_defaults(${target})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} benchmark::benchmark)
endfunction()

# A fuzz target: a libFuzzer program with clang; with another compiler the same target linked to
# a runner that feeds it its corpus. Either way the corpus runs as a test.
function(ztui_fuzzer target)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  ztui_target_defaults(${target})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/FuzzSuppressions.cpp)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    set(corpus_args -runs=0 ${ARG_CORPUS})
  else()
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/RegressionMain.cpp)
    set(corpus_args ${ARG_CORPUS})
  endif()
  if(ZTUI_BUILD_TESTS)
    add_test(NAME Fuzz.${target}.Corpus COMMAND ${target} ${corpus_args})
  endif()
endfunction()
