# SPDX-License-Identifier: GPL-3.0-or-later
# The user manual: docs/manual.md rendered into manual.pdf beside the
# executables, where the Help menu looks for it in the build tree, and
# installed with the data, where it looks once installed.
if(VIRELO_BUILD_UI)
  add_executable(render_manual ${CMAKE_SOURCE_DIR}/tools/manual/render_manual.cpp
    ${CMAKE_SOURCE_DIR}/platform/ManualHelp.cpp)
  target_include_directories(render_manual PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(render_manual PRIVATE Qt6::Gui)
  # The same Markdown is compiled into the program for the help window and the
  # What's-this texts; the renderer refuses a manual whose help markers are
  # faulty, so a broken help text stops the build.
  qt_add_resources(virelo_ui manual_text PREFIX /manual BASE ${CMAKE_SOURCE_DIR}/docs
    FILES ${CMAKE_SOURCE_DIR}/docs/manual.md)
  # The What's-this paragraphs in German and Dutch, marked as in the manual;
  # the manual itself stays English.
  qt_add_resources(virelo_ui whatsthis_texts PREFIX /manual BASE ${CMAKE_SOURCE_DIR}/i18n
    FILES ${CMAKE_SOURCE_DIR}/i18n/whatsthis_de.md ${CMAKE_SOURCE_DIR}/i18n/whatsthis_nl.md)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/manual.pdf
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
      $<TARGET_FILE:render_manual> ${CMAKE_SOURCE_DIR}/docs/manual.md ${CMAKE_BINARY_DIR}/manual.pdf
      ${PROJECT_VERSION}
    DEPENDS render_manual ${CMAKE_SOURCE_DIR}/docs/manual.md
    COMMENT "Rendering the user manual into manual.pdf")
  add_custom_target(manual ALL DEPENDS ${CMAKE_BINARY_DIR}/manual.pdf)
  install(FILES ${CMAKE_BINARY_DIR}/manual.pdf DESTINATION ${VIRELO_DATA_DIR})
endif()
