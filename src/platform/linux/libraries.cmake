find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::LIBUDEV)

# Wayland input: the mouse's own event nodes, grabbed behind a uinput mirror.
pkg_check_modules(LIBEVDEV REQUIRED IMPORTED_TARGET libevdev)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::LIBEVDEV)

# Keyboard layouts (xkbcommon), the X session's layout names, global input and pointer settings (Xlib, XInput 2).
pkg_check_modules(XKBCOMMON REQUIRED IMPORTED_TARGET xkbcommon)
find_package(X11 REQUIRED COMPONENTS Xi)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::XKBCOMMON X11::X11 X11::Xi)

# The program in front on X11: which process owns a window (X-Resource).
pkg_check_modules(XRES REQUIRED IMPORTED_TARGET xres)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::XRES)

# Update description and firmware image downloads: libcurl is opened at the first download, so
# only its headers are needed here.
find_package(CURL REQUIRED)
target_include_directories(oryn7px_platform_linux PRIVATE ${CURL_INCLUDE_DIRS})
target_link_libraries(oryn7px_platform_linux PUBLIC ${CMAKE_DL_LIBS})

# The KWin script's reports are JSON.
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(oryn7px_platform_linux PUBLIC nlohmann_json::nlohmann_json)

# The session bus (tray, desktop settings, the KWin script's reports) through GIO.
pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-2.0)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::GIO)

# The program in front on wlroots compositors: their window list protocol, which wayland-scanner
# turns into C (the language its output is written in).
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
set(toplevel_protocol wlr-foreign-toplevel-management-unstable-v1)
set(toplevel_xml ${CMAKE_CURRENT_SOURCE_DIR}/linux/protocols/${toplevel_protocol}.xml)
set(protocol_dir ${CMAKE_CURRENT_BINARY_DIR}/protocols)
add_custom_command(
  OUTPUT ${protocol_dir}/${toplevel_protocol}-client.h ${protocol_dir}/${toplevel_protocol}.c
  COMMAND ${CMAKE_COMMAND} -E make_directory ${protocol_dir}
  COMMAND ${WAYLAND_SCANNER} client-header ${toplevel_xml} ${protocol_dir}/${toplevel_protocol}-client.h
  COMMAND ${WAYLAND_SCANNER} private-code ${toplevel_xml} ${protocol_dir}/${toplevel_protocol}.c
  DEPENDS ${toplevel_xml}
  VERBATIM)
target_sources(oryn7px_platform_linux PRIVATE ${protocol_dir}/${toplevel_protocol}-client.h
                                              ${protocol_dir}/${toplevel_protocol}.c)
target_include_directories(oryn7px_platform_linux PRIVATE ${protocol_dir})
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::WAYLAND_CLIENT)
