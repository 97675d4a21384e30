# The Debian package, made by CPack from the installed tree (cmake/Install.cmake):
#     cd build && cpack            ->  build/package/tallyquill_<version>-1_<arch>.deb
# scripts/package does this on a fresh machine; scripts/test-package checks what it made.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyquill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tallyquill developers")
set(CPACK_PACKAGE_CONTACT "The Tallyquill developers <tallyquill-support@lakeshore-ci.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "report-card marks and comments for a secondary-school class")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "With Tallyquill a secondary-school teacher prepares the report-card data of a class: marks, "
    "coded comments from the school's phrase library, learning skills and flags. It checks the class "
    "against the school's master list and writes the import file for the student information system.\n"
    "\n"
    "The program lives in /opt/tallyquill. The school's phrase library TQPhraseLibrary.csv and "
    "set-up file TQSetup.ini go in /opt/tallyquill/bin, the master file TQStudentInfo.txt in "
    "/opt/tallyquill/data; /usr/share/doc/tallyquill/README.md tells the whole set-up.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links (Qt 6, Hunspell and the C++ runtime), with their versions, come
# from dpkg-shlibdeps. What it cannot see is listed here: the fonts that the program's layouts and
# printouts are measured in; Qt's Wayland platform plugin, which is loaded at run time (without it
# Qt falls back to X11); and the spelling dictionary, read at run time. The dictionary is
# recommended rather than depended on: without it the program only leaves spelling unchecked, and
# a school that names another dictionary in TQSetup.ini (Dictionary=en_US) needs no Canadian one.
# apt installs what is recommended unless told not to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, hunspell-en-ca | hunspell-dictionary")
# No maintainer scripts: the menu entry, the icons and the file types are registered by the dpkg
# triggers of desktop-file-utils, hicolor-icon-theme and shared-mime-info.

include(CPack)
