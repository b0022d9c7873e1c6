# The interface's translations: translations/vemox_<language>.ts, compiled to .qm files in
# the translations folder beside the program, where the program run from its build tree finds
# them (the installed one finds them in share/vemox/translations).
#
# `cmake --build build --target update_translations` refreshes the .ts files from every
# source under src/ (lupdate); a translator then finishes them with Qt Linguist.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(VEMOX_LANGUAGES de fr es)
set(VEMOX_TS_FILES "")
foreach(_lang ${VEMOX_LANGUAGES})
    list(APPEND VEMOX_TS_FILES ${PROJECT_SOURCE_DIR}/translations/vemox_${_lang}.ts)
endforeach()
set_source_files_properties(${VEMOX_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
file(GLOB_RECURSE _tr_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
qt_add_translations(vemox
    TS_FILES ${VEMOX_TS_FILES}
    SOURCES ${_tr_sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
    LUPDATE_OPTIONS -locations none -no-ui-lines
    QM_FILES_OUTPUT_VARIABLE VEMOX_QM_FILES)
set(VEMOX_QM_FILES ${VEMOX_QM_FILES} PARENT_SCOPE)
