#pragma once

// The event handlers a form offers to its form description, by name.
//
//   handlers.Add("pAutoStartClick", this, &TfrmMain::pAutoStartClick);
//   handlers.Add<void(TComponent&)>("Named", [](TComponent&) { ... });
//   auto h = handlers.Get<void(TComponent&, TShiftState, int, int)>(name, at);
//
// Get returns the handler whose signature is exactly the event's; a handler
// taking `TComponent& Sender` also serves an event whose Sender is a class
// derived from TComponent (TTimer&, say). A missing or unfitting handler is a
// FormError at the given position, unless the set was made to leave missing
// ones unbound: then Get returns an empty function and the event stays unset.
// That is for loading part of a form away from its own class (a test, the
// chart demo), which offers only the handlers it wants.
#include "Component.h"
#include "FormValue.h"

#include <any>
#include <functional>
#include <map>
#include <string>
#include <type_traits>

class FormHandlers {
public:
    template <typename Sig> void Add(const std::string& name, std::function<Sig> handler) {
        handlers_[name] = std::move(handler);
    }
    template <typename Sig, typename F> void Add(const std::string& name, F handler) {
        Add<Sig>(name, std::function<Sig>(std::move(handler)));
    }
    template <typename C, typename R, typename... A>
    void Add(const std::string& name, C* object, R (C::*method)(A...)) {
        Add<R(A...)>(name, std::function<R(A...)>([object, method](A... args) -> R {
                         return (object->*method)(std::forward<A>(args)...);
                     }));
    }

    bool Contains(const std::string& name) const { return handlers_.count(name) != 0; }

    void LeaveMissingUnbound() { leaveMissingUnbound_ = true; }

    template <typename Sig>
    std::function<Sig> Get(const std::string& name, const FormPosition& at) const {
        auto found = handlers_.find(name);
        if (found == handlers_.end()) {
            if (leaveMissingUnbound_)
                return {};
            throw FormError(at, "Unknown event handler '" + name + "'");
        }
        if (auto* exact = std::any_cast<std::function<Sig>>(&found->second))
            return *exact;
        if (auto general = Generalised<Sig>::From(found->second))
            return general;
        throw FormError(at, "Event handler '" + name + "' does not fit the event");
    }

private:
    template <typename Sig> struct Generalised {
        static std::function<Sig> From(const std::any&) { return {}; }
    };
    template <typename S, typename... Rest> struct Generalised<void(S&, Rest...)> {
        static std::function<void(S&, Rest...)> From(const std::any& stored) {
            if constexpr (std::is_base_of_v<TComponent, S> && !std::is_same_v<TComponent, S>) {
                using General = std::function<void(TComponent&, Rest...)>;
                if (auto* general = std::any_cast<General>(&stored))
                    return [handler = *general](S& sender, Rest... rest) {
                        handler(sender, std::forward<Rest>(rest)...);
                    };
            }
            return {};
        }
    };

    std::map<std::string, std::any> handlers_;
    bool leaveMissingUnbound_ = false;
};
