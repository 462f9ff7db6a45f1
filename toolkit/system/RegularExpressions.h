// Regular expressions for checking and taking apart typed texts (Perl syntax).
#pragma once

#include "toolkit/system/Types.h"

#include <memory>

class QRegularExpression;

class TRegEx {
public:
    explicit TRegEx(const String& pattern);
    ~TRegEx();
    TRegEx(const TRegEx&) = delete;
    TRegEx& operator=(const TRegEx&) = delete;

    // Whether the pattern matches somewhere in `input` (anchor it with ^ and $ to match the whole).
    bool IsMatch(const String& input) const;
    // The texts of the first match: [0] the whole match, then each group; empty when nothing matches.
    QStringList Match(const String& input) const;

private:
    std::unique_ptr<QRegularExpression> FExpression;
};
