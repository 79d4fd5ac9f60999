#pragma once
// The one thing the apply worker asks of the program's log: its stream closed at the end of
// every pass, so a pass never leaves the file open.
namespace oryn7px {

class ClosableLog {
public:
    virtual ~ClosableLog() = default;
    virtual void Close() = 0;
};

}  // namespace oryn7px
