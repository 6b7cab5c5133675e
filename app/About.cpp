#include "About.h"

#include "MainFormClasses.h"
#include "toolkit/Exception.h"
#include "toolkit/FormLoader.h"
#include "toolkit/JpegImage.h"
#include "toolkit/RgbBitmap.h"

#include <shellapi.h>

TfrmAbout::TfrmAbout() : TForm(nullptr) {
    FormHandlers h;
    h.Add("lblHomepageClick", this, &TfrmAbout::lblHomepageClick);
    h.Add("btnCloseClick", this, &TfrmAbout::btnCloseClick);
    LoadFromResource(MainFormClasses(), h, L"FRMABOUT");
    auto* image = dynamic_cast<TImage*>(FindComponent("Image"));
    if (!image)
        throw Exception("The About dialog has no picture");
    image->SetBitmap(BitmapFromRgb(DecodeJpeg(ReadFormResource(L"ABOUTPICTURE"))));
    // The labels and the button sit on the picture.
    image->SendToBack();
}

const std::string& TfrmAbout::Homepage() const {
    return dynamic_cast<TLabel&>(*FindComponent("lblHomepage")).Caption();
}

// The shell hands the address to the default browser; if it cannot, the
// dialog simply stays as it is.
void TfrmAbout::lblHomepageClick(TComponent&) {
    ShellExecuteA(Handle(), nullptr, Homepage().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::btnCloseClick(TComponent&) {
    Close();
}
