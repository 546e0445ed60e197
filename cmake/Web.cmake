# The browser build (emscripten): the same library and main compiled to cinderwake.js and
# cinderwake.wasm, then put together with the page and the data folder in CINDERWAKE_WEB_OUT, a plain
# folder that any static web server can serve. tools/web.sh configures and builds it.
set(CINDERWAKE_WEB_OUT ${CMAKE_SOURCE_DIR}/build-web CACHE PATH "Folder the page is put together in")

# The game throws (the end of the program, a fault inside a pass): exceptions must be caught.
# Bulk memory: filling and copying pictures are single instructions (memory.fill, memory.copy) instead
# of loops, which run slowly before the browser has optimised them, at start-up above all.
foreach(lib cinderwake_core cinderwake_values cinderwake_script cinderwake_save_format)
  target_compile_options(${lib} PUBLIC -fexceptions -mbulk-memory)
endforeach()
set_target_properties(cinderwake PROPERTIES SUFFIX ".js")
target_link_options(cinderwake PRIVATE
  -fexceptions -mbulk-memory
  # Every wait of the game hands control back to the page (emscripten_sleep and the browser
  # session's own waits); the nested loops of the game can be deep.
  -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=262144
  # Only the game's own code can be on the stack during a wait: it reaches the waits through the
  # session's virtual calls and std::function, through calls that may throw (invoke_*), never through
  # the libraries' function pointers. Left alone, those would make SDL, the decoders and the font
  # renderer pay for unwinding too (twice the code, slower pictures).
  -sASYNCIFY_IGNORE_INDIRECT=1 "-sASYNCIFY_IMPORTS=['invoke_*']"
  -sASYNCIFY_ADD=@${CMAKE_SOURCE_DIR}/web/asyncify_add.json
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=134217728
  # The page downloads the data first, then starts main with the arguments from its URL.
  -sINVOKE_RUN=0 -sEXIT_RUNTIME=0 -sFORCE_FILESYSTEM=1 -lidbfs.js
  -sEXPORTED_FUNCTIONS=_main,_cinderwake_dump
  -sEXPORTED_RUNTIME_METHODS=callMain,UTF8ToString,FS
  # SDL's audio calls these from its own JavaScript, where the linker does not see them.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/library_funcs.json
  -sENVIRONMENT=web)

set(CW_PAGE_FILES ${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_SOURCE_DIR}/web/page.js)
add_custom_target(cinderwake_page ALL
  COMMAND ${CMAKE_COMMAND} -DOUT=${CINDERWAKE_WEB_OUT} -DPROGRAM=$<TARGET_FILE:cinderwake>
          -DDATA_DIR=${CINDERWAKE_DATA_DIR} "-DPAGE_FILES=${CW_PAGE_FILES}"
          -P ${CMAKE_SOURCE_DIR}/cmake/WebPage.cmake
  DEPENDS cinderwake cinderwake_data ${CW_PAGE_FILES} ${CMAKE_SOURCE_DIR}/cmake/WebPage.cmake
  COMMENT "Putting the page together in ${CINDERWAKE_WEB_OUT}"
  VERBATIM)

# The page puts the data folder beside the program (/data); nothing is installed elsewhere.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/app.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             CINDERWAKE_INSTALLED_DATA_DIR="")
