# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` puts in place, without building anything again: the
# build checks every target first, which costs far more than packaging.
# Build before installing or packaging, as `cmake --install` always wants.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME tikkro)
set(CPACK_PACKAGE_VENDOR "The Tikkro developers")
set(CPACK_PACKAGE_CONTACT "The Tikkro developers <tikkro@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tikkro.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "precise stopwatch with a lap log, alarms and countdown timers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tikkro measures elapsed time to the millisecond with the kernel's\n"
    "boot-time clock, logs every lap in an editable, printable strip, and\n"
    "keeps two named alarms and two named countdown timers that survive\n"
    "restarts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from the binary and its modules; Qt's SQLite driver is
# a plugin the binary loads by name, so no library scan can find it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# Qt's own catalogues, for the words of its dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
