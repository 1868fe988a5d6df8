# Where an install puts each piece, below the prefix. The plug-in folder is
# installed whole, as the build tree holds it, because the component finds its
# definition, templates and data sheets relative to its own library; the SNVT
# catalogue is architecture-independent data.
include(GNUInstallDirs)
set(TQ_INSTALL_PLUGINS_DIR ${CMAKE_INSTALL_LIBDIR}/${PROJECT_NAME}/plugins)
set(TQ_INSTALL_SNVT_FILE ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/snvt/snvt.xml)
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
