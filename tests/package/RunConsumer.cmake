# Installs the build into a scratch prefix, then configures, builds and runs a program that
# knows the library only through find_package(ZTUi).
set(work ${BUILD_DIR}/package-test)
file(REMOVE_RECURSE ${work})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${work}/prefix
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${work}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${work}/prefix -DCMAKE_CXX_FLAGS=${CXX_FLAGS}
    -DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${work}/build RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building the consumer failed")
endif()
foreach(program consumer win32_hello win32_controls mfc_hello)
  execute_process(COMMAND ${work}/build/${program} RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "${program} failed (${rc})")
  endif()
endforeach()
