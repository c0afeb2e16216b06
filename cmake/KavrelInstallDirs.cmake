# Where an installation puts each kind of file.
#
# The default follows the GNU layout under CMAKE_INSTALL_PREFIX: programs in
# bin, libraries in lib (lib/<multiarch> under /usr on Debian), read-only data
# in share/kavrel, headers in include, the Designer plugin in Qt's plugin
# folder below the prefix. KAVREL_PORTABLE_INSTALL keeps the build tree's
# single folder instead, for a copy that can be moved anywhere. Either way the
# program and the libraries find each other through an RPATH relative to
# themselves, and the program finds its data relative to itself.
include(GNUInstallDirs)

option(KAVREL_PORTABLE_INSTALL
    "Install into one relocatable folder (program, libraries, Data, Icons, Pictures) as in the build tree" OFF)

if(KAVREL_PORTABLE_INSTALL)
    set(KAVREL_INSTALL_BINDIR ".")
    set(KAVREL_INSTALL_LIBDIR ".")
    set(KAVREL_INSTALL_DATADIR ".")
    set(KAVREL_INSTALL_INCLUDEDIR "include")
    set(KAVREL_INSTALL_CMAKEDIR "cmake")
    set(KAVREL_INSTALL_DESIGNERDIR "designer")
else()
    set(KAVREL_INSTALL_BINDIR "${CMAKE_INSTALL_BINDIR}")
    set(KAVREL_INSTALL_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
    set(KAVREL_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/kavrel")
    set(KAVREL_INSTALL_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
    set(KAVREL_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake")
    # Qt's plugin folder relative to Qt's own prefix, so under Qt's prefix it
    # is the folder Designer searches; under any other prefix QT_PLUGIN_PATH
    # points Designer to it.
    set(qt_plugins "${CMAKE_INSTALL_LIBDIR}/qt6/plugins")
    if(TARGET Qt6::qtpaths)
        get_target_property(qtpaths Qt6::qtpaths LOCATION)
        execute_process(COMMAND "${qtpaths}" --query QT_INSTALL_PREFIX
            OUTPUT_VARIABLE qt_prefix OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE prefix_failed)
        execute_process(COMMAND "${qtpaths}" --query QT_INSTALL_PLUGINS
            OUTPUT_VARIABLE qt_plugins_path OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE plugins_failed)
        if(NOT prefix_failed AND NOT plugins_failed AND IS_ABSOLUTE "${qt_plugins_path}")
            file(RELATIVE_PATH qt_plugins "${qt_prefix}" "${qt_plugins_path}")
        endif()
    endif()
    set(KAVREL_INSTALL_DESIGNERDIR "${qt_plugins}/designer")
endif()

# "$ORIGIN/<path from one folder to the other>", "$ORIGIN" for the same folder.
function(kavrel_origin_rpath variable from to)
    file(RELATIVE_PATH relative "/${from}" "/${to}")
    if(relative STREQUAL "")
        set(${variable} "$ORIGIN" PARENT_SCOPE)
    else()
        string(REGEX REPLACE "/$" "" relative "${relative}")
        set(${variable} "$ORIGIN/${relative}" PARENT_SCOPE)
    endif()
endfunction()

kavrel_origin_rpath(CMAKE_INSTALL_RPATH "${KAVREL_INSTALL_BINDIR}" "${KAVREL_INSTALL_LIBDIR}")
kavrel_origin_rpath(KAVREL_DESIGNER_RPATH "${KAVREL_INSTALL_DESIGNERDIR}" "${KAVREL_INSTALL_LIBDIR}")
kavrel_origin_rpath(KAVREL_LIBRARY_RPATH "${KAVREL_INSTALL_LIBDIR}" "${KAVREL_INSTALL_LIBDIR}")
