# Installs the program into a fresh prefix of its own, checks the installed layout, then starts
# the installed program through its bin/ link and watches it read its five data files
# (start_check.cpp). A second install without velmora.dat must read the other four and no more.
# gemwright-report, installed beside it, reports the example set through its own bin/ link, and
# the installed tree passes AppStream's check (the metainfo's desktop entry is there).
#   cmake -DBUILD_DIR=<build folder> -DPREFIX=<scratch prefix> -DCHECKER=<start_check>
#         -P install_test.cmake
foreach(argument IN ITEMS BUILD_DIR PREFIX CHECKER)
  if(NOT ${argument})
    message(FATAL_ERROR "install_test.cmake needs -D${argument}=...")
  endif()
endforeach()

get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(program_dir lib/gemwright-workshop)
set(data_files ImbuePoints.dat GemData1.dat GemData2.dat GemData3.dat velmora.dat)
set(broken "${PREFIX}-without-velmora")

# Exactly where asked, whatever the caller's environment says.
unset(ENV{DESTDIR})

function(install_into prefix)
  file(REMOVE_RECURSE "${prefix}")
  file(MAKE_DIRECTORY "${prefix}")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install into ${prefix} failed (${result}):\n${output}")
  endif()
endfunction()

function(expect_same_file installed original)
  if(NOT EXISTS "${installed}" OR IS_DIRECTORY "${installed}")
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
  file(SHA256 "${installed}" installed_hash)
  file(SHA256 "${original}" original_hash)
  if(NOT installed_hash STREQUAL original_hash)
    message(FATAL_ERROR "${installed} differs from ${original}")
  endif()
endfunction()

function(expect_line file line)
  file(READ "${file}" content)
  string(FIND "\n${content}" "\n${line}\n" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "${file} lacks the line \"${line}\"")
  endif()
endfunction()

function(run_checker prefix files)
  execute_process(COMMAND "${CHECKER}" "${prefix}" ${files} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "start_check ${prefix} ${files} failed (${result})")
  endif()
endfunction()

install_into("${PREFIX}")

# The executable and its data in one folder, the data as the build has it.
set(executable "${PREFIX}/${program_dir}/gemwright-workshop")
if(NOT EXISTS "${executable}" OR IS_SYMLINK "${executable}")
  message(FATAL_ERROR "the program is not installed as a file: ${executable}")
endif()
foreach(file IN LISTS data_files)
  expect_same_file("${PREFIX}/${program_dir}/${file}" "${source_dir}/data/${file}")
endforeach()

# bin/ links to each program, relatively.
foreach(program IN ITEMS gemwright-workshop gemwright-report)
  set(link "${PREFIX}/bin/${program}")
  if(NOT IS_SYMLINK "${link}")
    message(FATAL_ERROR "not a symbolic link: ${link}")
  endif()
  file(READ_SYMLINK "${link}" target)
  if(NOT target STREQUAL "../${program_dir}/${program}")
    message(FATAL_ERROR "${link} points to ${target}, not to ../${program_dir}/${program}")
  endif()
  file(REAL_PATH "${link}" link_resolved)
  file(REAL_PATH "${PREFIX}/${program_dir}/${program}" executable_resolved)
  if(NOT link_resolved STREQUAL executable_resolved)
    message(FATAL_ERROR "${link} resolves to ${link_resolved}, not to ${executable_resolved}")
  endif()
endforeach()

# The desktop entry, its icon and the example item set.
set(desktop "${PREFIX}/share/applications/gemwright-workshop.desktop")
expect_same_file("${desktop}" "${source_dir}/packaging/gemwright-workshop.desktop")
file(STRINGS "${desktop}" first_line LIMIT_COUNT 1)
if(NOT first_line STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "${desktop} does not begin with [Desktop Entry]")
endif()
foreach(line IN ITEMS "Type=Application" "Name=Gemwright Workshop" "Exec=gemwright-workshop %f"
    "Icon=gemwright-workshop" "Terminal=false")
  expect_line("${desktop}" "${line}")
endforeach()
expect_line("${desktop}" "Categories=Game;Utility;")
file(STRINGS "${desktop}" comment REGEX "^Comment=.")
if(NOT comment)
  message(FATAL_ERROR "${desktop} has no Comment")
endif()

set(icon "${PREFIX}/share/icons/hicolor/scalable/apps/gemwright-workshop.svg")
expect_same_file("${icon}" "${source_dir}/packaging/gemwright-workshop.svg")
file(READ "${icon}" svg)
if(NOT svg MATCHES "<svg [^>]*viewBox=\"0 0 64 64\"")
  message(FATAL_ERROR "${icon} is not a 64 by 64 SVG picture")
endif()

foreach(file IN ITEMS full-set.txt README.md)
  expect_same_file("${PREFIX}/share/gemwright-workshop/examples/${file}"
    "${source_dir}/examples/${file}")
endforeach()

foreach(file IN ITEMS share/man/man1/gemwright-workshop.1 share/man/man1/gemwright-report.1
    share/metainfo/io.github.gemwright.workshop.metainfo.xml)
  get_filename_component(name "${file}" NAME)
  expect_same_file("${PREFIX}/${file}" "${source_dir}/packaging/${name}")
endforeach()
expect_same_file("${PREFIX}/share/doc/gemwright-workshop/copyright"
  "${source_dir}/packaging/copyright")
find_program(appstreamcli appstreamcli REQUIRED)
execute_process(COMMAND "${appstreamcli}" validate-tree --no-net "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree ${PREFIX} failed (${result}):\n${output}")
endif()

# The installed program, started through the link, reads all five files from its own folder.
run_checker("${PREFIX}" 5)

# So does the report, from any working folder.
set(example "${PREFIX}/share/gemwright-workshop/examples/full-set.txt")
execute_process(COMMAND "${PREFIX}/bin/gemwright-report" "${example}" WORKING_DIRECTORY /
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "Runed Hauberk")
  message(FATAL_ERROR "installed gemwright-report failed (${result}):\n${errors}")
endif()

# Without velmora.dat it reads the first four and stops there.
install_into("${broken}")
file(REMOVE "${broken}/${program_dir}/velmora.dat")
run_checker("${broken}" 4)
execute_process(COMMAND "${broken}/bin/gemwright-report" "${example}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 1 OR NOT errors MATCHES "velmora.dat" OR NOT output STREQUAL "")
  message(FATAL_ERROR "gemwright-report without velmora.dat: status ${result}, ${errors}")
endif()
