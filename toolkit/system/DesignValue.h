// One stored property value of a window design, and the readers that turn it into toolkit values.
#pragma once

#include "toolkit/system/Types.h"

#include <utility>
#include <vector>

struct TDesignValue;
using TDesignProperties = std::vector<std::pair<String, TDesignValue>>;

struct TDesignValue {
    enum Kind { Integer, Float, Text, Ident, Set, List, Collection };
    Kind kind = Integer;
    qint64 integer = 0;
    double number = 0;
    String text;                             // Text and Ident
    QStringList members;                     // Set members
    std::vector<TDesignValue> items;         // List items
    std::vector<TDesignProperties> entries;  // Collection items, each with its properties

    bool AsBool() const { return kind == Ident ? text.compare("True", Qt::CaseInsensitive) == 0 : integer != 0; }
    // Raises an Exception for a value outside the range of int, which the loader reports with file and line.
    int AsInt() const;
    double AsFloat() const { return kind == Float ? number : double(integer); }
    String AsString() const { return text; }
    // The texts of a list of strings ("Items.Strings = ('a' 'b')").
    QStringList AsStrings() const;
};

// The numeric value of an identifier of one of the toolkit's enumerations or constants; false when unknown.
bool DesignIdentValue(const String& ident, int& value);
TColor DesignColor(const TDesignValue& v);
int DesignEnum(const TDesignValue& v, int fallback);
// The same for an enumeration whose values run from `first` to `last`: a value outside raises an Exception.
int DesignEnum(const TDesignValue& v, int fallback, int first, int last);
template <class E> E DesignEnumOf(const TDesignValue& v, E fallback, E first, E last) {
    return static_cast<E>(
        DesignEnum(v, static_cast<int>(fallback), static_cast<int>(first), static_cast<int>(last)));
}
// A set of flags, each member an identifier known to DesignIdentValue.
unsigned DesignSet(const TDesignValue& v);
// Lets a unit add the identifiers of its own enumerations ("taLeftJustify", "edComboList" ...).
void RegisterDesignIdents(std::initializer_list<std::pair<const char*, int>> idents);
