# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: the install tree under /usr. Its Depends are the shared libraries that
# dpkg-shlibdeps finds in the programs, the two fonts the windows name, and Qt's platform
# plugins, which the programs load at run time and so no library search finds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spirolan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Spirolan developers")
set(CPACK_PACKAGE_CONTACT "The Spirolan developers <developers@spirolan.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cam data for cutting thread grooves")
# Debian shows the description as it stands: lines under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Spirolan computes the cam data of a thread groove cutting tool: the radial\n"
    "slide position for every degree of spindle angle as CAF cam texts, with\n"
    "graphs, a many-face copy along the thread and a feed calculator.\n"
    "spirolan-cli replays dialog input for scripting.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-vlgothic, qt6-qpa-plugins")
# What the program starts when it is there: wine for a Windows cam-machining program, and the
# system-information tools the About box looks for.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine, hardinfo | kinfocenter")
include(CPack)
