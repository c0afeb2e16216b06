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
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp"
        TIMEOUT 120)
endfunction()
