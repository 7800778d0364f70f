# Installs Gemwright Workshop like a desktop program. The executable and its five data files
# share one folder, lib/gemwright-workshop/, because the program reads its data from the folder
# of its real executable (/proc/self/exe); bin/ holds a symbolic link to it. The desktop entry,
# the icon and the example item sets go where desktops and players look for them.

set(GW_INSTALL_PROGRAM_DIR lib/gemwright-workshop)

install(TARGETS gemwright-workshop RUNTIME DESTINATION ${GW_INSTALL_PROGRAM_DIR})
list(TRANSFORM GW_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE gw_data_paths)
install(FILES ${gw_data_paths} DESTINATION ${GW_INSTALL_PROGRAM_DIR})

# The link is relative, so the installed tree can move (DESTDIR, CPack's staging folder).
install(CODE [[
  set(gw_link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/gemwright-workshop")
  message(STATUS "Installing: ${gw_link}")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(CREATE_LINK "../lib/gemwright-workshop/gemwright-workshop" "${gw_link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${gw_link}")
]])

install(FILES ${PROJECT_SOURCE_DIR}/packaging/gemwright-workshop.desktop
  DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gemwright-workshop.svg
  DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/examples/full-set.txt ${PROJECT_SOURCE_DIR}/examples/README.md
  DESTINATION share/gemwright-workshop/examples)
