// The SDK's value objects (IQBStringType ... IQBPercentType, the IQBEN...Type enumeration
// values) and its lists of plain values (IBSTRList, IENIncludeColumnList).
#pragma once

#include "qbfc/base.h"

#define QBFC_VALUE_INTERFACE(name, cpptype, vtype, get, set)                                       \
    QBFC_COM_INTERFACE(name) : public IQBBase {                                                    \
        static constexpr ::qbfc::ValueType kQbfcType = ::qbfc::ValueType::vtype;                   \
        static constexpr std::span<const std::string_view> kQbfcEnumNames = {};                    \
        cpptype GetValue() {                                                                       \
            return static_cast<cpptype>(::qbfc::detail::get(this));                                \
        }                                                                                          \
        void SetValue(cpptype value) {                                                             \
            ::qbfc::detail::set(this, value);                                                      \
        }                                                                                          \
    };                                                                                             \
    _COM_SMARTPTR_TYPEDEF(name, __uuidof(name))

QBFC_VALUE_INTERFACE(IQBStringType, _bstr_t, String, GetText, SetText);
QBFC_VALUE_INTERFACE(IQBIDType, _bstr_t, ID, GetText, SetText);
QBFC_VALUE_INTERFACE(IQBBoolType, VARIANT_BOOL, Bool, GetBool, SetBool);
QBFC_VALUE_INTERFACE(IQBIntType, int, Int, GetInt, SetInt);
QBFC_VALUE_INTERFACE(IQBDateType, DATE, Date, GetDate, SetDate);
QBFC_VALUE_INTERFACE(IQBDateTimeType, DATE, DateTime, GetDate, SetDate);
QBFC_VALUE_INTERFACE(IQBAmountType, double, Amount, GetNumber, SetNumber);
QBFC_VALUE_INTERFACE(IQBPriceType, double, Price, GetNumber, SetNumber);
QBFC_VALUE_INTERFACE(IQBQuanType, double, Quan, GetNumber, SetNumber);
QBFC_VALUE_INTERFACE(IQBFloatType, float, Float, GetNumber, SetNumber);
QBFC_VALUE_INTERFACE(IQBPercentType, double, Percent, GetNumber, SetNumber);

#define QBFC_ENUM_VALUE_INTERFACE(en)                                                              \
    QBFC_COM_INTERFACE(IQB##en##Type) : public IQBBase {                                           \
        static constexpr ::qbfc::ValueType kQbfcType = ::qbfc::ValueType::Enum;                    \
        static constexpr std::span<const std::string_view> kQbfcEnumNames =                        \
            ::qbfc::EnumNames<en>::list;                                                           \
        en GetValue() {                                                                            \
            return static_cast<en>(::qbfc::detail::GetEnum(this));                                 \
        }                                                                                          \
        void SetValue(en value) {                                                                  \
            ::qbfc::detail::SetEnum(this, static_cast<long>(value));                               \
        }                                                                                          \
    };                                                                                             \
    _COM_SMARTPTR_TYPEDEF(IQB##en##Type, __uuidof(IQB##en##Type));
QBFC_ENUMS(QBFC_ENUM_VALUE_INTERFACE)

// A list of plain values; Add appends one to a request.
QBFC_COM_INTERFACE(IBSTRList) : public IQBBase {
    static constexpr ::qbfc::ValueType kQbfcItemType = ::qbfc::ValueType::String;
    static constexpr std::span<const std::string_view> kQbfcItemEnumNames = {};
    long GetCount() {
        return ::qbfc::detail::ListCount(this);
    }
    _bstr_t GetAt(long index) {
        return ::qbfc::detail::Wrap<IQBStringType>(::qbfc::detail::ListItem(this, index))
            ->GetValue();
    }
    void Add(const _bstr_t& value) {
        ::qbfc::detail::Wrap<IQBStringType>(::qbfc::detail::ListAdd(this))->SetValue(value);
    }
};
_COM_SMARTPTR_TYPEDEF(IBSTRList, __uuidof(IBSTRList));

QBFC_COM_INTERFACE(IENIncludeColumnList) : public IQBBase {
    static constexpr ::qbfc::ValueType kQbfcItemType = ::qbfc::ValueType::Enum;
    static constexpr std::span<const std::string_view> kQbfcItemEnumNames =
        ::qbfc::EnumNames<ENIncludeColumn>::list;
    long GetCount() {
        return ::qbfc::detail::ListCount(this);
    }
    ENIncludeColumn GetAt(long index) {
        return ::qbfc::detail::Wrap<IQBENIncludeColumnType>(::qbfc::detail::ListItem(this, index))
            ->GetValue();
    }
    void Add(ENIncludeColumn value) {
        ::qbfc::detail::Wrap<IQBENIncludeColumnType>(::qbfc::detail::ListAdd(this))
            ->SetValue(value);
    }
};
_COM_SMARTPTR_TYPEDEF(IENIncludeColumnList, __uuidof(IENIncludeColumnList));
