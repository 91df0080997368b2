#pragma once
// The program's process-wide objects. They are made empty at start-up and
// released by the exit routine (ExitRoutine.h), in the order given there.

#include "runtime/AnsiText.h"
#include "runtime/DownloadHandle.h"
#include "runtime/DownloadTask.h"

#include <windows.h>

#include <cstdint>

namespace lanvo {

using runtime::AnsiText;

// Still to come, with the toolkit's classes (canvas/core, canvas/controls);
// each becomes a member here and a releaser in ReleaseOrder at the place
// marked there:
//   CanvasHost    mainHost, downloadHost, updateHost
//   TabButton     tabButtons[4]
//   Page          pages[4]
//   PictureBox    pictureBoxes[4]  (2 and 3 are never given a place)
//   Button        featureButtons[14]
//   EditBox       numberBox
//   Label         labels[6]        (4 receives the welcome text)
//   LinkLabel     linkLabels[12]
//   PopupMenu     editMenu         (filled by the toolkit's start-up)
//   ProgressBar   updateProgress
struct AppObjects {
    AnsiText downloadUrl;             // where the new version is, from the update page
    HWND mainWindowHandle = nullptr;  // the main window; owner of its message boxes
    std::int32_t welcomePos = 0;      // 1-based byte position of the next piece of the welcome text
    runtime::DownloadHandle toolDownload;
    double toolTotal = 0;  // bytes of the GIF tool's transfer
    runtime::DownloadTask toolTask;
    runtime::DownloadTask updateTask;
    runtime::DownloadHandle updateDownload;
    double updateTotal = 0;  // bytes of the new version's transfer
};

}  // namespace lanvo
