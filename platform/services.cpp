#include "platform/services.h"

#include <cassert>

namespace wendax {

namespace {
TPlatformServices* installed = nullptr;
}

TPlatformServices& Platform() {
    assert(installed && "no platform services installed");
    return *installed;
}

void InstallPlatform(TPlatformServices* services) {
    installed = services;
}

bool PlatformInstalled() {
    return installed != nullptr;
}

}  // namespace wendax
