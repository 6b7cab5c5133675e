#pragma once

// TImageList: a list of 16 x 16 images with transparent backgrounds, for
// tree views and menus.
//
//   AddBitmap(bitmap, transparent)  the bitmap's pixels of colour
//                                   `transparent` become see-through; with
//                                   clDefault (0x20000000) the bottom-left
//                                   pixel gives that colour
//   AddIcon(icon), AddResource(name) (a BITMAP resource of the executable)
//   Count(), Handle() (HIMAGELIST), Clear()
// Loadable: Bitmaps = ('NAME' 'NAME' ...) adds bitmap resources in order.
#include "Color.h"
#include "Component.h"

#include <commctrl.h>
#include <string>

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner = nullptr);
    ~TImageList() override;

    int Width() const { return 16; }
    int Height() const { return 16; }
    int Count() const;
    HIMAGELIST Handle() const { return list_; }

    int AddBitmap(HBITMAP bitmap, TColor transparent = 0x20000000);
    int AddIcon(HICON icon);
    int AddResource(const std::string& name);
    void Clear();

private:
    HIMAGELIST list_ = nullptr;
};
