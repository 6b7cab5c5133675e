#pragma once

// TImageList: a list of square images with transparent backgrounds, for
// tree views and menus, at the system's small-icon size: 16 x 16 as designed,
// and at another screen scale the small-icon size of that scale (its form
// scales it with itself; ChangeScale).
//
//   AddResource(name)   a picture resource of the executable
//                       (PictureResource.h); its bottom-left pixel's colour
//                       is see-through
//   AddIcon(icon)       a copy of an icon
//   Count(), Handle() (HIMAGELIST), Width(), Height(), Clear()
// At a new size every image is made again from what was added, so a picture
// is drawn at its shipped size, never stretched from another.
// Loadable: Bitmaps = ('NAME' 'NAME' ...) adds bitmap resources in order.
#include "Component.h"
#include "Handle.h"

#include <commctrl.h>
#include <string>
#include <vector>

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner = nullptr);
    ~TImageList() override;

    int Width() const { return size_; }
    int Height() const { return size_; }
    int Count() const;
    HIMAGELIST Handle() const { return list_; }

    int AddIcon(HICON icon);
    int AddResource(const std::string& name);
    void Clear();

    void ChangeScale(int toPpi, int fromPpi) override;

private:
    // What an image was made from: a resource name, or an icon's copy.
    struct Source {
        std::string resource;
        IconHandle icon;
    };
    int Make(const Source& source);

    HIMAGELIST list_ = nullptr;
    int size_ = 16;
    std::vector<Source> sources_;
};
