# Every source of this folder belongs to vemox_report.
file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
target_sources(vemox_report PRIVATE ${_srcs})
