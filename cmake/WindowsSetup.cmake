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

# The setup program, when NSIS is at hand.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
    message(STATUS "No makensis: the setup program is not built")
    return()
endif()
set(LUNETRA_SETUP ${CMAKE_BINARY_DIR}/lunetra-${PROJECT_VERSION}-setup.exe)
set(LUNETRA_NSIS_INSTALL "")
set(LUNETRA_NSIS_REMOVE "")
foreach(_file $<TARGET_FILE:lunetra> ${LUNETRA_QT_DLLS})
    string(REPLACE "TARGET_FILE:" "TARGET_FILE_NAME:" _name "${_file}")
    string(APPEND LUNETRA_NSIS_INSTALL "    File \"${_file}\"\n")
    string(APPEND LUNETRA_NSIS_REMOVE "    Delete \"$INSTDIR\\${_name}\"\n")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/lunetra.nsi.in ${_windows}/lunetra.nsi.in @ONLY)
file(GENERATE OUTPUT ${_windows}/lunetra.nsi INPUT ${_windows}/lunetra.nsi.in)
add_custom_command(OUTPUT ${LUNETRA_SETUP}
    COMMAND ${MAKENSIS} -V2 -NOCD ${_windows}/lunetra.nsi
    DEPENDS ${_windows}/lunetra.nsi ${LUNETRA_ICO} lunetra lunetra_qt_runtime VERBATIM)
add_custom_target(lunetra_setup ALL DEPENDS ${LUNETRA_SETUP})
