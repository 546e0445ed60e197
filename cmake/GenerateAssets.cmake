# Pictures, maps, story pages and music are made at build time by our own generators.
set(CW_ART_PICTURES
  picStartUp_mirror.jpg picMenu.jpg Picture3.bmp Picture4.bmp Picture5.bmp Picture6.bmp picInGame.jpg
  picRIP.jpg picStory.jpg picStory_little.bmp picCred.jpg picRPG.jpg Picture1.jpg imgKey.bmp imgCard.bmp
  picPhase1.bmp picPhase2.bmp picPhase3.bmp picEnemy1_1.bmp picEnemy1_2.bmp picEnemy1_3.bmp
  picEnemy2_1.bmp picEnemy2_2.bmp picEnemy2_3.bmp picEnemy3_1.bmp picEnemy3_2.bmp picEnemy3_3.bmp
  picShot_Gun.bmp picShot_boss.bmp first_aid.bmp boss_life.bmp picBlood.bmp)
include(${CMAKE_CURRENT_LIST_DIR}/Locations.cmake)

set(CW_ART_OUTPUTS ${CINDERWAKE_DATA_DIR}/story_start.gif ${CINDERWAKE_DATA_DIR}/story_end.gif)
foreach(p IN LISTS CW_ART_PICTURES)
  list(APPEND CW_ART_OUTPUTS ${CINDERWAKE_EMBED_DIR}/${p})
endforeach()
# CINDERWAKE_ASSETS_FROM names a folder with ready-made embedded/ and data/ folders, skipping the generators.
set(CINDERWAKE_ASSETS_FROM "" CACHE PATH "Take the generated files from this folder instead of generating them")
file(GLOB CW_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/art/*.py)
if(CINDERWAKE_ASSETS_FROM)
  add_custom_command(
    OUTPUT ${CW_ART_OUTPUTS}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CINDERWAKE_ASSETS_FROM}/embedded ${CINDERWAKE_EMBED_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CINDERWAKE_ASSETS_FROM}/data ${CINDERWAKE_DATA_DIR}
    VERBATIM)
  set(CW_MAP_OUTPUTS)
else()
add_custom_command(
  OUTPUT ${CW_ART_OUTPUTS}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/assets/art/make_art.py
          --embed-dir ${CINDERWAKE_EMBED_DIR} --data-dir ${CINDERWAKE_DATA_DIR}
  DEPENDS ${CW_ART_SOURCES}
  COMMENT "Drawing the screens, sprites and story pages"
  VERBATIM)

set(CW_MAP_OUTPUTS)
foreach(file IN LISTS CW_LOCATION_FILES)
  list(APPEND CW_MAP_OUTPUTS ${CINDERWAKE_DATA_DIR}/${file})
endforeach()
file(GLOB CW_MAP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/maps/*)
add_custom_command(
  OUTPUT ${CW_MAP_OUTPUTS}
  COMMAND ${CINDERWAKE_PYTHON} ${CMAKE_SOURCE_DIR}/assets/maps/make_maps.py --data-dir ${CINDERWAKE_DATA_DIR}
  DEPENDS ${CW_MAP_SOURCES} ${CW_LOCATION_NAMES_FILE}
  COMMENT "Drawing the locations and their collision masks"
  VERBATIM)
endif()

# The music generator runs on the build machine: a cross build takes its music from CINDERWAKE_ASSETS_FROM.
if(NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(assets/music)
endif()
if(NOT CINDERWAKE_ASSETS_FROM)
  set(CW_MUSIC_OUTPUTS ${CINDERWAKE_DATA_DIR}/music.mp3 ${CINDERWAKE_DATA_DIR}/music2.mp3)
  add_custom_command(
    OUTPUT ${CW_MUSIC_OUTPUTS}
    COMMAND music_gen ${CINDERWAKE_DATA_DIR}
    DEPENDS music_gen
    COMMENT "Composing the music"
    VERBATIM)
endif()

# The fonts of labels and buttons, built into the program.
set(CW_FONT_DIR /usr/share/fonts/truetype/dejavu)
add_custom_command(
  OUTPUT ${CINDERWAKE_EMBED_DIR}/font_regular.ttf ${CINDERWAKE_EMBED_DIR}/font_bold.ttf
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CINDERWAKE_EMBED_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CW_FONT_DIR}/DejaVuSans.ttf ${CINDERWAKE_EMBED_DIR}/font_regular.ttf
  COMMAND ${CMAKE_COMMAND} -E copy ${CW_FONT_DIR}/DejaVuSans-Bold.ttf ${CINDERWAKE_EMBED_DIR}/font_bold.ttf
  VERBATIM)

# A fresh copy has no saved game; an existing saved game is never overwritten by a rebuild.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/generated/savegame.stamp
  COMMAND ${CMAKE_COMMAND} -DFILE=${CINDERWAKE_DATA_DIR}/SaveGame.txt -P ${CMAKE_SOURCE_DIR}/cmake/NoSaveGame.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/generated/savegame.stamp
  VERBATIM)

add_custom_target(cinderwake_data ALL
  DEPENDS ${CW_MAP_OUTPUTS} ${CW_MUSIC_OUTPUTS} ${CW_ART_OUTPUTS} ${CMAKE_BINARY_DIR}/generated/savegame.stamp)
add_custom_target(cinderwake_assets DEPENDS ${CW_ART_OUTPUTS} ${CINDERWAKE_EMBED_DIR}/font_regular.ttf
                                            ${CINDERWAKE_EMBED_DIR}/font_bold.ttf ${CW_CHECKED_LOCATION_TABLE})
add_dependencies(cinderwake_assets cinderwake_data)

set(CW_EMBEDDED_FILES ${CW_ART_PICTURES} font_regular.ttf font_bold.ttf ${CW_CHECKED_LOCATION_TABLE})
