# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that a desktop finds
# everything: the program, its shipped data, the menu entry and the icon.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path
    bin/tollwick
    share/tollwick/data/config.cfg
    share/tollwick/data/links.cfg
    share/tollwick/data/translit.cfg
    share/tollwick/language/English.lng
    share/tollwick/language/Russian.lng
    share/applications/tollwick.desktop
    share/kio/servicemenus/tollwick-servicemenu.desktop
    share/icons/hicolor/scalable/apps/tollwick.svg)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
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
require_lines(share/applications/tollwick.desktop "Exec=tollwick %f\n" "Icon=tollwick\n" "Type=Application\n"
              "MimeType=inode/directory")
require_lines(share/kio/servicemenus/tollwick-servicemenu.desktop "Type=Service\n" "MimeType=inode/directory"
              "Exec=tollwick %f\n")

# Every installed desktop file passes the freedesktop.org checker. A Dolphin
# service menu is KDE's own kind (Type=Service), whose MimeType and Actions
# keys the checker reserves for applications; every other finding counts.
find_program(VALIDATE desktop-file-validate REQUIRED)
file(GLOB_RECURSE desktop_files ${PREFIX}/share/*.desktop)
foreach(desktop_file ${desktop_files})
  execute_process(COMMAND ${VALIDATE} ${desktop_file} OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "[^\n]*key \"(MimeType|Actions)\" is present in group \"Desktop Entry\", but the type is \"Service\"[^\n]*\n?"
         "" findings "${output}")
  if(NOT findings STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${desktop_file}:\n${findings}")
  endif()
endforeach()
