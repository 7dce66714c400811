# The zip for Windows users, Quoriam-<version>-win64.zip (CPack's ZIP generator):
#
#   Quoriam-<version>-win64/
#       quoriam.exe          static: it needs nothing but Windows' own DLLs
#       README.txt           what it is, how to run it, how to rebuild it
#       quoriam-<version>-source.tar.gz
#                            the source it was built from (SourceArchive.cmake)
#       LICENSE.txt          Quoriam's licence
#       licenses/fonts/      the licences of the fonts compiled into the program
#       licenses/qt/         Qt's licence and the copyright record of its source
#
# Included from Packaging.cmake on Windows, before its install rules.

# The program at the top of the folder, not in bin/.
set(CMAKE_INSTALL_BINDIR ".")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUORIAM_WINDOWS_ARCH "win64")
else()
    set(QUORIAM_WINDOWS_ARCH "win32")
endif()

# Qt's licence files: a Qt built by tools/windows/qt.sh keeps them in licenses/, Qt's
# own installer in Licenses/ two levels above the kit.
set(QUORIAM_QT_SOURCE "Qt ${Qt6_VERSION}")
foreach(dir "${QT6_INSTALL_PREFIX}/licenses" "${QT6_INSTALL_PREFIX}/../../Licenses")
    if(IS_DIRECTORY "${dir}")
        install(DIRECTORY "${dir}/" DESTINATION licenses/qt)
        if(EXISTS "${dir}/qt6-base-source.txt")
            # Where it came from and how it was configured, indented and wrapped for the
            # read-me (whose lines end in CR LF, these included).
            file(READ "${dir}/qt6-base-source.txt" source)
            string(REGEX REPLACE "[ \t\r\n]+" ";" words "${source}")
            set(QUORIAM_QT_SOURCE "")
            set(line "")
            foreach(word IN LISTS words)
                string(LENGTH "${line} ${word}" length)
                if(line AND (length GREATER 76 OR word STREQUAL "configure"))
                    string(APPEND QUORIAM_QT_SOURCE "${line}\r\n    ")
                    set(line "${word}")
                elseif(line)
                    string(APPEND line " ${word}")
                else()
                    set(line "${word}")
                endif()
            endforeach()
            string(APPEND QUORIAM_QT_SOURCE "${line}")
        endif()
        set(QUORIAM_QT_LICENSES "${dir}")
        break()
    endif()
endforeach()
if(NOT QUORIAM_QT_LICENSES)
    message(WARNING "Qt's licence files were not found under ${QT6_INSTALL_PREFIX}: "
                    "the zip would lack them. Put them in licenses/qt by hand before shipping.")
endif()

configure_file("${QUORIAM_PACKAGING_DIR}/windows/README.txt.in"
               "${PROJECT_BINARY_DIR}/packaging/README.txt" @ONLY NEWLINE_STYLE CRLF)
install(FILES "${PROJECT_BINARY_DIR}/packaging/README.txt" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
if(QUORIAM_SOURCE_ARCHIVE)
    install(FILES "${QUORIAM_SOURCE_ARCHIVE}" DESTINATION .)
endif()
file(GLOB QUORIAM_FONT_LICENSES "${PROJECT_SOURCE_DIR}/resources/fonts/*-OFL.txt")
install(FILES ${QUORIAM_FONT_LICENSES} DESTINATION licenses/fonts)

set(CPACK_GENERATOR "ZIP")
set(CPACK_PACKAGE_FILE_NAME "Quoriam-${PROJECT_VERSION}-${QUORIAM_WINDOWS_ARCH}")
# Where the tests find it (CPack's own variable names the source package once CPack is in).
set(QUORIAM_WINDOWS_ZIP "${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
