# Which SFML the game is built against. "system" finds the SFML 2 installed
# (Debian 12's 2.5.1, Debian 13's 2.6.2; the default for the players' build
# and the package); where the system has none, or only SFML 3, which the game
# is not written for, it falls back to what "fetch" does. "fetch" builds SFML
# 2.6.2 from its own source, fetched from SFML's repository as SFML's CMake
# project template does. Without a network, point CMake's
# FETCHCONTENT_SOURCE_DIR_SFML at an unpacked copy of that source
# (tools/scripts/sfml-source.sh prints that option).
set(WOODRUN_SFML system CACHE STRING "system: the SFML 2 installed, else as fetch; fetch: SFML 2.6.2 from its source")
set_property(CACHE WOODRUN_SFML PROPERTY STRINGS system fetch)

if(WOODRUN_SFML STREQUAL system)
    find_package(SFML 2.5 COMPONENTS audio graphics window system QUIET)
    if(NOT SFML_FOUND)
        message(STATUS "No SFML 2 is installed: building SFML 2.6.2 from its source")
    endif()
elseif(NOT WOODRUN_SFML STREQUAL fetch)
    message(FATAL_ERROR "WOODRUN_SFML is system or fetch, not ${WOODRUN_SFML}")
endif()

if(NOT SFML_FOUND)
    include(FetchContent)
    FetchContent_Declare(SFML
        GIT_REPOSITORY https://github.com/SFML/SFML.git
        GIT_TAG 2.6.2
        GIT_SHALLOW ON)
    # Static libraries of the four modules the game uses; on Windows the C++
    # runtime goes in too, so that the game needs no DLL of MinGW's.
    set(BUILD_SHARED_LIBS OFF)
    set(SFML_BUILD_NETWORK OFF)
    set(SFML_BUILD_EXAMPLES OFF)
    set(SFML_BUILD_DOC OFF)
    set(SFML_BUILD_TEST_SUITE OFF)
    if(WIN32)
        set(SFML_USE_STATIC_STD_LIBS ON)
    endif()
    FetchContent_MakeAvailable(SFML)
    # SFML's own headers of the libraries it comes with (OpenAL's among them).
    set(WOODRUN_SFML_EXTLIBS ${sfml_SOURCE_DIR}/extlibs)
endif()
