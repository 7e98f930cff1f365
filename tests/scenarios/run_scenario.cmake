# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario script through kelpmark-sim and compares its log with the
# expected one. Scripts run in WORKDIR, so relative save paths stay in the build.
# Saved-game fixtures are copied beside the scripts' working directory, so a
# script reads them as fixtures/NAME.
file(MAKE_DIRECTORY ${WORKDIR})
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
if(EXISTS ${script_dir}/fixtures)
  file(COPY ${script_dir}/fixtures DESTINATION ${WORKDIR})
endif()
execute_process(
  COMMAND ${SIM} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_FILE ${ACTUAL}
  ERROR_VARIABLE err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kelpmark-sim exited with ${rc}: ${err}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
  RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE d)
  string(SUBSTRING "${d}" 0 4000 d)
  message(FATAL_ERROR "log differs from ${EXPECTED}:\n${d}")
endif()
