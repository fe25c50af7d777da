#include "vxEntryTable.h"

#include <cstring>
#include <cwchar>

#include <windows.h>

namespace vxcore {

void EntryTable::Insert(int index)
{
    if (index < 0)
        return;
    if (index > Count())
        Resize(index);
    m_rows.insert(m_rows.begin() + index, Row());
}

void EntryTable::ReleaseRow(const Row& row)
{
    for (int i = 0; i < row.used; ++i)
        Release(row.slots[i]);
    if (row.more)
        for (const Slot& slot : *row.more)
            Release(slot);
}

void EntryTable::Erase(int index)
{
    if (index < 0 || index >= Count())
        return;
    ReleaseRow(m_rows[static_cast<size_t>(index)]);
    m_rows.erase(m_rows.begin() + index);
    CompactIfWasteful();
}

void EntryTable::Resize(int count)
{
    if (count < 0)
        count = 0;
    for (int i = count; i < Count(); ++i)
        ReleaseRow(m_rows[static_cast<size_t>(i)]);
    m_rows.resize(static_cast<size_t>(count));
    CompactIfWasteful();
}

void EntryTable::Clear()
{
    m_rows.clear();
    m_text.clear();
    m_wasted = 0;
}

int EntryTable::FindName(const char* name) const
{
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

int EntryTable::AddName(const char* name)
{
    const int id = FindName(name);
    if (id >= 0)
        return id;
    m_names.push_back(name);
    return static_cast<int>(m_names.size()) - 1;
}

EntryTable::Slot* EntryTable::FindSlot(Row& row, int name)
{
    return const_cast<Slot*>(FindSlot(static_cast<const Row&>(row), name));
}

const EntryTable::Slot* EntryTable::FindSlot(const Row& row, int name) const
{
    for (int i = 0; i < row.used; ++i) {
        if (row.slots[i].name == name)
            return &row.slots[i];
    }
    if (row.more) {
        for (const Slot& slot : *row.more) {
            if (slot.name == name)
                return &slot;
        }
    }
    return nullptr;
}

void EntryTable::Set(int index, const char* name, const wchar_t* value)
{
    SetValue(index, name, value);
}

void EntryTable::Set(int index, const char* name, const char* value)
{
    SetValue(index, name, value);
}

unsigned EntryTable::AppendValue(const wchar_t* value)
{
    const size_t length = std::wcslen(value);
    m_text.append(value, length);
    m_text.push_back(L'\0');
    return static_cast<unsigned>(length);
}

unsigned EntryTable::AppendValue(const char* value)
{
    // Converted where it is kept: a code page yields at most one UTF-16 unit a byte, and
    // ASCII needs no conversion call.
    const size_t start = m_text.size();
    const size_t bytes = std::strlen(value);
    m_text.resize(start + bytes + 1);
    size_t i = 0;
    for (; i < bytes && static_cast<unsigned char>(value[i]) < 0x80; ++i)
        m_text[start + i] = static_cast<wchar_t>(value[i]);
    size_t length = bytes;
    if (i < bytes) {
        const int units = MultiByteToWideChar(CP_ACP, 0, value + i, static_cast<int>(bytes - i),
                                              &m_text[start + i], static_cast<int>(bytes - i));
        length = i + static_cast<size_t>(units > 0 ? units : 0);
    }
    m_text.resize(start + length);
    m_text.push_back(L'\0');
    return static_cast<unsigned>(length);
}

template <class Char>
void EntryTable::SetValue(int index, const char* name, const Char* value)
{
    if (index < 0 || index >= Count() || !name)
        return;
    Row& row = m_rows[static_cast<size_t>(index)];
    const int id = value ? AddName(name) : FindName(name);
    Slot* slot = id < 0 ? nullptr : FindSlot(row, id);
    if (!value) {
        if (!slot)
            return;
        Release(*slot);
        // The last slot takes the removed one's place.
        Slot* last = row.more && !row.more->empty() ? &row.more->back() : &row.slots[row.used - 1];
        *slot = *last;
        if (row.more && !row.more->empty())
            row.more->pop_back();
        else
            --row.used;
        CompactIfWasteful();
        return;
    }
    if (slot)
        Release(*slot);
    Slot fresh = {id, static_cast<unsigned>(m_text.size()), 0};
    fresh.length = AppendValue(value);
    if (slot) {
        *slot = fresh;
    } else if (row.used < kInlineSlots) {
        row.slots[row.used++] = fresh;
    } else {
        if (!row.more)
            row.more = std::make_unique<std::vector<Slot>>();
        row.more->push_back(fresh);
    }
    if (slot)
        CompactIfWasteful();
}

const wchar_t* EntryTable::Get(int index, const char* name) const
{
    if (index < 0 || index >= Count() || !name)
        return nullptr;
    const int id = FindName(name);
    const Slot* slot = id < 0 ? nullptr : FindSlot(m_rows[static_cast<size_t>(index)], id);
    return slot ? m_text.data() + slot->offset : nullptr;
}

void EntryTable::CompactIfWasteful()
{
    // Rewritten once more than half the buffer is dead, so replacing values stays linear.
    if (m_wasted < 4096 || m_wasted * 2 < m_text.size())
        return;
    std::wstring text;
    text.reserve(m_text.size() - m_wasted);
    auto move = [&](Slot& slot) {
        const unsigned offset = static_cast<unsigned>(text.size());
        text.append(m_text, slot.offset, slot.length + 1);
        slot.offset = offset;
    };
    for (Row& row : m_rows) {
        for (int i = 0; i < row.used; ++i)
            move(row.slots[i]);
        if (row.more)
            for (Slot& slot : *row.more)
                move(slot);
    }
    m_text.swap(text);
    m_wasted = 0;
}

} // namespace vxcore
