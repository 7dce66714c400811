# quoriam_source_date_epoch(<var> <source-dir>): the one time, in seconds since 1970, that
# stands for every time a build would otherwise record (the resources compiled into the
# program, the files in the source archive, the Debian package and the zip), so that the
# same source gives the same bytes wherever and whenever it is built:
#
#   1. SOURCE_DATE_EPOCH from the environment, if set;
#   2. in a git checkout of the tree, the time of its last commit;
#   3. else the number in the file SOURCE_DATE_EPOCH at the top of the tree, which the
#      source archive carries (MakeSourceArchive.cmake);
#   4. else nothing: <var> is set empty.
#
# Works in a project and in a script (cmake -P).

function(quoriam_source_date_epoch var source_dir)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(epoch STREQUAL "")
        find_program(QUORIAM_GIT git)
        if(QUORIAM_GIT)
            # Only when the tree is the top of its own repository: a tree unpacked inside
            # another checkout does not take that one's time.
            execute_process(COMMAND "${QUORIAM_GIT}" rev-parse --show-toplevel
                            WORKING_DIRECTORY "${source_dir}"
                            RESULT_VARIABLE status OUTPUT_VARIABLE top
                            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            if(status EQUAL 0)
                file(REAL_PATH "${top}" top)
                file(REAL_PATH "${source_dir}" dir)
            endif()
            if(status EQUAL 0 AND top STREQUAL dir)
                execute_process(COMMAND "${QUORIAM_GIT}" log -1 --format=%ct
                                WORKING_DIRECTORY "${source_dir}"
                                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                                ERROR_QUIET)
            endif()
        endif()
    endif()
    if(epoch STREQUAL "" AND EXISTS "${source_dir}/SOURCE_DATE_EPOCH")
        file(STRINGS "${source_dir}/SOURCE_DATE_EPOCH" epoch LIMIT_COUNT 1)
    endif()
    string(STRIP "${epoch}" epoch)
    if(NOT epoch MATCHES "^[0-9]+$")
        set(epoch "")
    endif()
    set(${var} "${epoch}" PARENT_SCOPE)
endfunction()
