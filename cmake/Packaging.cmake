# Debian package: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME reelmoor)
set(CPACK_PACKAGE_VENDOR "The Reelmoor developers")
set(CPACK_PACKAGE_CONTACT "The Reelmoor developers <maintainers@reelmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-reel fruit slot machine for play money")
set(CPACK_PACKAGE_DESCRIPTION
    "Reelmoor is a small desktop game: a three-reel fruit slot machine for one\n"
    "player in one window. Start with 1000 dollars of play money, pay 25 per spin\n"
    "by clicking the lever's knob and win up to 10,000 on three cherries.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Labels ask for Arial; its metric twin is not a library dependency.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
