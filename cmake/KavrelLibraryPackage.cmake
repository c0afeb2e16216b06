# kavrel_install_library(<target> INCLUDE_SUBDIR <dir> HEADERS <files...>
#                        QT_COMPONENTS <components...>)
#
# Installs a shared library with its SONAME and unversioned links, its headers
# and CMake package files, so that another project finds it with
# find_package(<target>) and links <target>::<target>.
include(CMakePackageConfigHelpers)

function(kavrel_install_library target)
    cmake_parse_arguments(ARG "" "INCLUDE_SUBDIR" "HEADERS;QT_COMPONENTS" ${ARGN})
    set(include_dir "${KAVREL_INSTALL_INCLUDEDIR}/${ARG_INCLUDE_SUBDIR}")
    set(package_dir "${KAVREL_INSTALL_CMAKEDIR}/${target}")
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${target} INSTALL_RPATH "${KAVREL_LIBRARY_RPATH}")
    target_include_directories(${target} INTERFACE "$<INSTALL_INTERFACE:${include_dir}>")

    install(TARGETS ${target} EXPORT ${target}Targets
        LIBRARY DESTINATION "${KAVREL_INSTALL_LIBDIR}"
        RUNTIME DESTINATION "${KAVREL_INSTALL_BINDIR}"
        ARCHIVE DESTINATION "${KAVREL_INSTALL_LIBDIR}" COMPONENT Development)
    install(FILES ${ARG_HEADERS} DESTINATION "${include_dir}" COMPONENT Development)
    install(EXPORT ${target}Targets NAMESPACE ${target}:: DESTINATION "${package_dir}" COMPONENT Development)

    set(KAVREL_PACKAGE_NAME ${target})
    list(JOIN ARG_QT_COMPONENTS " " KAVREL_PACKAGE_QT_COMPONENTS)
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/package")
    configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in"
        "${generated}/${target}Config.cmake"
        INSTALL_DESTINATION "${package_dir}")
    get_target_property(version ${target} VERSION)
    write_basic_package_version_file("${generated}/${target}ConfigVersion.cmake"
        VERSION ${version} COMPATIBILITY SameMajorVersion)
    install(FILES "${generated}/${target}Config.cmake" "${generated}/${target}ConfigVersion.cmake"
        DESTINATION "${package_dir}" COMPONENT Development)
endfunction()
