#include "widgets/LinkDetector.h"

#include "widgets/AddressScanner.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

namespace {

QTextCharFormat linkFormat(const QTextCharFormat &format, const QString &href)
{
    QTextCharFormat linked = format;
    if (!format.hasProperty(LinkDetector::AutoLinkProperty)) {
        // Keep what the mark replaces, so that text which stops being an address gets it back.
        linked.setProperty(LinkDetector::AutoLinkProperty, true);
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            linked.setProperty(LinkDetector::SavedForegroundProperty,
                               format.property(QTextFormat::ForegroundBrush));
        if (format.hasProperty(QTextFormat::TextUnderlineStyle))
            linked.setProperty(LinkDetector::SavedUnderlineStyleProperty,
                               format.property(QTextFormat::TextUnderlineStyle));
        if (format.hasProperty(QTextFormat::FontUnderline))
            linked.setProperty(LinkDetector::SavedFontUnderlineProperty,
                               format.property(QTextFormat::FontUnderline));
        linked.clearProperty(QTextFormat::FontUnderline);
    }
    linked.setAnchor(true);
    linked.setAnchorHref(href);
    linked.setForeground(LinkDetector::linkColour());
    linked.setFontUnderline(true);
    return linked;
}

QTextCharFormat plainFormat(const QTextCharFormat &format)
{
    QTextCharFormat plain = format;
    for (int property :
         {int(QTextFormat::IsAnchor), int(QTextFormat::AnchorHref),
          int(QTextFormat::ForegroundBrush), int(QTextFormat::TextUnderlineStyle),
          int(QTextFormat::FontUnderline), LinkDetector::AutoLinkProperty,
          LinkDetector::SavedForegroundProperty, LinkDetector::SavedUnderlineStyleProperty,
          LinkDetector::SavedFontUnderlineProperty})
        plain.clearProperty(property);
    const auto restore = [&](int saved, int property) {
        if (format.hasProperty(saved))
            plain.setProperty(property, format.property(saved));
    };
    restore(LinkDetector::SavedForegroundProperty, QTextFormat::ForegroundBrush);
    restore(LinkDetector::SavedUnderlineStyleProperty, QTextFormat::TextUnderlineStyle);
    restore(LinkDetector::SavedFontUnderlineProperty, QTextFormat::FontUnderline);
    return plain;
}

bool isAutoLink(const QTextCharFormat &format)
{
    return format.hasProperty(LinkDetector::AutoLinkProperty);
}

// The place an href opens; empty for an href that names no place of its own ("#top",
// "notes.html").
// A file address that names another computer (file://host/share, a UNC path on Windows). Windows
// would hand that computer the person's sign-in credentials on opening it, and a saved reading from
// someone else can carry such an address in its name.
bool namesAnotherComputer(const QUrl &url)
{
    if (url.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0)
        return false;
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return true;
    // file:////host/share: the host hides in a path that starts with two slashes.
    const QString path = url.path();
    return path.startsWith(QLatin1String("//")) || path.startsWith(QLatin1String("\\\\"));
}

QUrl openableAddress(const QString &href)
{
    const QUrl url(href, QUrl::TolerantMode);
    return url.isRelative() || namesAnotherComputer(url) ? QUrl() : url;
}

} // namespace

LinkDetector::LinkDetector(QTextEdit *box)
    : QObject(box)
    , watchedBox(box)
    , textBox(box)
    , viewport(box ? box->viewport() : nullptr)
    , document(box ? box->document() : nullptr)
{
    if (!box)
        return;

    if (auto *browser = qobject_cast<QTextBrowser *>(box)) {
        browserOpenedLinks = browser->openLinks();
        browserOpenedExternalLinks = browser->openExternalLinks();
        browser->setOpenLinks(false);
        browser->setOpenExternalLinks(false);
    }

    if (viewport) {
        trackingBefore = viewport->hasMouseTracking();
        viewport->setMouseTracking(true);
        viewport->installEventFilter(this);
    }

    if (document) {
        changeConnection = connect(document, &QTextDocument::contentsChange, this,
                                   &LinkDetector::noteChange);
        changedConnection = connect(document, &QTextDocument::contentsChanged, this,
                                    &LinkDetector::applyPendingChange);
        // The text inserted before the layer started.
        rescan(0, document->characterCount());
    }
}

LinkDetector::~LinkDetector()
{
    disconnect(changeConnection);
    disconnect(changedConnection);
    if (viewport) {
        viewport->removeEventFilter(this);
        showHand(false);
        viewport->setMouseTracking(trackingBefore);
    }
    if (auto *browser = qobject_cast<QTextBrowser *>(watchedBox.data())) {
        browser->setOpenLinks(browserOpenedLinks);
        browser->setOpenExternalLinks(browserOpenedExternalLinks);
    }
}

QColor LinkDetector::linkColour()
{
    return QColor(0, 0, 255);
}

void LinkDetector::noteChange(int position, int charsRemoved, int charsAdded)
{
    if (updating)
        return;
    // Carry a range still waiting for its scan over this change, then add the changed text.
    const auto moved = [&](int at, bool isEnd) {
        if (at <= position)
            return at;
        if (at >= position + charsRemoved)
            return at - charsRemoved + charsAdded;
        return isEnd ? position + charsAdded : position;
    };
    if (pendingFrom < 0) {
        pendingFrom = position;
        pendingTo = position + charsAdded;
    } else {
        pendingFrom = std::min(moved(pendingFrom, false), position);
        pendingTo = std::max(moved(pendingTo, true), position + charsAdded);
    }
}

void LinkDetector::applyPendingChange()
{
    // Scanned once the document has finished the change (contentsChanged comes after the layout
    // has caught up), never from inside contentsChange.
    if (updating || pendingFrom < 0)
        return;
    // While something can be redone, the text is a state the undo history already holds (an
    // undo or redo replays its marks too): marking it would be a new edit that ends the redo
    // history. The range waits for the next edit of the user's own.
    if (document->isRedoAvailable())
        return;
    const int from = pendingFrom;
    const int to = pendingTo;
    pendingFrom = pendingTo = -1;
    rescan(from, to);
}

void LinkDetector::rescan(int from, int to)
{
    if (!document)
        return;
    const int last = std::max(0, document->characterCount() - 1);
    QTextBlock block = document->findBlock(std::clamp(from, 0, last));
    const QTextBlock lastBlock = document->findBlock(std::clamp(to, 0, last));
    if (!block.isValid())
        return;

    QList<FormatChange> changes;
    for (;;) {
        collectChanges(block, changes);
        if (block == lastBlock || !block.next().isValid())
            break;
        block = block.next();
    }
    if (changes.isEmpty())
        return;

    // The marks belong to the edit that caused them where that edit was an edit block (a paste, a
    // replaced selection, several lines): one undo step takes both back. After a plain insertion
    // they are an undo step of their own.
    const bool wasModified = document->isModified();
    updating = true;
    QTextCursor cursor(document);
    cursor.joinPreviousEditBlock();
    for (const FormatChange &change : std::as_const(changes)) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
    cursor.endEditBlock();
    if (!wasModified)
        document->setModified(false);
    updating = false;
}

void LinkDetector::collectChanges(const QTextBlock &block, QList<FormatChange> &changes) const
{
    const QString text = block.text();
    const QList<DetectedLink> links = AddressScanner::findLinks(text);
    const int blockStart = block.position();
    qsizetype nextLink = 0;

    const auto mark = [&](int from, int to, const QTextCharFormat &format, const QString *href) {
        if (from >= to)
            return;
        QTextCharFormat wanted;
        if (href) {
            if (format.isAnchor() && !isAutoLink(format))
                return; // an anchor of the text's own
            if (isAutoLink(format) && format.anchorHref() == *href)
                return;
            wanted = linkFormat(format, *href);
        } else {
            if (!isAutoLink(format))
                return;
            wanted = plainFormat(format);
        }
        changes.append({blockStart + from, to - from, wanted});
    };

    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const int fragmentStart = fragment.position() - blockStart;
        const int fragmentEnd = fragmentStart + fragment.length();
        const QTextCharFormat format = fragment.charFormat();
        while (nextLink < links.size()
               && links[nextLink].start + links[nextLink].length <= fragmentStart)
            ++nextLink;
        int at = fragmentStart;
        for (qsizetype k = nextLink; k < links.size() && links[k].start < fragmentEnd; ++k) {
            const int linkStart = int(links[k].start);
            const int linkEnd = int(links[k].start + links[k].length);
            mark(at, std::max(at, linkStart), format, nullptr);
            at = std::max(at, linkStart);
            mark(at, std::min(fragmentEnd, linkEnd), format, &links[k].href);
            at = std::min(fragmentEnd, linkEnd);
        }
        mark(at, fragmentEnd, format, nullptr);
    }
}

bool LinkDetector::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != viewport || watchedBox.isNull())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        // A double-click's second press comes as MouseButtonDblClick, which opens nothing; a
        // press that only exists to make one is skipped too.
        if (press->button() != Qt::LeftButton
            || press->flags().testFlag(Qt::MouseEventCreatedDoubleClick))
            break;
        const QUrl address = openableAddress(textBox->anchorAt(press->position().toPoint()));
        if (!address.isEmpty())
            emit linkPressed(address);
        break;
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        showHand(move->buttons() == Qt::NoButton
                 && !textBox->anchorAt(move->position().toPoint()).isEmpty());
        break;
    }
    case QEvent::Leave:
        showHand(false);
        break;
    default:
        break;
    }
    // Nothing is swallowed: the box sees every event as if the layer were not there.
    return false;
}

void LinkDetector::showHand(bool overLink)
{
    if (!viewport || overLink == handShown)
        return;
    handShown = overLink;
    if (overLink) {
        cursorBeforeHand = viewport->cursor();
        viewport->setCursor(Qt::PointingHandCursor);
    } else {
        viewport->setCursor(cursorBeforeHand);
    }
}
