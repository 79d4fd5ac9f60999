#pragma once
// Every skin file the windows load, relative to the skins folder, gathered from each window's
// own list, so the check that the build drew them all never keeps a copy of the names.
#include <string>
#include <vector>

namespace oryn7px {

// The file of numbered resource `number`.
std::string ResourceFile(int number);

std::vector<std::string> AllSkinFiles();

}  // namespace oryn7px
