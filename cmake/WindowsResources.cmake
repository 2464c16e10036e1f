# The release's name and version, given once: the version resources of the programs and
# the simulated libraries take them from here, and tools/package-windows.sh reads them
# from here for the installer.
set(ZENTA_PRODUCT_NAME "ZENTA User Programmer")
set(ZENTA_COMPANY "ZENTA")
set(ZENTA_FILE_VERSION 2.5.0.0)
# What the window's caption shows (app::kProgramVersion holds the same text).
set(ZENTA_PRODUCT_VERSION_TEXT v2.05A)

# The program's icon, drawn by tools/make-icon.py into the build folder.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZENTA_PROGRAM_ICON ${CMAKE_BINARY_DIR}/ZENTAUserProgrammer.ico)
add_custom_command(OUTPUT ${ZENTA_PROGRAM_ICON}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make-icon.py ${ZENTA_PROGRAM_ICON}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make-icon.py
  COMMENT "Drawing the program's icon")
add_custom_target(zenta_program_icon DEPENDS ${ZENTA_PROGRAM_ICON})

# zenta_windows_resources(TARGET FILE name DESCRIPTION text [ICON]) gives TARGET, whose
# file is `name` (e.g. zenta.exe), a version resource with `text` as its description and, with
# ICON, the program's icon as its first icon: the one Explorer, shortcuts and the
# settings files' association show.
function(zenta_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 ZENTA_RES "ICON" "FILE;DESCRIPTION" "")
  get_filename_component(ZENTA_RES_NAME ${ZENTA_RES_FILE} NAME_WE)
  string(REPLACE "." "," ZENTA_RES_VERSION_COMMAS ${ZENTA_FILE_VERSION})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(ZENTA_RES_FILE_TYPE VFT_APP)
  else()
    set(ZENTA_RES_FILE_TYPE VFT_DLL)
  endif()
  set(ZENTA_RES_ICON_LINE "")
  if(ZENTA_RES_ICON)
    # Resource 1, which the window loads as its class icon (app/win32/FormRenderer.cpp).
    set(ZENTA_RES_ICON_LINE "1 ICON \"${ZENTA_PROGRAM_ICON}\"")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  if(ZENTA_RES_ICON)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ZENTA_PROGRAM_ICON})
    add_dependencies(${target} zenta_program_icon)
  endif()
endfunction()
