# The source of the build as an archive, quoriam-<version>-source.tar.gz in the build
# folder (target quoriam_source_archive; MakeSourceArchive.cmake says which files and how
# it stays the same for the same files). The Windows zip carries it, so that whoever has
# the program also has the source it was built from; there it is made at every build.
#
# It needs GNU tar and gzip (Debian has both; on Windows, Git for Windows brings them).
# Sets QUORIAM_SOURCE_ARCHIVE to the archive's path, or leaves it empty without them.
set(QUORIAM_SOURCE_ARCHIVE "")
find_program(QUORIAM_TAR NAMES gtar tar)
find_program(QUORIAM_GZIP gzip)
if(QUORIAM_TAR)
    execute_process(COMMAND "${QUORIAM_TAR}" --version OUTPUT_VARIABLE version ERROR_QUIET)
    if(NOT version MATCHES "GNU tar")
        set(QUORIAM_TAR "")
    endif()
endif()
if(NOT QUORIAM_TAR OR NOT QUORIAM_GZIP)
    message(WARNING "GNU tar or gzip not found: no source archive "
                    "(quoriam-${PROJECT_VERSION}-source.tar.gz) is made")
    return()
endif()

set(QUORIAM_SOURCE_ARCHIVE "${PROJECT_BINARY_DIR}/quoriam-${PROJECT_VERSION}-source.tar.gz")
if(WIN32)
    set(when ALL)
else()
    set(when "")
endif()
# Always out of date: nothing tells the build that a file of the tree changed. The
# archive itself is rewritten only when its contents change.
add_custom_target(quoriam_source_archive ${when}
    COMMAND "${CMAKE_COMMAND}" -D "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
            -D "BINARY_DIR=${PROJECT_BINARY_DIR}" -D "ARCHIVE=${QUORIAM_SOURCE_ARCHIVE}"
            -D "PREFIX=quoriam-${PROJECT_VERSION}" -D "TAR=${QUORIAM_TAR}" -D "GZIP=${QUORIAM_GZIP}"
            -P "${CMAKE_CURRENT_LIST_DIR}/MakeSourceArchive.cmake"
    BYPRODUCTS "${QUORIAM_SOURCE_ARCHIVE}"
    COMMENT "Source archive quoriam-${PROJECT_VERSION}-source.tar.gz"
    VERBATIM)
