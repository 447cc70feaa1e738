# Lunetra for Windows: the Qt libraries beside the program, the icon and version information
# in it, and a setup program that installs it for the current user.
if(NOT WIN32)
    return()
endif()

# Qt stays in DLLs of its own, which a user may replace; the program loads these and no more.
set(LUNETRA_QT_DLLS $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(LUNETRA_QT_PLATFORM $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
set(LUNETRA_QT_PLATFORM_NAME $<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>)
set(_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(lunetra_qt_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_bin}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LUNETRA_QT_DLLS} ${_bin}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LUNETRA_QT_PLATFORM} ${_bin}/platforms
    VERBATIM)
add_dependencies(lunetra lunetra_qt_runtime)

# The icon Explorer and the task bar show, at each size Windows asks for: small icons are 16,
# 20, 24 and 32 pixels at 100, 125, 150 and 200 %, large ones twice that, and 256 for the
# largest views. Sizes the Linux icons share are those very renderings.
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
set(_windows ${CMAKE_BINARY_DIR}/windows)
set(_svg ${PROJECT_SOURCE_DIR}/resources/lunetra.svg)
set(_ico_images)
foreach(_size 16 20 24 32 40 48 64 256)
    set(_png ${LUNETRA_ICONS})
    list(FILTER _png INCLUDE REGEX "-${_size}\\.png$")
    if(NOT _png)
        set(_png ${_windows}/lunetra-${_size}.png)
        add_custom_command(OUTPUT ${_png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_windows}
            COMMAND ${RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_svg}
            DEPENDS ${_svg} VERBATIM)
    endif()
    list(APPEND _ico_images ${_png})
endforeach()
set(LUNETRA_ICO ${_windows}/lunetra.ico)
add_custom_command(OUTPUT ${LUNETRA_ICO}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_windows}
    COMMAND ${IMAGEMAGICK_CONVERT} ${_ico_images} ${LUNETRA_ICO}
    DEPENDS ${_ico_images} VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/lunetra.rc.in ${_windows}/lunetra.rc @ONLY)
target_sources(lunetra PRIVATE ${_windows}/lunetra.rc)
set_source_files_properties(${_windows}/lunetra.rc PROPERTIES OBJECT_DEPENDS ${LUNETRA_ICO})
add_custom_target(lunetra_ico DEPENDS ${LUNETRA_ICO})
add_dependencies(lunetra lunetra_ico)

# The setup program, where NSIS and the licence texts it installs are at hand: Lunetra's terms;
# the LGPL that Qt comes under and the GPL it adds to; where Qt's source is; the notices of Qt's
# source and of the GCC and MinGW-w64 runtime code built into every executable and DLL. The
# texts are Debian's; Qt's source is the one scripts/build-qt-windows.sh noted beside its build.
find_program(MAKENSIS makensis)
set(_licences
    LGPL-3.txt /usr/share/common-licenses/LGPL-3
    GPL-3.txt /usr/share/common-licenses/GPL-3
    Qt-copyright.txt /usr/share/doc/libqt6core6/copyright
    MinGW-w64.txt /usr/share/doc/mingw-w64-common/copyright
    GCC-runtime.txt /usr/share/doc/gcc-mingw-w64-base/copyright)
set(_qt_built_as ${LUNETRA_QT_WINDOWS}/.lunetra-complete)
if(NOT MAKENSIS)
    message(STATUS "No makensis: the setup program is not built")
    return()
endif()
foreach(_needed ${_licences} ${_qt_built_as})
    if(_needed MATCHES "^/" AND NOT EXISTS ${_needed})
        message(STATUS "No ${_needed}: the setup program is not built")
        return()
    endif()
endforeach()

file(READ ${_qt_built_as} _built_as)
string(REGEX MATCH "^[^ \n]+" _qt_debian_version "${_built_as}")
set(LUNETRA_QT_VERSION ${Qt6_VERSION})
set(LUNETRA_QT_SOURCE "These libraries were built from Debian's source package of Qt's base module,
qt6-base version ${_qt_debian_version}, with Debian's own patches and no others.
Debian's snapshot archive keeps every version of it. On Debian or Ubuntu,
    apt-get source qt6-base=${_qt_debian_version}
fetches it (with a deb-src line in the sources list).")
# The licence page shows Lunetra's terms as NSIS reads them: UTF-8 only with a byte order mark.
string(ASCII 239 187 191 _utf8_mark)
file(READ ${PROJECT_SOURCE_DIR}/resources/licences/Lunetra.txt.in _terms)
set(LUNETRA_TERMS ${_windows}/licences/Lunetra.txt)
file(CONFIGURE OUTPUT ${LUNETRA_TERMS} CONTENT "${_utf8_mark}${_terms}" @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/resources/licences/Lunetra.txt.in)
configure_file(${PROJECT_SOURCE_DIR}/resources/licences/Qt.txt.in ${_windows}/licences/Qt.txt
               @ONLY NEWLINE_STYLE CRLF)
list(PREPEND _licences Lunetra.txt ${LUNETRA_TERMS} Qt.txt ${_windows}/licences/Qt.txt)

# The picture beside the welcome and finish pages, twice the 164 x 314 pixels they have at
# 100 %, so that it stays sharp up to 200 %: the icon on the colour of Lunetra's windows.
set(_icon256 ${LUNETRA_ICONS})
list(FILTER _icon256 INCLUDE REGEX "-256\\.png$")
set(LUNETRA_WIZARD_BMP ${_windows}/wizard.bmp)
add_custom_command(OUTPUT ${LUNETRA_WIZARD_BMP}
    COMMAND ${IMAGEMAGICK_CONVERT} -size 328x628 "xc:rgb(255,224,192)" ${_icon256}
            -gravity center -geometry +0-90 -composite -type TrueColor BMP3:${LUNETRA_WIZARD_BMP}
    DEPENDS ${_icon256} VERBATIM)

# The name under which a running lunetra.exe holds its instance mutex (platform/InstanceGuard).
set(LUNETRA_INSTANCE_MUTEX "Local\\Lunetra-_lunetra.lock")
set(LUNETRA_SETUP ${CMAKE_BINARY_DIR}/lunetra-${PROJECT_VERSION}-setup.exe)
set(LUNETRA_NSIS_INSTALL "")
set(LUNETRA_NSIS_REMOVE "")
set(LUNETRA_NSIS_IN_USE "")
foreach(_file $<TARGET_FILE:lunetra> ${LUNETRA_QT_DLLS} ${LUNETRA_QT_PLATFORM})
    string(REPLACE "TARGET_FILE:" "TARGET_FILE_NAME:" _name "${_file}")
    if(_file STREQUAL LUNETRA_QT_PLATFORM)
        set(_name "platforms\\${_name}")
    else()
        string(APPEND LUNETRA_NSIS_INSTALL "    File \"${_file}\"\n")
        string(APPEND LUNETRA_NSIS_REMOVE "    Delete \"$INSTDIR\\${_name}\"\n")
    endif()
    string(APPEND LUNETRA_NSIS_IN_USE "    !insertmacro LUNETRA_IN_USE \"$INSTDIR\\${_name}\"\n")
endforeach()
set(LUNETRA_NSIS_LICENCES "")
set(LUNETRA_NSIS_LICENCES_REMOVE "")
set(_licence_files)
while(_licences)
    list(POP_FRONT _licences _name _from)
    string(APPEND LUNETRA_NSIS_LICENCES "    File \"/oname=${_name}\" \"${_from}\"\n")
    string(APPEND LUNETRA_NSIS_LICENCES_REMOVE "    Delete \"$INSTDIR\\licences\\${_name}\"\n")
    list(APPEND _licence_files ${_from})
endwhile()
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/lunetra.nsi.in ${_windows}/lunetra.nsi.in @ONLY)
file(GENERATE OUTPUT ${_windows}/lunetra.nsi INPUT ${_windows}/lunetra.nsi.in)
add_custom_command(OUTPUT ${LUNETRA_SETUP}
    COMMAND ${MAKENSIS} -V2 -NOCD -INPUTCHARSET UTF8 ${_windows}/lunetra.nsi
    DEPENDS ${_windows}/lunetra.nsi ${LUNETRA_ICO} ${LUNETRA_WIZARD_BMP} ${_licence_files}
            lunetra lunetra_qt_runtime VERBATIM)
add_custom_target(lunetra_setup ALL DEPENDS ${LUNETRA_SETUP})
