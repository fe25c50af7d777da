# The GCC runtime DLLs every module imports (libgcc_s, libstdc++, libwinpthread), found
# through the compiler, copied into the build's bin folder so that programs start there, and
# listed in VX_RUNTIME_DLLS for installation.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(vx_libgcc libgcc_s_dw2-1.dll)
else()
  set(vx_libgcc libgcc_s_seh-1.dll)
endif()

set(VX_RUNTIME_DLLS)
foreach(dll ${vx_libgcc} libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "GCC runtime DLL ${dll} not found (compiler answered '${path}')")
  endif()
  list(APPEND VX_RUNTIME_DLLS ${path})
  file(COPY ${path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
endforeach()
