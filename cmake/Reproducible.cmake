# The same source gives the same bytes: two builds of one commit, in different folders
# at different times, make the same program, the same Debian package and the same
# Windows zip (tests/packaging/reproducible.sh checks it). What would differ otherwise:
#
# - the paths of the source and build folders, in the debug information (and through it
#   in the build id that stays in the stripped program) and in __FILE__;
# - the link time stamp of a Windows program, in its header and its export table;
# - the times that rcc writes for each resource compiled into the program, and the times
#   of the files in the packages. These all become QUORIAM_SOURCE_DATE_EPOCH
#   (SourceDateEpoch.cmake: the time of the last commit), which rcc and CPack read as
#   SOURCE_DATE_EPOCH.
#
# Included at the top of the project, before its targets.
include("${CMAKE_CURRENT_LIST_DIR}/SourceDateEpoch.cmake")

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # The build folder last: the compiler takes the last match, and the build folder may
    # lie inside the source folder.
    add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=." "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
endif()
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

quoriam_source_date_epoch(QUORIAM_SOURCE_DATE_EPOCH "${PROJECT_SOURCE_DIR}")
if(QUORIAM_SOURCE_DATE_EPOCH STREQUAL "")
    message(STATUS "No SOURCE_DATE_EPOCH, no git history: builds record the files' own times")
endif()
# A new commit changes the time: configure again when the checkout's HEAD moves.
if(QUORIAM_GIT AND EXISTS "${PROJECT_SOURCE_DIR}/.git" AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND "${QUORIAM_GIT}" rev-parse --path-format=absolute
                            --git-path HEAD --git-path logs/HEAD
                    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE heads ERROR_QUIET)
    if(status EQUAL 0)
        string(REPLACE "\n" ";" heads "${heads}")
        foreach(head IN LISTS heads)
            if(EXISTS "${head}")
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head}")
            endif()
        endforeach()
    endif()
endif()
# Written only when it changes, so that what depends on it is made again only then.
file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/SOURCE_DATE_EPOCH"
     CONTENT "${QUORIAM_SOURCE_DATE_EPOCH}\n")

# quoriam_dated_resources(NAME): the resources that qt_add_resources(... NAME ...) compiled in
# this folder carry QUORIAM_SOURCE_DATE_EPOCH as their time, and are compiled again when it
# changes. (rcc reads SOURCE_DATE_EPOCH when it runs; the Makefile and Ninja generators run
# it through the folder's launcher.)
function(quoriam_dated_resources name)
    if(QUORIAM_SOURCE_DATE_EPOCH STREQUAL "")
        return()
    endif()
    set(output "${CMAKE_CURRENT_BINARY_DIR}/.rcc/qrc_${name}.cpp")
    get_source_file_property(generated "${output}" GENERATED)
    if(NOT generated)
        message(WARNING "No rcc output ${output}: its resources keep their files' times")
        return()
    endif()
    add_custom_command(OUTPUT "${output}" APPEND DEPENDS "${PROJECT_BINARY_DIR}/SOURCE_DATE_EPOCH")
    set_property(DIRECTORY PROPERTY RULE_LAUNCH_CUSTOM
                 "\"${CMAKE_COMMAND}\" -E env SOURCE_DATE_EPOCH=${QUORIAM_SOURCE_DATE_EPOCH}")
endfunction()
