#include "toolkit/graphics/ColorNames.h"

#include "toolkit/graphics/Graphics.h"

#include <iterator>

const std::vector<std::pair<const char*, TColor>>& ColorIdents() {
    static const std::vector<std::pair<const char*, TColor>> idents = [] {
        std::vector<std::pair<const char*, TColor>> out{{"clNone", clNone},
                                                        {"clDefault", clDefault},
                                                        {"clBlack", clBlack},
                                                        {"clMaroon", clMaroon},
                                                        {"clGreen", clGreen},
                                                        {"clOlive", clOlive},
                                                        {"clNavy", clNavy},
                                                        {"clPurple", clPurple},
                                                        {"clTeal", clTeal},
                                                        {"clGray", clGray},
                                                        {"clSilver", clSilver},
                                                        {"clRed", clRed},
                                                        {"clLime", clLime},
                                                        {"clYellow", clYellow},
                                                        {"clBlue", clBlue},
                                                        {"clFuchsia", clFuchsia},
                                                        {"clAqua", clAqua},
                                                        {"clWhite", clWhite},
                                                        {"clMoneyGreen", clMoneyGreen},
                                                        {"clSkyBlue", clSkyBlue},
                                                        {"clCream", clCream},
                                                        {"clMedGray", clMedGray}};
        // By system colour index; 25 has no name.
        const char* const sys[] = {"clScrollBar",
                                   "clBackground",
                                   "clActiveCaption",
                                   "clInactiveCaption",
                                   "clMenu",
                                   "clWindow",
                                   "clWindowFrame",
                                   "clMenuText",
                                   "clWindowText",
                                   "clCaptionText",
                                   "clActiveBorder",
                                   "clInactiveBorder",
                                   "clAppWorkSpace",
                                   "clHighlight",
                                   "clHighlightText",
                                   "clBtnFace",
                                   "clBtnShadow",
                                   "clGrayText",
                                   "clBtnText",
                                   "clInactiveCaptionText",
                                   "clBtnHighlight",
                                   "cl3DDkShadow",
                                   "cl3DLight",
                                   "clInfoText",
                                   "clInfoBk",
                                   nullptr,
                                   "clHotLight",
                                   "clGradientActiveCaption",
                                   "clGradientInactiveCaption",
                                   "clMenuHighlight",
                                   "clMenuBar"};
        for (int i = 0; i < int(std::size(sys)); ++i)
            if (sys[i]) out.emplace_back(sys[i], SystemColor(i));
        return out;
    }();
    return idents;
}

String ColorToString(TColor Color) {
    for (const auto& [name, value] : ColorIdents())
        if (value == Color) return QString::fromLatin1(name);
    return QStringLiteral("$%1").arg(static_cast<quint32>(Color), 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const String& Text) {
    const String t = Text.trimmed();
    for (const auto& [name, value] : ColorIdents())
        if (t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return value;
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    // A colour is 32 bits wide; a negative decimal is the same bits written signed.
    if (!ok || v < INT32_MIN || v > UINT32_MAX)
        throw EConvertError(QStringLiteral("'%1' is not a valid colour value").arg(Text));
    return static_cast<TColor>(static_cast<quint32>(v));
}
