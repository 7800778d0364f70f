# A Debian package built by CPack from the install rules in Install.cmake:
#   cpack --config <build>/CPackConfig.cmake -G DEB
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gemwright-workshop)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gemwright Workshop developers")
set(CPACK_PACKAGE_CONTACT "Gemwright Workshop developers <maintainers@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gem imbuing planner for an online role-playing game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# A planner for players, not a game itself.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# CPack puts the summary above this as the package's one-line synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Gemwright Workshop plans the gems imbued into the nineteen items of a
character: it checks each crafted item's imbue points against its capacity,
prices the gems and shows the character's totals. Item sets can be opened
from text files; examples are in /usr/share/gemwright-workshop/examples.")
# The libraries come from dpkg-shlibdeps; the font the layout is measured for and Qt's
# platform plugins (xcb) are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")

include(CPack)
