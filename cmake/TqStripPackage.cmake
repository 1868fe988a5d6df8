# Run by CPack between installing into its staging folders and packaging
# them: strips every ELF file as Debian's dh_strip does (shared objects also
# lose the symbols no one links against), so no binary keeps the compiler's
# .comment or .note sections or its debug information.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  set(options --remove-section=.comment --remove-section=.note)
  if(file MATCHES "\\.so(\\.[0-9]+)*$")
    list(APPEND options --strip-unneeded)
  endif()
  execute_process(COMMAND "${CPACK_TQ_STRIP}" ${options} "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
