// The grid's balloon texts and their cuts.
#include "controls/grid/input/BalloonText.h"

String CutWithEllipsis(const String& Text, int Limit) {
    if (Limit < 3 || Text.size() <= Limit) return Text.left(std::max(Limit, 0));
    qsizetype keep = Limit - 3;
    if (keep > 0 && Text.at(keep - 1).isHighSurrogate()) --keep;
    return Text.left(keep) + QStringLiteral("...");
}

String BalloonCellText(const String& Text) {
    qsizetype start = 0;
    while (start < Text.size() &&
           (Text.at(start) == u'\r' || Text.at(start) == u'\n' || Text.at(start) == u'\t'))
        ++start;
    String text = Text.mid(start);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return CutWithEllipsis(text, kBalloonCellTextMax);
}
