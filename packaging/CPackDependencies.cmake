# Read by cpack (CPACK_PROJECT_CONFIG_FILE): the package's library
# dependencies, from dpkg-shlibdeps on the one program it holds. CPack's own
# pass (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) would first run file(1) on each of
# the 1,200 pictures to find the programs, over a minute on two cores.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(folder "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps")
  file(REMOVE_RECURSE "${folder}")
  file(MAKE_DIRECTORY "${folder}/debian")
  file(TOUCH "${folder}/debian/control")  # dpkg-shlibdeps wants one, even empty
  execute_process(COMMAND dpkg-shlibdeps -O "${CPACK_OSTREL_PROGRAM}"
                  WORKING_DIRECTORY "${folder}"
                  OUTPUT_VARIABLE found ERROR_VARIABLE problem RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps ${CPACK_OSTREL_PROGRAM} failed (${result}): ${problem}")
  endif()
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ")
endif()
