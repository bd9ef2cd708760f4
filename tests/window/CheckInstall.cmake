# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that a desktop finds
# everything: the programs, their shipped data, the menu entry, the icon at
# every size, the manual pages, the completion and the software centre's data.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path
    bin/tollwick
    bin/tollwick-batch
    share/tollwick/data/config.cfg
    share/tollwick/data/links.cfg
    share/tollwick/data/translit.cfg
    share/applications/tollwick.desktop
    share/kio/servicemenus/tollwick-servicemenu.desktop
    share/nemo/actions/tollwick.nemo_action
    share/icons/hicolor/scalable/apps/tollwick.svg
    share/man/man1/tollwick.1.gz
    share/man/man1/tollwick-batch.1.gz
    share/bash-completion/completions/tollwick-batch
    share/metainfo/tollwick.metainfo.xml
    share/doc/tollwick/copyright
    share/doc/tollwick/changelog.Debian.gz)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
# Every language the source tree holds, whoever added it.
file(GLOB languages RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/language/*.lng)
list(LENGTH languages language_count)
if(language_count LESS 2)
  message(FATAL_ERROR "the source tree holds ${language_count} language files")
endif()
foreach(language ${languages})
  if(NOT EXISTS ${PREFIX}/share/tollwick/${language})
    message(FATAL_ERROR "not installed: ${language}")
  endif()
endforeach()
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tollwick.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "no ${size} pixel icon")
  endif()
  # A PNG's width and height stand in its header at bytes 16 to 23.
  file(READ ${png} header LIMIT 8 OFFSET 16 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" expected ${expected})
  string(LENGTH ${expected} digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT 0 ${pad} zeros)
  if(NOT header STREQUAL "${zeros}${expected}${zeros}${expected}")
    message(FATAL_ERROR "the ${size} pixel icon is ${header}")
  endif()
endforeach()
# Each wanted line starts a line of the file (a ";" would split a CMake list).
function(require_lines file)
  file(READ ${PREFIX}/${file} content)
  foreach(line ${ARGN})
    string(FIND "\n${content}" "\n${line}" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${file} lacks ${line}")
    endif()
  endforeach()
endfunction()
require_lines(share/applications/tollwick.desktop "Exec=tollwick %f\n" "Icon=tollwick\n" "Type=Application\n")
# A menu entry that claims folders can become the program that opens every folder.
file(READ ${PREFIX}/share/applications/tollwick.desktop menu_entry)
if(menu_entry MATCHES "MimeType=")
  message(FATAL_ERROR "tollwick.desktop claims a MIME type")
endif()
require_lines(share/kio/servicemenus/tollwick-servicemenu.desktop "Type=Service\n" "MimeType=inode/directory"
              "Exec=tollwick %f\n")
require_lines(share/nemo/actions/tollwick.nemo_action "[Nemo Action]\n" "Exec=tollwick %F\n" "Selection=s\n"
              "Extensions=dir")

# Every installed desktop file passes the freedesktop.org checker (a service
# menu's own keys aside: scripts/validate-desktop.sh says which).
file(GLOB_RECURSE desktop_files ${PREFIX}/share/*.desktop)
execute_process(COMMAND bash ${SOURCE_DIR}/scripts/validate-desktop.sh ${desktop_files}
                OUTPUT_VARIABLE findings ERROR_VARIABLE findings RESULT_VARIABLE invalid)
if(invalid)
  message(FATAL_ERROR "desktop-file-validate:\n${findings}")
endif()
