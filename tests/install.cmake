# Installs into a fresh prefix, checks the tree with AppStream's validator, and starts both
# programs through their bin/ links: the window program (offscreen) is still running after a few
# seconds, and the report reads the example set. Without velmora.dat both name it missing from
# lib/gemwright-workshop/ of the prefix, so the data is read from beside the real executable.
#   cmake -DBUILD_DIR=<build folder> -DPREFIX=<scratch prefix> -P install.cmake
unset(ENV{DESTDIR})
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
foreach(file IN ITEMS share/icons/hicolor/scalable/apps/gemwright-workshop.svg
    share/man/man1/gemwright-report.1.gz share/doc/gemwright-workshop/copyright)
  if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "cmake --install (${result}) did not install ${PREFIX}/${file}")
  endif()
endforeach()
execute_process(COMMAND appstreamcli validate-tree --no-net "${PREFIX}" RESULT_VARIABLE result
  OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree: ${output}")
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
file(REAL_PATH "${PREFIX}/lib/gemwright-workshop" folder)
foreach(missing IN ITEMS "" velmora.dat)
  if(missing)
    file(REMOVE "${folder}/${missing}")
  endif()
  # The window program's error box waits for a click that never comes; the timeout ends it.
  execute_process(COMMAND "${PREFIX}/bin/gemwright-workshop" TIMEOUT 4
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(FIND "${output}" "File not found\n\n${missing} is missing from ${folder}\n" at)
  if(NOT result MATCHES "timeout" OR (missing AND at EQUAL -1) OR
      (NOT missing AND output MATCHES "missing from"))
    message(FATAL_ERROR "gemwright-workshop without '${missing}': ${result}\n${output}")
  endif()
  execute_process(COMMAND "${PREFIX}/bin/gemwright-report"
    "${PREFIX}/share/gemwright-workshop/examples/full-set.txt" WORKING_DIRECTORY /
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(FIND "${errors}" "${missing} is missing from ${folder}" at)
  if((NOT missing AND NOT (result EQUAL 0 AND output MATCHES "Runed Hauberk")) OR
      (missing AND NOT (result EQUAL 1 AND at GREATER -1 AND output STREQUAL "")))
    message(FATAL_ERROR "gemwright-report without '${missing}': ${result}\n${errors}")
  endif()
endforeach()
