# tessel_warnings(target): the project's warning flags, as errors when asked.
function(tessel_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TESSEL_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra
            $<$<BOOL:${TESSEL_WERROR}>:-Werror>)
    endif()
endfunction()
