// Regular expressions over Qt's engine.
#include "toolkit/system/RegularExpressions.h"

#include <QRegularExpression>

TRegEx::TRegEx(const String& pattern) : FExpression(std::make_unique<QRegularExpression>(pattern)) {}

TRegEx::~TRegEx() = default;

bool TRegEx::IsMatch(const String& input) const {
    return FExpression->match(input).hasMatch();
}

QStringList TRegEx::Match(const String& input) const {
    const QRegularExpressionMatch m = FExpression->match(input);
    return m.hasMatch() ? m.capturedTexts() : QStringList();
}
