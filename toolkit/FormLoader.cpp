#include "FormLoader.h"

#include "Exception.h"
#include "FormParser.h"
#include "Text.h"

#include <algorithm>
#include <exception>
#include <vector>
#include <windows.h>

namespace {

class Loader {
public:
    Loader(TComponent& form, const FormClasses& classes, const FormHandlers& handlers)
        : form_(form), classes_(classes), context_{form, handlers, {}} {}

    void Load(const FormObject& root, const std::string& rootClass) {
        const FormClasses::ClassInfo* info = classes_.Find(root.className);
        if (!info || !info->isInstance(form_))
            info = classes_.Find(rootClass);
        if (!info)
            throw FormError(root.position, "Unknown class " + rootClass);
        Start(form_, root.name);
        try {
            ApplyProperties(form_, *info, root);
            for (const FormObject& child : root.children)
                MakeObject(child, form_, *info);
            // References to components written further down the description.
            for (auto& fixup : context_.fixups)
                fixup();
        } catch (...) {
            // The description's own error comes first; the components still
            // leave the loading state.
            (void)FinishAll();
            throw;
        }
        if (std::exception_ptr error = FinishAll())
            std::rethrow_exception(error);
    }

private:
    void Start(TComponent& component, const std::string& name) {
        component.BeginLoading();
        created_.push_back(&component);
        if (!name.empty())
            component.SetName(name);
    }

    void MakeObject(const FormObject& object, TComponent& container,
                    const FormClasses::ClassInfo& containerInfo) {
        const FormClasses::ClassInfo* info = classes_.Find(object.className);
        if (!info)
            throw FormError(object.position, "Unknown class " + object.className);
        if (!info->factory)
            throw FormError(object.position, "Class " + object.className + " cannot be created");
        if (!object.name.empty() && form_.FindComponent(object.name))
            throw FormError(object.position,
                            "A component named " + object.name + " already exists");
        TComponent& component = info->factory(form_);
        Start(component, object.name);
        // Inside the form a non-visual component simply belongs to the form;
        // anywhere else the enclosing object must take what is written in it.
        const FormClasses::Nester* nester = classes_.FindNester(containerInfo);
        bool taken = nester && (*nester)(container, component);
        if (!taken && &container != &form_)
            throw FormError(object.position,
                            object.className + " cannot be placed in " + containerInfo.name);
        ApplyProperties(component, *info, object);
        for (const FormObject& child : object.children)
            MakeObject(child, component, *info);
    }

    void ApplyProperties(TComponent& component, const FormClasses::ClassInfo& info,
                         const FormObject& object) {
        for (const FormProperty& property : object.properties) {
            const FormClasses::Setter* setter = classes_.FindProperty(info, property.name);
            if (!setter)
                throw FormError(property.position,
                                "Unknown property " + property.name + " of " + info.name);
            try {
                (*setter)(component, property.value, context_);
            } catch (const FormError&) {
                throw;
            } catch (const std::exception& error) {
                // A setter's own error (a bad value it refuses) gets the place.
                throw FormError(property.value.position, property.name + ": " + error.what());
            }
        }
    }

    // Every component leaves the loading state, also after another one's
    // end-of-loading step failed; the first failure is returned, to be
    // raised once all are done.
    [[nodiscard]] std::exception_ptr FinishAll() noexcept {
        std::exception_ptr first;
        for (TComponent* component : created_) {
            try {
                if (component->Loading())
                    component->EndLoading();
            } catch (...) {
                if (!first)
                    first = std::current_exception();
            }
        }
        created_.clear();
        return first;
    }

    TComponent& form_;
    const FormClasses& classes_;
    FormContext context_;
    std::vector<TComponent*> created_;
};

} // namespace

void LoadForm(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
              std::string_view text, const std::string& source, const std::string& rootClass) {
    FormObject root = ParseForm(text, source);
    Loader(form, classes, handlers).Load(root, rootClass);
}

void LoadFormObjects(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
                     std::string_view text, const std::string& source,
                     const std::vector<std::string>& names, const std::string& rootClass) {
    FormObject root = ParseForm(text, source);
    for (const std::string& name : names) {
        const bool held = std::any_of(root.children.begin(), root.children.end(),
                                      [&](const FormObject& child) { return child.name == name; });
        if (!held)
            throw FormError(root.position, root.name + " has no object " + name);
    }
    std::erase_if(root.children, [&](const FormObject& child) {
        return std::find(names.begin(), names.end(), child.name) == names.end();
    });
    root.properties.clear();
    Loader(form, classes, handlers).Load(root, rootClass);
}

std::string ReadFormResource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw Exception("Resource " + Narrow(name) + " not found");
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

void LoadFormResource(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
                      const wchar_t* name, const std::string& rootClass) {
    LoadForm(form, classes, handlers, ReadFormResource(name), Narrow(name), rootClass);
}
