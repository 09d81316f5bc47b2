#pragma once
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Object.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <functional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantor {

// The members of a late-bound class, declared once: each property or method
// with its getter, setter and optional dispatch identifier. Lookup by name is
// without regard to case.
template <typename T> class MemberTable {
public:
    using Args = std::span<const Variant>;
    using Getter = std::function<Variant(T&, Args)>;
    using Setter = std::function<void(T&, Args, const Variant&)>;

    // A property; without a setter it is read-only.
    MemberTable& Property(const std::string& name, Getter get, Setter put = {}, int32_t dispId = 0) {
        return Add(name, Member{name, dispId, std::move(get), std::move(put), false});
    }
    MemberTable& Method(const std::string& name, Getter call, int32_t dispId = 0) {
        return Add(name, Member{name, dispId, std::move(call), {}, true});
    }

    // Takes over every member of a base class's table; later declarations
    // of the same name replace them.
    template <typename Base> MemberTable& Inherit(const MemberTable<Base>& base) {
        for (const auto& m : base.m_members) {
            typename MemberTable<Base>::Getter get = m.get;
            typename MemberTable<Base>::Setter put = m.put;
            Member member{m.name, m.dispId, {}, {}, m.isMethod};
            if (get) {
                member.get = [get](T& self, Args args) { return get(self, args); };
            }
            if (put) {
                member.put = [put](T& self, Args args, const Variant& v) { put(self, args, v); };
            }
            Add(m.name, std::move(member));
        }
        return *this;
    }

    bool Has(std::string_view name) const { return m_byName.contains(FoldCase(name)); }

    Variant Invoke(T& self, std::string_view name, InvokeKind kind, Args args) const {
        const auto it = m_byName.find(FoldCase(name));
        if (it == m_byName.end()) {
            throw AutomationError(err::NotSupported);
        }
        return Dispatch(m_members[it->second], self, kind, args);
    }

    Variant InvokeId(T& self, int32_t dispId, InvokeKind kind, Args args) const {
        const auto it = m_byId.find(dispId);
        if (dispId == 0 || it == m_byId.end()) {
            throw AutomationError(err::NotSupported);
        }
        return Dispatch(m_members[it->second], self, kind, args);
    }

    // Argument i of a call, 450 when the caller gave fewer.
    static const Variant& Arg(Args args, size_t i) {
        if (i >= args.size()) {
            throw AutomationError(err::WrongArguments);
        }
        return args[i];
    }

private:
    template <typename U> friend class MemberTable;

    struct Member {
        std::string name;
        int32_t dispId;
        Getter get;
        Setter put;
        bool isMethod;
    };

    MemberTable& Add(const std::string& name, Member member) {
        m_byName[FoldCase(name)] = m_members.size();
        if (member.dispId != 0) {
            m_byId[member.dispId] = m_members.size();
        }
        m_members.push_back(std::move(member));
        return *this;
    }

    static Variant Dispatch(const Member& m, T& self, InvokeKind kind, Args args) {
        if (kind == InvokeKind::Put) {
            if (!m.put || args.empty()) {
                throw AutomationError(err::NotSupported);
            }
            m.put(self, args.first(args.size() - 1), args.back());
            return Variant();
        }
        return m.get(self, args);
    }

    std::vector<Member> m_members;
    std::unordered_map<std::string, size_t> m_byName;
    std::unordered_map<int32_t, size_t> m_byId;
};

// Base of a late-bound class whose members stand in `static const
// MemberTable<T>& T::Members()`; Base is Object or a class derived from it.
template <typename T, typename Base = Object> class DispatchObject : public Base {
public:
    using Base::Base;

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override {
        return T::Members().Invoke(static_cast<T&>(*this), member, kind, args);
    }
    Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) override {
        return T::Members().InvokeId(static_cast<T&>(*this), dispId, kind, args);
    }
};

} // namespace vantor
