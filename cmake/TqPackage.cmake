# The Debian packages, made by `cpack -G DEB` in a configured tree
# (scripts/package.sh): tq4600 with tqhost, the plug-ins and their data and
# the runtime libraries, and tq4600-dev with the host SDK. The dependencies on
# Debian's runtime packages (pugixml, Qt 6, the C++ library) are read off the
# installed binaries by dpkg-shlibdeps. Installing or removing runs nothing but
# ldconfig, which CPack adds for the runtime libraries: nothing is registered
# system-wide, and each user's registry lives in that user's home.
# Each package's description starts with its one-line summary.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The TQ4600 plug-in developers")
set(CPACK_PACKAGE_CONTACT "The TQ4600 plug-in developers <tq4600@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime sdk)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${PROJECT_NAME})
# Data sheets and reports open in the desktop's viewer.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "TQ4600 I/O extension plug-in and its reference host
The in-process COM component O_TQ4600 models the I/O extension of a TQ4600
controller with up to three expansion modules. The package holds the
component with its object definition, module templates and data sheet, the
editor window, the unit service and the document component, the SNVT
catalogue, the COM runtime libraries and tqhost, the command-line host.
tqhost registers the components in the user's registry on its first run.")

set(CPACK_DEBIAN_SDK_PACKAGE_NAME ${PROJECT_NAME}-dev)
set(CPACK_DEBIAN_SDK_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SDK_PACKAGE_DEPENDS "${PROJECT_NAME} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_SDK_DESCRIPTION
  "SDK for hosts of the TQ4600 I/O extension plug-in
Headers of the COM runtime, the DOM, the platform services and the host
interfaces, with a CMake package (find_package(Qcom CONFIG)) and a
pkg-config file (qcom), for building a host that loads the component.")

include(CPack)
