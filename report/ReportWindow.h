#pragma once

#include "sign/Reading.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class LinkDetector;
class QKeyEvent;
class QTextCharFormat;

namespace Ui {
class ReportWindow;
}

// The report window: the whole reading as rich text, with Print and Save (a saved reading or a
// PDF document).
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReportWindow(const Reading &reading, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // Opens a fresh report window of the reading modally; returns when it has closed (in a web
    // page at once).
    static void showModal(const Reading &reading);

    // Whether the box's web addresses are links that open on a press: from the start until the
    // window closes.
    bool linksActive() const;

public slots:
    void print();
    void save();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Nothing the person does with the box leaves anything of it on the clipboard.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void writeReport();
    void insertSection(const QString &label, const QString &value);
    void insertAtCaret(const QString &text, const QTextCharFormat &style);
    // What a print queue lists the report as: the program's name and the person's.
    QString jobName() const;
    void stopLinks();
    // The two kinds of file Save writes, told apart by the suffix of the path chosen (none when
    // the person cancelled).
    void saveTo(const QString &path);
    void saveReading(const QString &path);
    void savePdf(const QString &path);

    std::unique_ptr<Ui::ReportWindow> ui;
    const Reading reading;
    QPointer<LinkDetector> links;
};
