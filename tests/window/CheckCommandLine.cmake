# SPDX-License-Identifier: GPL-3.0-or-later
# The window program's own options work where no display can be opened:
# with the X11 platform forced and no display named, opening one would fail.
function(run_tollwick expected_status expected_output)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
                          ${PROGRAM} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status STREQUAL "${expected_status}")
    message(FATAL_ERROR "tollwick ${ARGN}: status ${status}, not ${expected_status}\n${output}")
  endif()
  if(NOT output MATCHES "${expected_output}")
    message(FATAL_ERROR "tollwick ${ARGN}: no '${expected_output}' in\n${output}")
  endif()
endfunction()

run_tollwick(0 "Usage: tollwick \\[FOLDER\\]" --help)
run_tollwick(0 "^Tollwick v1\\.0\n$" --version)
# The help wins over a folder that is not there.
run_tollwick(0 "Usage:" /no/such/folder -h)
run_tollwick(2 "unknown option --frobnicate" --frobnicate)
run_tollwick(2 "no such file or folder: /no/such/folder" /no/such/folder)
run_tollwick(2 "one too many" / /tmp)
