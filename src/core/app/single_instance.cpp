#include "core/app/single_instance.h"

namespace oryn7px {

std::string SingleInstanceName() { return std::string(kModelCode) + "Driver.exe"; }

std::string SingleInstanceSocketPath(const std::string& runtimeDir) {
    return runtimeDir + "/" + SingleInstanceName();
}

}  // namespace oryn7px
