# The build policy every target of the project links: warnings, and Qt's stricter
# string and connection rules. STATIONERY_WERROR makes warnings errors (the test
# script turns it on).
option(STATIONERY_WERROR "Treat compiler warnings as errors" OFF)

add_library(project_options INTERFACE)
# Headers are named from src/: "stationery/writer.h", "platform/menu_item.h".
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(MSVC)
    target_compile_options(project_options INTERFACE /W4 /w14265 /w14296 /permissive-
                           $<$<BOOL:${STATIONERY_WERROR}>:/WX>)
else()
    target_compile_options(project_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
        $<$<BOOL:${STATIONERY_WERROR}>:-Werror>)
    # GCC 12 at -O3 (the Windows build's Release) warns of overlapping copies inside
    # std::string's own concatenation that cannot happen (its bug 105651).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(project_options INTERFACE -Wno-restrict)
    endif()
endif()
target_compile_definitions(project_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
