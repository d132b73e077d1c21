# splice_folder(NAME DEPS...): the static library splice_NAME from every .cpp/.c in NAME/
# (main.cpp of splice/ excluded), using the libraries of the folders DEPS.
# A folder may add its own CMakeLists.txt fragment `folder.cmake` for extra settings.
function(splice_folder name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp ${CMAKE_SOURCE_DIR}/${name}/*.c)
  list(FILTER sources EXCLUDE REGEX "/splice/main\\.cpp$")
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(splice_${name} STATIC ${sources})
  target_include_directories(splice_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(dep ${ARGN})
    target_link_libraries(splice_${name} PUBLIC splice_${dep})
  endforeach()
  if(EXISTS ${CMAKE_SOURCE_DIR}/${name}/folder.cmake)
    include(${CMAKE_SOURCE_DIR}/${name}/folder.cmake)
  endif()
endfunction()

# splice_tests(NAME): one GoogleTest executable test_NAME from tests/NAME/*.cpp, every test
# labelled NAME. Every test runs in a scratch folder of its own (tests/test_main.cpp) below the
# system's temporary folder; the folder's working folder in the build tree stays empty.
function(splice_tests name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/test_main.cpp)
  target_link_libraries(test_${name} PRIVATE splice_all GTest::gtest)
  target_compile_definitions(test_${name} PRIVATE
    SPLICE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    SPLICE_GOLDEN_DIR="${CMAKE_SOURCE_DIR}/tests/golden")
  set(workdir ${CMAKE_BINARY_DIR}/testrun/${name})
  file(MAKE_DIRECTORY ${workdir})
  gtest_discover_tests(test_${name}
    WORKING_DIRECTORY ${workdir}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${name} TIMEOUT 300)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/${name}/folder.cmake)
    include(${CMAKE_SOURCE_DIR}/tests/${name}/folder.cmake)
  endif()
endfunction()
