// Built where the system has no layer shell to reach (no Wayland client library or no Qt
// native interface at build time): the window stays an ordinary one.
#include <cstdio>

#include "platform/layer_shell.h"

namespace tarnwick::platform {

bool LayerShellAvailable() {
    return false;
}

void PrepareLayerSurfaces() {}

void KeepLayerSurfacesToThisProcess() {}

void PrepareLayerSurfaceWindow(QWindow&) {}

std::unique_ptr<LayerSurface> MakeLayerSurface(QWindow&, const LayerRequest&) {
    std::fprintf(stderr, "Tarnwick: layer shell: not available in this build\n");
    return nullptr;
}

}  // namespace tarnwick::platform
