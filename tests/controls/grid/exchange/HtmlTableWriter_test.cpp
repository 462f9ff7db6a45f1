// The HTML table: its exact text for a small grid, escaping, spans, links, and XHTML that XML readers take.
#include "controls/grid/exchange/HtmlTableWriter.h"

#include "ExchangeCases.h"
#include "TestSupport.h"
#include "controls/grid/BaseGrid.h"
#include "controls/grid/options/GridOptions.h"
#include "toolkit/services/XmlDoc.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace htmltablewriter_test {

String Page(GridCellStore& Store, THTMLSettings& Settings, ExchangeLayout Layout = {}, bool URLShow = false,
            bool URLFull = false) {
    StoreExchange grid(Store, Layout);
    return HtmlTableWriter(grid, Settings, URLShow, URLFull).Page(String());
}

TEST(HtmlTableWriter, WritesStyleClassesHeadRowSpansAndEscapedTexts) {
    // A cell with properties of its own wraps its words unless they say otherwise.
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"Name", ""}, {"a<b & c", "<B>bold</B>"}, {"two\r\nlines", " "}});
    store.MakeProperties(1, 1)->SetFontStyle(fsBold);
    store.MakeProperties(0, 2)->SetCellSpanX(1);
    store.MakeProperties(1, 2)->SetIsBaseCell(false);
    store.MakeProperties(0, 2)->SetAlignment(taRightJustify);
    ExchangeLayout layout;
    layout.FixedRows = 1;
    layout.SaveFixedCells = true;
    THTMLSettings settings;
    EXPECT_EQ(Page(store, settings, layout),
              "<style>\r\n"
              ".c0 {vertical-align: top}\r\n"
              ".c1 {font-weight: bold;vertical-align: top}\r\n"
              ".c2 {text-align: right;vertical-align: top}\r\n"
              "</style>\r\n"
              "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"
              "<TR>\r\n"
              "<TD class=\"c0\" nowrap>Name</TD>\r\n"
              "<TD class=\"c0\" nowrap>&nbsp;</TD>\r\n"
              "</TR>\r\n"
              "<TR>\r\n"
              "<TD class=\"c0\" nowrap>a&lt;b &amp; c</TD>\r\n"
              "<TD class=\"c1\"><B>bold</B></TD>\r\n"
              "</TR>\r\n"
              "<TR>\r\n"
              "<TD class=\"c2\" COLSPAN=\"2\">two<br>\nlines</TD>\r\n"
              "</TR>\r\n"
              "</TABLE>\r\n");
}

TEST(HtmlTableWriter, SettingsShapeTheTableAndItsCells) {
    GridCellStore store(1, 1);
    exchangecases::Fill(store, {{"é a", "b"}});
    store.MakeProperties(0, 0)->SetBrushColor(TColor(0x0000FF)); // red in the system's BGR order
    struct Case {
        const char* Name;
        std::function<void(THTMLSettings&)> Set;
        QString Contains;
        QString Lacks;
    };
    const Case cases[] = {
        {"colour", [](THTMLSettings&) {}, ".c0 {background-color: #FF0000;", ""},
        {"no colour", [](THTMLSettings& s) { s.SetSaveColor(false); }, "", "background-color"},
        {"accents", [](THTMLSettings& s) { s.SetConvertSpecialChars(true); }, "&eacute; a", ""},
        {"non-breaking", [](THTMLSettings& s) { s.SetNonBreakingText(true); }, "é&nbsp;a", ""},
        {"summary and style",
         [](THTMLSettings& s) {
             s.SetSummary("x\"y");
             s.SetTableStyle("style=\"s\"");
         },
         "SUMMARY=\"x&quot;y\"  style=\"s\"  WIDTH=", ""},
        {"data widths without a head row", [](THTMLSettings& s) { s.ColWidths()->Add(40); },
         " width=\"40\">\u00e9 a</TD>", ""},
        {"prefix and suffix",
         [](THTMLSettings& s) {
             s.SetPrefixTag("<body>");
             s.SetSuffixTag("</body>");
         },
         "<body>\r\n<style>", ""},
    };
    for (const Case& c : cases) {
        THTMLSettings settings;
        c.Set(settings);
        const String page = Page(store, settings);
        if (!c.Contains.isEmpty()) {
            EXPECT_TRUE(page.contains(c.Contains)) << c.Name << "\n" << page.toStdString();
        }
        if (!c.Lacks.isEmpty()) {
            EXPECT_FALSE(page.contains(c.Lacks)) << c.Name;
        }
    }
}

TEST(HtmlTableWriter, LinksOnlyForSchemesThatRunNoCode) {
    struct Case {
        QString Text;
        bool Full;
        QString Cell;
    };
    const Case cases[] = {
        {"http://host/path", false, "<a href=\"http://host/path\">host/path</a>"},
        {"http://host/path", true, "<a href=\"http://host/path\">http://host/path</a>"},
        {"www.host.com", false, "www.host.com"},
        {"mailto:me@host", false, "<a href=\"mailto:me@host\">me@host</a>"},
        {"javascript://alert(1)", false, "javascript://alert(1)"},
        {"http://a\"><b>x", false, "<a href=\"http://a&quot;&gt;&lt;b&gt;x\">a&quot;&gt;&lt;b&gt;x</a>"},
    };
    for (const Case& c : cases) {
        GridCellStore store(1, 1);
        store.SetText(0, 0, c.Text);
        THTMLSettings settings;
        EXPECT_TRUE(Page(store, settings, {}, true, c.Full).contains("nowrap>" + c.Cell + "</TD>"))
            << c.Text.toStdString();
    }
}

TEST(HtmlTableWriter, XhtmlIsWellFormedXml) {
    GridCellStore store(1, 1);
    exchangecases::Table cells = exchangecases::HardCells();
    cells.push_back({"<B>bold</B>", "<B>unclosed", "http://h/?a=1&b=2", "a\u00a0b"});
    cells.push_back({"", "<B>a &amp; b</B>", "<I>x</I> & y", "\u00e9"});
    cells.push_back({"<B>&#x41;&#233;</B>", "<B>&#0;</B>", "<B>&nbsp;</B>", "<B>a &amp b</B>"});
    exchangecases::Fill(store, cells);
    store.MakeProperties(0, 0)->SetCellSpanY(1);
    store.MakeProperties(0, 1)->SetIsBaseCell(false);
    store.MakeProperties(1, 0)->SetWordWrap(true);
    for (const bool special : {false, true}) {
        THTMLSettings settings;
        settings.SetXHTML(true);
        settings.SetConvertSpecialChars(special);
        settings.SetNonBreakingText(special);
        const String page = Page(store, settings, {}, true);
        TXMLDocument doc;
        EXPECT_TRUE(doc.LoadFromString(page)) << doc.ErrorText().toStdString() << "\n" << page.toStdString();
        EXPECT_FALSE(page.contains("&nbsp;"));
        EXPECT_TRUE(page.contains("rowspan=\"2\""));
        EXPECT_TRUE(page.contains(">" + cells[5][0] + "</td>")) << "well-formed markup passes as it is";
        EXPECT_TRUE(page.contains(">" + cells[6][1] + "</td>"));
        EXPECT_TRUE(page.contains(">" + cells[7][0] + "</td>"));
        for (const QString& cell : cells[7].mid(1))
            EXPECT_FALSE(page.contains(cell)) << "markup with references XML does not know goes as text";
        EXPECT_TRUE(page.contains(special ? ">x&#160;&amp;&#160;y</td>" : ">x &amp; y</td>"))
            << "other markup goes as its text";

        const QString xmllint = QStandardPaths::findExecutable("xmllint");
        if (xmllint.isEmpty()) continue;
        const QString path = qvtest::TempDir() + "/page.xhtml";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(page.toUtf8());
        file.close();
        QProcess check;
        check.start(xmllint, {"--noout", "--nonet", path});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
    }
}

TEST(HtmlTableWriter, SevenBitPagesWriteCharacterReferences) {
    EXPECT_EQ(HtmlTableWriter::SevenBit(QString::fromUtf8("a é 😀 <")), "a &#233; &#128512; <");
}

} // namespace htmltablewriter_test
