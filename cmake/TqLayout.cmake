# Where an install puts each piece, below the prefix, laid out as Debian lays
# out a package under any prefix:
#   bin/tqhost
#   lib/<multiarch triplet>/tq4600/       the runtime libraries, private to tq4600
#     plugins/                            the plug-in libraries
#   share/tq4600/plugins/                 their data: definitions, templates,
#                                         data sheets, report templates
#   share/tq4600/snvt/snvt.xml            the SNVT catalogue
# A component finds its data relative to its own library, so the plug-in folder
# below lib/ holds a relative symbolic link to each piece of data below share/
# (TqInstall.cmake). Everything architecture-dependent sits below the triplet's
# folder, whatever the prefix, so one build tree is both the install and the
# package's.
# A tree configured before this layout holds GNUInstallDirs' own default "lib"
# (not one given with -D): it moves to the triplet's folder once.
if(CMAKE_LIBRARY_ARCHITECTURE)
  get_property(libdir_help CACHE CMAKE_INSTALL_LIBDIR PROPERTY HELPSTRING)
  if(NOT DEFINED CACHE{CMAKE_INSTALL_LIBDIR} OR
     (NOT TQ_LAYOUT_MULTIARCH AND CMAKE_INSTALL_LIBDIR STREQUAL "lib" AND
      libdir_help STREQUAL "Object code libraries (lib)"))
    set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH
      "Object code libraries (lib/${CMAKE_LIBRARY_ARCHITECTURE})" FORCE)
  endif()
  set(TQ_LAYOUT_MULTIARCH ON CACHE INTERNAL "CMAKE_INSTALL_LIBDIR has had its multiarch default")
endif()
include(GNUInstallDirs)
set(TQ_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/${PROJECT_NAME})
set(TQ_INSTALL_PLUGINS_DIR ${TQ_INSTALL_PRIVATE_LIBDIR}/plugins)
set(TQ_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME})
set(TQ_INSTALL_PLUGIN_DATA_DIR ${TQ_INSTALL_DATA_DIR}/plugins)
set(TQ_INSTALL_SNVT_FILE ${TQ_INSTALL_DATA_DIR}/snvt/snvt.xml)
set(TQ_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(TQ_INSTALL_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/qcom)
set(TQ_INSTALL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Qcom)
set(TQ_INSTALL_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# tq_relative_path(<var> <from> <to>): the path from one folder below the
# prefix to another, so that an installed program or library finds the others
# from its own location under any prefix.
function(tq_relative_path var from to)
  file(RELATIVE_PATH path "/${from}" "/${to}")
  string(REGEX REPLACE "/$" "" path "${path}")
  if(path STREQUAL "")
    set(path ".")
  endif()
  set(${var} ${path} PARENT_SCOPE)
endfunction()

tq_relative_path(TQ_PLUGINS_FROM_BIN ${CMAKE_INSTALL_BINDIR} ${TQ_INSTALL_PLUGINS_DIR})
tq_relative_path(TQ_SNVT_FROM_BIN ${CMAKE_INSTALL_BINDIR} ${TQ_INSTALL_SNVT_FILE})
