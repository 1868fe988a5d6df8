# The Debian packages, made by `cpack -G DEB` in a configured tree
# (scripts/package.sh): tq4600 with tqhost, the plug-ins and their data and
# the runtime libraries, and tq4600-dev with the host SDK. The dependencies on
# Debian's runtime packages (pugixml, Qt 6, the C++ library) are read off the
# installed binaries by dpkg-shlibdeps. Installing or removing runs no script
# of the packages: the runtime libraries are private to tq4600 (no ldconfig),
# the desktop's menu and file type caches are refreshed by the triggers of
# desktop-file-utils and shared-mime-info, nothing is registered system-wide,
# and each user's registry lives in that user's home.
# Each package's description starts with its one-line summary.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The TQ4600 plug-in developers")
set(CPACK_PACKAGE_CONTACT "The TQ4600 plug-in developers <tq4600@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Binaries are stripped as Debian's packaging tools strip them: debug symbols
# and the compiler's notes go, the build ID stays.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/TqStripPackage.cmake)
set(CPACK_TQ_STRIP ${CMAKE_STRIP})

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
  "I/O extension plug-in of the TQ4600 controller, with its reference host
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

# Debian's files of each package: the changelog (its first entry is this
# version, else the tree does not configure) and the copyright in the machine-
# readable form, made from LICENSE, in each package's document folder, and the
# runtime's lintian overrides.
set(debian ${PROJECT_SOURCE_DIR}/packaging/debian)
file(STRINGS ${debian}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog does not begin with version ${PROJECT_VERSION}: ${changelog_head}")
endif()
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" copyright_line "${license}")
set(TQ_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${license}" "Permission is hereby granted" license_start)
string(SUBSTRING "${license}" ${license_start} -1 license)
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " TQ_LICENSE_TEXT " ${license}")
configure_file(${debian}/copyright.in ${CMAKE_BINARY_DIR}/install/copyright @ONLY)
set(doc_runtime ${TQ_INSTALL_DOC_DIR})
set(doc_sdk ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_SDK_PACKAGE_NAME})
foreach(component IN ITEMS runtime sdk)
  install(FILES ${CMAKE_BINARY_DIR}/install/copyright DESTINATION ${doc_${component}} COMPONENT ${component})
  tq_install_gzip(${debian}/changelog ${doc_${component}} ${component})
endforeach()
install(FILES ${debian}/tq4600.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${PROJECT_NAME} COMPONENT runtime)

include(CPack)
