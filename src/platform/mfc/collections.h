// The MFC collection templates the system uses: CArray, CPtrArray / CTypedPtrArray and CMap
// with POSITION iteration.
//
// An index outside the array throws std::out_of_range (where MFC raises its invalid-argument
// exception) instead of touching memory that is not there.
//
// CMap keeps its entries at stable places: references from operator[] stay valid while other
// keys are added, and a POSITION names a place rather than a node. Removing entries while
// iterating is therefore safe; GetNextAssoc skips places that have been emptied meanwhile.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/mfc/cstring.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <type_traits>
#include <vector>

struct __POSITION {};
using POSITION = __POSITION*;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_data.empty(); }
    // nGrowBy is a growth hint; the vector below chooses its own.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
        (void)nGrowBy;
        if (nNewSize < 0) {
            throw std::out_of_range("CArray::SetSize: negative size");
        }
        m_data.resize(static_cast<std::size_t>(nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }

    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        if (nIndex < 0) {
            throw std::out_of_range("CArray::SetAtGrow: negative index");
        }
        if (nIndex >= GetSize()) {
            TYPE copy = newElement; // newElement may be an element of this array
            m_data.resize(static_cast<std::size_t>(nIndex) + 1);
            m_data[static_cast<std::size_t>(nIndex)] = std::move(copy);
        } else {
            m_data[static_cast<std::size_t>(nIndex)] = newElement;
        }
    }
    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE newElement) {
        TYPE copy = newElement;
        m_data.push_back(std::move(copy));
        return GetSize() - 1;
    }
    INT_PTR Append(const CArray& src) {
        INT_PTR first = GetSize();
        std::vector<TYPE> copy = src.m_data; // src may be this array
        m_data.insert(m_data.end(), copy.begin(), copy.end());
        return first;
    }
    void Copy(const CArray& src) {
        if (&src != this) {
            m_data = src.m_data;
        }
    }

    // Inserts nCount copies at nIndex; an index past the end grows the array first.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0) {
            throw std::out_of_range("CArray::InsertAt: negative index or count");
        }
        TYPE copy = newElement;
        if (nIndex > GetSize()) {
            m_data.resize(static_cast<std::size_t>(nIndex));
        }
        m_data.insert(m_data.begin() + nIndex, static_cast<std::size_t>(nCount), copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
        if (pNewArray == nullptr || pNewArray->IsEmpty()) {
            return;
        }
        std::vector<TYPE> copy = pNewArray->m_data;
        if (nStartIndex < 0) {
            throw std::out_of_range("CArray::InsertAt: negative index");
        }
        if (nStartIndex > GetSize()) {
            m_data.resize(static_cast<std::size_t>(nStartIndex));
        }
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) {
            throw std::out_of_range("CArray::RemoveAt: range outside the array");
        }
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    std::size_t Checked(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize()) {
            throw std::out_of_range("CArray: index outside the array");
        }
        return static_cast<std::size_t>(nIndex);
    }
    std::vector<TYPE> m_data;
};

using CPtrArray = CArray<void*, void*>;

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAtGrow(nIndex, ptr); }
    INT_PTR Add(TYPE ptr) { return BASE_CLASS::Add(ptr); }
    void InsertAt(INT_PTR nIndex, TYPE ptr, INT_PTR nCount = 1) {
        BASE_CLASS::InsertAt(nIndex, ptr, nCount);
    }
};

// The hash of a key; specialise it for key types of your own, as with MFC.
template <class ARG_KEY>
UINT HashKey(ARG_KEY key) {
    using K = std::remove_cvref_t<ARG_KEY>;
    if constexpr (std::is_pointer_v<K>) {
        return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(key) >> 4);
    } else if constexpr (std::is_enum_v<K>) {
        return static_cast<UINT>(static_cast<std::uint64_t>(key) >> 4);
    } else {
        static_assert(std::is_integral_v<K>, "HashKey needs a specialisation for this key");
        auto bits = static_cast<std::uint64_t>(key);
        return static_cast<UINT>((bits ^ (bits >> 32)) >> 4);
    }
}

UINT HashString(const char* key);
template <>
inline UINT HashKey<LPCSTR>(LPCSTR key) {
    return HashString(key);
}
template <>
inline UINT HashKey<const CString&>(const CString& key) {
    return HashString(key);
}
template <>
inline UINT HashKey<CString>(CString key) {
    return HashString(key);
}

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
    return *pElement1 == *pElement2;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    static constexpr UINT kDefaultHashTableSize = 17;

    explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    UINT GetHashTableSize() const { return m_hashSize; }

    // Entries already present are kept and rehashed.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
        (void)bAllocNow;
        m_hashSize = hashSize == 0 ? 1 : hashSize;
        Rehash();
    }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        INT_PTR at = Find(key);
        if (at < 0) {
            return FALSE;
        }
        rValue = m_slots[static_cast<std::size_t>(at)].value;
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key) {
        INT_PTR at = Find(key);
        if (at < 0) {
            at = Insert(key);
        }
        return m_slots[static_cast<std::size_t>(at)].value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        INT_PTR at = Find(key);
        if (at < 0) {
            return FALSE;
        }
        Unlink(at);
        Slot& slot = m_slots[static_cast<std::size_t>(at)];
        slot.key = KEY();
        slot.value = VALUE(); // release what the value holds now, not at the map's end
        slot.used = false;
        m_free.push_back(at);
        --m_count;
        return TRUE;
    }
    void RemoveAll() {
        m_slots.clear();
        m_free.clear();
        m_buckets.assign(m_buckets.size(), -1);
        m_count = 0;
    }

    // nullptr for an empty map.
    POSITION GetStartPosition() const { return Encode(NextUsed(0)); }
    // Gives the entry at rNextPosition and moves it on (nullptr after the last). An entry
    // removed since the position was handed out is skipped; when none is left, key and value
    // are set to their defaults and rNextPosition becomes nullptr.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        INT_PTR at = rNextPosition == nullptr ? -1 : NextUsed(Decode(rNextPosition));
        if (at < 0) {
            rKey = KEY();
            rValue = VALUE();
            rNextPosition = nullptr;
            return;
        }
        const Slot& slot = m_slots[static_cast<std::size_t>(at)];
        rKey = slot.key;
        rValue = slot.value;
        rNextPosition = Encode(NextUsed(at + 1));
    }

private:
    struct Slot {
        KEY key{};
        VALUE value{};
        UINT hash = 0;
        bool used = false;
        INT_PTR next = -1; // next slot of the same bucket
    };

    static POSITION Encode(INT_PTR at) {
        return at < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(at) + 1);
    }
    static INT_PTR Decode(POSITION pos) {
        return static_cast<INT_PTR>(reinterpret_cast<std::uintptr_t>(pos) - 1);
    }
    INT_PTR NextUsed(INT_PTR from) const {
        for (INT_PTR i = std::max<INT_PTR>(from, 0); i < static_cast<INT_PTR>(m_slots.size());
             ++i) {
            if (m_slots[static_cast<std::size_t>(i)].used) {
                return i;
            }
        }
        return -1;
    }
    std::size_t Bucket(UINT hash) const { return hash % m_hashSize; }
    INT_PTR Find(ARG_KEY key) const {
        if (m_buckets.empty()) {
            return -1;
        }
        UINT hash = HashKey<ARG_KEY>(key);
        for (INT_PTR i = m_buckets[Bucket(hash)]; i >= 0;
             i = m_slots[static_cast<std::size_t>(i)].next) {
            const Slot& slot = m_slots[static_cast<std::size_t>(i)];
            if (slot.hash == hash &&
                CompareElements<KEY, std::remove_cvref_t<ARG_KEY>>(&slot.key, &key)) {
                return i;
            }
        }
        return -1;
    }
    INT_PTR Insert(ARG_KEY key) {
        if (m_buckets.empty()) {
            m_buckets.assign(m_hashSize, -1);
        }
        INT_PTR at;
        if (!m_free.empty()) {
            at = m_free.back();
            m_free.pop_back();
        } else {
            at = static_cast<INT_PTR>(m_slots.size());
            m_slots.emplace_back(); // a deque: earlier slots do not move
        }
        Slot& slot = m_slots[static_cast<std::size_t>(at)];
        slot.key = key;
        slot.hash = HashKey<ARG_KEY>(key);
        slot.used = true;
        slot.next = m_buckets[Bucket(slot.hash)];
        m_buckets[Bucket(slot.hash)] = at;
        ++m_count;
        return at;
    }
    void Unlink(INT_PTR at) {
        const Slot& slot = m_slots[static_cast<std::size_t>(at)];
        INT_PTR* link = &m_buckets[Bucket(slot.hash)];
        while (*link != at) {
            link = &m_slots[static_cast<std::size_t>(*link)].next;
        }
        *link = slot.next;
    }
    void Rehash() {
        m_buckets.assign(m_hashSize, -1);
        for (INT_PTR i = 0; i < static_cast<INT_PTR>(m_slots.size()); ++i) {
            Slot& slot = m_slots[static_cast<std::size_t>(i)];
            if (slot.used) {
                slot.next = m_buckets[Bucket(slot.hash)];
                m_buckets[Bucket(slot.hash)] = i;
            }
        }
    }

    std::deque<Slot> m_slots;
    std::vector<INT_PTR> m_free;
    std::vector<INT_PTR> m_buckets;
    INT_PTR m_count = 0;
    UINT m_hashSize = kDefaultHashTableSize;
};
