#pragma once

#include "sign/modMayanAnimalMoonSign.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QKeyEvent;
class QTextCharFormat;

namespace Ui {
class frmSave;
}

// The report window: the whole reading as rich text, with Print and Save.
class frmSave : public QDialog
{
    Q_OBJECT

public:
    // Handed the birth input of the last Find and the result window's four captions (Mayan name,
    // animal, crystal, interpretation).
    frmSave(const modMayanAnimalMoonSign::BirthInputType &input, const QStringList &resultCaptions,
            QWidget *parent = nullptr);
    ~frmSave() override;

    // Loads a fresh report window and shows it modally; returns when it has closed.
    static void showModal(const modMayanAnimalMoonSign::BirthInputType &input,
                          const QStringList &resultCaptions);

public slots:
    void cmdPrint_Click();
    void cmdSave_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void insertSection(const QString &label, const QString &value);
    void insertAtCaret(const QString &text, const QTextCharFormat &style);
    // What a print queue lists the report as: the program's name and the person's.
    QString jobName() const;

    // The box's mouse actions, seen on its viewport without taking anything from it.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    void RTB_Change();
    void RTB_Click();
    void RTB_MouseDown();
    void RTB_MouseMove();
    void RTB_MouseUp();

    std::unique_ptr<Ui::frmSave> ui;
    modMayanAnimalMoonSign::BirthInputType input;
    QStringList resultCaptions;
    // Whether this window's box is the one modRTB serves, until the window closes.
    bool servingLinks = false;
};
