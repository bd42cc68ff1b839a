# The Linux build as an archive a player unpacks anywhere and starts with
# woodrun/woodrun (or the desktop entry beside it), with nothing to install:
#   woodrun/woodrun          the launcher: settings go to $XDG_CONFIG_HOME/woodrun
#   woodrun/lib/             the game, and OpenAL Soft, found through $ORIGIN
#   woodrun/data/            its images, sounds and font (DejaVu Sans itself)
#   woodrun/woodrun.desktop, woodrun.png, README.txt, licences/
# cmake --build <build> --target package leaves
# woodrun-<version>-linux-x86_64.tar.gz there, of the component "game" alone.
# The build links SFML and the libraries it reads files with statically, and
# names OpenAL Soft's library in OPENAL_LIBRARY and its licence in
# WOODRUN_OPENAL_LICENCE (tools/scripts/linux-archive.sh does all of that).
set(top woodrun)
set(WOODRUN_GAME_FROM_LAUNCHER lib/woodrun)
set(WOODRUN_DATA_FROM_LAUNCHER data)
configure_file(woodrun.in woodrun @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/woodrun DESTINATION ${top})

set_target_properties(woodrun PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS woodrun RUNTIME DESTINATION ${top}/lib)
get_filename_component(openal ${OPENAL_LIBRARY} REALPATH)
install(FILES ${openal} DESTINATION ${top}/lib RENAME libopenal.so.1)
if(CMAKE_STRIP)
    install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment
                  --remove-section=.note
                  \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${top}/lib/woodrun
                  COMMAND_ERROR_IS_FATAL ANY)")
endif()

foreach(asset IN LISTS WOODRUN_IMAGES WOODRUN_SOUNDS)
    get_filename_component(folder ${asset} DIRECTORY)
    install(FILES ${WOODRUN_GAME_DIR}/${asset} DESTINATION ${top}/data/${folder})
endforeach()
install(FILES ${WOODRUN_GAME_DIR}/engo.ttf DESTINATION ${top}/data)

install(FILES ${WOODRUN_ICON_DIR}/hicolor/256x256/apps/woodrun.png DESTINATION ${top})
install(FILES linux/woodrun.desktop DESTINATION ${top})
include(${PROJECT_SOURCE_DIR}/cmake/Controls.cmake)
woodrun_controls(TEXT WOODRUN_CONTROLS)
configure_file(linux/README.txt.in README.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION ${top})

# Ours, SFML's, OpenAL Soft's, and the copyright files of the system's
# libraries linked in, as the build system's packages give them.
set(licences ${CMAKE_CURRENT_BINARY_DIR}/licences)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licences}/woodrun.txt COPYONLY)
configure_file(${WOODRUN_SFML_EXTLIBS}/../license.md ${licences}/SFML.txt COPYONLY)
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+$" openal_version ${openal})
configure_file(linux/OpenAL-Soft.txt.in OpenAL-Soft.txt @ONLY)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/OpenAL-Soft.txt openal_note)
file(READ ${WOODRUN_OPENAL_LICENCE} lgpl)
file(WRITE ${licences}/OpenAL-Soft.txt "${openal_note}\n${lgpl}")
foreach(pair FreeType:libfreetype6 libpng:libpng16-16 zlib:zlib1g Brotli:libbrotli1 Ogg:libogg0
             Vorbis:libvorbis0a FLAC:libflac8 GCC-runtime:libstdc++6 DejaVu:fonts-dejavu-core)
    string(REPLACE ":" ";" pair ${pair})
    list(GET pair 0 name)
    list(GET pair 1 package)
    configure_file(/usr/share/doc/${package}/copyright ${licences}/${name}.txt COPYONLY)
endforeach()
install(DIRECTORY ${licences} DESTINATION ${top})

set(CPACK_GENERATOR TGZ)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_NAME woodrun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME woodrun-${PROJECT_VERSION}-linux-x86_64)
include(CPack)
