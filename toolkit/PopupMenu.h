#pragma once

// TPopupMenu and TMenuItem: a platform popup menu built from items.
//
//   TMenuItem: Caption ("-" is a separator), Visible, Checked, Default (drawn
//     bold; the tray runs it on a double click; making one item the default
//     clears the mark of its siblings), ShortCut (text shown at the
//     right, e.g. "Ctrl+Q"; a number is a key code plus scShift/scCtrl/scAlt),
//     Enabled, OnClick (Sender), Click(), Add(item) for a submenu, Count/Item.
//   TPopupMenu: Items (Add/Count/Item), Images (a TImageList; dropped when the
//     list is destroyed), AutoPopup, PopupComponent, OnPopup (Sender, raised
//     before the menu opens), Popup(x, y) at a screen point (owned by the
//     application window, or by a given window that has the foreground),
//     Handle() (the HMENU, always in step with the items: hidden items are
//     left out).
// OnPopup and OnClick run through Application().Dispatch: an error in one is
// shown in the standard error box.
// A component written inside a menu or item in a form description is added
// to it as an item.
#include "Component.h"
#include "Handle.h"
#include "ImageList.h"

#include <string>
#include <vector>
#include <windows.h>

constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;
// "Ctrl+Q" for scCtrl + 'Q'; empty for 0.
std::string ShortCutToText(int shortCut);

class TPopupMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& ShortCut() const { return shortCut_; }
    void SetShortCut(std::string text);
    bool IsLine() const { return caption_ == "-"; }

    void Add(TMenuItem& item);
    int Count() const { return int(items_.size()); }
    TMenuItem& Item(int index) const { return *items_.at(size_t(index)); }
    TMenuItem* ParentItem() const { return parentItem_; }

    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    void Click();

private:
    friend class TPopupMenu;
    void Changed();
    void Detach();
    std::vector<TMenuItem*>* Siblings() const;

    std::string caption_;
    bool visible_ = true;
    bool checked_ = false;
    bool default_ = false;
    bool enabled_ = true;
    std::string shortCut_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parentItem_ = nullptr;
    TPopupMenu* menu_ = nullptr;
    TNotifyEvent onClick_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    void Add(TMenuItem& item);
    int Count() const { return int(items_.size()); }
    TMenuItem& Item(int index) const { return *items_.at(size_t(index)); }

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { images_ = images; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
    void SetOnPopup(TNotifyEvent handler) { onPopup_ = std::move(handler); }

    // Raises OnPopup, shows the menu at the screen point and runs the chosen
    // item's click after the menu has closed.
    void Popup(int x, int y);
    void Popup(int x, int y, HWND owner);
    HMENU Handle();

protected:
    void Removing(TComponent* component) override;

private:
    friend class TMenuItem;
    void Rebuild();
    void Fill(HMENU menu, const std::vector<TMenuItem*>& items);
    void Forget(TMenuItem& item);

    struct MenuTraits {
        using Type = HMENU;
        static Type Invalid() noexcept { return nullptr; }
        static void Close(Type h) noexcept { DestroyMenu(h); }
    };
    UniqueHandle<MenuTraits> menu_;
    std::vector<TMenuItem*> items_;
    std::vector<TMenuItem*> commands_; // command id - 1 -> item, for the last build
    TImageList* images_ = nullptr;
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    TNotifyEvent onPopup_;
};
