# Install rules and the CMake package: a host does find_package(KWPND10) and
# links KWPND10::KWPND10 (and KWPND10::Stationery for the stationery
# classes, which bring the web browser engine). Two components: "library" (the shared library, its
# headers and the CMake package) and "tool" (kwpnd, its manual page and its
# bash completion; kwpnd's own install rule is in src/app).
include(CMakePackageConfigHelpers)

install(TARGETS KWPND10 KWPND10Stationery EXPORT KWPND10Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT library
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/kwpnd DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT library)
install(FILES "${kwpnd_generated_include}/kwpnd/kwpnd10_export.h"
  "${kwpnd_generated_include}/kwpnd/kwpnd10_stationery_export.h"
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kwpnd COMPONENT library)
install(EXPORT KWPND10Targets NAMESPACE KWPND10::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KWPND10 COMPONENT library)

configure_package_config_file(cmake/KWPND10Config.cmake.in
  "${CMAKE_CURRENT_BINARY_DIR}/KWPND10Config.cmake"
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KWPND10)
write_basic_package_version_file("${CMAKE_CURRENT_BINARY_DIR}/KWPND10ConfigVersion.cmake"
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/KWPND10Config.cmake"
  "${CMAKE_CURRENT_BINARY_DIR}/KWPND10ConfigVersion.cmake"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KWPND10 COMPONENT library)

install(FILES docs/kwpnd.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
install(FILES scripts/completion/kwpnd.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME kwpnd COMPONENT tool)
