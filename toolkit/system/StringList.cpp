// Lists of text lines, their text and file forms, and the text-file codecs.
#include "toolkit/system/StringList.h"

#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <numeric>

namespace {

bool needsCommaQuotes(const String& s) {
    if (s.isEmpty()) return true;
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.unicode() <= 0x20 || c == u',' || c == u'"'; });
}

} // namespace

// ---- TStrings ----

void TStrings::IndexError(int index) const {
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

int TStrings::CompareStrings(const String& a, const String& b) const {
    return CompareText(a, b);
}

int TStrings::AddObject(const String& s, TObject* object) {
    const int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i)
        AddObject(other.Strings(i), other.Objects(i));
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
    if (index1 < 0 || index1 >= Count()) IndexError(index1);
    if (index2 < 0 || index2 >= Count()) IndexError(index2);
    BeginUpdate();
    const String s = Strings(index1);
    TObject* o = Objects(index1);
    SetStrings(index1, Strings(index2));
    SetObjects(index1, Objects(index2));
    SetStrings(index2, s);
    SetObjects(index2, o);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    const String s = Strings(curIndex);
    TObject* o = Objects(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

int TStrings::IndexOf(const String& s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const String& name) const {
    for (int i = 0; i < Count(); ++i) {
        const String line = Strings(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && CompareStrings(line.left(eq), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == object) return i;
    return -1;
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other.Strings(i)) return false;
    return true;
}

String TStrings::Names(int index) const {
    const String line = Strings(index);
    const qsizetype eq = line.indexOf(u'=');
    return eq >= 0 ? line.left(eq) : String();
}

String TStrings::ValueFromIndex(int index) const {
    const String line = Strings(index);
    const qsizetype eq = line.indexOf(u'=');
    return eq >= 0 ? line.mid(eq + 1) : String();
}

String TStrings::Values(const String& name) const {
    const int i = IndexOfName(name);
    return i >= 0 ? ValueFromIndex(i) : String();
}

void TStrings::SetValues(const String& name, const String& value) {
    const int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0) Delete(i);
        return;
    }
    if (i >= 0)
        SetStrings(i, name + u'=' + value);
    else
        Add(name + u'=' + value);
}

String TStrings::Text() const {
    String out;
    for (int i = 0; i < Count(); ++i) {
        out += Strings(i);
        out += QStringLiteral("\r\n");
    }
    return out;
}

void TStrings::SetText(const String& text) {
    BeginUpdate();
    Clear();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        Add(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) Add(text.mid(start));
    EndUpdate();
}

String TStrings::CommaText() const {
    String out;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) out += u',';
        String s = Strings(i);
        if (needsCommaQuotes(s))
            out += u'"' + s.replace(u'"', QStringLiteral("\"\"")) + u'"';
        else
            out += s;
    }
    return out;
}

void TStrings::SetCommaText(const String& text) {
    BeginUpdate();
    Clear();
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && text[i].unicode() <= 0x20)
            ++i;
    };
    skipBlanks();
    while (i < n) {
        String item;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i].unicode() > 0x20 && text[i] != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        Add(item);
        skipBlanks();
        if (i < n && text[i] == u',') {
            ++i;
            skipBlanks();
            if (i >= n) Add(String()); // a trailing comma ends with an empty item
        }
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const String& fileName) {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(fileName, bytes, &error, -1, &fault))
        throw EFOpenError(ReadFaultText(fileName, fault, error, -1));
    TTextEncoding encoding;
    const String text = DecodeTextDetect(bytes, &encoding);
    SetText(text);
    FEncoding = encoding;
}

void TStrings::SaveToFile(const String& fileName) const {
    String error;
    if (!SaveFileAtomically(fileName, EncodeText(Text(), FEncoding), &error))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, error));
}

void TStrings::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TStrings*>(source)) {
        if (other == this) return;
        BeginUpdate();
        Clear();
        AddStrings(*other);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true); // still outside the update, so OnChanging fires once here
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

// ---- TStringList ----

void TStringList::checkIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

String TStringList::Strings(int index) const {
    checkIndex(index);
    return FItems[static_cast<size_t>(index)].Text;
}

void TStringList::SetStrings(int index, const String& s) {
    if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    checkIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].Text = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    checkIndex(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
    checkIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].Object = object;
    Changed();
}

void TStringList::InsertObject(int index, const String& s, TObject* object) {
    if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
    if (index < 0 || index > Count()) IndexError(index);
    Changing();
    FItems.insert(FItems.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index) {
    checkIndex(index);
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

int TStringList::AddObject(const String& s, TObject* object) {
    if (!FSorted) {
        Changing();
        FItems.push_back(Item{s, object});
        Changed();
        return Count() - 1;
    }
    int index;
    if (Find(s, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError)
            throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    Changing();
    FItems.insert(FItems.begin() + index, Item{s, object});
    Changed();
    return index;
}

int TStringList::IndexOf(const String& s) const {
    if (!FSorted) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const String& s, int& index) const {
    if (!FSorted) {
        index = TStrings::IndexOf(s);
        if (index >= 0) return true;
        index = Count();
        return false;
    }
    auto it = std::lower_bound(FItems.begin(), FItems.end(), s, [this](const Item& item, const String& key) {
        return CompareStrings(item.Text, key) < 0;
    });
    index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && CompareStrings(it->Text, s) == 0;
}

void TStringList::reorder(const std::vector<int>& order) {
    std::vector<Item> sorted;
    sorted.reserve(FItems.size());
    for (int i : order)
        sorted.push_back(std::move(FItems[static_cast<size_t>(i)]));
    FItems = std::move(sorted);
}

void TStringList::Sort() {
    CustomSort([](TStringList& list, int a, int b) {
        return list.CompareStrings(list.FItems[static_cast<size_t>(a)].Text,
                                   list.FItems[static_cast<size_t>(b)].Text);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FItems.size() < 2) return;
    Changing();
    // Sort positions, not lines, so the comparison always sees the list as it stood.
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    reorder(order);
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == FSorted) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

int TStringList::CompareStrings(const String& a, const String& b) const {
    return FCaseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}
