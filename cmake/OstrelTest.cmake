# ostrel_add_gtest(<name> SOURCES <files...> LIBS <targets...> [ENVIRONMENT <VAR=value...>])
# One GoogleTest executable, registered with CTest as one test of the same name.
function(ostrel_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
endfunction()

# ostrel_add_fuzz(<name> SOURCES <files...> LIBS <targets...> CORPUS <seed folder>)
# A libFuzzer target. Every build replays its seed corpus as the CTest test
# fuzz_<name>_seeds; with OSTREL_FUZZ it also builds the libFuzzer program
# fuzz_<name>, part of the ostrel_fuzzers target, and lists it with its corpus
# in fuzz-targets.txt for scripts/fuzz.sh.
function(ostrel_add_fuzz name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(fuzz_${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/CorpusReplay.cpp)
  target_link_libraries(fuzz_${name}_replay PRIVATE ${ARG_LIBS})
  add_test(NAME fuzz_${name}_seeds COMMAND fuzz_${name}_replay ${ARG_CORPUS})
  if(OSTREL_FUZZ)
    add_executable(fuzz_${name} ${ARG_SOURCES})
    target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(ostrel_fuzzers fuzz_${name})
    file(APPEND ${CMAKE_BINARY_DIR}/fuzz-targets.txt "fuzz_${name} ${ARG_CORPUS}\n")
  endif()
endfunction()
