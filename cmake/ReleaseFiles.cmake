# The files that carry the version, made from the one version of project() and the release date
# beside it: the man pages and the software centre's metainfo, in <build>/packaging/. The man
# pages and the Debian changelog are also gzipped there, as Debian installs them (gzip -9n: no
# name or time in the header, so the same input gives the same bytes).

set(GW_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
set(GW_MAN_PAGES gemwright-workshop.1 gemwright-report.1)
set(GW_METAINFO io.github.gemwright.workshop.metainfo.xml)

foreach(file IN LISTS GW_MAN_PAGES GW_METAINFO)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${file}.in ${GW_PACKAGING_DIR}/${file} @ONLY)
endforeach()

# The changelog is a history written by hand; a new version needs a new entry on top.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog gw_changelog_top LIMIT_COUNT 1)
if(NOT gw_changelog_top MATCHES "^gemwright-workshop \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${gw_changelog_top}': the version "
    "${PROJECT_VERSION} needs an entry on top")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/packaging/changelog)

find_program(GW_GZIP gzip REQUIRED)
foreach(file IN ITEMS ${GW_PACKAGING_DIR}/gemwright-workshop.1 ${GW_PACKAGING_DIR}/gemwright-report.1
    ${PROJECT_SOURCE_DIR}/packaging/changelog)
  get_filename_component(name ${file} NAME)
  execute_process(COMMAND ${GW_GZIP} -9nc INPUT_FILE ${file} OUTPUT_FILE ${GW_PACKAGING_DIR}/${name}.gz
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${file}: ${result}")
  endif()
endforeach()
