#pragma once

#include "toolkit/Form.h"
#include "toolkit/StdControls.h"

// The About dialog: the program's picture, its homepage and its version. It
// is made once at start-up and shown modally whenever it is asked for.
class TfrmAbout : public TForm {
public:
    TfrmAbout();

    void lblHomepageClick(TComponent& sender);
    void btnCloseClick(TComponent& sender);

    // The address the homepage label shows and a click opens.
    const std::string& Homepage() const;

    // The picture is decoded when the dialog is first shown: decoded it
    // takes about a megabyte, for a dialog most runs never show.
    void SetVisible(bool visible) override;

private:
    TImage* image_ = nullptr;
};
