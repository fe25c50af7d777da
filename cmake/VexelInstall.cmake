# Installs DLLs, import libraries, public headers and a CMake package, so that a host
# project writes find_package(VexelControl) and links VexelControl::VexelControl.
include(CMakePackageConfigHelpers)

if(NOT TARGET VexelControl)
  return()
endif()

set(vx_installed vxframework vexelcore VexelControl)
if(TARGET vxframework_main)
  list(APPEND vx_installed vxframework_main)
  # A host linking VexelControl::VexelControl gets the framework's WinMain as an MFC program
  # gets MFC's: from the library it links, pulled in only when nothing else defines it.
  target_link_libraries(VexelControl INTERFACE $<INSTALL_INTERFACE:VexelControl::vxframework_main>)
endif()
# The host shares the GCC runtime DLLs with the library, as the library's modules do.
target_link_options(VexelControl INTERFACE $<INSTALL_INTERFACE:-shared-libgcc>)
install(TARGETS ${vx_installed} EXPORT VexelControlTargets
  RUNTIME DESTINATION bin
  LIBRARY DESTINATION bin
  ARCHIVE DESTINATION lib)
install(FILES ${VX_RUNTIME_DLLS} DESTINATION bin)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/framework/include/ DESTINATION include/vxframework
  FILES_MATCHING PATTERN "*.h")
install(FILES ${CMAKE_SOURCE_DIR}/vexelcore/include/vexelcore.h DESTINATION include)
foreach(sub ${VX_SUBSYSTEM_DIRS})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${sub}/*.h)
  if(headers)
    install(FILES ${headers} DESTINATION include/VexelControl)
  endif()
endforeach()

install(EXPORT VexelControlTargets NAMESPACE VexelControl:: DESTINATION lib/cmake/VexelControl)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VexelControlConfig.cmake.in
  ${CMAKE_BINARY_DIR}/VexelControlConfig.cmake INSTALL_DESTINATION lib/cmake/VexelControl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VexelControlConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VexelControlConfig.cmake
  ${CMAKE_BINARY_DIR}/VexelControlConfigVersion.cmake DESTINATION lib/cmake/VexelControl)
