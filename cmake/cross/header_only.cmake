# An imported target for a header-only library in the build machine's
# /usr/include, for a cross build: its folder is linked into one of the build
# folder's own, so that the compiler never searches /usr/include itself.
function(kelvara_header_only_target target folder)
    if(TARGET ${target})
        return()
    endif()
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing (see scripts/deps.sh)")
    endif()
    set(dir ${CMAKE_BINARY_DIR}/header-only)
    file(MAKE_DIRECTORY ${dir})
    if(NOT EXISTS ${dir}/${folder})
        file(CREATE_LINK /usr/include/${folder} ${dir}/${folder} SYMBOLIC)
    endif()
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dir})
endfunction()
