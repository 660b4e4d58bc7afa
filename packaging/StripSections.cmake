# Run by CPack on the staged files before it packs them: after CPack's own
# strip, the executables still carry the compilers' .comment and .note
# sections, which no one reads at run time.
find_program(strip_program strip REQUIRED)
file(GLOB executables "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(executable IN LISTS executables)
  execute_process(COMMAND ${strip_program} --remove-section=.comment --remove-section=.note "${executable}"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "strip failed on ${executable}")
  endif()
endforeach()
