#pragma once
// Restarting the program after an import: start the launcher, then close this process.

namespace oryn7px {

class ProgramRestart {
public:
    virtual ~ProgramRestart() = default;
    virtual void StartLauncherAndClose() = 0;
};

}  // namespace oryn7px
