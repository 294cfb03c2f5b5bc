# `make package`: Debian packages built with CPack from the install rules
# (cmake/VelmoraInstall.cmake):
#   velmora      the programs, the engine library, the data, desktop
#                integration and manual pages
#   velmora-dev  dravlen.h, libdravlen.so and dravlen.pc
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@localhost>")
# Each package's description begins with its summary line.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped like any Debian package: no debug information, so no build paths.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Dependencies from the libraries the programs link (dpkg-shlibdeps), and
# a shlibs file so that packages built on libdravlen depend on this one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME velmora)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "Check truckloads of hazardous materials against 49 CFR 171-180
Velmora checks a truckload of hazardous materials against the US hazardous
materials regulations (49 CFR 171-180, and the hazmat safety permit rules of
49 CFR 385): the placards and markings the vehicle needs, what may not be
loaded together, whether the load is legal and whether a hazmat safety
permit is needed, with citations. velmora is the desktop program,
velmora-check the command-line checker.")
# The SVG pictures of the program are drawn by Qt's SVG module, which the
# linker does not see; the regulations program opens pages with xdg-open.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "xdg-utils")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME velmora-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "velmora (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEV_DESCRIPTION "Velmora's compliance engine: header and pkg-config file
dravlen.h, the flat C interface of libdravlen, and dravlen.pc for programs
built on Velmora's hazardous materials compliance engine.")

include(CPack)
