#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    BeginDestruction();
    if (owner_) {
        // The siblings that are left are whole: they drop their references
        // to this one, so none of them holds it while it goes.
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        for (TComponent* sibling : siblings)
            sibling->Removing(this);
    }
}

void TComponent::BeginDestruction() noexcept {
    destroying_ = true;
    DestroyComponents();
}

void TComponent::DestroyComponents() {
    while (!owned_.empty()) {
        std::unique_ptr<TComponent> last = std::move(owned_.back());
        owned_.pop_back();
        last.reset();
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::EndLoading() {
    loading_ = false;
    Loaded();
}
