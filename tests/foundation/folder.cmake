# A literal with a character that code page 850 lacks must stop the compilation.
add_test(NAME Codepage.LiteralRejectsMissingCharacter
  COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -I ${CMAKE_SOURCE_DIR}
          ${CMAKE_SOURCE_DIR}/tests/foundation/compile_fail/cp850_missing_char.cc)
set_tests_properties(Codepage.LiteralRejectsMissingCharacter PROPERTIES WILL_FAIL TRUE LABELS foundation)
