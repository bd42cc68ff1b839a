# Which SFML the game is built against. "system" finds the one installed
# (Debian 12's 2.5.1, the default for the players' build and the package);
# "fetch" builds SFML 2.6.2 from its own source, fetched from SFML's
# repository as SFML's CMake project template does. Without a network, point
# CMake's FETCHCONTENT_SOURCE_DIR_SFML at an unpacked copy of that source.
set(WOODRUN_SFML system CACHE STRING "system: the SFML installed; fetch: SFML 2.6.2 from its source")
set_property(CACHE WOODRUN_SFML PROPERTY STRINGS system fetch)

if(WOODRUN_SFML STREQUAL fetch)
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
elseif(WOODRUN_SFML STREQUAL system)
    find_package(SFML 2.5 COMPONENTS audio graphics window system REQUIRED)
else()
    message(FATAL_ERROR "WOODRUN_SFML is system or fetch, not ${WOODRUN_SFML}")
endif()
