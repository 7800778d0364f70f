# Installs the program into a fresh prefix and starts it through its bin/ link on the offscreen
# platform. Complete, it is still running after a few seconds. Without velmora.dat it reports
# that file missing from lib/gemwright-workshop/ of the prefix: the data is read from beside the
# real executable, not from the build tree nor from bin/. (The error box then waits for a click
# that never comes; the timeout ends the program.)
#   cmake -DBUILD_DIR=<build folder> -DPREFIX=<scratch prefix> -P install.cmake
unset(ENV{DESTDIR})
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
foreach(file IN ITEMS bin/gemwright-workshop share/applications/gemwright-workshop.desktop
    share/icons/hicolor/scalable/apps/gemwright-workshop.svg
    share/gemwright-workshop/examples/full-set.txt)
  if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "cmake --install (${result}) did not install ${PREFIX}/${file}")
  endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
file(REAL_PATH "${PREFIX}/lib/gemwright-workshop" folder)
foreach(missing IN ITEMS "" velmora.dat)
  if(missing)
    file(REMOVE "${folder}/${missing}")
  endif()
  execute_process(COMMAND "${PREFIX}/bin/gemwright-workshop" TIMEOUT 4
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(FIND "${output}" "File not found\n\n${missing} is missing from ${folder}\n" at)
  if(NOT result MATCHES "timeout" OR (missing AND at EQUAL -1) OR
      (NOT missing AND output MATCHES "missing from"))
    message(FATAL_ERROR "without '${missing}': ${result}\n${output}")
  endif()
endforeach()
