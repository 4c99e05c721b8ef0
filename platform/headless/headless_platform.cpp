#include "platform/headless/headless_platform.h"

namespace wendax {

namespace {
TPlatformServices* current = nullptr;
}

THeadlessPlatform::THeadlessPlatform() : FileSystem(&LocalFileSystem()), FPrevious(current) {
    current = this;
    InstallPlatform(this);
}

THeadlessPlatform::~THeadlessPlatform() {
    current = FPrevious;
    InstallPlatform(FPrevious);
}

void THeadlessPlatform::PushBusyCursor() {
    if (BusyDepth++ == 0) ++BusyShown;
}

}  // namespace wendax
