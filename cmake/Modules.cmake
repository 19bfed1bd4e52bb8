# Build helpers shared by every folder.
#
# Each source folder is one static library (position independent, so that it can be folded into the
# shared libraries). A folder is globbed, so adding a .cpp/.h pair needs no CMake edit; re-run the
# build and CONFIGURE_DEPENDS picks it up.

set(MALDI_WARNINGS -Wall -Wextra)
if(MALDI_WERROR)
  list(APPEND MALDI_WARNINGS -Werror)
endif()

set(MALDI_SANITIZER_FLAGS "")
if(MALDI_SANITIZE)
  set(MALDI_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${MALDI_SANITIZER_FLAGS})
  add_link_options(${MALDI_SANITIZER_FLAGS})
endif()

# maldi_module(<target> [DEPS <targets...>] [SYSTEM <libs...>])
# Library made of every .cpp in the calling folder. Headers are included by their path from the
# repository root, e.g. #include "platform/framework/CString.h".
function(maldi_module name)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(${name} STATIC ${srcs} ${hdrs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${MALDI_WARNINGS})
    target_link_libraries(${name} PUBLIC ${M_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()
endfunction()

# maldi_test(<target> [DEPS <targets...>])
# One test executable made of every .cpp in the calling folder, registered test by test with CTest.
function(maldi_test name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_compile_options(${name} PRIVATE ${MALDI_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "MALDI_TEST_OUTPUT=${PROJECT_BINARY_DIR}/test-output")
endfunction()
