# Resource scripts (.rc) compiled at build time into .res files, as Win32 programs build them,
# and attached to a program or library so that it finds its resources with no code of its own.
#
#   ruzav_compile_rc(<out-var> <file.rc>)     compiles; <out-var> names the .res file
#   ruzav_add_resources(<target> <file.rc>)   compiles and embeds the .res in <target>, which
#                                             registers it with its module at start-up
#
# Wine's wrc is preferred (scripts/install-deps installs it); binutils' windres also works when
# Wine's headers are installed for it to read <windows.h> from.
find_program(RUZAV_WRC wrc PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(RUZAV_WRC wrc)
find_program(RUZAV_WINDRES NAMES x86_64-w64-mingw32-windres windres)
set(RUZAV_WINE_HEADERS /usr/include/wine/wine/windows)

function(ruzav_compile_rc out_var rc_file)
    get_filename_component(rc_path ${rc_file} ABSOLUTE)
    get_filename_component(rc_name ${rc_file} NAME_WE)
    get_filename_component(rc_dir ${rc_path} DIRECTORY)
    set(res_file ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.res)
    if(RUZAV_WRC)
        set(compile ${RUZAV_WRC} -I${rc_dir} -o ${res_file} ${rc_path})
    elseif(RUZAV_WINDRES AND EXISTS ${RUZAV_WINE_HEADERS}/windows.h)
        set(compile ${RUZAV_WINDRES} --preprocessor=cpp -I${rc_dir} -I${RUZAV_WINE_HEADERS}
                    -O res -o ${res_file} ${rc_path})
    else()
        message(FATAL_ERROR "No resource compiler for ${rc_file}: run scripts/install-deps "
                            "(it installs Wine's wrc)")
    endif()
    file(GLOB rc_headers ${rc_dir}/*.h ${rc_dir}/*.bmp ${rc_dir}/*.ico ${rc_dir}/*/*.bmp)
    add_custom_command(OUTPUT ${res_file}
                       COMMAND ${compile}
                       DEPENDS ${rc_path} ${rc_headers}
                       COMMENT "Compiling resources ${rc_name}.rc"
                       VERBATIM)
    set(${out_var} ${res_file} PARENT_SCOPE)
endfunction()

function(ruzav_add_resources target rc_file)
    ruzav_compile_rc(res_file ${rc_file})
    get_filename_component(rc_name ${rc_file} NAME_WE)
    set(embedded ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}_res.cpp)
    add_custom_command(OUTPUT ${embedded}
                       COMMAND ${CMAKE_COMMAND} -DIN=${res_file} -DOUT=${embedded}
                               -DNAME=${rc_name} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake
                       DEPENDS ${res_file} ${PROJECT_SOURCE_DIR}/cmake/EmbedRes.cmake
                       COMMENT "Embedding resources ${rc_name}.res"
                       VERBATIM)
    target_sources(${target} PRIVATE ${embedded})
endfunction()
