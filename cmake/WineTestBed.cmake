# Windows programs of this tree run under Wine, in a prefix and on a virtual
# display that belong to the build tree (never the user's own prefix).
set(WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
set(WINE_SESSION ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh)
set(WINE_REGFILE ${WINE_STATE_DIR}/appdefaults.reg)
set(WINE_RUN ${WINE_STATE_DIR}/run)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${WINE_RUN}
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})

# wine_app_version(<file name> <nt351|win31|win95|win10|...>): the Windows
# version Wine reports to the program of that file name.
function(wine_app_version file version)
    set_property(GLOBAL APPEND PROPERTY WINE_APP_VERSIONS "${file}=${version}")
endfunction()

# Written once all targets are known; the test bed imports it when it changes.
function(wine_test_bed_finish)
    get_property(entries GLOBAL PROPERTY WINE_APP_VERSIONS)
    set(reg "REGEDIT4\n\n")
    # No window manager on the virtual display: Wine draws the frames itself
    # and does not wait for one whenever a window hides.
    string(APPEND reg "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n")
    string(APPEND reg "\"Managed\"=\"N\"\n\"Decorated\"=\"N\"\n\n")
    foreach(entry IN LISTS entries)
        string(REPLACE "=" ";" pair "${entry}")
        list(GET pair 0 file)
        list(GET pair 1 version)
        string(APPEND reg "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\${file}]\n")
        string(APPEND reg "\"Version\"=\"${version}\"\n\n")
    endforeach()
    file(GENERATE OUTPUT ${WINE_REGFILE} CONTENT "${reg}")
endfunction()

# add_wine_test(<name> SOURCES ... [LIBS ...] [RESOURCES ...] [VERSIONS v ...] [ARGS ...])
# Builds tests/<name>.exe with GoogleTest and runs it under Wine. With
# VERSIONS, the program is also copied to <name>_<v>.exe for each version and
# run under each of those names, so Wine reports that Windows version to it.
function(add_wine_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;RESOURCES;VERSIONS;ARGS;PROPERTIES" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
    target_link_libraries(${name} PRIVATE test_support ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_BIN_DIR})
    if(T_RESOURCES)
        target_include_directories(${name} PRIVATE ${GENERATED_RESOURCES})
        add_dependencies(${name} generated_resources)
    endif()
    if(NOT T_VERSIONS)
        add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
        set(tests ${name})
    else()
        set(tests)
        foreach(version IN LISTS T_VERSIONS)
            set(copy ${name}_${version})
            add_custom_command(TARGET ${name} POST_BUILD
                COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${name}> ${TEST_BIN_DIR}/${copy}.exe)
            wine_app_version(${copy}.exe ${version})
            add_test(NAME ${copy} COMMAND ${WINE_RUN} ${TEST_BIN_DIR}/${copy}.exe ${T_ARGS})
            list(APPEND tests ${copy})
        endforeach()
    endif()
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED wine ${T_PROPERTIES})
endfunction()
