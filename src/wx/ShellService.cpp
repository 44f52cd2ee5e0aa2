
#include <glib.h>

#include "Services.h"

// glib starts the program through an intermediate child that it reaps at
// once, so no zombie is left and nothing waits for the program itself. A
// missing xdg-open is only an error returned here, never shown.
void ShellService::Open(const CString& target) {
    gchar* argv[] = {const_cast<gchar*>("xdg-open"), const_cast<gchar*>(target.c_str()), nullptr};
    GError* error = nullptr;
    if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr,
                       &error))
        g_clear_error(&error);
}
