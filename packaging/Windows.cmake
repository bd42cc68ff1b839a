# The Windows build as a zip a player unpacks anywhere and starts with a
# double-click: woodrun.exe with openal32.dll beside it, everything the game
# loads at the paths it loads it from, README.txt and the licences.
# cmake --build <windows build> --target package leaves
# woodrun-<version>-windows-x64.zip there, of the component "game" alone.
install(TARGETS woodrun RUNTIME DESTINATION .)
install(FILES ${WOODRUN_SFML_EXTLIBS}/bin/x64/openal32.dll DESTINATION .)
foreach(asset IN LISTS WOODRUN_IMAGES WOODRUN_SOUNDS)
    get_filename_component(folder ${asset} DIRECTORY)
    install(FILES ${WOODRUN_GAME_DIR}/${asset} DESTINATION ${folder})
endforeach()
install(FILES ${WOODRUN_GAME_DIR}/engo.ttf DESTINATION .)

include(${PROJECT_SOURCE_DIR}/cmake/Controls.cmake)
woodrun_controls(TEXT WOODRUN_CONTROLS)
configure_file(windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

# Ours, SFML's, and those of the libraries that SFML 2.6.2's source ships for
# MinGW and the game links in, kept here for the versions in the zip; OpenAL
# Soft's says where its source is.
file(GLOB licences CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/windows/licences/*.txt)
list(FILTER licences EXCLUDE REGEX "OpenAL-Soft.txt$")
file(COPY ${licences} DESTINATION licences)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE licences/woodrun.txt COPYONLY)
configure_file(${WOODRUN_SFML_EXTLIBS}/../license.md licences/SFML.txt COPYONLY)
file(READ windows/licences/OpenAL-Soft.txt openal)
file(READ /usr/share/common-licenses/LGPL-2 lgpl)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/licences/OpenAL-Soft.txt "${openal}${lgpl}")
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/licences DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_NAME woodrun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME woodrun-${PROJECT_VERSION}-windows-x64)
include(CPack)
