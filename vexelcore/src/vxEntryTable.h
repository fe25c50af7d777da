// Draw items of list box entries, kept flat: one fixed-size row per entry in entry order, its
// values in one text buffer shared by all rows. Setting an item costs no allocation of its
// own, and entries inserted or deleted move small rows, so a list of 100,000 entries fills
// and empties in a few milliseconds.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vxcore {

class EntryTable {
public:
    int Count() const { return static_cast<int>(m_rows.size()); }
    void Insert(int index);          // an entry without items at index; past the end grows
    void Erase(int index);           // indexes outside the table change nothing
    void Resize(int count);
    void Clear();
    // A null value removes; a narrow one is converted from the ANSI code page.
    void Set(int index, const char* name, const wchar_t* value);
    void Set(int index, const char* name, const char* value);
    // The value, or null; valid until the table changes.
    const wchar_t* Get(int index, const char* name) const;

private:
    struct Slot {
        int name;                    // index into m_names
        unsigned offset;             // of the value in m_text, which ends it with '\0'
        unsigned length;
    };
    static const int kInlineSlots = 2;
    struct Row {
        Slot slots[kInlineSlots];
        int used = 0;                // of slots
        std::unique_ptr<std::vector<Slot>> more; // rows with more names than fit
    };

    template <class Char>
    void SetValue(int index, const char* name, const Char* value);
    unsigned AppendValue(const wchar_t* value); // to m_text with its L'\0'; answers the length
    unsigned AppendValue(const char* value);
    int FindName(const char* name) const; // -1 when no row ever had it
    int AddName(const char* name);
    void ReleaseRow(const Row& row);
    Slot* FindSlot(Row& row, int name);
    const Slot* FindSlot(const Row& row, int name) const;
    void Release(const Slot& slot) { m_wasted += slot.length + 1; }
    void CompactIfWasteful();

    std::vector<std::string> m_names; // the few distinct names, shared by all rows
    std::vector<Row> m_rows;
    std::wstring m_text;             // every value, each followed by L'\0'
    size_t m_wasted = 0;             // characters of m_text no slot refers to
};

} // namespace vxcore
