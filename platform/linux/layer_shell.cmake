# The layer shell needs the Wayland client library, wayland-scanner and Qt's native interface
# (a private header of qt6-base-private-dev). Where one is missing the platform builds the
# stub instead, and TARNWICK_LAYER_SHELL stays 0; so it does with TARNWICK_WITH_LAYER_SHELL=OFF.
option(TARNWICK_WITH_LAYER_SHELL "Build the Wayland layer shell where its packages are found" ON)
pkg_check_modules(WAYLAND_CLIENT QUIET IMPORTED_TARGET wayland-client)
pkg_check_modules(WAYLAND_SCANNER QUIET wayland-scanner)
if(WAYLAND_SCANNER_FOUND)
  pkg_get_variable(WAYLAND_SCANNER_PROGRAM wayland-scanner wayland_scanner)
endif()
find_path(TARNWICK_QT_NATIVE_INTERFACE_DIR qpa/qplatformnativeinterface.h
  PATHS ${Qt6Gui_PRIVATE_INCLUDE_DIRS} NO_DEFAULT_PATH)

if(TARNWICK_WITH_LAYER_SHELL AND WAYLAND_CLIENT_FOUND AND WAYLAND_SCANNER_PROGRAM
   AND TARNWICK_QT_NATIVE_INTERFACE_DIR)
  set(TARNWICK_LAYER_SHELL 1 PARENT_SCOPE)
  set(TARNWICK_LAYER_SHELL 1)
  # The scanner's tables are C.
  enable_language(C)
  set(protocol ${CMAKE_CURRENT_SOURCE_DIR}/linux/protocol/layer_shell.xml)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/protocol)
  file(MAKE_DIRECTORY ${generated})
  add_custom_command(
    OUTPUT ${generated}/layer_shell_client.h ${generated}/layer_shell_protocol.c
    COMMAND ${WAYLAND_SCANNER_PROGRAM} client-header ${protocol} ${generated}/layer_shell_client.h
    COMMAND ${WAYLAND_SCANNER_PROGRAM} private-code ${protocol} ${generated}/layer_shell_protocol.c
    DEPENDS ${protocol}
    COMMENT "Compiling the layer shell protocol")
  target_sources(tarnwick_platform PRIVATE
    linux/layer_shell_wayland.cpp
    ${generated}/layer_shell_client.h ${generated}/layer_shell_protocol.c)
  target_include_directories(tarnwick_platform PRIVATE ${generated})
  target_include_directories(tarnwick_platform SYSTEM PRIVATE ${TARNWICK_QT_NATIVE_INTERFACE_DIR})
  target_link_libraries(tarnwick_platform PRIVATE PkgConfig::WAYLAND_CLIENT)
  message(STATUS "Layer shell: on")
else()
  set(TARNWICK_LAYER_SHELL 0 PARENT_SCOPE)
  set(TARNWICK_LAYER_SHELL 0)
  target_sources(tarnwick_platform PRIVATE null/layer_shell_null.cpp)
  message(STATUS "Layer shell: off (needs libwayland-dev, libwayland-bin, qt6-base-private-dev)")
endif()
target_compile_definitions(tarnwick_platform PUBLIC TARNWICK_LAYER_SHELL=${TARNWICK_LAYER_SHELL})
