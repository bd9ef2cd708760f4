# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the shipped data files beside the built programs and makes the
# undo folder, so the build tree is a working application home.
foreach(folder data language)
  if(EXISTS ${SOURCE_DIR}/${folder})
    file(COPY ${SOURCE_DIR}/${folder} DESTINATION ${HOME_DIR})
  endif()
endforeach()
file(MAKE_DIRECTORY ${HOME_DIR}/undo)
