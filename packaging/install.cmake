# Installs the program as a desktop application: executable, menu entry, AppStream metadata,
# icons, manual page and documentation; and describes the Debian package that CPack makes of it.
include(GNUInstallDirs)

set(SORVEL_APP_ID org.sorvel.Sorvel)
set(SORVEL_CONTACT "The Sorvel developers <maintainers@users.noreply.c-seed-cfb5c70c.example>")
option(SORVEL_DEBIAN_DOCS "Install the licence as a Debian copyright file, with a Debian changelog" OFF)

install(TARGETS sorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${SORVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${SORVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/sorvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SORVEL_APP_ID}.svg)
# Rendered from sorvel.svg with rsvg-convert -w N -h N, for menus that want bitmaps.
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES packaging/icons/sorvel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${SORVEL_APP_ID}.png)
endforeach()

# Manual pages and Debian changelogs are installed compressed, without a time stamp.
function(sorvel_gzip source output)
    add_custom_command(OUTPUT ${output} COMMAND gzip -9nc ${source} > ${output} DEPENDS ${source} VERBATIM)
endfunction()
sorvel_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.1 ${CMAKE_CURRENT_BINARY_DIR}/sorvel.1.gz)
set(SORVEL_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/sorvel.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/sorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(SORVEL_DEBIAN_DOCS)
    sorvel_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    list(APPEND SORVEL_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
else()
    install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
add_custom_target(sorvel_compressed_docs ALL DEPENDS ${SORVEL_COMPRESSED})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvel)
set(CPACK_PACKAGE_VENDOR "The Sorvel developers")
set(CPACK_PACKAGE_CONTACT "${SORVEL_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rays and wavefronts in a medium of changing wave speed")
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A teaching simulation for physics lessons. It draws, from closed-form
solutions, the fan of rays that leaves a point source in a medium whose wave
speed changes gradually with height, and the successive wavefronts, and
animates them: every ray bends, rays heading toward higher speed turn back,
and rays heading toward lower speed meet the line of zero speed at right
angles. Two speed laws are shown: linear in height, and the square root of a
linear function of height, as for surface waves over a sloping basin.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SORVEL_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://sorvel.example.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font every window is laid out for; the libraries come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
