# Every target of the project builds with the same warnings; CI turns them into errors.
option(RUZAV_WERROR "Treat compiler warnings as errors" OFF)

function(ruzav_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(RUZAV_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
