# What the SDK archive holds beside the library: LICENSE, CHANGELOG.md and the reference
# pages. `./dev package` installs the ANSI and the Unicode build of one architecture into one
# folder, VexelControl-<version>-<x86|x64>, and zips it.
if(NOT TARGET VexelControl)
  return()
endif()

install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md DESTINATION .)
# The reference pages, made by `./dev docs` before the archive is packed.
set(VX_DOCS_HTML ${CMAKE_BINARY_DIR}/../docs/html CACHE PATH "Built reference pages")
install(DIRECTORY ${VX_DOCS_HTML}/ DESTINATION docs OPTIONAL)
