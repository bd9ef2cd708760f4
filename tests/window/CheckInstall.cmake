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
    share/icons/hicolor/scalable/apps/tollwick.svg)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/tollwick.desktop entry)
foreach(line "Exec=tollwick" "Icon=tollwick" "Type=Application")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks ${line}")
  endif()
endforeach()
