#pragma once

#include <QColor>
#include <QCursor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QUrl>

class QTextBlock;
class QTextDocument;
class QTextEdit;
class QWidget;

// The automatic web-address recognition that Qt's text edit lacks, for one box while it lives.
//
// Every complete address in the box's text (http://, https://, ftp://, file://, mailto: and
// "www." forms) is marked as an anchor whose href is the address, drawn underlined in blue, as
// text is inserted or changed; text that stops being an address loses the anchor and gets its
// own colour and underline back. Anchors the text already had (from HTML, say) are left alone.
// The marks join the undo step of the edit that caused them where Qt allows it; undo and redo
// replay them and are never cut short by them.
//
// A press of the left mouse button on an anchor (a detected address, or an anchor of the text's
// own with an absolute href) emits linkPressed with its href, once per press (the double-click
// that may follow emits nothing); whoever installed the layer decides what opens it. The layer
// only watches the box's viewport: every event still reaches the box, read-only or not.
//
// When the layer ends, the text keeps its marks; only the recognising and opening stop.
class LinkDetector : public QObject
{
    Q_OBJECT

public:
    // A child of the box, so that it ends with the box at the latest.
    explicit LinkDetector(QTextEdit *box);
    ~LinkDetector() override;

    // The colour of a detected link, as a rich edit control draws it.
    static QColor linkColour();

    // Marks the anchors this layer made (a bool); the others keep what it replaced.
    static constexpr int AutoLinkProperty = QTextFormat::UserProperty + 0x4c44;
    static constexpr int SavedForegroundProperty = AutoLinkProperty + 1;
    static constexpr int SavedUnderlineStyleProperty = AutoLinkProperty + 2;
    static constexpr int SavedFontUnderlineProperty = AutoLinkProperty + 3;

signals:
    void linkPressed(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct FormatChange
    {
        int position = 0;
        int length = 0;
        QTextCharFormat format;
    };

    void noteChange(int position, int charsRemoved, int charsAdded);
    void applyPendingChange();
    void rescan(int from, int to);
    void collectChanges(const QTextBlock &block, QList<FormatChange> &changes) const;
    void showHand(bool overLink);

    // The box as a plain widget, so that asking after it stays sound while the box, our parent,
    // is being destroyed and takes us along; the text edit itself only while it lives.
    QPointer<QWidget> watchedBox;
    QTextEdit *const textBox;
    QPointer<QWidget> viewport;
    QPointer<QTextDocument> document;
    QMetaObject::Connection changeConnection;
    QMetaObject::Connection changedConnection;
    // Set while this layer changes formats itself, so that it does not react to its own changes.
    bool updating = false;
    // The document range changed since the last scan, or -1.
    int pendingFrom = -1;
    int pendingTo = -1;
    // The pointer shape the viewport had before the hand was shown over a link.
    bool handShown = false;
    QCursor cursorBeforeHand;
    bool trackingBefore = false;
    // A QTextBrowser box would follow its links itself; that is switched off while serving.
    bool browserOpenedLinks = false;
    bool browserOpenedExternalLinks = false;
};
