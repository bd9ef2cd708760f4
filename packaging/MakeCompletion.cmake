# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bash completion: the template with the step table that
# tollwick-batch prints.
execute_process(COMMAND ${BATCH} --completion-table OUTPUT_VARIABLE COMPLETION_TABLE
                RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0 OR COMPLETION_TABLE STREQUAL "")
  message(FATAL_ERROR "${BATCH} --completion-table failed")
endif()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
