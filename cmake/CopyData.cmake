# Copies the authored data files beside the binaries (flat, by file name).
# The joseki sources (data/joseki/) are not copied: the build compiles them
# into the dictionaries.
file(GLOB_RECURSE files "${SRC}/*")
foreach(f ${files})
  get_filename_component(name "${f}" NAME)
  file(RELATIVE_PATH rel "${SRC}" "${f}")
  if(NOT name MATCHES "^\\." AND NOT rel MATCHES "^joseki/")
    configure_file("${f}" "${DST}/${name}" COPYONLY)
  endif()
endforeach()
