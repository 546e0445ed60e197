# The locations live in one table, assets/locations.json: the game builds it in, the map generator and
# checker read it, and this build takes from it the pictures and masks to make.
set(CW_LOCATION_TABLE ${CMAKE_SOURCE_DIR}/assets/locations.json)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CW_LOCATION_TABLE})
file(READ ${CW_LOCATION_TABLE} cw_table)
string(JSON cw_count LENGTH "${cw_table}" locations)
set(CW_LOCATION_FILES)  # picture and mask of each location
set(cw_names "")
math(EXPR cw_last "${cw_count} - 1")
foreach(i RANGE ${cw_last})
  string(JSON cw_name GET "${cw_table}" locations ${i} name)
  string(JSON cw_picture GET "${cw_table}" locations ${i} picture)
  string(JSON cw_mask GET "${cw_table}" locations ${i} mask)
  list(APPEND CW_LOCATION_FILES ${cw_picture} ${cw_mask})
  string(APPEND cw_names "${cw_name} ${cw_picture} ${cw_mask}\n")
endforeach()
# What the map generator takes from the table: rewritten only when it changes, so that moving an
# enemy or a trigger band does not draw every location again.
set(CW_LOCATION_NAMES_FILE ${CMAKE_BINARY_DIR}/generated/location_names.txt)
file(CONFIGURE OUTPUT ${CW_LOCATION_NAMES_FILE} CONTENT "${cw_names}")

# The game's own reader goes over the table before it is built in: a table the game would refuse
# stops the build here. A cross build can't run the target's reader; the native build checks the same table.
set(CW_CHECKED_LOCATION_TABLE ${CMAKE_BINARY_DIR}/generated/locations.json)
if(CMAKE_CROSSCOMPILING)
  add_custom_command(
    OUTPUT ${CW_CHECKED_LOCATION_TABLE}
    COMMAND ${CMAKE_COMMAND} -E copy ${CW_LOCATION_TABLE} ${CW_CHECKED_LOCATION_TABLE}
    DEPENDS ${CW_LOCATION_TABLE}
    VERBATIM)
  return()
endif()
add_executable(cinderwake_location_check ${CMAKE_SOURCE_DIR}/cmake/locations/check_locations.cpp
                                         ${CMAKE_SOURCE_DIR}/src/world/location_file.cpp)
target_include_directories(cinderwake_location_check PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(cinderwake_location_check PRIVATE nlohmann_json::nlohmann_json cinderwake_warnings)
add_custom_command(
  OUTPUT ${CW_CHECKED_LOCATION_TABLE}
  COMMAND cinderwake_location_check ${CW_LOCATION_TABLE} ${CW_CHECKED_LOCATION_TABLE}
  DEPENDS ${CW_LOCATION_TABLE} cinderwake_location_check
  COMMENT "Checking the location table"
  VERBATIM)
