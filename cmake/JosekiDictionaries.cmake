# The joseki dictionaries are compiled from their SGF sources (data/joseki/)
# by the jskc tool and land beside the binaries with the other data files.
set(VORN_JSK_DIR "${CMAKE_SOURCE_DIR}/data/joseki")
set(VORN_JSK_OUTPUTS "")
foreach(entry "corner:corner.sgf:VORN5J.JSK" "whole:opening19.sgf:VORN5F.JSK" "whole:opening9.sgf:Vorn9.jsk")
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 kind)
  list(GET parts 1 source)
  list(GET parts 2 output)
  add_custom_command(OUTPUT "${VORN_OUT_DIR}/${output}"
    COMMAND jskc compile ${kind} "${VORN_JSK_DIR}/${source}" "${VORN_OUT_DIR}/${output}"
    DEPENDS jskc "${VORN_JSK_DIR}/${source}"
    COMMENT "Compiling the joseki dictionary ${output}")
  list(APPEND VORN_JSK_OUTPUTS "${VORN_OUT_DIR}/${output}")
endforeach()
add_custom_target(vorn_dictionaries ALL DEPENDS ${VORN_JSK_OUTPUTS})
add_dependencies(vorn_data vorn_dictionaries)
