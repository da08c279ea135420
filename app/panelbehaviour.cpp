#include "panelbehaviour.h"

#include "grabbingpanel.h"
#include "managedpanel.h"
#include "swaypanel.h"
#include "xwindowmanager.h"

namespace pondrel {

std::unique_ptr<PanelBehaviour> choosePanelBehaviour(PanelView &view)
{
    if (!underXWayland()) {
        return std::make_unique<GrabbingPanel>(view);
    }
    const QString windowManager = xWindowManagerName();
    if (windowManager.startsWith(QLatin1String("wlroots"))) {
        // Other wlroots compositors (labwc, Wayfire, river) speak no sway
        // IPC and get the window that bypasses the window manager.
        QByteArray ipcSocket = SwayPanel::ipcSocket();
        if (ipcSocket.isEmpty()) {
            return std::make_unique<GrabbingPanel>(view);
        }
        return std::make_unique<SwayPanel>(view, std::move(ipcSocket));
    }
    return std::make_unique<ManagedPanel>(view, ManagedPanel::isGnomeShell(windowManager));
}

} // namespace pondrel
