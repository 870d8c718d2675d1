# merivox_kresby(target NAME PREFIX BASE FILES...): the program's SVG pictures as Qt resources
# of `target`, at ":<PREFIX>/<name>.svg". With Qt's SVG module they are the SVG files; a Qt
# without it (the Windows Qt built here from Debian's sources, whose qtsvg source cannot be had)
# gets PNG drawings of them under the same names, made on the build machine by the host
# program tools/screenshots/kresby-png with the build machine's QtSvg; ui/Kresba reads either.
function(merivox_kresby target name)
  cmake_parse_arguments(ARG "" "PREFIX;BASE" "FILES" ${ARGN})
  if(TARGET Qt6::Svg)
    qt_add_resources(${target} ${name} PREFIX "${ARG_PREFIX}" BASE "${ARG_BASE}" FILES ${ARG_FILES})
    return()
  endif()
  set(tool ${CMAKE_BINARY_DIR}/host/kresby-png)
  if(NOT TARGET merivox_kresby_png)
    find_program(MERIVOX_HOST_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(MERIVOX_HOST_PKG_CONFIG NAMES pkg-config NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    execute_process(COMMAND ${MERIVOX_HOST_PKG_CONFIG} --cflags --libs Qt6Svg Qt6Gui
      OUTPUT_VARIABLE qt_flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(qt_flags UNIX_COMMAND "${qt_flags}")
    set(source ${CMAKE_SOURCE_DIR}/tools/screenshots/kresby-png.cpp)
    add_custom_command(OUTPUT ${tool}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
      COMMAND ${MERIVOX_HOST_CXX} -std=c++17 -O2 -fPIC -o ${tool} ${source} ${qt_flags}
      DEPENDS ${source}
      COMMENT "Building the host program kresby-png")
    add_custom_target(merivox_kresby_png DEPENDS ${tool})
  endif()
  set(pngs)
  foreach(file IN LISTS ARG_FILES)
    file(RELATIVE_PATH alias ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_BASE} ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    set(png ${CMAKE_CURRENT_BINARY_DIR}/kresby/${alias}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/kresby
      COMMAND ${tool} ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${png}
      DEPENDS ${tool} ${CMAKE_CURRENT_SOURCE_DIR}/${file}
      COMMENT "Drawing ${file} as PNG")
    set_source_files_properties(${png} PROPERTIES QT_RESOURCE_ALIAS ${alias})
    list(APPEND pngs ${png})
  endforeach()
  qt_add_resources(${target} ${name} PREFIX "${ARG_PREFIX}" BASE ${CMAKE_CURRENT_BINARY_DIR}/kresby
                   FILES ${pngs})
endfunction()
