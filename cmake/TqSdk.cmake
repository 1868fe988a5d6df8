# The host SDK: the runtime libraries, the headers of the COM runtime, the DOM,
# the platform services and the host interfaces, a CMake package (find_package
# (Qcom CONFIG): Qcom::qcom, Qcom::qxml, Qcom::qplatform, Qcom::qfaces) and a
# pkg-config file (qcom). The libraries themselves belong to the runtime, which
# tqhost and the plug-ins need, in tq4600's private library folder; the rest
# is for building a host, which finds them there through a run path that both
# the CMake package and the pkg-config file give it.
include(CMakePackageConfigHelpers)

install(TARGETS qcom qxml qplatform qfaces EXPORT QcomTargets
  LIBRARY DESTINATION ${TQ_INSTALL_PRIVATE_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT sdk
  FILE_SET HEADERS DESTINATION ${TQ_INSTALL_INCLUDE_DIR} COMPONENT sdk)
install(EXPORT QcomTargets NAMESPACE Qcom::
  DESTINATION ${TQ_INSTALL_CMAKE_DIR} COMPONENT sdk)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/QcomConfig.cmake.in
  ${CMAKE_BINARY_DIR}/sdk/QcomConfig.cmake INSTALL_DESTINATION ${TQ_INSTALL_CMAKE_DIR}
  PATH_VARS TQ_INSTALL_PRIVATE_LIBDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/sdk/QcomConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/sdk/QcomConfig.cmake ${CMAKE_BINARY_DIR}/sdk/QcomConfigVersion.cmake
  DESTINATION ${TQ_INSTALL_CMAKE_DIR} COMPONENT sdk)

# The pkg-config file finds the prefix from its own folder, as the programs do.
tq_relative_path(TQ_PREFIX_FROM_PKGCONFIG ${TQ_INSTALL_PKGCONFIG_DIR} "")
configure_file(${CMAKE_CURRENT_LIST_DIR}/qcom.pc.in ${CMAKE_BINARY_DIR}/sdk/qcom.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/sdk/qcom.pc
  DESTINATION ${TQ_INSTALL_PKGCONFIG_DIR} COMPONENT sdk)
