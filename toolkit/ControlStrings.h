// The line lists of list controls (combo and list box items, memo lines): text with an object per line,
// kept by the control so they work before its window exists.
#pragma once

#include "toolkit/Classes.h"

#include <QStringList>
#include <functional>
#include <vector>

// Shaped like the string lists of the system units (Count, Strings, Add, Insert, Delete, IndexOf, Text),
// with a change hook the owning control uses to bring its window up to date.
class TControlStrings : public TPersistent {
public:
    String ClassName() const override { return "TStrings"; }

    int Count() const { return static_cast<int>(FLines.size()); }
    String Strings(int index) const;
    void SetStrings(int index, const String& s);
    String operator[](int index) const { return Strings(index); }
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* object);

    // Answers the index of the new line; a sorted list puts it in its place.
    int Add(const String& s) { return AddObject(s, nullptr); }
    int AddObject(const String& s, TObject* object);
    void Insert(int index, const String& s) { InsertObject(index, s, nullptr); }
    void InsertObject(int index, const String& s, TObject* object);
    void Delete(int index);
    void Clear();
    void AddStrings(const QStringList& lines);
    // Case-insensitive, like the platform's lists; -1 when absent.
    int IndexOf(const String& s) const;

    // Lines joined by CR LF, each one ended.
    String Text() const;
    // Splits at CR LF, LF or CR; a break at the very end starts no further line.
    void SetText(const String& text);
    QStringList ToStringList() const { return FLines; }
    void SetStringList(const QStringList& lines);
    void Assign(const TPersistent* source) override;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // Told after every change (once per outermost BeginUpdate/EndUpdate); the control's hook.
    std::function<void()> OnChanged;

private:
    void Changed();
    void CheckIndex(int index, int limit) const;
    int SortedPosition(const String& s) const;

    QStringList FLines;
    std::vector<TObject*> FObjects;
    bool FSorted = false;
    int FUpdateCount = 0;
    bool FPending = false;
};
