# The page built by tools/web.sh (CINDERWAKE_WEB_DIR) tested in Debian's headless chromium.
find_program(CW_NODE node REQUIRED)
find_program(CW_NPM npm REQUIRED)
find_program(CW_CHROMIUM chromium PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
if(NOT EXISTS ${CINDERWAKE_WEB_DIR}/index.html)
  message(FATAL_ERROR "CINDERWAKE_WEB_DIR=${CINDERWAKE_WEB_DIR} holds no page: build it with tools/web.sh --no-serve")
endif()

# The browser driver, at the version the lock file names, in the build folder.
set(CW_WEB_DRIVER ${CMAKE_BINARY_DIR}/web-test-driver)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/web/package.json ${CW_WEB_DRIVER}/package.json COPYONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/web/package-lock.json ${CW_WEB_DRIVER}/package-lock.json COPYONLY)
add_test(NAME web_driver
         COMMAND ${CMAKE_COMMAND} -E env PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
                 ${CW_NPM} ci --prefix ${CW_WEB_DRIVER} --no-audit --no-fund --loglevel=error)
set_tests_properties(web_driver PROPERTIES FIXTURES_SETUP web_driver LABELS "slow;web" TIMEOUT 300)

set(CW_WEB_TESTS screens replay saved-game settings options-key refused-storage music missing-data)
foreach(t IN LISTS CW_WEB_TESTS)
  add_test(NAME web_${t}
           COMMAND ${CMAKE_COMMAND} -E env CINDERWAKE_CHROMIUM=${CW_CHROMIUM}
                   ${CW_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/web/browser_test.mjs ${t}
                   --web-dir ${CINDERWAKE_WEB_DIR} --driver ${CW_WEB_DRIVER}
                   --program $<TARGET_FILE:cinderwake> --data-dir ${CINDERWAKE_DATA_DIR}
                   --autopilot $<TARGET_FILE:autopilot>)
  # One browser at a time: they share two cores with everything else, and some of them wait on pictures.
  set_tests_properties(web_${t} PROPERTIES FIXTURES_REQUIRED web_driver LABELS "slow;web"
                                           RESOURCE_LOCK browser TIMEOUT 600)
endforeach()
