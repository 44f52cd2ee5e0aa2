#include "AppIcon.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "AppIconData.h"

namespace {

wxImage DecodePng(const unsigned char* data, std::size_t size) {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(data, size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

}  // namespace

wxBitmap AppIconBitmap(int size) {
    wxImage image;
    if (size <= 16)
        image = DecodePng(kAppIconPng16, sizeof kAppIconPng16);
    else if (size <= 32)
        image = DecodePng(kAppIconPng32, sizeof kAppIconPng32);
    else
        image = DecodePng(kAppIconPng48, sizeof kAppIconPng48);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxIconBundle AppIconBundle() {
    wxIconBundle bundle;
    for (int size : {16, 32, 48}) {
        const wxBitmap bitmap = AppIconBitmap(size);
        if (!bitmap.IsOk()) continue;
        wxIcon icon;
        icon.CopyFromBitmap(bitmap);
        bundle.AddIcon(icon);
    }
    return bundle;
}
