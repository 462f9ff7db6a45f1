// Line lists of the list controls.
#include "toolkit/ControlStrings.h"

#include <QRegularExpression>
#include <algorithm>

String TControlStrings::Strings(int index) const {
    CheckIndex(index, Count());
    return FLines.at(index);
}

void TControlStrings::SetStrings(int index, const String& s) {
    CheckIndex(index, Count());
    if (FLines[index] == s)
        return;
    FLines[index] = s;
    Changed();
}

TObject* TControlStrings::Objects(int index) const {
    CheckIndex(index, Count());
    return FObjects[static_cast<size_t>(index)];
}

void TControlStrings::SetObjects(int index, TObject* object) {
    CheckIndex(index, Count());
    FObjects[static_cast<size_t>(index)] = object;
}

int TControlStrings::SortedPosition(const String& s) const {
    auto it = std::upper_bound(FLines.begin(), FLines.end(), s, [](const String& a, const String& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return static_cast<int>(it - FLines.begin());
}

int TControlStrings::AddObject(const String& s, TObject* object) {
    int index = FSorted ? SortedPosition(s) : Count();
    FLines.insert(index, s);
    FObjects.insert(FObjects.begin() + index, object);
    Changed();
    return index;
}

void TControlStrings::InsertObject(int index, const String& s, TObject* object) {
    if (FSorted)
        throw EListError("Operation not allowed on sorted list");
    CheckIndex(index, Count() + 1);
    FLines.insert(index, s);
    FObjects.insert(FObjects.begin() + index, object);
    Changed();
}

void TControlStrings::Delete(int index) {
    CheckIndex(index, Count());
    FLines.removeAt(index);
    FObjects.erase(FObjects.begin() + index);
    Changed();
}

void TControlStrings::Clear() {
    if (FLines.isEmpty())
        return;
    FLines.clear();
    FObjects.clear();
    Changed();
}

void TControlStrings::AddStrings(const QStringList& lines) {
    BeginUpdate();
    for (const String& s : lines)
        Add(s);
    EndUpdate();
}

int TControlStrings::IndexOf(const String& s) const {
    for (int i = 0; i < FLines.size(); ++i)
        if (FLines[i].compare(s, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

String TControlStrings::Text() const {
    String out;
    for (const String& s : FLines)
        out += s + "\r\n";
    return out;
}

void TControlStrings::SetText(const String& text) {
    static const QRegularExpression breaks("\r\n|\n|\r");
    QStringList lines = text.split(breaks);
    if (!text.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (text.isEmpty())
        lines.clear();
    SetStringList(lines);
}

void TControlStrings::SetStringList(const QStringList& lines) {
    BeginUpdate();
    FLines.clear();
    FObjects.clear();
    for (const String& s : lines)
        Add(s);
    FPending = true;
    EndUpdate();
}

void TControlStrings::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TControlStrings*>(source)) {
        BeginUpdate();
        FLines.clear();
        FObjects.clear();
        for (int i = 0; i < other->Count(); ++i)
            AddObject(other->FLines[i], other->FObjects[static_cast<size_t>(i)]);
        FPending = true;
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TControlStrings::SetSorted(bool v) {
    if (v == FSorted)
        return;
    FSorted = v;
    if (!v)
        return;
    std::vector<int> order(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return FLines[a].compare(FLines[b], Qt::CaseInsensitive) < 0; });
    QStringList lines;
    std::vector<TObject*> objects;
    for (int i : order) {
        lines << FLines[i];
        objects.push_back(FObjects[static_cast<size_t>(i)]);
    }
    FLines = lines;
    FObjects = objects;
    Changed();
}

void TControlStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FPending) {
        FPending = false;
        if (OnChanged)
            OnChanged();
    }
}

void TControlStrings::Changed() {
    if (FUpdateCount > 0) {
        FPending = true;
        return;
    }
    if (OnChanged)
        OnChanged();
}

void TControlStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw EListError(QString("List index out of bounds (%1)").arg(index));
}
