# Builds the compiled-in resource tree:
#  - every file under qml/ (QML precompiled by the Qt Quick compiler), except
#    the SVG image sources;
#  - every qml/**/*.svg rendered to a PNG at the same resource path, except
#    that a source named NAME.jpg.svg is rendered to the JPEG NAME.jpg;
#  - the per-locale country-name files generated from Debian's CLDR data, in
#    the script Qt gives each locale.

set(RES_DIR ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${RES_DIR})

# QML, scripts and other static files.
file(GLOB_RECURSE QML_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/qml
    ${CMAKE_SOURCE_DIR}/qml/*)
list(FILTER QML_FILES EXCLUDE REGEX "\\.svg$")
list(SORT QML_FILES)
set(_qrc "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(f ${QML_FILES})
    string(APPEND _qrc "    <file alias=\"${f}\">${CMAKE_SOURCE_DIR}/qml/${f}</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${RES_DIR}/qml.qrc CONTENT "${_qrc}")
qtquick_compiler_add_resources(QML_RCC ${RES_DIR}/qml.qrc)

# Images: SVG sources rendered at twice their logical size (svg2png picks
# the format from the output's suffix).
add_executable(svg2png ${CMAKE_SOURCE_DIR}/tools/svg2png.cpp)
target_link_libraries(svg2png PRIVATE Qt5::Gui Qt5::Svg)

file(GLOB_RECURSE SVG_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/qml
    ${CMAKE_SOURCE_DIR}/qml/*.svg)
list(SORT SVG_FILES)
set(PNG_FILES)
set(_qrc "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(f ${SVG_FILES})
    if(f MATCHES "\\.jpg\\.svg$")
        string(REGEX REPLACE "\\.svg$" "" png "${f}")
    else()
        string(REGEX REPLACE "\\.svg$" ".png" png "${f}")
    endif()
    set(out ${RES_DIR}/rendered/${png})
    add_custom_command(OUTPUT ${out}
        # Qt's offscreen platform leaks at exit: no leak report in a
        # sanitizer build.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:svg2png> ${CMAKE_SOURCE_DIR}/qml/${f} ${out} 2
        DEPENDS svg2png ${CMAKE_SOURCE_DIR}/qml/${f}
        COMMENT "Rendering ${png}" VERBATIM)
    list(APPEND PNG_FILES ${out})
    string(APPEND _qrc "    <file alias=\"${png}\">${out}</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${RES_DIR}/images.qrc CONTENT "${_qrc}")
add_custom_target(images DEPENDS ${PNG_FILES})
qt5_add_resources(IMAGE_RCC ${RES_DIR}/images.qrc OPTIONS -no-compress)

# Country names per locale, from CLDR. The list of locale folders depends on
# CLDR alone and is written at configure time (again when the generator
# changed); the files are written at build time, where localescripts tells
# which script Qt gives a language and territory that CLDR has in several.
add_executable(localescripts ${CMAKE_SOURCE_DIR}/tools/localescripts.cpp)
target_link_libraries(localescripts PRIVATE Qt5::Core)

set(CLDR_DIR /usr/share/unicode/cldr/common CACHE PATH "CLDR common data")
set(COUNTRY_DIR ${RES_DIR}/country-list)
set(COUNTRY_QRC ${RES_DIR}/country-list.qrc)
set(COUNTRY_GEN ${CMAKE_SOURCE_DIR}/tools/gen_country_list.py)
file(SHA1 ${COUNTRY_GEN} _gen_hash)
if(NOT EXISTS ${COUNTRY_QRC} OR NOT "${_gen_hash}" STREQUAL "${COUNTRY_GEN_HASH}")
    message(STATUS "Listing the country-name files of ${CLDR_DIR}")
    execute_process(
        COMMAND ${Python3_EXECUTABLE} ${COUNTRY_GEN} qrc ${CLDR_DIR} ${COUNTRY_DIR} ${COUNTRY_QRC}
        RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "country list generation failed")
    endif()
    set(COUNTRY_GEN_HASH "${_gen_hash}" CACHE INTERNAL "")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${COUNTRY_GEN})

file(STRINGS ${COUNTRY_QRC} _country_lines REGEX "<file ")
set(COUNTRY_FILES)
foreach(line ${_country_lines})
    string(REGEX REPLACE "^.*>([^<]+)</file>.*$" "\\1" path "${line}")
    list(APPEND COUNTRY_FILES ${path})
endforeach()
add_custom_command(OUTPUT ${COUNTRY_FILES}
    # No leak report from a sanitizer build's tool.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
        ${Python3_EXECUTABLE} ${COUNTRY_GEN} files ${CLDR_DIR} ${COUNTRY_DIR}
        $<TARGET_FILE:localescripts>
    DEPENDS localescripts ${COUNTRY_GEN}
    COMMENT "Writing the country-name files" VERBATIM)
qt5_add_resources(COUNTRY_RCC ${COUNTRY_QRC})

add_library(keyloftresources OBJECT ${QML_RCC} ${IMAGE_RCC} ${COUNTRY_RCC})
target_link_libraries(keyloftresources PRIVATE Qt5::Core Qt5::Qml)
add_dependencies(keyloftresources images)
