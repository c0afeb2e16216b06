# kavrel_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# Builds one Qt Test executable and registers it with CTest. Widget tests run
# headless on the offscreen platform; the working directory is the runtime
# folder so tests see the same Data/Icons/Pictures layout as the program.
function(kavrel_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    add_test(NAME ${name} COMMAND ${name})
    if(WIN32)
        # Run under Wine, which passes no variable whose name starts with
        # "QT_" (Windows reads the names regardless of case), and whose
        # regional setting follows the caller's LANG, so it is left alone.
        # Qt Test writes to a redirected output only through stderr there.
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "qt_qpa_platform=offscreen;qt_force_stderr_logging=1"
            TIMEOUT 300)
        return()
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp"
        TIMEOUT 120)
endfunction()
