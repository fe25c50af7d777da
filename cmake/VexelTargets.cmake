# Target definitions. Sources are found by folder, so adding a file needs no CMake change,
# unless the tests link it directly (VX_INTERNAL_SOURCES).

set(VX_SYSTEM_LIBS user32 gdi32 comctl32 msimg32 kernel32)
# The framework's operator new (failures throw CMemoryException*): compiled into every module
# that allocates on the framework's terms, as MFC links its own into each module.
set(VX_OPERATOR_NEW_SRC ${CMAKE_SOURCE_DIR}/framework/new/operator_new.cpp)

function(vx_glob out)
  file(GLOB files CONFIGURE_DEPENDS ${ARGN})
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(vx_dll_names target)
  # Plain DLL names (no "lib" prefix) as Windows hosts expect them; a character set's
  # suffix where the DLL serves one character set only.
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
  if(ARGC GREATER 1)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${target}${ARGV1})
  endif()
  # The installed targets of a Unicode build are named with a U, so that the two builds'
  # packages can lie side by side.
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${target}${VX_CHARSET_SUFFIX})
endfunction()

# vxframework.dll: the MFC-compatible framework layer, shared by host and library.
function(vx_add_framework)
  vx_glob(src ${CMAKE_SOURCE_DIR}/framework/src/*.cpp)
  if(NOT src)
    return()
  endif()
  add_library(vxframework SHARED ${src} ${VX_OPERATOR_NEW_SRC})
  vx_dll_names(vxframework "${VX_CHARSET_SUFFIX}")
  target_include_directories(vxframework PUBLIC
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/framework/include>
    $<INSTALL_INTERFACE:include/vxframework>)
  target_compile_definitions(vxframework PRIVATE VXFRAMEWORK_BUILD)
  # A host of the Unicode build compiles for Unicode too.
  if(VX_UNICODE)
    target_compile_definitions(vxframework INTERFACE $<INSTALL_INTERFACE:UNICODE;_UNICODE>)
  endif()
  target_link_libraries(vxframework PUBLIC ${VX_SYSTEM_LIBS})

  vx_glob(main_src ${CMAKE_SOURCE_DIR}/framework/main/*.cpp)
  if(main_src)
    add_library(vxframework_main STATIC ${main_src} ${VX_OPERATOR_NEW_SRC})
    set_target_properties(vxframework_main PROPERTIES OUTPUT_NAME vxframework_main${VX_CHARSET_SUFFIX}
      EXPORT_NAME vxframework_main${VX_CHARSET_SUFFIX})
    target_link_libraries(vxframework_main PUBLIC vxframework)
    # The runtime's start-up code asks for WinMain (wWinMain with -municode) only after the
    # libraries have been read; naming it undefined up front pulls it from this library.
    set(entry WinMain)
    if(VX_UNICODE)
      set(entry wWinMain)
      target_link_options(vxframework_main INTERFACE -municode)
    endif()
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_link_options(vxframework_main INTERFACE "LINKER:--undefined=_${entry}@16")
    else()
      target_link_options(vxframework_main INTERFACE "LINKER:--undefined=${entry}")
    endif()
  endif()
endfunction()

# vexelcore.dll: the skin engine, plain Win32.
function(vx_add_skin_engine)
  vx_glob(src ${CMAKE_SOURCE_DIR}/vexelcore/src/*.cpp)
  if(NOT src)
    return()
  endif()
  add_library(vexelcore SHARED ${src})
  vx_dll_names(vexelcore)             # one DLL for both character sets
  target_include_directories(vexelcore PUBLIC
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/vexelcore/include>
    $<INSTALL_INTERFACE:include>)
  target_compile_definitions(vexelcore PRIVATE VEXELCORE_BUILD)
  target_link_libraries(vexelcore PUBLIC ${VX_SYSTEM_LIBS})
endfunction()

# VexelControl.dll: the controls, an extension DLL of the framework layer.
# Parts the tests reach directly, not through the DLL's exports: the rules, geometry, texts
# and interface identifiers, free of windows and of state. Everything that keeps state lives
# in the DLL alone and is tested through its controls.
set(VX_INTERNAL_SOURCES vxComboItemRules.cpp vxComboGeometry.cpp vxDropPlacement.cpp
  vxSplitterGeometry.cpp vxSplitterDrag.cpp vxSizerBarBounds.cpp vxListGeometry.cpp
  vxListScroll.cpp vxStackGeometry.cpp vxTextWrap.cpp vxBalloonGeometry.cpp vxTipsRules.cpp
  vxTipsPlacement.cpp vxAnsiText.cpp vxFocusCueThickness.cpp vxBarValue.cpp vxUiaIds.cpp
  vxLayoutGeometry.cpp)
function(vx_add_library)
  set(src)
  set(VX_SUBSYSTEM_DIRS)
  foreach(sub ${ARGN})
    vx_glob(part ${CMAKE_SOURCE_DIR}/${sub}/*.cpp ${CMAKE_SOURCE_DIR}/${sub}/*.rc)
    list(APPEND src ${part})
    list(APPEND VX_SUBSYSTEM_DIRS ${sub})
  endforeach()
  set(VX_SUBSYSTEM_DIRS ${VX_SUBSYSTEM_DIRS} PARENT_SCOPE)
  if(NOT src OR NOT TARGET vxframework OR NOT TARGET vexelcore)
    return()
  endif()
  add_library(VexelControl SHARED ${src} ${VX_OPERATOR_NEW_SRC})
  vx_dll_names(VexelControl "${VX_CHARSET_SUFFIX}")
  # The DLL exports its controls and nothing else; the tests compile the parts they reach
  # directly into a library of their own, which gets the rest through the DLL's exports.
  set(internal)
  foreach(file ${src})
    get_filename_component(name ${file} NAME)
    if(name IN_LIST VX_INTERNAL_SOURCES)
      list(APPEND internal ${file})
    endif()
  endforeach()
  add_library(vxcontrol_internal STATIC EXCLUDE_FROM_ALL ${internal})
  target_compile_definitions(vxcontrol_internal PRIVATE _AFXEXT)
  target_link_libraries(vxcontrol_internal PUBLIC VexelControl)
  foreach(sub ${ARGN})
    target_include_directories(VexelControl PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/${sub}>)
  endforeach()
  target_include_directories(VexelControl PUBLIC $<INSTALL_INTERFACE:include/VexelControl>)
  target_compile_definitions(VexelControl PRIVATE _AFXEXT)
  target_link_libraries(VexelControl PUBLIC vxframework vexelcore)
  # Active Accessibility for screen readers.
  target_link_libraries(VexelControl PRIVATE oleacc oleaut32 ole32 uuid)
  # Input method contexts of the combo's edit (imm32 is on every Windows since 2000).
  target_link_libraries(VexelControl PRIVATE imm32)
endfunction()

# Libraries every test program links, in dependency order, where they exist.
function(vx_product_libs out)
  set(libs)
  foreach(t VexelControl vexelcore vxframework)
    if(TARGET ${t})
      list(APPEND libs ${t})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# vxtestsupport: pumping, input, recording and counting helpers plus the test main.
function(vx_add_test_support)
  vx_glob(src ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  if(NOT src)
    return()
  endif()
  add_library(vxtestsupport STATIC ${src})
  target_include_directories(vxtestsupport PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(vxtestsupport PUBLIC gtest gmock vxframework ${VX_SYSTEM_LIBS})
  # The second process that sends or posts messages to the tests' windows.
  add_executable(vx_remote_sender ${CMAKE_SOURCE_DIR}/tests/support/remote_sender.c)
  add_dependencies(vxtestsupport vx_remote_sender)
endfunction()

# One test program per folder under tests/, labelled with the folder's name (further sources
# of other folders may be named, and their folders are searched for headers); each
# of its GoogleTest cases is a ctest test of its own (found when ctest runs, through Wine), so
# that a crash ends one case only and `ctest -R` picks single cases.
include(GoogleTest)
function(vx_add_test_program label)
  vx_glob(src ${CMAKE_SOURCE_DIR}/tests/${label}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${label}/*.rc)
  if(NOT src OR NOT TARGET vxtestsupport)
    return()
  endif()
  vx_product_libs(libs)
  if(label STREQUAL "framework")
    set(libs vxframework) # the framework is tested on its own
  elseif(TARGET vxcontrol_internal)
    list(PREPEND libs vxcontrol_internal)
  endif()
  # Test programs are hosts: they allocate with the framework's operator new too.
  add_executable(test_${label} ${src} ${ARGN} ${VX_OPERATOR_NEW_SRC})
  target_include_directories(test_${label} PRIVATE ${CMAKE_SOURCE_DIR}/tests/${label})
  foreach(extra ${ARGN})
    get_filename_component(folder ${extra} DIRECTORY)
    target_include_directories(test_${label} PRIVATE ${folder})
  endforeach()
  target_link_libraries(test_${label} PRIVATE vxtestsupport ${libs} gdiplus imm32)
  gtest_discover_tests(test_${label} EXTRA_ARGS --gtest_color=no DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120 PROPERTIES LABELS ${label} TIMEOUT 300)
endfunction()

# A host program from one folder (gallery, bench).
function(vx_add_program folder kind)
  set(name ${folder})
  if(ARGC GREATER 2)
    set(name ${ARGV2})
  endif()
  vx_glob(src ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.rc)
  # Pages and figures of a subsystem (page_<subsystem>.cpp) come only with the subsystem.
  foreach(file ${src})
    get_filename_component(stem ${file} NAME_WE)
    if(stem MATCHES "^[a-z]+_([a-z]+)$" AND CMAKE_MATCH_1 IN_LIST VX_ALL_SUBSYSTEMS
       AND NOT CMAKE_MATCH_1 IN_LIST VX_SUBSYSTEMS)
      list(REMOVE_ITEM src ${file})
    endif()
  endforeach()
  if(NOT src OR NOT TARGET VexelControl)
    return()
  endif()
  vx_product_libs(libs)
  if(kind STREQUAL "WIN32")
    add_executable(${name} WIN32 ${src})
    if(TARGET vxframework_main)
      target_link_libraries(${name} PRIVATE vxframework_main)
    endif()
  else()
    add_executable(${name} ${src})
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/${folder})
  target_link_libraries(${name} PRIVATE ${libs} gdiplus ole32 windowscodecs)
endfunction()
