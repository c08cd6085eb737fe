# SPDX-License-Identifier: GPL-3.0-or-later
# The user manual: docs/manual.md rendered into manual.pdf beside the
# executables, where the Help menu looks for it in the build tree, and
# installed with the data, where it looks once installed.
if(VIRELO_BUILD_UI)
  add_executable(render_manual ${CMAKE_SOURCE_DIR}/tools/manual/render_manual.cpp)
  target_link_libraries(render_manual PRIVATE Qt6::Gui)
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
