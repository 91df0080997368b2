#pragma once
// A transfer of the download component.
//
// The download component is not written yet. Until it is, no handle ever
// holds a transfer: Active() is always false and Release() has nothing to stop.

namespace runtime {

class DownloadHandle {
public:
    bool Active() const { return false; }
    void Release() {}
};

}  // namespace runtime
