// The table windows' whole-number reader, over the toolkit's cell-number grammar.
#include "tables/frame/TableNumber.h"

#include "toolkit/system/SysUtils.h"

Integer Read_Table_Int(const String& text, Integer def) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    String sign;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) sign = text[i++];
    String rest = text.mid(i);
    // The toolkit knows "$" and "0x"; a bare "x" is the same hexadecimal prefix here.
    if (rest.startsWith(u'x') || rest.startsWith(u'X')) rest = u'$' + rest.mid(1);
    if (rest.startsWith(u' ')) return def; // no blanks between the sign and the digits
    Integer value;
    return TryStrToInt(sign + rest, value) ? value : def;
}
