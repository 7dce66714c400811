# Installation, desktop integration and packages.
#
#   cmake --install build [--prefix /usr]   the program, its desktop entry, icons and
#                                           AppStream metainfo, and its licences
#   cmake --build build --target package    a Debian package (CPack's DEB generator);
#                                           on Windows a zip
#
# The desktop id is also the AppStream component id and should be what the program
# reports as its desktop file name (QGuiApplication::setDesktopFileName).
include(GNUInstallDirs)

set(QUORIAM_DESKTOP_ID "io.github.quoriam.Quoriam")
set(QUORIAM_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

# The source archive of the tree the build is made from (the Windows zip carries it).
include("${CMAKE_CURRENT_LIST_DIR}/SourceArchive.cmake")

# Windows: the icon Explorer shows, the version information and the application manifest
# of quoriam.exe, and a zip instead of the Debian package (cmake/WindowsPackage.cmake).
if(WIN32)
    target_sources(quoriam PRIVATE "${QUORIAM_PACKAGING_DIR}/windows/quoriam.rc")
    # Files the resource script names, which the compiler's dependency scan does not see.
    set_source_files_properties("${QUORIAM_PACKAGING_DIR}/windows/quoriam.rc" PROPERTIES
        OBJECT_DEPENDS "${QUORIAM_PACKAGING_DIR}/windows/quoriam.manifest;${PROJECT_SOURCE_DIR}/resources/quoriam.ico")
    include("${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake")
endif()

install(TARGETS quoriam
    RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}"
    BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
    install(FILES "${QUORIAM_PACKAGING_DIR}/linux/${QUORIAM_DESKTOP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${QUORIAM_PACKAGING_DIR}/linux/${QUORIAM_DESKTOP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
    foreach(size 16 32 48 128 256)
        install(FILES "${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/quoriam.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
    endforeach()
    # The licences of the program and of the fonts compiled into it: copyright holds
    # the text of the first (LICENSE) and points to the others.
    set(QUORIAM_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/quoriam")
    install(FILES "${QUORIAM_PACKAGING_DIR}/linux/copyright"
        DESTINATION "${QUORIAM_INSTALL_DOCDIR}")
    file(GLOB QUORIAM_FONT_LICENSES "${PROJECT_SOURCE_DIR}/resources/fonts/*-OFL.txt")
    install(FILES ${QUORIAM_FONT_LICENSES} DESTINATION "${QUORIAM_INSTALL_DOCDIR}/fonts")

    # The manual page quoriam(1), carrying the project's version, and the changelog (in
    # Debian's format, the package being its own upstream), both compressed as Debian
    # keeps them: gzip -9n, best compression, no name or time stamp in the header.
    find_program(QUORIAM_GZIP gzip REQUIRED)
    configure_file("${QUORIAM_PACKAGING_DIR}/linux/quoriam.1.in"
        "${PROJECT_BINARY_DIR}/doc/quoriam.1" @ONLY)
    configure_file("${QUORIAM_PACKAGING_DIR}/linux/changelog"
        "${PROJECT_BINARY_DIR}/doc/changelog" COPYONLY)
    set(QUORIAM_COMPRESSED_DOCS "")
    foreach(doc quoriam.1 changelog)
        set(plain "${PROJECT_BINARY_DIR}/doc/${doc}")
        add_custom_command(OUTPUT "${plain}.gz"
            COMMAND "${QUORIAM_GZIP}" -9nkf "${plain}"
            DEPENDS "${plain}"
            COMMENT "Compressing ${doc}"
            VERBATIM)
        list(APPEND QUORIAM_COMPRESSED_DOCS "${plain}.gz")
    endforeach()
    add_custom_target(quoriam_docs ALL DEPENDS ${QUORIAM_COMPRESSED_DOCS})
    install(FILES "${PROJECT_BINARY_DIR}/doc/quoriam.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    install(FILES "${PROJECT_BINARY_DIR}/doc/changelog.gz"
        DESTINATION "${QUORIAM_INSTALL_DOCDIR}")
endif()

# ---------------------------------------------------------------------------------------
# CPack: a Debian package, installed under /usr.
set(CPACK_PACKAGE_NAME "quoriam")
set(CPACK_PACKAGE_VENDOR "The Quoriam developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quoriam developers <quoriam@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stage a fake incoming fax")
# The long description, wrapped as a Debian control file wants it (CPack indents it).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quoriam shows a fax arriving on the screen that nobody sent. Type a sender,"
    "a recipient, a message and the time the fax claims to have been sent, pick"
    "a delay and press Send: when the delay has passed, the incoming fax appears"
    "on top of everything else.")
if(NOT WIN32)
    set(CPACK_GENERATOR "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
endif()
set(CPACK_STRIP_FILES ON)
# Every file in the package, and the package's own archives, carry the source's time
# (Reproducible.cmake), not the time they were made: CPack reads SOURCE_DATE_EPOCH, set
# here when it reads its configuration, unless the environment sets it.
if(NOT QUORIAM_SOURCE_DATE_EPOCH STREQUAL "")
    set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_BINARY_DIR}/CPackSourceDateEpoch.cmake")
    file(CONFIGURE OUTPUT "${CPACK_PROJECT_CONFIG_FILE}" @ONLY CONTENT
         "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n    set(ENV{SOURCE_DATE_EPOCH} @QUORIAM_SOURCE_DATE_EPOCH@)\nendif()\n")
endif()

set(CPACK_DEBIAN_PACKAGE_NAME "quoriam")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quoriam developers <quoriam@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Qt loads its platform plugins (xcb, wayland) at run time, so no linker dependency names
# the package that holds them: it is always listed by hand.
find_program(QUORIAM_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUORIAM_FILE file)
if(QUORIAM_DPKG_SHLIBDEPS AND QUORIAM_FILE)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libxcb1, qt6-qpa-plugins")
endif()
# Qt's Wayland platform, on which the program runs where X11 cannot be reached.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
