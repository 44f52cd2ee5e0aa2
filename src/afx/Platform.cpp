#include "afx/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform* g_platform = nullptr;
}

Platform& AfxPlatform() {
    if (g_platform == nullptr) {
        std::fputs("halvenor: no platform services installed\n", stderr);
        std::abort();
    }
    return *g_platform;
}

ScopedPlatform::ScopedPlatform(Platform& platform) : m_previous(g_platform) {
    g_platform = &platform;
}

ScopedPlatform::~ScopedPlatform() { g_platform = m_previous; }
