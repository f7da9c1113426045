#include "help/documentaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

namespace {

const char *const kDocumentProperty = "zorvexaDocument";

// The text as Qt's text edits give it, under the document role.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextBrowser *browser) : QAccessibleWidget(browser, QAccessible::Document) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        const bool selected = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = selected ? cursor.selectionStart() : 0;
        *endOffset = selected ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        browser()->setTextCursor(span(startOffset, endOffset));
    }

    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override { browser()->setTextCursor(span(position, position)); }

    QString text(int startOffset, int endOffset) const override
    {
        return span(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override { return browser()->document()->characterCount() - 1; }

    QRect characterRect(int offset) const override
    {
        const QRect caret = browser()->cursorRect(span(offset, offset));
        const QRect next = browser()->cursorRect(span(offset + 1, offset + 1));
        const int width = next.top() == caret.top() ? qMax(1, next.left() - caret.left()) : 1;
        return QRect(browser()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = browser()->viewport()->mapFromGlobal(point);
        return browser()->viewport()->rect().contains(inside) ? browser()->cursorForPosition(inside).position() : -1;
    }

    void scrollToSubstring(int startIndex, int) override
    {
        setCursorPosition(startIndex);
        browser()->ensureCursorVisible();
    }
    // One run of plain text: the page's looks are not told.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    QTextBrowser *browser() const { return static_cast<QTextBrowser *>(widget()); }
    // A cursor from one offset to another, both kept inside the text.
    QTextCursor span(int from, int to) const
    {
        QTextCursor cursor(browser()->document());
        cursor.setPosition(qBound(0, from, characterCount()));
        cursor.setPosition(qBound(0, to, characterCount()), QTextCursor::KeepAnchor);
        return cursor;
    }
};

QAccessibleInterface *documentFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTextBrowser") && object && object->property(kDocumentProperty).toBool())
        return new DocumentAccessible(static_cast<QTextBrowser *>(object));
    return nullptr;
}

}  // namespace

void exposeAsDocument(QTextBrowser *browser)
{
    static const bool installed = [] {
        QAccessible::installFactory(documentFactory);
        return true;
    }();
    (void)installed;
    browser->setProperty(kDocumentProperty, true);
}
