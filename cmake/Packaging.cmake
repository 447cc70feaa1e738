# Installs Lunetra as a desktop program (menu entry, themed icons, AppStream metainfo, Debian
# documents) and makes CPack build a Debian package of it.
if(NOT UNIX OR APPLE)
    return()
endif()
include(GNUInstallDirs)

set(LUNETRA_RELEASE_DATE "2026-12-06")
set(LUNETRA_RELEASE_RFC2822 "Sun, 06 Dec 2026 12:00:00 +0000")
string(REGEX REPLACE "^www\\." "" _maker_domain "${LUNETRA_MAKER_HOST}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUNETRA_DEVELOPER} <lunetra@${_maker_domain}>")

# The pictures in docs/ that scripts/screenshots.sh renders, with their captions. The metainfo
# gives them at the product host's screenshots/ folder, where docs/ is published.
set(_screenshots
    "main-window.png|The main window with a name typed in"
    "result-window.png|The Ixion sign for 21 October 1904, Virgo, with its reading"
    "about-window.png|The About window"
    "exit-window.png|The exit window, with the form to recommend Lunetra to a friend"
    "only-letters-message.png|The message shown when a name holds more than letters"
    "main-window-scale-2.png|The main window at twice the usual size, for high-density screens")
set(LUNETRA_SCREENSHOTS "")
set(_type " type=\"default\"")
foreach(_shot IN LISTS _screenshots)
    string(REPLACE "|" ";" _shot "${_shot}")
    list(GET _shot 0 _file)
    list(GET _shot 1 _caption)
    string(APPEND LUNETRA_SCREENSHOTS
           "    <screenshot${_type}>\n"
           "      <caption>${_caption}</caption>\n"
           "      <image>https://${LUNETRA_PRODUCT_HOST}/screenshots/${_file}</image>\n"
           "    </screenshot>\n")
    set(_type "")
endforeach()

set(_out ${CMAKE_CURRENT_BINARY_DIR}/install)
set(_res ${PROJECT_SOURCE_DIR}/resources)
configure_file(${_res}/lunetra.desktop.in ${_out}/${LUNETRA_APP_ID}.desktop @ONLY)
configure_file(${_res}/lunetra.metainfo.xml.in ${_out}/${LUNETRA_APP_ID}.metainfo.xml @ONLY)
configure_file(${_res}/debian/copyright.in ${_out}/copyright @ONLY)
configure_file(${_res}/debian/changelog.in ${_out}/changelog @ONLY)

# The icon at each size, as the program carries it.
find_program(GZIP gzip REQUIRED)
set(_generated)
foreach(_png ${LUNETRA_ICONS})
    string(REGEX MATCH "[0-9]+\\.png$" _size ${_png})
    string(REPLACE ".png" "" _size ${_size})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME ${LUNETRA_APP_ID}.png)
endforeach()
# Debian wants the changelog and the manual page compressed, reproducibly (-n: no time stamp).
foreach(_doc changelog lunetra.1)
    if(_doc STREQUAL "changelog")
        set(_from ${_out}/changelog)
    else()
        set(_from ${_res}/debian/${_doc})
    endif()
    add_custom_command(OUTPUT ${_out}/${_doc}.gz
        COMMAND ${GZIP} -9nc ${_from} > ${_out}/${_doc}.gz
        DEPENDS ${_from} VERBATIM)
    list(APPEND _generated ${_out}/${_doc}.gz)
endforeach()
add_custom_target(lunetra_install_files ALL DEPENDS ${_generated})

install(FILES ${_out}/${LUNETRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_out}/${LUNETRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_res}/lunetra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUNETRA_APP_ID}.svg)
install(FILES ${_out}/copyright ${_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lunetra)
install(FILES ${_out}/lunetra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunetra)
set(CPACK_PACKAGE_VENDOR "${LUNETRA_DEVELOPER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its display plugins at run time, where shlibdeps cannot see them; Qt's own package
# only recommends them, and without them Lunetra cannot open a window. Every link goes through
# xdg-open; without it no page ever opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${LUNETRA_PRODUCT_HOST}/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find your Ixion sign from your date of birth")
# CPack puts the summary first and indents each line of this for the control file.
set(CPACK_PACKAGE_DESCRIPTION [[Lunetra tells you your Ixion sign: the zodiac sign in which the minor
planet Ixion stood on the day you were born. Type your name, pick your birth
date between 1900 and 2018, and Lunetra shows the sign with a short reading
of what it says about your attitude, your plans and your strengths.]])
include(CPack)
