# The id by which desktops and software centres know Lunetra: the maker's host in reverse
# order, as domain names go, then the program's name. A branded build with its own maker host
# gets its own id, or sets LUNETRA_APP_ID itself.
string(REGEX REPLACE "^www\\." "" _lunetra_domain "${LUNETRA_MAKER_HOST}")
string(REPLACE "." ";" _lunetra_parts "${_lunetra_domain}")
list(REVERSE _lunetra_parts)
list(JOIN _lunetra_parts "." _lunetra_reversed)
# Desktop and AppStream ids take no hyphens; the freedesktop rules put "_" in their place.
string(REPLACE "-" "_" _lunetra_reversed "${_lunetra_reversed}")
set(LUNETRA_APP_ID "${_lunetra_reversed}.Lunetra" CACHE STRING
    "Reverse-DNS application id: names the desktop entry, the icon and the metainfo")
if(NOT LUNETRA_APP_ID MATCHES "^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)+$")
    message(FATAL_ERROR "LUNETRA_APP_ID \"${LUNETRA_APP_ID}\" is not a reverse-DNS id")
endif()
