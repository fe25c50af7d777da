# Visual Studio: the controls and the skin engine built with MSVC against the real MFC, as an
# MFC extension DLL that exports with AFX_EXT_CLASS. The framework layer, the tests, the
# gallery and the benchmarks are not part of this path: they exist for the MinGW build.
#
# Nothing here is built on the project's own machines (they cross-compile with MinGW and run
# under Wine, and have neither MSVC nor MFC), so this file stays declarative and small.
message(STATUS "VexelControl: building against the real MFC with MSVC. This configuration "
  "is not built or tested by the project's own CI (MinGW and Wine); see "
  "docs/pages/visual_studio.md.")

set(CMAKE_MFC_FLAG 2)                       # MFC in a shared DLL
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
add_compile_definitions(_AFXDLL WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX)
if(VX_UNICODE)
  add_compile_definitions(UNICODE _UNICODE)
  set(vx_suffix U)
else()
  add_compile_definitions(_MBCS)
endif()
add_compile_options(/W4 /WX /EHsc)

file(GLOB vx_core_src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/vexelcore/src/*.cpp)
add_library(vexelcore SHARED ${vx_core_src})
target_include_directories(vexelcore PUBLIC ${CMAKE_SOURCE_DIR}/vexelcore/include)
target_compile_definitions(vexelcore PRIVATE VEXELCORE_BUILD)
target_link_libraries(vexelcore PUBLIC user32 gdi32 comctl32 msimg32)

set(vx_subsystems foundation layout splitter combobox listview stackwnd systips tooltip)
set(vx_src)
foreach(sub ${vx_subsystems})
  file(GLOB part CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${sub}/*.cpp ${CMAKE_SOURCE_DIR}/${sub}/*.rc)
  list(APPEND vx_src ${part})
endforeach()
add_library(VexelControl SHARED ${vx_src})
foreach(sub ${vx_subsystems})
  target_include_directories(VexelControl PUBLIC ${CMAKE_SOURCE_DIR}/${sub})
endforeach()
target_compile_definitions(VexelControl PRIVATE _AFXEXT)
target_link_libraries(VexelControl PUBLIC vexelcore PRIVATE oleacc oleaut32 ole32 uuid)
set_target_properties(VexelControl PROPERTIES OUTPUT_NAME VexelControl${vx_suffix})
