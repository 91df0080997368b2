#include "app/UpdateCheck.h"

#include "app/MainWindow.h"

namespace lanvo {

bool RunUpdateCheck(AppObjects& objects, MainWindow& mainWindow) {
    // Reading the update page, comparing versions and the update window come
    // with the update issue. Until then every copy counts as current.
    objects.mainWindowHandle = mainWindow.Form().Handle();
    return true;
}

}  // namespace lanvo
