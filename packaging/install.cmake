# What `cmake --install` puts where: the two programs, the desktop entry, the icon for the hicolor
# theme, the AppStream description, the manual pages and the documents.
include(GNUInstallDirs)

set(KELMORA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# Directories made by the install are world-readable whatever the umask of whoever installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The icon as PNGs, scaled from the game's own window icon at build time.
set(KELMORA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KELMORA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_executable(kelmora-icons ${KELMORA_PACKAGING_DIR}/make-icons.cpp)
target_link_libraries(kelmora-icons PRIVATE kelmora_core PNG::PNG)
set(KELMORA_ICON_FILES "")
foreach(size ${KELMORA_ICON_SIZES})
  list(APPEND KELMORA_ICON_FILES ${KELMORA_ICON_DIR}/${size}x${size}/kelmora.png)
endforeach()
add_custom_command(
  OUTPUT ${KELMORA_ICON_FILES}
  COMMAND kelmora-icons ${KELMORA_ICON_DIR}
  DEPENDS kelmora-icons
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(kelmora-icon-files ALL DEPENDS ${KELMORA_ICON_FILES})

# Manual pages are installed compressed, as Debian wants them; -n leaves the name and time out,
# so the same page always gives the same bytes.
set(KELMORA_MAN_PAGES kelmora kelmora-headless)
set(KELMORA_MAN_FILES "")
foreach(page ${KELMORA_MAN_PAGES})
  set(source ${KELMORA_PACKAGING_DIR}/${page}.6)
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.6.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${compressed}
    DEPENDS ${source}
    COMMENT "Compressing the manual page ${page}(6)"
    VERBATIM)
  list(APPEND KELMORA_MAN_FILES ${compressed})
endforeach()
add_custom_target(kelmora-man-pages ALL DEPENDS ${KELMORA_MAN_FILES})

install(TARGETS kelmora kelmora-headless RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KELMORA_PACKAGING_DIR}/kelmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${KELMORA_ICON_SIZES})
  install(FILES ${KELMORA_ICON_DIR}/${size}x${size}/kelmora.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KELMORA_PACKAGING_DIR}/io.kelmora.Kelmora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KELMORA_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/headless-runner.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian looks for the licence as the package's `copyright` document.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
