# Copies the authored data files beside the binaries (flat, by file name).
file(GLOB_RECURSE files "${SRC}/*")
foreach(f ${files})
  get_filename_component(name "${f}" NAME)
  if(NOT name MATCHES "^\\.")
    configure_file("${f}" "${DST}/${name}" COPYONLY)
  endif()
endforeach()
