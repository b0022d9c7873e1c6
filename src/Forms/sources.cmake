# Every source of this folder and its subfolders (main/, common/) belongs to vemox_ui.
file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
target_sources(vemox_ui PRIVATE ${_srcs})
file(GLOB _rcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../../share/*.qrc)
target_sources(vemox_ui PRIVATE ${_rcs})
file(GLOB_RECURSE _comp CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../components/*.cpp ${CMAKE_CURRENT_LIST_DIR}/../components/*.h)
target_sources(vemox_ui PRIVATE ${_comp})
