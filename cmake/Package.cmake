# Installation and the Debian package.
#
# `cmake --install build` puts the program and vemox-ratesfeed in bin/, and its defaults in
# share/vemox/ (the resource library, the help pages, the sample rates and the translations), from which the
# installed program prepares each user's data folder on its first start. The desktop entry,
# the icon and the AppStream metainfo go where desktops look for them.
#
# `cpack -G DEB` (in the build folder) turns the same installation into a Debian package. CPack
# rather than dpkg-buildpackage: the package is built from the build tree that ./run and ./test
# already keep up to date, in seconds and without a second full build, and from the one set of
# install rules here instead of a debian/ folder that would repeat them. dpkg-shlibdeps finds
# its real dependencies.
set(_share ${PROJECT_SOURCE_DIR}/share)
set(VEMOX_APP_ID example.vemox.Vemox)

install(TARGETS vemox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install leaves the compilers' .comment section in both programs; Debian's packages
# go without it.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(_exe vemox vemox-ratesfeed)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${_exe}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")
install(FILES ${CMAKE_BINARY_DIR}/dll/ZYM_VEMOX.dll DESTINATION ${CMAKE_INSTALL_DATADIR}/vemox/dll)
install(DIRECTORY ${_share}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vemox/help FILES_MATCHING PATTERN "*.html")
install(FILES ${_share}/currency.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/vemox)
install(FILES ${VEMOX_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/vemox/translations)
install(FILES ${_share}/desktop/vemox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_share}/desktop/vemox.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_share}/desktop/vemox.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${VEMOX_APP_ID}.metainfo.xml)

# Debian's documentation files: the copyright, a compressed changelog and the manual pages.
set(_changelog ${CMAKE_BINARY_DIR}/package/changelog.gz)
add_custom_command(OUTPUT ${_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
    COMMAND sh -c "gzip -9n < '${_share}/desktop/changelog' > '${_changelog}'"
    DEPENDS ${_share}/desktop/changelog VERBATIM)
set(_docs ${_changelog})
foreach(_page vemox vemox-ratesfeed)
    set(_man ${CMAKE_BINARY_DIR}/package/${_page}.1.gz)
    add_custom_command(OUTPUT ${_man}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
        COMMAND sh -c "gzip -9n < '${_share}/desktop/${_page}.1' > '${_man}'"
        DEPENDS ${_share}/desktop/${_page}.1 VERBATIM)
    install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND _docs ${_man})
endforeach()
add_custom_target(package_docs ALL DEPENDS ${_docs})
install(FILES ${_share}/desktop/copyright ${_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vemox)
install(FILES ${_share}/desktop/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vemox)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vemox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vemox <support@vemox.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "currency exchange calculator for a bureau de change")
set(CPACK_PACKAGE_DESCRIPTION "Vemox converts amounts between currencies for one operator at a bureau de
change or a travel desk, at base, buy or sell rates with margins, duty and
commission. Rates come from the shop's own update server; vemox-ratesfeed
writes that server's reply from the ECB's daily reference rates.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the windows are drawn with; the libraries come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
