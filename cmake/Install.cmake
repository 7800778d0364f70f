# Installs Gemwright Workshop like a desktop program. The two executables (the window program
# and gemwright-report) and their five data files share one folder, lib/gemwright-workshop/,
# because each reads its data from the folder of its real executable (/proc/self/exe); bin/
# holds a symbolic link to each. The desktop entry, the icon, the software centre's metainfo,
# the man pages, the licence, the changelog and the example item sets go where desktops and
# players look.

set(GW_INSTALL_PROGRAM_DIR lib/gemwright-workshop)

install(TARGETS gemwright-workshop gemwright-report RUNTIME DESTINATION ${GW_INSTALL_PROGRAM_DIR})
# The compiler's version notes (.comment) are of no use in an installed program; Debian's own
# packages drop them too.
install(CODE "
  foreach(gw_program IN ITEMS gemwright-workshop gemwright-report)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GW_INSTALL_PROGRAM_DIR}/\${gw_program}\"
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
")
list(TRANSFORM GW_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE gw_data_paths)
install(FILES ${gw_data_paths} DESTINATION ${GW_INSTALL_PROGRAM_DIR})

# The link is relative, so the installed tree can move (DESTDIR, CPack's staging folder).
install(CODE [[
  foreach(gw_program IN ITEMS gemwright-workshop gemwright-report)
    set(gw_link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${gw_program}")
    message(STATUS "Installing: ${gw_link}")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(CREATE_LINK "../lib/gemwright-workshop/${gw_program}" "${gw_link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${gw_link}")
  endforeach()
]])

install(FILES ${PROJECT_SOURCE_DIR}/packaging/gemwright-workshop.desktop
  DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gemwright-workshop.svg
  DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${GW_PACKAGING_DIR}/${GW_METAINFO} DESTINATION share/metainfo)
install(FILES ${GW_PACKAGING_DIR}/gemwright-workshop.1.gz ${GW_PACKAGING_DIR}/gemwright-report.1.gz
  DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${GW_PACKAGING_DIR}/changelog.gz
  ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/gemwright-workshop)
install(FILES ${PROJECT_SOURCE_DIR}/examples/full-set.txt ${PROJECT_SOURCE_DIR}/examples/README.md
  DESTINATION share/gemwright-workshop/examples)
