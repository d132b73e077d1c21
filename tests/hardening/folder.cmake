# Corpus replay: every fuzz target linked without libFuzzer into a test that feeds it each file
# of its corpus fuzz/corpus/<name>/ (seeds and the inputs of fixed findings).
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(src ${fuzz_sources})
  get_filename_component(target ${src} NAME_WE)
  string(REGEX REPLACE "^fuzz_" "" corpus ${target})
  add_executable(replay_${corpus} ${src} ${CMAKE_SOURCE_DIR}/tests/hardening/replay/replay_main.cpp
                 ${CMAKE_SOURCE_DIR}/tests/test_main.cpp)
  target_link_libraries(replay_${corpus} PRIVATE splice_all GTest::gtest)
  target_compile_definitions(replay_${corpus} PRIVATE
    REPLAY_CORPUS_DIR="${CMAKE_SOURCE_DIR}/fuzz/corpus/${corpus}"
    REPLAY_NAME="${corpus}"
    SPLICE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set(replay_dir ${CMAKE_BINARY_DIR}/testrun/hardening/${corpus})
  file(MAKE_DIRECTORY ${replay_dir})
  gtest_discover_tests(replay_${corpus}
    WORKING_DIRECTORY ${replay_dir}
    TEST_PREFIX "${corpus}."
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS hardening TIMEOUT 300)
endforeach()
# A test binary killed half-way leaves nothing in the folder it was started in: its scratch is
# below the temporary folder.
add_test(NAME TestScratch.AKilledTestLeavesNothingWhereItWasStarted
  COMMAND ${CMAKE_SOURCE_DIR}/tests/hardening/killed_test_scratch_test.sh $<TARGET_FILE:test_hardening>)
set_tests_properties(TestScratch.AKilledTestLeavesNothingWhereItWasStarted PROPERTIES LABELS hardening
  TIMEOUT 300)
# The tests of a window that ends without its user start the executable on a virtual display.
target_compile_definitions(test_hardening PRIVATE SPLICE_EXECUTABLE="$<TARGET_FILE:splice>")
add_dependencies(test_hardening splice)
