find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::LIBUDEV)

# The backend choice can hand out the virtual mouse, in-process or through oryn7px-emu.
target_link_libraries(oryn7px_platform_linux PUBLIC oryn7px_platform_emulator)

# X11 global input and pointer settings.
find_package(X11 REQUIRED COMPONENTS Xi)
target_link_libraries(oryn7px_platform_linux PUBLIC X11::X11 X11::Xi)
