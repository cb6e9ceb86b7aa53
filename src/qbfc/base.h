// IQBBase and the machinery behind every typed view. An SDK object is a view: a COM object
// that implements one interface over one node of the element tree. The interfaces' getters
// are inline wrappers, as the SDK's #import wrappers are, over one generic implementation:
// a getter names an element, the kind of member it is, and the interface it gives.
//
// Member kinds:
//   Value      a child value element; on a request it is created on first use and written
//              once set, on a response it is absent unless present and of its type
//   Aggregate  a child aggregate element, created on first use on a request
//   Same       the same node seen through another interface (the OR... choices and the
//              filter groups that qbXML does not write as elements)
//   SameIf     the same node, when it is the named element (one branch of an OR... list)
//   List       the children of this node with one of the names ("A|B"), in document order
#pragma once

#include "platform/com/com.h"
#include "qbfc/enums.h"
#include "qbfc/node.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace qbfc {

enum class MemberKind { Value, Aggregate, Same, SameIf, List };

struct MemberSpec {
    MemberKind kind;
    std::string_view element;
    ValueType type = ValueType::Aggregate;
    std::span<const std::string_view> enumNames;

    constexpr MemberSpec(MemberKind k, std::string_view e, ValueType t = ValueType::Aggregate,
                         std::span<const std::string_view> names = {})
        : kind(k), element(e), type(t), enumNames(names) {}
};

struct ViewState {
    NodePtr node;
    // For a list view: which children are its items ("A|B"), and of what type.
    std::string_view itemNames;
    ValueType itemType = ValueType::Aggregate;
    // For an enumeration value, or a list of them: the names by number.
    std::span<const std::string_view> enumNames;

    explicit ViewState(NodePtr n, std::string_view items = {},
                       ValueType type = ValueType::Aggregate,
                       std::span<const std::string_view> names = {})
        : node(std::move(n)), itemNames(items), itemType(type), enumNames(names) {}
};

// A fixed IID for each SDK interface, made from its name, so that the tables need no GUID
// column. The session manager's interface keeps the SDK's own IID.
constexpr GUID NameGuid(std::string_view name) {
    auto fnv = [&](std::uint64_t hash) {
        for (char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        return hash;
    };
    std::uint64_t hi = fnv(0xCBF29CE484222325ull);
    std::uint64_t lo = fnv(0x84222325CBF29CE4ull);
    GUID g;
    g.Data1 = static_cast<DWORD>(hi >> 32);
    g.Data2 = static_cast<WORD>(hi >> 16);
    g.Data3 = static_cast<WORD>((hi & 0x0FFF) | 0x5000);
    for (int i = 0; i < 8; ++i)
        g.Data4[i] = static_cast<BYTE>(lo >> (56 - 8 * i));
    g.Data4[0] = static_cast<BYTE>((g.Data4[0] & 0x3F) | 0x80);
    return g;
}

} // namespace qbfc

#define QBFC_COM_INTERFACE(name)                                                                   \
    struct name;                                                                                   \
    constexpr GUID mw_com_uuid_of(::mw::com::uuid_tag<name>) {                                     \
        return ::qbfc::NameGuid(#name);                                                            \
    }                                                                                              \
    struct name

QBFC_COM_INTERFACE(IQBBase) : public IUnknown {
    // Not a QBFC method: the one hook the inline getters reach the viewed element through.
    virtual qbfc::ViewState& qbfcView() = 0;
};
_COM_SMARTPTR_TYPEDEF(IQBBase, __uuidof(IQBBase));

namespace qbfc {

template <class I>
class View final : public mw::com::ComObject<I> {
public:
    explicit View(ViewState state) : m_state(std::move(state)) {}
    ViewState& qbfcView() override { return m_state; }

protected:
    void* find_interface(REFIID riid) noexcept override {
        if (riid == __uuidof(IQBBase))
            return static_cast<IQBBase*>(this);
        return mw::com::ComObject<I>::find_interface(riid);
    }

private:
    ViewState m_state;
};

namespace detail {

// The view state for a member of the viewed node; nullopt when a response lacks it.
std::optional<ViewState> Resolve(IQBBase* self, const MemberSpec& member);
// The item at index of a list view; raises E_INVALIDARG outside 0 .. count-1.
ViewState ListItem(IQBBase* self, long index);
long ListCount(IQBBase* self);
// A new value item at the end of a request list.
ViewState ListAdd(IQBBase* self);

template <class I>
_com_ptr_t<I> Wrap(std::optional<ViewState> state) {
    if (!state)
        return nullptr;
    return _com_ptr_t<I>(mw::com::make_object<View<I>>(std::move(*state)), false);
}

template <class I>
_com_ptr_t<I> Member(IQBBase* self, const MemberSpec& member) {
    return Wrap<I>(Resolve(self, member));
}

// Values, read from and written to the viewed value node. Setting raises for a response
// node, for a value set before, and for a value qbXML cannot carry.
_bstr_t GetText(IQBBase* self);
void SetText(IQBBase* self, const _bstr_t& value);
VARIANT_BOOL GetBool(IQBBase* self);
void SetBool(IQBBase* self, VARIANT_BOOL value);
int GetInt(IQBBase* self);
void SetInt(IQBBase* self, int value);
DATE GetDate(IQBBase* self);
void SetDate(IQBBase* self, DATE value);
double GetNumber(IQBBase* self);
void SetNumber(IQBBase* self, double value);
long GetEnum(IQBBase* self);
void SetEnum(IQBBase* self, long value);

} // namespace detail
} // namespace qbfc
