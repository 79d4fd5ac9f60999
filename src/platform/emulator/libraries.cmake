# The daemon's socket protocol and state dump are JSON.
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(oryn7px_platform_emulator PUBLIC nlohmann_json::nlohmann_json)
