#pragma once
// Whether the program starts with the user's desktop session.
namespace oryn7px {

class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool IsEnabled() const = 0;
    // Writes or removes the entry; false when that failed (the entry is then as it was).
    virtual bool SetEnabled(bool enabled) = 0;
};

}  // namespace oryn7px
