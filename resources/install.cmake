# SPDX-License-Identifier: GPL-3.0-or-later
# Installation of the desktop program: the program in bin beside
# virelo-cli, and a desktop entry, icons and a MIME type for *.vrp that put
# Virelo into the application menu and let a double click on a project file
# open it.
if(VIRELO_BUILD_UI AND TARGET virelo)
  install(TARGETS virelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The icon in the usual theme sizes, drawn by the program's own code.
  add_executable(render_icons ${CMAKE_SOURCE_DIR}/resources/icons/render_icons.cpp
                              ${CMAKE_SOURCE_DIR}/resources/shell_pictures.cpp)
  target_include_directories(render_icons PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(render_icons PRIVATE Qt6::Gui)
  set(VIRELO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  add_custom_command(
    OUTPUT ${VIRELO_ICON_DIR}/hicolor/48x48/apps/virelo.png
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:render_icons> ${VIRELO_ICON_DIR}
    DEPENDS render_icons
    COMMENT "Rendering the application icon")
  add_custom_target(virelo_icons ALL DEPENDS ${VIRELO_ICON_DIR}/hicolor/48x48/apps/virelo.png)
  install(DIRECTORY ${VIRELO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

  # The desktop entry names the program by its installed path, quoted so that
  # a prefix with blanks still launches it.
  install(CODE "
    set(bin_dir \"${CMAKE_INSTALL_BINDIR}\")
    if(NOT IS_ABSOLUTE \"\${bin_dir}\")
      set(bin_dir \"\${CMAKE_INSTALL_PREFIX}/\${bin_dir}\")
    endif()
    set(VIRELO_EXEC \"\${bin_dir}/virelo\")
    configure_file(\"${CMAKE_SOURCE_DIR}/resources/virelo.desktop.in\" \"${CMAKE_BINARY_DIR}/virelo.desktop\" @ONLY)
  ")
  install(FILES ${CMAKE_BINARY_DIR}/virelo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/virelo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME virelo.xml)

  # Desktops pick up new entries and MIME types from their caches; refresh
  # them when installing into the live system (not into a staging DESTDIR).
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(update_mime update-mime-database)
      find_program(update_desktop update-desktop-database)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ")
endif()
