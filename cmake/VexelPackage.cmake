# The SDK archive: VexelControl-<version>-<x86|x64>.zip with bin/ (the DLLs and the GCC
# runtime DLLs they need), lib/ (import libraries and the CMake package), include/, docs/,
# LICENSE and CHANGELOG.md; the version is the project's.
if(NOT TARGET VexelControl)
  return()
endif()

install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md DESTINATION .)
# The reference pages, made by `./dev docs` before the archive is packed.
set(VX_DOCS_HTML ${CMAKE_BINARY_DIR}/../docs/html CACHE PATH "Built reference pages")
install(DIRECTORY ${VX_DOCS_HTML}/ DESTINATION docs OPTIONAL)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(vx_arch x64)
else()
  set(vx_arch x86)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME VexelControl)
set(CPACK_PACKAGE_VENDOR "The VexelControl authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME VexelControl-${PROJECT_VERSION}-${vx_arch})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/../packages)
include(CPack)
