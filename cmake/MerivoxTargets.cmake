# Project-wide target helpers: one place for warning flags, sanitizers and test registration.

if(MSVC)
  # A native Windows build with Visual C++: the sources are UTF-8 (the Czech literals that Cz()
  # turns into cp1250), which cl reads as the system code page unless told otherwise.
  set(MERIVOX_WARNINGS /W4 /permissive-)
  add_compile_options(/utf-8)
else()
  set(MERIVOX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
      -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
  # GCC 12 at -O2 warns of overlapping copies inside std::string's own concatenation (its
  # bug 105329), which the mingw build hits in several files; nothing of ours to mend.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND MERIVOX_WARNINGS -Wno-restrict)
  endif()
endif()

# MERIVOX_SANITIZE=address,undefined or thread: applied to every target of the build.
set(MERIVOX_SANITIZE "" CACHE STRING "Sanitizers for the whole build (address,undefined | thread)")
if(MERIVOX_SANITIZE)
  add_compile_options(-fsanitize=${MERIVOX_SANITIZE} -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${MERIVOX_SANITIZE})
  if(MERIVOX_SANITIZE MATCHES "undefined")
    add_compile_options(-fno-sanitize-recover=undefined)
  endif()
endif()

# A Windows build tested under Wine sees the build machine's files on drive Z:, so the folders
# compiled into tests carry that drive (a bare "/work/..." would depend on the current drive).
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(MERIVOX_TARGET_DRIVE "Z:")
else()
  set(MERIVOX_TARGET_DRIVE "")
endif()

# MERIVOX_UNITY: each library and each test program compiled as one unit, so that the headers
# of Qt, GoogleTest and the standard library are read once per target instead of once per file
# (on a fresh 2-core machine the build is most of the test command's time). A change to one file
# then recompiles its whole target; -DMERIVOX_UNITY=OFF gives one unit per file back.
option(MERIVOX_UNITY "Compile each library and test program as one unit" ON)

# The platform halves (posix/, win32/) stay units of their own: the system headers they include
# define macros (windows.h: min, max, CreateFile, ERROR; termios.h: ECHO, B9600) that must not
# reach the files compiled after them.
function(merivox_unity target)
  if(NOT MERIVOX_UNITY)
    return()
  endif()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    if(source MATCHES "(^|/)(posix|win32)/")
      set_source_files_properties(${source} TARGET_DIRECTORY ${target}
                                  PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endfunction()

# MERIVOX_TEST_PER_PROGRAM: each test program registered with CTest as one test that runs all
# its cases, instead of one test per case. For the Qt-free Windows tree run under Wine
# (scripts/test-windows), where starting a program is what the tests cost.
option(MERIVOX_TEST_PER_PROGRAM "Register each test program as one CTest test" OFF)

function(merivox_warnings target)
  target_compile_options(${target} PRIVATE ${MERIVOX_WARNINGS})
endfunction()

# merivox_library(name SOURCES ... [LIBS ...]): a static library of one layer.
function(merivox_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  merivox_warnings(${name})
  merivox_unity(${name})
endfunction()

# merivox_test(name [OWN_MAIN] SOURCES ... [LIBS ...] [LABELS ...] [PROPERTIES ...]): a GoogleTest
# binary whose cases are registered one by one with CTest (or the whole program as one test, see
# MERIVOX_TEST_PER_PROGRAM). OWN_MAIN for binaries with their own main() (window tests create a
# QApplication there; every main() calls OddelTestyOdZarizeni). PROPERTIES are further test
# properties of every case (e.g. FIXTURES_REQUIRED, RESOURCE_LOCK). Discovery runs just before
# the tests, not at build time, so a window test never needs a display while building; in the
# Windows cross build ctest runs both the discovery and the cases under Wine (the
# cross-compiling emulator).
function(merivox_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS;LABELS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE merivox_test_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    MERIVOX_TEST_DATA="${MERIVOX_TARGET_DRIVE}${CMAKE_SOURCE_DIR}/tests/data"
    MERIVOX_BIN_DIR="${MERIVOX_TARGET_DRIVE}${CMAKE_BINARY_DIR}/bin")
  merivox_warnings(${name})
  if(MERIVOX_UNITY)
    # One unit for the whole program, its platform files included (each test file is
    # self-contained). GCC then warns about every fixture kept in an anonymous namespace (and
    # about helpers another file of the program does not use), though each file's own names
    # stay private to the program as before.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
    if(NOT MSVC)
      target_compile_options(${name} PRIVATE -Wno-subobject-linkage -Wno-unused-function)
    endif()
  endif()
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  if(MERIVOX_TEST_PER_PROGRAM)
    # The whole program as one test: under Wine each start costs about a second, which the
    # cases one by one (and the listing before them) would pay hundreds of times. GoogleTest's
    # output still names every failing case; GTEST_FILTER picks cases.
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 900 ${ARG_PROPERTIES})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 120 ${ARG_PROPERTIES})
  endif()
endfunction()

# merivox_version_record(target [RC script.rc]): puts the version record of the project
# version into a program file, where VerzeSouboru reads it back by path. Windows: the
# VERSIONINFO resource (the given resource script, which may add an icon, or the plain one).
function(merivox_version_record target)
  cmake_parse_arguments(ARG "" "RC" "" ${ARGN})
  target_compile_definitions(${target} PRIVATE
    MERIVOX_VERZE_HLAVNI=${PROJECT_VERSION_MAJOR}
    MERIVOX_VERZE_VEDLEJSI=${PROJECT_VERSION_MINOR}
    MERIVOX_VERZE_VYDANI=${PROJECT_VERSION_PATCH}
    MERIVOX_VERZE_SESTAVENI=${PROJECT_VERSION_TWEAK}
    MERIVOX_VERZE_TEXT="${PROJECT_VERSION}")
  if(WIN32)
    if(NOT ARG_RC)
      set(ARG_RC ${CMAKE_SOURCE_DIR}/src/common/win32/VerzniZaznam.rc)
    endif()
    target_sources(${target} PRIVATE ${ARG_RC})
  else()
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/common/posix/VerzniZaznamProgramu.cpp)
  endif()
endfunction()
