# Debian's hardening flags, as dpkg-buildflags gives them to a package build
# with every hardening feature on: stack protector, fortified functions,
# format checks, read-only relocations and immediate binding. Optimisation and
# debug information stay the build type's, and file paths stay as they are,
# so a build tree's debugger still finds its sources.
find_program(TQ_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
function(tq_buildflags var flag)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env
      "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
      "DEB_${flag}_MAINT_STRIP=-g -O2"
      ${TQ_DPKG_BUILDFLAGS} --get ${flag}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${var} ${flags} PARENT_SCOPE)
endfunction()
tq_buildflags(tq_cppflags CPPFLAGS)
tq_buildflags(tq_cxxflags CXXFLAGS)
tq_buildflags(tq_ldflags LDFLAGS)
add_compile_options(${tq_cppflags} ${tq_cxxflags})
add_link_options(${tq_ldflags})
string(REPLACE ";" " " tq_flags_text "${tq_cppflags};${tq_cxxflags};${tq_ldflags}")
message(STATUS "Hardening flags: ${tq_flags_text}")
