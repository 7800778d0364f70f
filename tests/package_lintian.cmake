# Makes the Debian package from a build tree, as the README says a packager does
# (cpack -G DEB), and has lintian check it with its pedantic tags shown: it must report no error
# and no warning, and none of the tags of missing hardening.
#   cmake -DBUILD_DIR=<build> -DCPACK=<cpack> -DLINTIAN=<lintian> -DOUT=<scratch folder>
#     -P package_lintian.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${OUT}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${OUT}/*.deb")
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack (${result}) made ${count} packages:\n${output}")
endif()

# Lintian warns when it runs as root, as the tests may; that is no finding on the package.
execute_process(COMMAND "${LINTIAN}" --pedantic --display-info --tag-display-limit 0 ${packages}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" findings "${output}")
string(REGEX MATCHALL "hardening-[a-z-]*" hardening "${output}")
if(NOT result EQUAL 0 OR findings OR hardening)
  message(FATAL_ERROR "lintian (${result}) on ${packages}:\n${output}\n${errors}")
endif()
