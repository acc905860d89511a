# What an installation adds around the program folder (src/CMakeLists.txt installs the folder itself): the
# command in bin/, the desktop entry, the icon in the hicolor theme and the AppStream description; and the
# Debian package built from all of it (scripts/package.sh).

# bin/zendra98 is a relative link into the program folder. The program finds its sound module and shipped files
# beside the executable, and the system resolves the link before the program asks where it is.
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

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zendra98")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Ray Tovane <ray@tovane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop board for programs, notes, mail and web search")
# The Debian generator makes the summary the description's first line and indents the rest.
set(CPACK_PACKAGE_DESCRIPTION "Zendra 98 is one compact window that stays on the desktop. From it you start
programs, keep notes and a scratch pad, check a POP3 mailbox and search the web.")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tovane.example/zendra/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
