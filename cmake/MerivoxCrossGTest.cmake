# GoogleTest and GoogleMock for a cross build. Debian ships no Windows build of them, but it
# ships their sources (package googletest, /usr/src/googletest): build those with the cross
# compiler under the names find_package(GTest) gives (recent sources name them so
# themselves), so merivox_test works unchanged.
set(MERIVOX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS "${MERIVOX_GTEST_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "No GoogleTest sources in ${MERIVOX_GTEST_SOURCE} "
                      "(install the Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory("${MERIVOX_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
