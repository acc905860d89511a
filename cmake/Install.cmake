# What an installation adds around the program folder and the shipped folder (src/CMakeLists.txt installs those):
# the command in bin/, the desktop entry, the icon in the hicolor theme, the AppStream description, the manual
# page and the copyright and changelog; and the Debian package built from all of it (scripts/package.sh).

# bin/zendra98 is a relative link into the program folder. The program finds its modules and shipped files from
# its own folder, and the system resolves the link before the program asks where it is.
file(RELATIVE_PATH zendra_link_target "/${CMAKE_INSTALL_BINDIR}" "/${ZENDRA_INSTALL_PROGRAMDIR}/zendra98")
set(zendra_link "${CMAKE_BINARY_DIR}/bin-link/zendra98")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/bin-link")
file(CREATE_LINK "${zendra_link_target}" "${zendra_link}" SYMBOLIC)
install(FILES "${zendra_link}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The desktop entry is named after the AppStream id, which the description's <launchable> names.
set(zendra_app_id "example.tovane.zendra98")
install(FILES "${PROJECT_SOURCE_DIR}/dist/${zendra_app_id}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/dist/${zendra_app_id}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${PROJECT_SOURCE_DIR}/assets/icons/zendra98.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/assets/icons/hicolor/${size}x${size}/apps/zendra98.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# The manual page and the Debian changelog are installed compressed as Debian wants them: gzip at its best
# compression, without a name or time stamp, so that the same sources give the same bytes.
set(zendra_compressed)
foreach(name zendra98.1 changelog)
    set(copy "${CMAKE_BINARY_DIR}/dist/${name}")
    add_custom_command(OUTPUT "${copy}.gz"
        COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/dist/${name}" "${copy}"
        COMMAND gzip -9nf "${copy}"
        DEPENDS "${PROJECT_SOURCE_DIR}/dist/${name}" VERBATIM)
    list(APPEND zendra_compressed "${copy}.gz")
endforeach()
add_custom_target(zendra_dist_docs ALL DEPENDS ${zendra_compressed})
install(FILES "${CMAKE_BINARY_DIR}/dist/zendra98.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
# A package without a Debian revision is a native one: its Debian changelog is changelog.gz.
install(FILES "${PROJECT_SOURCE_DIR}/dist/copyright" "${CMAKE_BINARY_DIR}/dist/changelog.gz"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zendra98")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zendra98")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Ray Tovane <ray@tovane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop board for programs, notes, mail and web search")
# The Debian generator makes the summary the description's first line and indents the rest.
set(CPACK_PACKAGE_DESCRIPTION "Zendra 98 is one compact window that stays on the desktop.
From it you start programs, keep notes and a scratch pad,
check a POP3 mailbox and search the web.")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tovane.example/zendra/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The keyring module reaches the Secret Service through libsecret, which it loads only at run time; without it the
# password stays in email.dat.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
