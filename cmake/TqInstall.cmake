# What `cmake --install` puts below the prefix for running tqhost and the
# plug-ins: the program, the runtime libraries (TqSdk.cmake), the plug-in
# folder with its data, the SNVT catalogue, the man page and the documents.
# Nothing is registered at install time: tqhost registers the installed
# components in each user's own registry when that user first runs it.

# Installed programs and libraries find the runtime libraries relative to
# their own folder, so a moved copy of the install still runs.
tq_relative_path(lib_from_bin ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR})
set_target_properties(tqhost PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
set_target_properties(qcom qxml qplatform PROPERTIES INSTALL_RPATH "$ORIGIN")
# Every plug-in library sits one folder below the plug-in folder.
tq_relative_path(lib_from_plugin ${TQ_INSTALL_PLUGINS_DIR}/O_TQ4600 ${CMAKE_INSTALL_LIBDIR})
function(tq_install_plugin target folder)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_plugin}")
  install(TARGETS ${target}
    LIBRARY DESTINATION ${TQ_INSTALL_PLUGINS_DIR}/${folder} COMPONENT runtime)
endfunction()
tq_install_plugin(O_TQ4600 O_TQ4600)
tq_install_plugin(TQ4600Editor O_TQ4600)
tq_install_plugin(UnitManager UnitManager)
tq_install_plugin(HZDoc HZDoc)

install(TARGETS tqhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/plugins/
  DESTINATION ${TQ_INSTALL_PLUGINS_DIR} COMPONENT runtime)
cmake_path(GET TQ_INSTALL_SNVT_FILE PARENT_PATH snvt_folder)
install(FILES ${PROJECT_SOURCE_DIR}/data/snvt/snvt.xml DESTINATION ${snvt_folder} COMPONENT runtime)
configure_file(${PROJECT_SOURCE_DIR}/docs/tqhost.1.in ${CMAKE_BINARY_DIR}/man/tqhost.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/man/tqhost.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${TQ_INSTALL_DOC_DIR} COMPONENT runtime)
# The name Debian's tools look for the license under.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${TQ_INSTALL_DOC_DIR} RENAME copyright COMPONENT runtime)
