# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` (or the `package` target) makes kolomaf_<version>_<arch>.deb
# from the install rules; the package installs under /usr whatever the
# configured prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolomaf)
set(CPACK_PACKAGE_VENDOR TELLEGOED)
set(CPACK_PACKAGE_CONTACT "TELLEGOED <info@kolomaf.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kolomaf.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise column subtraction, for Dutch-speaking pupils")
# Lines as dpkg shows them: CPack copies the text without wrapping it.
set(CPACK_PACKAGE_DESCRIPTION "kolomaf is a practice program in Dutch for primary-school pupils, about
seven years old, who learn column subtraction (cijferen): without
borrowing, and borrowing a ten, a hundred or a thousand. Pupils borrow
by clicking the digits, watch the borrow as two hops over ten on a
string of beads, take numbers apart into hundreds, tens and units and
write columns out.

It reads and writes no files and needs no network.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps (package dpkg-dev). The Qt
# plugins loaded at run time (xcb in libqt6gui6, the SVG icon engine in
# libqt6svg6) live in packages the binary links against already;
# tools/package-test.sh checks that for every plugin the program loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
