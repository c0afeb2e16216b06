# The Debian package: `cpack` in a build tree (best configured with
# -DCMAKE_INSTALL_PREFIX=/usr) writes kavrel_<version>_<arch>.deb;
# ./kavrel.sh package does both.
if(KAVREL_PORTABLE_INSTALL)
    return()
endif()

# Files that only a package carries: the Debian copyright and changelog, and
# the marker by which the program knows that its package manager updates it.
set(KAVREL_PACKAGE_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/kavrel")
set(generated "${CMAKE_BINARY_DIR}/package")
configure_file("${PROJECT_SOURCE_DIR}/dist/debian/copyright" "${generated}/copyright" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/dist/debian/changelog" "${generated}/changelog" @ONLY)
install(FILES "${generated}/copyright" DESTINATION "${KAVREL_PACKAGE_DOCDIR}"
    COMPONENT Package EXCLUDE_FROM_ALL)
find_program(KAVREL_GZIP gzip)
if(KAVREL_GZIP)
    add_custom_command(
        OUTPUT "${generated}/changelog.gz"
        COMMAND "${KAVREL_GZIP}" -9 -n -c "${generated}/changelog" > "${generated}/changelog.gz"
        DEPENDS "${generated}/changelog"
        VERBATIM)
    add_custom_target(kavrel_package_changelog ALL DEPENDS "${generated}/changelog.gz")
    install(FILES "${generated}/changelog.gz" DESTINATION "${KAVREL_PACKAGE_DOCDIR}"
        COMPONENT Package EXCLUDE_FROM_ALL)
endif()
install(FILES "${PROJECT_SOURCE_DIR}/dist/linux/package-managed" DESTINATION "${KAVREL_INSTALL_DATADIR}"
    COMPONENT Package EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrel)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${KAVREL_ABOUT_FIRST_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${KAVREL_ABOUT_FIRST_AUTHOR} <${KAVREL_ABOUT_FIRST_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "inclusion zones of k-tree sampling on mapped forest stands")
set(CPACK_PACKAGE_DESCRIPTION
    "Kavrel is a desktop tool for forest-inventory research on k-tree sampling.\n"
    "It loads a mapped stand with up to 50 trees, computes and draws the\n"
    "boundaries of the inclusion zones of order 1 to 5 and shows for a tree\n"
    "picked on the map its zone and the trees that bound it. The command-line\n"
    "tool kavrel-zones computes exact zone areas and inclusion probabilities,\n"
    "runs sampling simulations and exports GeoJSON and SVG.\n"
    "\n"
    "The package also holds the libraries Meterlin (a progress bar widget, with\n"
    "its Qt Designer plugin) and Glyphbin (numbered toolbar pictures).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kavrel)
# A Debian package always installs under /usr, whatever the tree's own
# prefix; configured for /usr, the libraries go to lib/<multiarch>.
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};Kavrel;ALL;/"
    "${CMAKE_BINARY_DIR};Kavrel;Package;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kavrel.example/")
# Dependencies from the binaries (dpkg-shlibdeps, which finds the package's
# own libraries through their RPATH).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Qt's own translations put its buttons and dialogs into the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The libraries' cache is refreshed through dpkg's ldconfig trigger; the
# scripts of our own keep CPack from writing ones that call ldconfig.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/dist/debian/triggers"
    "${PROJECT_SOURCE_DIR}/dist/debian/postinst"
    "${PROJECT_SOURCE_DIR}/dist/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
