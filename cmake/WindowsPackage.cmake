# The zip for Windows users, Quoriam-<version>-win64.zip (CPack's ZIP generator):
#
#   Quoriam-<version>-win64/
#       quoriam.exe          static: it needs nothing but Windows' own DLLs
#       README.txt           what it is, how to run it, its licences, how to rebuild it
#       quoriam-<version>-source.tar.gz
#                            the source it was built from (SourceArchive.cmake)
#       LICENSE.txt          Quoriam's licence
#       licenses/            the licence of everything else in quoriam.exe:
#           fonts/           the fonts compiled into it
#           qt/              Qt's licence and the copyright record of its source
#           mingw-w64/       the MinGW-w64 C runtime and threads library linked into it
#           gcc/             the GCC runtime libraries linked into it
#           common/          the licence texts that those records refer to by name
#
# and beside the zip, Quoriam-<version>-win64-Qt-<Qt version>-source.tar.xz: the exact
# source of the Qt the exe is linked with (target quoriam_qt_source, a copy of what
# tools/windows/qt.sh keeps with that Qt). Every text file has CR LF line endings, which
# every Notepad shows as lines.
#
# Included from Packaging.cmake on Windows, before its install rules.

# The program at the top of the folder, not in bin/.
set(CMAKE_INSTALL_BINDIR ".")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUORIAM_WINDOWS_ARCH "win64")
else()
    set(QUORIAM_WINDOWS_ARCH "win32")
endif()
set(CPACK_PACKAGE_FILE_NAME "Quoriam-${PROJECT_VERSION}-${QUORIAM_WINDOWS_ARCH}")

# The licences are gathered, with CR LF line endings, into the build folder's licenses/.
set(QUORIAM_LICENSES "${PROJECT_BINARY_DIR}/licenses")
file(REMOVE_RECURSE "${QUORIAM_LICENSES}")
# quoriam_text_crlf(SOURCE DESTINATION): SOURCE written to DESTINATION with CR LF endings.
function(quoriam_text_crlf source destination)
    file(READ "${source}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${destination}" "${text}")
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
endfunction()
# quoriam_readme_wrap(VAR TEXT INDENT): TEXT's words in lines of at most 80 characters
# with their indentation, every line after the first starting with INDENT (the first
# takes it from the read-me), and a line of its own from each word "configure" on. Lines
# end in CR LF, as the read-me's own do.
function(quoriam_readme_wrap var text indent)
    string(STRIP "${text}" text)
    string(REGEX REPLACE "[ \t\r\n]+" ";" words "${text}")
    set(wrapped "")
    set(line "")
    foreach(word IN LISTS words)
        string(LENGTH "${indent}${line} ${word}" length)
        if(line AND (length GREATER 80 OR word STREQUAL "configure"))
            string(APPEND wrapped "${line}\r\n${indent}")
            set(line "${word}")
        elseif(line)
            string(APPEND line " ${word}")
        else()
            set(line "${word}")
        endif()
    endforeach()
    set(${var} "${wrapped}${line}" PARENT_SCOPE)
endfunction()
# quoriam_licenses(FOLDER SOURCE...): the SOURCE files into licenses/FOLDER/.
function(quoriam_licenses folder)
    foreach(source IN LISTS ARGN)
        get_filename_component(name "${source}" NAME)
        quoriam_text_crlf("${source}" "${QUORIAM_LICENSES}/${folder}/${name}")
    endforeach()
endfunction()

quoriam_text_crlf("${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt")
file(GLOB QUORIAM_FONT_LICENSES "${PROJECT_SOURCE_DIR}/resources/fonts/*-OFL.txt")
quoriam_licenses(fonts ${QUORIAM_FONT_LICENSES})

# Qt's licence files: a Qt built by tools/windows/qt.sh keeps them in licenses/, Qt's
# own installer in Licenses/ two levels above the kit.
set(QUORIAM_QT_SOURCE "Qt ${Qt6_VERSION}")
foreach(dir "${QT6_INSTALL_PREFIX}/licenses" "${QT6_INSTALL_PREFIX}/../../Licenses")
    if(IS_DIRECTORY "${dir}")
        file(GLOB files LIST_DIRECTORIES false "${dir}/*")
        quoriam_licenses(qt ${files})
        if(EXISTS "${dir}/qt6-base-source.txt")
            # Where it came from and how it was configured, for the read-me.
            file(READ "${dir}/qt6-base-source.txt" source)
            quoriam_readme_wrap(QUORIAM_QT_SOURCE "${source}" "    ")
        endif()
        set(QUORIAM_QT_LICENSES "${dir}")
        break()
    endif()
endforeach()
if(NOT QUORIAM_QT_LICENSES)
    message(WARNING "Qt's licence files were not found under ${QT6_INSTALL_PREFIX}: "
                    "the zip would lack them. Put them in licenses/qt by hand before shipping.")
endif()

# MinGW-w64 links its C runtime, its threads library (winpthreads) and GCC's runtime
# libraries (libgcc, libstdc++) into the exe. Their notices: the runtime's own, fetched by
# tools/windows/runtime-licenses.sh from its source, and Debian's copyright record of the
# GCC runtime (GPL 3 with the GCC Runtime Library Exception).
if(MINGW)
    set(QUORIAM_RUNTIME_LICENSES "" CACHE PATH
        "Folder with the MinGW-w64 runtime's licence notices (tools/windows/runtime-licenses.sh)")
    set(gcc_copyright "/usr/share/doc/gcc-mingw-w64-base/copyright")
    if(EXISTS "${QUORIAM_RUNTIME_LICENSES}/COPYING.MinGW-w64-runtime.txt"
       AND EXISTS "${QUORIAM_RUNTIME_LICENSES}/winpthreads-COPYING.txt" AND EXISTS "${gcc_copyright}")
        quoriam_licenses(mingw-w64 "${QUORIAM_RUNTIME_LICENSES}/COPYING.MinGW-w64-runtime.txt"
                         "${QUORIAM_RUNTIME_LICENSES}/winpthreads-COPYING.txt")
        quoriam_text_crlf("${gcc_copyright}" "${QUORIAM_LICENSES}/gcc/gcc-copyright.txt")
        # The runtime's headers taken from Wine are under the LGPL 2.1, which it names
        # without a path.
        set(common "LGPL-2.1")
    else()
        message(WARNING "The MinGW-w64 runtime's licences (QUORIAM_RUNTIME_LICENSES, from "
                        "tools/windows/runtime-licenses.sh) or ${gcc_copyright} were not "
                        "found: the zip would lack them. Put them in licenses/ by hand "
                        "before shipping.")
    endif()
endif()

# The licence texts that Debian's records name as /usr/share/common-licenses/<name>,
# under the name of the file it stands for (GPL is GPL-3).
file(GLOB_RECURSE files "${QUORIAM_LICENSES}/*")
foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "/usr/share/common-licenses/")
    string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]" paths "${lines}")
    foreach(path IN LISTS paths)
        if(EXISTS "${path}")
            file(REAL_PATH "${path}" path)
            get_filename_component(name "${path}" NAME)
            list(APPEND common "${name}")
        else()
            message(WARNING "${file} refers to ${path}, which is not here: the zip lacks it")
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES common)
list(SORT common)
set(QUORIAM_COMMON_LICENSE_NAMES "")
foreach(name IN LISTS common)
    quoriam_text_crlf("/usr/share/common-licenses/${name}" "${QUORIAM_LICENSES}/common/${name}.txt")
    list(APPEND QUORIAM_COMMON_LICENSE_NAMES "${name}.txt")
endforeach()

# The read-me's lists, and its title's underline as long as the title.
set(QUORIAM_FONT_LICENSE_NAMES "")
foreach(font IN LISTS QUORIAM_FONT_LICENSES)
    get_filename_component(name "${font}" NAME)
    list(APPEND QUORIAM_FONT_LICENSE_NAMES "${name}")
endforeach()
foreach(list QUORIAM_FONT_LICENSE_NAMES QUORIAM_COMMON_LICENSE_NAMES)
    string(REPLACE ";" ", " names "${${list}}")
    quoriam_readme_wrap(${list} "${names}" "  ")
endforeach()
string(LENGTH "Quoriam ${PROJECT_VERSION} for Windows" length)
string(REPEAT "=" ${length} QUORIAM_README_UNDERLINE)

# The source of a Qt built by tools/windows/qt.sh, beside the zip under a name that says
# whose it is.
set(QUORIAM_QT_SOURCE_ARCHIVE_NAME "${CPACK_PACKAGE_FILE_NAME}-Qt-${Qt6_VERSION}-source.tar.xz")
set(QUORIAM_QT_SOURCE_ARCHIVE "")
set(qt_source "${QT6_INSTALL_PREFIX}/source/qt6-base-source.tar.xz")
if(EXISTS "${qt_source}")
    set(QUORIAM_QT_SOURCE_ARCHIVE "${PROJECT_BINARY_DIR}/${QUORIAM_QT_SOURCE_ARCHIVE_NAME}")
    add_custom_command(OUTPUT "${QUORIAM_QT_SOURCE_ARCHIVE}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${qt_source}" "${QUORIAM_QT_SOURCE_ARCHIVE}"
        DEPENDS "${qt_source}"
        COMMENT "The source of Qt beside the zip: ${QUORIAM_QT_SOURCE_ARCHIVE_NAME}"
        VERBATIM)
    add_custom_target(quoriam_qt_source ALL DEPENDS "${QUORIAM_QT_SOURCE_ARCHIVE}")
else()
    add_custom_target(quoriam_qt_source)
    message(WARNING "No Qt source at ${qt_source}: nothing gives Qt's source with the zip, "
                    "which the LGPL asks for when Qt is linked statically.")
endif()

configure_file("${QUORIAM_PACKAGING_DIR}/windows/README.txt.in"
               "${PROJECT_BINARY_DIR}/packaging/README.txt" @ONLY NEWLINE_STYLE CRLF)
install(FILES "${PROJECT_BINARY_DIR}/packaging/README.txt" "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt"
        DESTINATION .)
if(QUORIAM_SOURCE_ARCHIVE)
    install(FILES "${QUORIAM_SOURCE_ARCHIVE}" DESTINATION .)
endif()
install(DIRECTORY "${QUORIAM_LICENSES}/" DESTINATION licenses)

set(CPACK_GENERATOR "ZIP")
# Where the tests find it (CPack's own variable names the source package once CPack is in).
set(QUORIAM_WINDOWS_ZIP "${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
