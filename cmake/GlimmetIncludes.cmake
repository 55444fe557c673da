# Include paths start at the repository's root ("render/ColorRules.h"), but no target is given the root
# itself: each folder is exported through a build-tree folder that holds one link named like it
# (build/render/include/render -> render/), so a target reaches exactly the folders it links and a
# wrong include fails to compile.
#   glimmet_export_folder(<target> PUBLIC|PRIVATE|INTERFACE)
# exports the folder of the calling CMakeLists.txt, spelt as its path from the root ("tests/support").
function(glimmet_export_folder target scope)
  file(RELATIVE_PATH spelling ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(include_dir ${CMAKE_CURRENT_BINARY_DIR}/include)
  get_filename_component(parent ${include_dir}/${spelling} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_dir}/${spelling} SYMBOLIC)
  target_include_directories(${target} ${scope} ${include_dir})
endfunction()
