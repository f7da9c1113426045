#pragma once

class QTextBrowser;

// Shows a text browser to assistive technology as a read-only document,
// which a screen reader reads as a page: Qt's own interface for a text
// browser says "static text", a label to AT-SPI, though it has the same text.
// Call it before the browser is first shown.
void exposeAsDocument(QTextBrowser *browser);
