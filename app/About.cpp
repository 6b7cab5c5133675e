#include "About.h"

#include "MainFormClasses.h"
#include "toolkit/Application.h"
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
    image_ = dynamic_cast<TImage*>(FindComponent("Image"));
    if (!image_)
        throw Exception("The About dialog has no picture");
    // The labels and the button sit on the picture.
    image_->SendToBack();
}

void TfrmAbout::SetVisible(bool visible) {
    if (visible && !image_->Bitmap()) {
        // A picture that cannot be decoded is reported, and the dialog still
        // shows, without it, and closes as ever.
        try {
            image_->SetBitmap(BitmapFromRgb(DecodeJpeg(ReadFormResource(L"ABOUTPICTURE"))));
        } catch (const std::exception& error) {
            Application().ShowException(error);
        }
    }
    TForm::SetVisible(visible);
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
