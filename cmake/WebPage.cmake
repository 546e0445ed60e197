# Puts the page together (cmake -P): OUT gets the page files, the program (PROGRAM and the .wasm
# beside it), the data folder without any saved game, and files.json, which lists what the page
# downloads with the sizes its progress bar counts.
get_filename_component(dir "${PROGRAM}" DIRECTORY)
get_filename_component(stem "${PROGRAM}" NAME_WE)
file(MAKE_DIRECTORY "${OUT}/data")
file(COPY ${PAGE_FILES} "${PROGRAM}" "${dir}/${stem}.wasm" DESTINATION "${OUT}")

# The data folder as it is now: files of an earlier build that are gone are removed.
file(GLOB old RELATIVE "${OUT}/data" "${OUT}/data/*")
file(GLOB data RELATIVE "${DATA_DIR}" "${DATA_DIR}/*")
list(FILTER data EXCLUDE REGEX "^SaveGame\\.txt")
list(SORT data)
foreach(f IN LISTS old)
  if(NOT f IN_LIST data)
    file(REMOVE "${OUT}/data/${f}")
  endif()
endforeach()

function(entry path name out)
  file(SIZE "${path}" size)
  set(${out} "    {\"name\": \"${name}\", \"size\": ${size}}" PARENT_SCOPE)
endfunction()
set(data_entries "")
foreach(f IN LISTS data)
  file(COPY "${DATA_DIR}/${f}" DESTINATION "${OUT}/data")
  entry("${DATA_DIR}/${f}" "${f}" e)
  list(APPEND data_entries "${e}")
endforeach()
entry("${PROGRAM}" "${stem}.js" js)
entry("${dir}/${stem}.wasm" "${stem}.wasm" wasm)
list(JOIN data_entries ",\n" data_json)
file(WRITE "${OUT}/files.json.new" "{\n  \"program\": [\n${js},\n${wasm}\n  ],\n  \"data\": [\n${data_json}\n  ]\n}\n")
file(RENAME "${OUT}/files.json.new" "${OUT}/files.json")
