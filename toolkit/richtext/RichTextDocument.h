// Rich text in and out of a Qt text document: what the rich edit control shows, measures and paints.
#pragma once

#include "toolkit/richtext/RichText.h"

class QTextDocument;

// Replaces the document's content. Runs without a font name take the document's default font.
void RichTextToDocument(const TRichText& Text, QTextDocument& Doc);
// The document's paragraphs and runs; characters the subset cannot hold (embedded objects) are left out.
TRichText DocumentToRichText(const QTextDocument& Doc);
