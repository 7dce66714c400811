# quoriam_compiler_settings(TARGET): how every target of the project is compiled: C++20,
# every warning, and warnings as errors.
function(quoriam_compiler_settings target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    endif()
endfunction()
