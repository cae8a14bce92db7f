# Installs the build tree into a scratch prefix, then configures, builds and runs the
# consumer project against that prefix only (never against the build tree).
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
# The installed tool finds its module from the prefix alone (its run path).
execute_process(COMMAND ${WORK_DIR}/prefix/${BIN_DIR}/g20seq new GA_Consumer ${WORK_DIR}/station.g20
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/station.g20)
  message(FATAL_ERROR "installed g20seq failed: ${rc} ${out} ${err}")
endif()
# The installed studio finds the editors library and the module from the prefix alone.
if(EXISTS ${WORK_DIR}/prefix/${BIN_DIR}/g20seq-studio)
  execute_process(COMMAND ldd ${WORK_DIR}/prefix/${BIN_DIR}/g20seq-studio OUTPUT_VARIABLE libs)
  if(libs MATCHES "g20seq[^\n]*not found")
    message(FATAL_ERROR "installed g20seq-studio misses a library:\n${libs}")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
                        -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "consumer configure failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "consumer build failed: ${rc}")
endif()
execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE rc OUTPUT_VARIABLE out)
message(STATUS "${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "consumer run failed: ${rc}")
endif()
