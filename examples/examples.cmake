# SPDX-License-Identifier: GPL-3.0-or-later
# The example projects of examples/ are written by our own code from the
# bundled database: `cmake --build <dir> --target example_projects` writes
# them into <dir>/examples; copy them here when the database or the file
# format changes (engine_tests compares the committed files with fresh ones).
add_executable(make_example ${CMAKE_SOURCE_DIR}/tools/example/make_example.cpp)
target_link_libraries(make_example PRIVATE virelo_cli)
add_custom_target(example_projects
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/examples
  COMMAND make_example ${CMAKE_BINARY_DIR}/generic.vrc ${CMAKE_BINARY_DIR}/examples
  DEPENDS generic_database
  COMMENT "Writing the example projects into ${CMAKE_BINARY_DIR}/examples")

# The committed examples are installed with the documentation.
install(FILES ${CMAKE_SOURCE_DIR}/examples/README.md ${CMAKE_SOURCE_DIR}/examples/fuel-depot.vrp
              ${CMAKE_SOURCE_DIR}/examples/worked-example.vrp ${CMAKE_SOURCE_DIR}/examples/petrol-station.vrp
              ${CMAKE_SOURCE_DIR}/examples/dry-cleaner.vrp
        DESTINATION ${VIRELO_DOC_DIR}/examples)
