# Windows test executables run under Wine, in a Wine prefix of this build folder. One fixture
# creates the prefix (slow the first time, then reused), another stops its wineserver, so no
# Wine process outlives the test run.
find_program(LUNETRA_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine REQUIRED)
set(LUNETRA_WINE_HOME ${CMAKE_BINARY_DIR}/wine)

# Every test reaches Wine through run-wine.sh.in, which tells Wine's own start failures from
# the program's.
configure_file(${CMAKE_CURRENT_LIST_DIR}/run-wine.sh.in ${LUNETRA_WINE_HOME}/wine @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LUNETRA_WINE_HOME}/wine)

# Should a test ever reach Wine's own browser handler, it ends here, never in a real browser.
file(WRITE ${LUNETRA_WINE_HOME}/no-browser/xdg-open "#!/bin/sh\nexit 1\n")
file(CHMOD ${LUNETRA_WINE_HOME}/no-browser/xdg-open PERMISSIONS OWNER_READ OWNER_EXECUTE)

# No Mono or Gecko questions, no menu entries in the user's home; Windows-1252 as the code page.
set(LUNETRA_WINE_ENVIRONMENT
    WINEPREFIX=${LUNETRA_WINE_HOME}/prefix WINEDEBUG=-all LC_ALL=C.UTF-8
    "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=d"
    XDG_CONFIG_HOME=${LUNETRA_WINE_HOME}/config XDG_DATA_HOME=${LUNETRA_WINE_HOME}/data)

function(lunetra_wine_environment)
    set_tests_properties(${ARGN} PROPERTIES ENVIRONMENT "${LUNETRA_WINE_ENVIRONMENT}"
        ENVIRONMENT_MODIFICATION PATH=path_list_prepend:${LUNETRA_WINE_HOME}/no-browser)
endfunction()

# The widget tests take up to 80 s under Wine on two cores; the limit leaves room for a busy one.
function(lunetra_under_wine name)
    lunetra_wine_environment(${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180)
endfunction()

# Without a console QtTest reports to the debugger alone, and Wine hands no QT_ variable of the
# host on: the prefix tells Qt to report to the test's output.
add_test(NAME wine_prefix_start
         COMMAND sh -c "\"$0\" wineboot --init && \"$0\" reg add HKCU\\\\Environment /f /v QT_FORCE_STDERR_LOGGING /d 1 >/dev/null"
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine_prefix_stop
         COMMAND sh -c "\"$0\" -k 2>/dev/null; \"$0\" -w" ${LUNETRA_WINESERVER})
lunetra_wine_environment(wine_prefix_start wine_prefix_stop)
set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
