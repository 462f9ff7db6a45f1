// Lists of text lines with an object per line (TStrings, TStringList), and the text-file codecs they use.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/TextCodec.h"
#include "toolkit/system/Types.h"

#include <QByteArray>
#include <functional>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

// An ordered list of lines, each with an optional object pointer (not owned).
// Names and values: a line "name=value" has the name before its first "=".
class TStrings : public TPersistent {
public:
    String ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    virtual String Strings(int index) const = 0;
    virtual void SetStrings(int index, const String& s) = 0;
    virtual TObject* Objects(int index) const = 0;
    virtual void SetObjects(int index, TObject* object) = 0;
    virtual void InsertObject(int index, const String& s, TObject* object) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    void Insert(int index, const String& s) { InsertObject(index, s, nullptr); }
    // Answers the index of the new line (a sorted list decides where it goes, see TStringList).
    virtual int AddObject(const String& s, TObject* object);
    int Add(const String& s) { return AddObject(s, nullptr); }
    void AddStrings(const TStrings& other);
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);

    // Compared by CompareStrings (ignoring case unless a list says otherwise); -1 when absent.
    virtual int IndexOf(const String& s) const;
    int IndexOfName(const String& name) const;
    int IndexOfObject(const TObject* object) const;
    bool Equals(const TStrings& other) const; // same lines, exactly

    String Names(int index) const;
    String ValueFromIndex(int index) const;
    String Values(const String& name) const; // "" when no line has that name
    // Replaces the value of the first line with that name, or adds "name=value"; an empty value
    // removes the line, as the platform does.
    void SetValues(const String& name, const String& value);

    // Every line followed by CR LF.
    String Text() const;
    // Splits at CR LF, LF or CR; a break at the very end does not start another line.
    void SetText(const String& text);
    // Lines separated by ","; a line that is empty or holds a blank, control character, "," or '"' is
    // written in double quotes with inner quotes doubled.
    String CommaText() const;
    void SetCommaText(const String& text);

    // Raises EFOpenError when the file cannot be read. Remembers the file's encoding for SaveToFile.
    void LoadFromFile(const String& fileName);
    // Writes the file whole (atomically) in Encoding(); raises EFCreateError on failure, keeping the old
    // file.
    void SaveToFile(const String& fileName) const;
    TTextEncoding Encoding() const { return FEncoding; }
    void SetEncoding(TTextEncoding e) { FEncoding = e; }

    void Assign(const TPersistent* source) override;

    // Changes between BeginUpdate and the matching EndUpdate notify once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

protected:
    virtual int CompareStrings(const String& a, const String& b) const;
    virtual void SetUpdateState(bool /*updating*/) {}
    [[noreturn]] void IndexError(int index) const;

private:
    int FUpdateCount = 0;
    TTextEncoding FEncoding = TTextEncoding::UTF8;
};

class TStringList;
// < 0, 0, > 0 comparing the lines at index1 and index2 of the list.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;
    String ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(FItems.size()); }
    String Strings(int index) const override;
    void SetStrings(int index, const String& s) override; // not on a sorted list (EListError)
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    void InsertObject(int index, const String& s, TObject* object) override; // not on a sorted list
    void Delete(int index) override;
    void Clear() override;
    // On a sorted list the line goes to its place: a duplicate is skipped under dupIgnore (answering
    // the index of the line already there), raises EListError under dupError, is kept under dupAccept.
    int AddObject(const String& s, TObject* object) override;
    int IndexOf(const String& s) const override;

    // Binary search on a sorted list: true when found, `index` is the first equal line or where the
    // line would go. On an unsorted list a plain search (index = Count when absent).
    bool Find(const String& s, int& index) const;
    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value); // sorting starts at once
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    int CompareStrings(const String& a, const String& b) const override;
    void SetUpdateState(bool updating) override;
    void Changed();
    void Changing();

private:
    struct Item {
        String Text;
        TObject* Object = nullptr;
    };
    void checkIndex(int index) const;
    void reorder(const std::vector<int>& order);

    std::vector<Item> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};
