# Installs DLLs, import libraries, public headers and a CMake package, so that a host
# project writes find_package(VexelControl) and links VexelControl::VexelControl (the ANSI
# build) or, with the component Unicode, VexelControl::VexelControlU.
include(CMakePackageConfigHelpers)

if(NOT TARGET VexelControl)
  return()
endif()

set(vx_installed vxframework vexelcore VexelControl)
if(TARGET vxframework_main)
  list(APPEND vx_installed vxframework_main)
  # A host linking VexelControl::VexelControl gets the framework's WinMain as an MFC program
  # gets MFC's: from the library it links, pulled in only when nothing else defines it.
  target_link_libraries(VexelControl INTERFACE
    $<INSTALL_INTERFACE:VexelControl::vxframework_main${VX_CHARSET_SUFFIX}>)
endif()
# The host shares the GCC runtime DLLs with the library, as the library's modules do.
target_link_options(VexelControl INTERFACE $<INSTALL_INTERFACE:-shared-libgcc>)
install(TARGETS ${vx_installed} EXPORT VexelControl${VX_CHARSET_SUFFIX}Targets
  RUNTIME DESTINATION bin
  LIBRARY DESTINATION bin
  ARCHIVE DESTINATION lib)
install(FILES ${VX_RUNTIME_DLLS} DESTINATION bin)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/framework/include/ DESTINATION include/vxframework
  FILES_MATCHING PATTERN "*.h")
install(FILES ${CMAKE_SOURCE_DIR}/vexelcore/include/vexelcore.h DESTINATION include)
# The headers of the exported classes and functions, and the few headers their declarations
# need (found by following their #include lines); the library's other helpers stay inside.
set(vx_public_headers vxLayout.h vxHorizLayout.h vxVertLayout.h vxSizerBar.h vxCtrlSplitter.h
  vxCtrlComboBox.h vxCtrlListView.h vxCtrlStackWnd.h vxCtrlSysTips.h rvToolTip.h)
set(vx_header_paths)
set(vx_pending ${vx_public_headers})
while(vx_pending)
  list(POP_FRONT vx_pending name)
  foreach(sub ${VX_SUBSYSTEM_DIRS})
    set(path ${CMAKE_SOURCE_DIR}/${sub}/${name})
    if(EXISTS ${path} AND NOT path IN_LIST vx_header_paths)
      list(APPEND vx_header_paths ${path})
      file(STRINGS ${path} includes REGEX "^#include \"")
      foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
        list(APPEND vx_pending ${included})
      endforeach()
    endif()
  endforeach()
endwhile()
install(FILES ${vx_header_paths} DESTINATION include/VexelControl)

install(EXPORT VexelControl${VX_CHARSET_SUFFIX}Targets NAMESPACE VexelControl::
  DESTINATION lib/cmake/VexelControl)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VexelControlConfig.cmake.in
  ${CMAKE_BINARY_DIR}/VexelControlConfig.cmake INSTALL_DESTINATION lib/cmake/VexelControl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VexelControlConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VexelControlConfig.cmake
  ${CMAKE_BINARY_DIR}/VexelControlConfigVersion.cmake DESTINATION lib/cmake/VexelControl)
