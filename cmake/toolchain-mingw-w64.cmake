# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads), run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUNETRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUNETRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUNETRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LUNETRA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUNETRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The MinGW runtime goes into each executable and library, so nothing of it is copied beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian's wine64 package keeps its loader outside PATH.
find_program(LUNETRA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LUNETRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${LUNETRA_WINE})
endif()

# Qt for Windows, where scripts/build-qt-windows.sh builds it: the script names the folder
# (LUNETRA_QT_WINDOWS, or the user's cache folder named by the version of the host's Qt tools,
# which must be the same), so both always look in the same place.
if(NOT LUNETRA_QT_WINDOWS)
    execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-qt-windows.sh --folder
                    OUTPUT_VARIABLE LUNETRA_QT_WINDOWS OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(EXISTS ${LUNETRA_QT_WINDOWS}/lib/cmake/Qt6)
    list(APPEND CMAKE_FIND_ROOT_PATH ${LUNETRA_QT_WINDOWS})
    list(APPEND CMAKE_PREFIX_PATH ${LUNETRA_QT_WINDOWS})
    # moc, rcc and uic are the host's.
    set(QT_HOST_PATH /usr)
    execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                    OUTPUT_VARIABLE _multiarch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${_multiarch}/cmake)
endif()
