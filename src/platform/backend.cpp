#include "platform/backend.h"

#include "platform/headless/headless_backend.h"

namespace kelmora::platform {

namespace {
Backend* installed = nullptr;
}  // namespace

Backend& CurrentBackend() {
  return installed != nullptr ? *installed : Headless();
}

void InstallBackend(Backend* backend) {
  installed = backend;
}

}  // namespace kelmora::platform
