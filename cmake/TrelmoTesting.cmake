# Test helpers shared by every layer.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# trelmo_add_test(<name> SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT])
# One executable per unit, registered with CTest. QT tests run headless.
function(trelmo_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE TRELMO_SOURCE_DIR="${TRELMO_SOURCE_ROOT}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CROSSWORD_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}-registry"
    DISCOVERY_TIMEOUT 60)
endfunction()

# trelmo_add_fuzzer(<name> SOURCES a.cpp LIBS lib1 CORPUS dir)
# Built only with TRELMO_FUZZ (clang, -fsanitize=fuzzer). tools/fuzz.sh runs every target
# listed in fuzzers.txt on its seed corpus.
if(TRELMO_FUZZ)
  file(WRITE ${CMAKE_BINARY_DIR}/fuzzers.txt "")
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_custom_target(fuzzers)
endif()

function(trelmo_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT TRELMO_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  file(APPEND ${CMAKE_BINARY_DIR}/fuzzers.txt "${name} ${F_CORPUS}\n")
endfunction()
