# One helper for libraries and one for tests, so every folder of src/ is a target
# built the same way.

set(MARROWICK_WARNINGS -Wall -Wextra -Werror)
# GCC 12 reports std::string copies inlined at -O2 as overlapping (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND MARROWICK_WARNINGS -Wno-restrict)
endif()

if(MARROWICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# marrowick_library(<target> [DEPS <targets or libraries>...])
# Sources are the .cpp files of the folder this is called from (not its subfolders).
# Headers are included as "folder/file.h" from src/.
function(marrowick_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${target} PRIVATE ${MARROWICK_WARNINGS})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# marrowick_tests(<name> [DEPS <targets>...])
# All .cpp files of the calling tests/ folder make one GoogleTest program test_<name>,
# registered with CTest. Tests find their data through MARROWICK_SOURCE_DIR.
function(marrowick_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_compile_options(test_${name} PRIVATE ${MARROWICK_WARNINGS})
  target_compile_definitions(test_${name} PRIVATE
    MARROWICK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    MARROWICK_BINARY_DIR="${PROJECT_BINARY_DIR}")
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
