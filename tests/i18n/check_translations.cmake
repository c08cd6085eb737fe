# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a committed translation file lags behind the windows' sources:
# a text with no translation yet, or a translation of a text that is gone.
# lupdate reads the sources into a copy, so the committed files stay as they are.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check_translations.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures "")
foreach(lang de nl)
  set(committed ${SOURCE_DIR}/i18n/virelo_${lang}.ts)
  set(copy ${WORK_DIR}/virelo_${lang}.ts)
  file(COPY_FILE ${committed} ${copy})
  execute_process(
    COMMAND ${LUPDATE} -locations none -no-ui-lines -I ${SOURCE_DIR}
      ${SOURCE_DIR}/app ${SOURCE_DIR}/platform ${SOURCE_DIR}/pages ${SOURCE_DIR}/analysis ${SOURCE_DIR}/report -ts ${copy}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${committed}:\n${output}${errors}")
  endif()
  file(STRINGS ${copy} open_lines REGEX "type=\"(unfinished|obsolete|vanished)\"")
  file(STRINGS ${copy} sources REGEX "<source>")
  list(LENGTH open_lines open_count)
  list(LENGTH sources source_count)
  if(source_count EQUAL 0)
    string(APPEND failures "virelo_${lang}.ts: no texts at all\n")
  endif()
  if(open_count GREATER 0)
    # Name the texts, so the message says what to translate or remove.
    file(READ ${copy} text)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[^/][^>]*>[^<]*)*<translation type=\"(unfinished|obsolete|vanished)\""
           open_messages "${text}")
    string(APPEND failures "virelo_${lang}.ts: ${open_count} texts untranslated or no longer in the sources:\n")
    foreach(message IN LISTS open_messages)
      string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "  \\2: \\1" line "${message}")
      string(APPEND failures "${line}\n")
    endforeach()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}Run the virelo_ui_lupdate target and translate what it marks.")
endif()
