#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A non-visual building block of a form: it has a name, an owner that
// destroys it, a loading state while its form description is read, and an
// end-of-loading step. Components an owner makes with Make() are owned by it;
// every component constructed with an owner is listed in its Components().
//
// Destruction: the first toolkit destructor that runs (TForm's, TControl's or
// this one) marks the component destroying and destroys what it owns. By then
// a class derived from it is already gone, so the handlers a form description
// bound to it are never called again (FormClasses binds them that way), and a
// derived form needs no destructor of its own for its components' sake.
class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(const std::string& name) const;

    bool Loading() const { return loading_; }
    bool Destroying() const { return destroying_; }
    void BeginLoading() { loading_ = true; }
    // The end-of-loading step: clears the loading state, then Loaded().
    void EndLoading();

    // Creates a component owned by this one; the owner destroys it.
    template <typename T, typename... Args> T& Make(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& made = *component;
        owned_.push_back(std::move(component));
        return made;
    }

    // Destroys the owned components, newest first.
    void DestroyComponents();

    // The screen scale changes from `fromPpi` to `toPpi` pixels per inch
    // (96 = the designed scale): a component with sizes in pixels takes them
    // to the new scale. Forms call it on what they own (Form.h), controls
    // through TControl::ScaleTo.
    virtual void ChangeScale(int /*toPpi*/, int /*fromPpi*/) {}

protected:
    // Marks the component destroying, then destroys what it owns; the
    // destructors of the toolkit's bases call it first thing.
    void BeginDestruction() noexcept;

    virtual void Loaded() {}
    // Another component of the same owner is going away (also while the
    // owner itself is being destroyed).
    virtual void Removing(TComponent* /*component*/) {}

private:
    std::string name_;
    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::vector<std::unique_ptr<TComponent>> owned_;
    bool loading_ = false;
    bool destroying_ = false;
};

// The plain event: only the component that raised it.
using TNotifyEvent = std::function<void(TComponent& Sender)>;
