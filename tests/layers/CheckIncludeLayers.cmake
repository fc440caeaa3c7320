# Fails when a source file includes a header of a higher layer, and names the file and the include.
# Layers, lowest first: core, world (with world/tiled), content, battle, frontend (the screens), app.
#   cmake -DSOURCE_DIR=<src folder> -P CheckIncludeLayers.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(LAYERS core world content battle frontend app)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
list(SORT sources)
set(violations 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" own_layer "${source}")
  list(FIND LAYERS "${own_layer}" own_rank)
  if(own_rank EQUAL -1)
    continue()  # main.cpp and anything outside the layers may include every layer
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" header_layer "${header}")
    list(FIND LAYERS "${header_layer}" header_rank)
    if(header_rank GREATER own_rank)
      message("src/${source} includes ${header}: ${own_layer} may not include ${header_layer}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) point up the layers")
endif()
list(LENGTH sources checked)
message("${checked} files checked: every include points down the layers")
