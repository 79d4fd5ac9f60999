find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)
target_link_libraries(oryn7px_platform_linux PUBLIC PkgConfig::LIBUDEV)
