#pragma once
// Settings of one transfer handed to the download component.
//
// The download component is not written yet. Until it is, a task carries no
// settings: this type only gives the program's task objects their place.

namespace runtime {

struct DownloadTask {};

}  // namespace runtime
