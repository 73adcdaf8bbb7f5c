# Debian packages, one a component: `cpack -G DEB` in the build directory
# writes libkwpnd10 (shared library, headers, CMake package) and kwpnd (the
# tool, its manual page and its bash completion).
set(CPACK_PACKAGE_NAME "kwpnd10")
set(CPACK_PACKAGE_VENDOR "KWPND10 developers")
set(CPACK_PACKAGE_CONTACT "KWPND10 developers <kwpnd10@localhost>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lays out, previews, prints and saves documents described by INI files")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES TRUE)

set(CPACK_COMPONENTS_ALL library tool)
set(CPACK_COMPONENT_LIBRARY_DISPLAY_NAME "KWPND10 library")
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION
  "The KWPND10 shared library with its headers and its CMake package (find_package(KWPND10)).")
set(CPACK_COMPONENT_TOOL_DISPLAY_NAME "kwpnd tool")
set(CPACK_COMPONENT_TOOL_DESCRIPTION
  "The kwpnd command-line tool: render, preview, print, barcode and stationery, with its manual page and bash completion.")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "libs")
# The run-time libraries each binary needs, read from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME "libkwpnd10")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION "libdevel")
# The CMake package finds Qt's own for its hosts.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME "kwpnd")
# The tool is a host of the library package: it depends on it, and its
# run-time libraries are read with the library found in the build tree.
set(CPACK_COMPONENT_TOOL_DEPENDS library)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "libkwpnd10 (= ${PROJECT_VERSION})")
# Both libraries it links (libKWPND10 and libKWPND10Stationery) are read
# from the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${PROJECT_BINARY_DIR}" "${PROJECT_BINARY_DIR}/src/stationery")
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION "graphics")

include(CPack)
