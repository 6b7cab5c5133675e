#include "ImageList.h"

#include "Exception.h"
#include "Handle.h"
#include "Text.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    list_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!list_)
        throw Exception("Cannot create an image list");
}

TImageList::~TImageList() {
    ImageList_Destroy(list_);
}

int TImageList::Count() const {
    return ImageList_GetImageCount(list_);
}

int TImageList::AddBitmap(HBITMAP bitmap, TColor transparent) {
    COLORREF mask = ColorToRGB(transparent);
    if (transparent == 0x20000000) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        MemoryDc dc(CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.Get(), bitmap);
        mask = GetPixel(dc.Get(), 0, info.bmHeight - 1);
    }
    int index = ImageList_AddMasked(list_, bitmap, mask);
    if (index < 0)
        throw Exception("Cannot add a bitmap to an image list");
    return index;
}

int TImageList::AddIcon(HICON icon) {
    int index = ImageList_AddIcon(list_, icon);
    if (index < 0)
        throw Exception("Cannot add an icon to an image list");
    return index;
}

int TImageList::AddResource(const std::string& name) {
    GdiObject bitmap(LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_BITMAP, 0, 0,
                                LR_CREATEDIBSECTION));
    if (!bitmap)
        throw Exception("Bitmap resource " + name + " not found");
    return AddBitmap(static_cast<HBITMAP>(bitmap.Get()));
}

void TImageList::Clear() {
    ImageList_RemoveAll(list_);
}
