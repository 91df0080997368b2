#include "app/ExitRoutine.h"

namespace lanvo {

std::vector<Releaser> ReleaseOrder(AppObjects& o) {
    // The toolkit's objects join this list where the comments stand.
    return {
        {"downloadUrl", [&o] { o.downloadUrl.clear(); o.downloadUrl.shrink_to_fit(); }},
        // mainHost
        // every element of tabButtons, pages, pictureBoxes, featureButtons
        // numberBox
        // every element of labels, linkLabels
        {"toolDownload", [&o] { o.toolDownload.Release(); }},
        // editMenu
        // downloadHost
        {"toolTask", [&o] { o.toolTask = {}; }},
        // updateHost
        // updateProgress
        {"updateTask", [&o] { o.updateTask = {}; }},
        {"updateDownload", [&o] { o.updateDownload.Release(); }},
    };
}

void RunExitRoutine(std::span<const Releaser> releasers) {
    for (const Releaser& r : releasers)
        if (r.release) r.release();
}

}  // namespace lanvo
