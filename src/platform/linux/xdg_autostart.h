#pragma once
// The program's entry in the user's XDG autostart folder.
#include <filesystem>

#include "core/interfaces/autostart.h"
#include "core/interfaces/file_writer.h"

namespace oryn7px {

class XdgAutostart final : public Autostart {
public:
    // `entry`: the desktop file to write or remove; `program`: what it starts.
    XdgAutostart(FileWriter& writer, std::filesystem::path entry, std::filesystem::path program);

    bool IsEnabled() const override;
    bool SetEnabled(bool enabled) override;

private:
    FileWriter& writer_;
    std::filesystem::path entry_;
    std::filesystem::path program_;
};

// <config home>/autostart/com.tavik.oryn7px.desktop; empty when no config home is known.
std::filesystem::path DefaultAutostartEntry(const std::filesystem::path& configHome);

}  // namespace oryn7px
