// The macros that turn an interface's table of members into its getters. A table is a
// macro taking the five entry forms:
//
//     #define QBFC_TABLE_IFoo(V, A, S, SI, L)
//         V(Name, IQBStringType)        GetName(): the value element Name
//         A(VendorRef, IQBBaseRef)      GetVendorRef(): the aggregate element VendorRef
//         S(ORTxnQuery, IORTxnQuery)    GetORTxnQuery(): this element, seen as IORTxnQuery
//         SI(DataRow, IDataRow)         GetDataRow(): this element when it is a DataRow
//         L(LinkedTxnList, ILinkedTxnList, "LinkedTxn")   the LinkedTxn children as a list
//
// and QBFC_INTERFACE(IFoo, QBFC_TABLE_IFoo) declares IFoo and IFooPtr.
#pragma once

#include "qbfc/value_types.h"

#define QBFC_MEMBER_V(name, iface)                                                                 \
    iface##Ptr Get##name() {                                                                       \
        return ::qbfc::detail::Member<iface>(                                                      \
            this, {::qbfc::MemberKind::Value, #name, iface::kQbfcType, iface::kQbfcEnumNames});    \
    }
#define QBFC_MEMBER_A(name, iface)                                                                 \
    iface##Ptr Get##name() {                                                                       \
        return ::qbfc::detail::Member<iface>(this, {::qbfc::MemberKind::Aggregate, #name});        \
    }
#define QBFC_MEMBER_S(name, iface)                                                                 \
    iface##Ptr Get##name() {                                                                       \
        return ::qbfc::detail::Member<iface>(this, {::qbfc::MemberKind::Same, #name});             \
    }
#define QBFC_MEMBER_SI(name, iface)                                                                \
    iface##Ptr Get##name() {                                                                       \
        return ::qbfc::detail::Member<iface>(this, {::qbfc::MemberKind::SameIf, #name});           \
    }
#define QBFC_MEMBER_L(name, iface, items)                                                          \
    iface##Ptr Get##name() {                                                                       \
        return ::qbfc::detail::Member<iface>(                                                      \
            this,                                                                                  \
            {::qbfc::MemberKind::List, items, iface::kQbfcItemType, iface::kQbfcItemEnumNames});   \
    }

#define QBFC_INTERFACE(name, table)                                                                \
    QBFC_COM_INTERFACE(name)                                                                       \
        : public IQBBase{                                                                          \
              table(QBFC_MEMBER_V, QBFC_MEMBER_A, QBFC_MEMBER_S, QBFC_MEMBER_SI, QBFC_MEMBER_L)};  \
    _COM_SMARTPTR_TYPEDEF(name, __uuidof(name))

// A list of aggregates: GetCount, and GetAt from 0 to the count minus 1.
#define QBFC_LIST_INTERFACE(name, item)                                                            \
    QBFC_COM_INTERFACE(name) : public IQBBase {                                                    \
        static constexpr ::qbfc::ValueType kQbfcItemType = ::qbfc::ValueType::Aggregate;           \
        static constexpr std::span<const std::string_view> kQbfcItemEnumNames = {};                \
        long GetCount() {                                                                          \
            return ::qbfc::detail::ListCount(this);                                                \
        }                                                                                          \
        item##Ptr GetAt(long index) {                                                              \
            return ::qbfc::detail::Wrap<item>(::qbfc::detail::ListItem(this, index));              \
        }                                                                                          \
    };                                                                                             \
    _COM_SMARTPTR_TYPEDEF(name, __uuidof(name))
