# X11 global input and pointer settings.
find_package(X11 REQUIRED COMPONENTS Xi)
target_link_libraries(oryn7px_platform_linux PUBLIC X11::X11 X11::Xi)
