# The Debian package (scripts/package): the installed tree of the build, with its dependencies
# computed from the binaries by dpkg-shlibdeps.
if(TARGET MenuEx)
  install(TARGETS MenuEx LIBRARY DESTINATION lib/oryn7px)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME oryn7px)
set(CPACK_PACKAGE_VENDOR Tavik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility of the ORYN7PX gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
  "Sets the button functions, macros, DPI levels, report rate, lighting and five
profiles of the ORYN7PX USB gaming mouse, shows usage statistics with trophies,
and includes oryn7px-cli for the same settings from a terminal and a virtual
mouse for trying it without the device.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORYN7PX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORYN7PX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries do not name: libcurl (opened at the first download), the opener of files and
# folders, sound players and CJK fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei, pulseaudio-utils | alsa-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/data/linux/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
