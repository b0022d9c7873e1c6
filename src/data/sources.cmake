# Every source of this folder and its subfolders belongs to vemox_core.
file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
target_sources(vemox_core PRIVATE ${_srcs})
