// The clipboard: several formats put on at once and read back, the batch that empties it once, and the
// formats a drop or paste may carry, handed on as they came.
#include "toolkit/services/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

TEST(Clipboard, ThreeFormatsAndOurOwnGoOnAtOnceAndComeBack) {
    const UINT cells = RegisterClipboardFormat("TQvStringGrid Cells");
    const QByteArray rtf = "{\\rtf1 \\b bold\\b0}";
    const QByteArray html = "<table><tr><td>a</td></tr></table>";
    const QByteArray binary("\x02\x00\x00\x00\x00\xff", 6);
    Clipboard()->Open();
    Clipboard()->SetAsText("a\tb\r\nc\td\r\n");
    Clipboard()->SetAsBytes(CF_RTF(), rtf);
    Clipboard()->SetAsBytes(CF_HTMLFORMAT(), html);
    Clipboard()->SetAsBytes(cells, binary);
    Clipboard()->Close();

    for (UINT format : {UINT(CF_TEXT), UINT(CF_UNICODETEXT), CF_RTF(), CF_HTMLFORMAT(), cells})
        EXPECT_TRUE(Clipboard()->HasFormat(format)) << format;
    EXPECT_FALSE(Clipboard()->HasFormat(CF_HDROP));
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(Clipboard()->GetAsBytes(CF_RTF()), rtf);
    EXPECT_EQ(Clipboard()->GetAsBytes(CF_HTMLFORMAT()), html);
    EXPECT_EQ(Clipboard()->GetAsBytes(cells), binary);
    // Other programs on the desktop see them by their usual names.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(mime->data("text/rtf"), rtf);
    EXPECT_EQ(mime->data("text/html"), html);
    EXPECT_EQ(mime->data("application/x-qv-tqvstringgrid-cells"), binary);
    EXPECT_EQ(mime->text(), "a\tb\r\nc\td\r\n");

    // Outside a batch each entry replaces the clipboard.
    Clipboard()->SetAsText("alone");
    EXPECT_FALSE(Clipboard()->HasFormat(CF_RTF()));
    EXPECT_EQ(Clipboard()->AsText(), "alone");
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->Data().IsEmpty());
}

TEST(Clipboard, NumbersWithoutAFormatAreRefused) {
    EXPECT_EQ(ClipboardFormatMimeType(0x7FFF), "");
    TClipData data;
    EXPECT_THROW(data.SetData(0x7FFF, "x"), Exception);
    EXPECT_FALSE(data.HasFormat(0x7FFF));
    EXPECT_TRUE(data.Data(0x7FFF).isEmpty());
}

TEST(Clipboard, ForeignDataIsHandedOnAsItCame) {
    // What another program offers: files and an address in one list, rich text under its other name, and
    // bytes that are no text at all.
    QMimeData mime;
    mime.setData("text/uri-list", "# a comment\r\nfile:///tmp/a%20b.csv\r\nhttps://example.com/x?y=1\r\n"
                                  "file:///tmp/c.xls\r\nnot a url\r\nfile://\r\n");
    mime.setData("application/rtf", "{\\rtf1 x}");
    mime.setData("application/x-qv-tqvstringgrid-cells", QByteArray("\0\0\xfe", 3));
    const TClipData data = TClipData::FromMimeData(&mime);
    EXPECT_EQ(data.Files(), QStringList({"/tmp/a b.csv", "/tmp/c.xls"}));
    EXPECT_TRUE(data.HasFormat(CF_HDROP));
    EXPECT_EQ(data.Url(), "https://example.com/x?y=1");
    EXPECT_TRUE(data.HasFormat(CF_URL()));
    EXPECT_TRUE(data.HasFormat(CF_RTF()));
    EXPECT_EQ(data.Data(CF_RTF()), "{\\rtf1 x}");
    EXPECT_EQ(data.Data(RegisterClipboardFormat("TQvStringGrid Cells")), QByteArray("\0\0\xfe", 3));
    EXPECT_FALSE(data.HasFormat(CF_TEXT));
    EXPECT_EQ(data.Text(), "");

    // Made by code: files and an address share the list, each kept when the other is set.
    TClipData made;
    made.SetFiles({"/tmp/one.csv"});
    made.SetUrl("http://example.com/");
    made.SetFiles({"/tmp/two.csv"});
    EXPECT_EQ(made.Files(), QStringList({"/tmp/two.csv"}));
    EXPECT_EQ(made.Url(), "http://example.com/");
    std::unique_ptr<QMimeData> back(made.ToMimeData());
    EXPECT_EQ(back->urls().size(), 2);
}
