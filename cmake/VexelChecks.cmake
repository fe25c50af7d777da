# The built modules checked as ctest tests of the label "checks" (cmake/checks.sh says what
# each one checks): the GCC runtime and the Windows 7 imports of every DLL, and, on an install
# into the build folder, each installed header alone and the exports against the headers.
if(NOT VX_BUILD_TESTS OR NOT TARGET VexelControl)
  return()
endif()

get_filename_component(vx_compiler ${CMAKE_CXX_COMPILER} NAME)
string(REGEX REPLACE "-g\\+\\+.*$" "" vx_triple ${vx_compiler})
set(vx_checks bash ${CMAKE_SOURCE_DIR}/cmake/checks.sh)
set(vx_modules $<TARGET_FILE:VexelControl> $<TARGET_FILE:vxframework> $<TARGET_FILE:vexelcore>)
set(vx_install ${CMAKE_BINARY_DIR}/check-install)
set(vx_charset ansi)
if(VX_UNICODE)
  set(vx_charset unicode)
endif()

add_test(NAME Checks.RuntimeImports COMMAND ${vx_checks} runtime-imports ${vx_triple} ${vx_modules})
add_test(NAME Checks.SystemImports COMMAND ${vx_checks} system-imports ${vx_triple}
  ${CMAKE_SOURCE_DIR}/cmake/windows7-imports.txt ${vx_modules})
add_test(NAME Checks.Install COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${vx_install})
add_test(NAME Checks.HeadersAlone COMMAND ${vx_checks} headers-alone ${vx_triple} ${vx_install} ${vx_charset})
add_test(NAME Checks.Exports COMMAND ${vx_checks} exports ${vx_triple} ${vx_install}
  ${CMAKE_SOURCE_DIR}/cmake/VexelControl.exports ${CMAKE_SOURCE_DIR}/vexelcore/include/vexelcore_journal.h)
set_tests_properties(Checks.Install PROPERTIES FIXTURES_SETUP vx_check_install)
set_tests_properties(Checks.HeadersAlone Checks.Exports PROPERTIES FIXTURES_REQUIRED vx_check_install)
set_tests_properties(Checks.RuntimeImports Checks.SystemImports Checks.Install Checks.HeadersAlone
  Checks.Exports PROPERTIES LABELS checks)
