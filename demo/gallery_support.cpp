#include "gallery_support.h"

namespace gallery {

void Idle() {
    desktop::PumpUntilIdle();
    desktop::AfxIdle();
}

std::string Join(const std::string& dir, const char* name) {
    return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

} // namespace gallery
