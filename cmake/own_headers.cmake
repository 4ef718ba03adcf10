# primzeilen_own_headers(TARGET NAME): the headers of the folder that defines TARGET become
# reachable as "NAME/..." to TARGET and to whatever links it, and nothing else under src/ does.
# Each library thus sees only its own headers and those of the libraries it links: an engine file
# that includes a Qt or a core header, or a core file that includes a widget's, fails to build.
function(primzeilen_own_headers target name)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
