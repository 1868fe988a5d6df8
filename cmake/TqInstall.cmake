# What `cmake --install` puts below the prefix for running tqhost and the
# plug-ins (TqLayout.cmake says where): the program, the runtime libraries
# (TqSdk.cmake), the plug-in libraries with links to their data, the data, the
# SNVT catalogue, the desktop entry with its icon and project file type, the
# shell completion, the man page and the documents. Nothing is registered at
# install time: tqhost registers the installed components in each user's own
# registry when that user first runs it.
find_program(TQ_GZIP gzip REQUIRED)

# Installed programs and libraries find the runtime libraries relative to
# their own folder, so a moved copy of the install still runs.
tq_relative_path(private_from_bin ${CMAKE_INSTALL_BINDIR} ${TQ_INSTALL_PRIVATE_LIBDIR})
set_target_properties(tqhost PROPERTIES INSTALL_RPATH "$ORIGIN/${private_from_bin}")
set_target_properties(qcom qxml qplatform PROPERTIES INSTALL_RPATH "$ORIGIN")
# Every plug-in library sits one folder below the plug-in folder.
tq_relative_path(private_from_plugin ${TQ_INSTALL_PLUGINS_DIR}/O_TQ4600 ${TQ_INSTALL_PRIVATE_LIBDIR})
set(tq_plugin_library_folders "")
macro(tq_install_plugin target folder)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${private_from_plugin}")
  install(TARGETS ${target}
    LIBRARY DESTINATION ${TQ_INSTALL_PLUGINS_DIR}/${folder} COMPONENT runtime)
  list(APPEND tq_plugin_library_folders ${folder})
endmacro()
tq_install_plugin(O_TQ4600 O_TQ4600)
tq_install_plugin(TQ4600Editor O_TQ4600)
tq_install_plugin(UnitManager UnitManager)
tq_install_plugin(HZDoc HZDoc)

install(TARGETS tqhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

# The plug-ins' data goes below share/, and the plug-in folder below lib/ gets
# a relative symbolic link in its place: to each folder of data, and inside a
# folder that holds a plug-in library, to each piece of data beside it (the
# component's template folders, the document component's templates). The
# links are made in the build tree and installed as they are.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/plugins/
  DESTINATION ${TQ_INSTALL_PLUGIN_DATA_DIR} COMPONENT runtime)
function(tq_install_data_link relative)
  cmake_path(GET relative PARENT_PATH parent)
  tq_relative_path(target ${TQ_INSTALL_PLUGINS_DIR}/${parent} ${TQ_INSTALL_PLUGIN_DATA_DIR}/${relative})
  set(link ${CMAKE_BINARY_DIR}/install/plugin-links/${relative})
  cmake_path(GET link PARENT_PATH link_folder)
  file(MAKE_DIRECTORY ${link_folder})
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${TQ_INSTALL_PLUGINS_DIR}/${parent} COMPONENT runtime)
endfunction()
set(data_root ${PROJECT_SOURCE_DIR}/data/plugins)
file(GLOB data_entries CONFIGURE_DEPENDS RELATIVE ${data_root} ${data_root}/*)
foreach(entry IN LISTS data_entries)
  if(entry IN_LIST tq_plugin_library_folders)
    file(GLOB children CONFIGURE_DEPENDS RELATIVE ${data_root} ${data_root}/${entry}/*)
    foreach(child IN LISTS children)
      tq_install_data_link(${child})
    endforeach()
  else()
    tq_install_data_link(${entry})
  endif()
endforeach()

cmake_path(GET TQ_INSTALL_SNVT_FILE PARENT_PATH snvt_folder)
install(FILES ${PROJECT_SOURCE_DIR}/data/snvt/snvt.xml DESTINATION ${snvt_folder} COMPONENT runtime)

# Opening a project from the desktop: the entry runs `tqhost edit` on the file,
# the type says which files are projects, the icon shows both.
set(desktop ${PROJECT_SOURCE_DIR}/packaging/desktop)
install(FILES ${desktop}/tq4600.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
install(FILES ${desktop}/tq4600.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT runtime)
install(FILES ${desktop}/tq4600.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/bash-completion/tqhost
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT runtime)

# tq_install_gzip(<source> <destination folder> <component>): installs the
# file compressed as Debian wants manual pages and long documents, without a
# time stamp so that two builds give the same bytes.
function(tq_install_gzip source destination component)
  cmake_path(GET source FILENAME name)
  set(compressed ${CMAKE_BINARY_DIR}/install/${component}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_BINARY_DIR}/install/${component}/${name}
    COMMAND ${TQ_GZIP} -9nf ${CMAKE_BINARY_DIR}/install/${component}/${name}
    DEPENDS ${source} VERBATIM)
  string(MAKE_C_IDENTIFIER "tq_gzip_${component}_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination} COMPONENT ${component})
endfunction()

configure_file(${PROJECT_SOURCE_DIR}/docs/tqhost.1.in ${CMAKE_BINARY_DIR}/man/tqhost.1 @ONLY)
tq_install_gzip(${CMAKE_BINARY_DIR}/man/tqhost.1 ${CMAKE_INSTALL_MANDIR}/man1 runtime)
tq_install_gzip(${PROJECT_SOURCE_DIR}/README.md ${TQ_INSTALL_DOC_DIR} runtime)
# The README's pages and their pictures, beside it as in the source tree.
file(GLOB tq_doc_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md)
foreach(page ${tq_doc_pages})
  tq_install_gzip(${page} ${TQ_INSTALL_DOC_DIR}/docs runtime)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/editor ${PROJECT_SOURCE_DIR}/docs/dialogs
  ${PROJECT_SOURCE_DIR}/docs/report DESTINATION ${TQ_INSTALL_DOC_DIR}/docs COMPONENT runtime)
