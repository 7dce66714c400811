# Writes the source archive of the tree a build is made from (cmake -P; SourceArchive.cmake
# runs it at every build): ARCHIVE, a gzipped tar of the files of SOURCE_DIR under the
# top folder PREFIX/.
#
# In a git checkout, the files are the tracked ones and the untracked ones that are not
# ignored, as they are in the work tree; elsewhere (a tree unpacked from such an archive)
# every file but those of .git and of build folders. The archive depends only on those
# files: names sorted, one time stamp for all, owner 0:0, permissions rw-r--r-- or
# rwxr-xr-x, and no name or time in the gzip header. The time is the source's
# (SourceDateEpoch.cmake: the last commit's), else the newest file's; it is also written,
# as a number, into the file SOURCE_DATE_EPOCH at the end of the archive, from which a
# build of the unpacked tree, with no git history, takes the same time again.
#
# Variables: SOURCE_DIR, BINARY_DIR (left out), ARCHIVE, PREFIX, TAR (GNU tar), GZIP.
cmake_minimum_required(VERSION 3.22)
foreach(var SOURCE_DIR BINARY_DIR ARCHIVE PREFIX TAR GZIP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "MakeSourceArchive.cmake: ${var} is not set")
    endif()
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/SourceDateEpoch.cmake")
quoriam_source_date_epoch(epoch "${SOURCE_DIR}")

set(files "")
find_program(GIT git)
if(GIT)
    execute_process(COMMAND "${GIT}" -c core.quotePath=off ls-files --cached --others
                            --exclude-standard
                    WORKING_DIRECTORY "${SOURCE_DIR}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_QUIET)
    if(status EQUAL 0)
        string(REPLACE "\n" ";" files "${listing}")
        list(REMOVE_ITEM files "")
        # (None in a folder that a repository around it ignores.)
    endif()
endif()
# Folders left out: the build folder, wherever it is, and outside git .git and every
# build folder (the top-level build*, and any folder with a CMakeCache.txt).
file(RELATIVE_PATH binary "${SOURCE_DIR}" "${BINARY_DIR}")
set(left_out "${binary}")
if(NOT files)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
    file(GLOB_RECURSE caches RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/CMakeCache.txt")
    list(FILTER files EXCLUDE REGEX "^(\\.git(/|$)|build[^/]*/)")
    foreach(cache IN LISTS caches)
        get_filename_component(dir "${cache}" DIRECTORY)
        list(APPEND left_out "${dir}")
    endforeach()
endif()
set(kept "")
foreach(file IN LISTS files)
    set(keep TRUE)
    foreach(dir IN LISTS left_out)
        string(FIND "${file}" "${dir}/" at)
        if(at EQUAL 0)
            set(keep FALSE)
        endif()
    endforeach()
    # Files listed by git but deleted from the work tree are not there to take; the
    # time's own file is written anew below.
    if(file STREQUAL "SOURCE_DATE_EPOCH")
        set(keep FALSE)
    endif()
    if(keep AND (EXISTS "${SOURCE_DIR}/${file}" OR IS_SYMLINK "${SOURCE_DIR}/${file}"))
        list(APPEND kept "${file}")
    endif()
endforeach()
list(SORT kept)
if(NOT kept)
    message(FATAL_ERROR "no source files found in ${SOURCE_DIR}")
endif()
if(NOT epoch)
    set(epoch 0)
    foreach(file IN LISTS kept)
        file(TIMESTAMP "${SOURCE_DIR}/${file}" time "%s" UTC)
        if(time GREATER epoch)
            set(epoch "${time}")
        endif()
    endforeach()
endif()

list(JOIN kept "\n" listing)
file(WRITE "${ARCHIVE}.files" "${listing}\n")
file(WRITE "${ARCHIVE}.time/SOURCE_DATE_EPOCH" "${epoch}\n")
execute_process(
    COMMAND "${TAR}" --create --file=- --format=gnu --no-recursion --verbatim-files-from
            "--files-from=${ARCHIVE}.files" --sort=name "--mtime=@${epoch}" --owner=0 --group=0
            --numeric-owner --mode=u+rw,go-w,a+rX "--transform=flags=r;s|^|${PREFIX}/|"
            -C "${ARCHIVE}.time" SOURCE_DATE_EPOCH
    COMMAND "${GZIP}" -9n
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_FILE "${ARCHIVE}.new"
    RESULTS_VARIABLE statuses)
if(NOT statuses STREQUAL "0;0")
    message(FATAL_ERROR "tar or gzip failed (${statuses}) writing ${ARCHIVE}")
endif()
file(COPY_FILE "${ARCHIVE}.new" "${ARCHIVE}" ONLY_IF_DIFFERENT)
file(REMOVE "${ARCHIVE}.new" "${ARCHIVE}.files")
file(REMOVE_RECURSE "${ARCHIVE}.time")
