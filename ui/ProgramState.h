#pragma once

#include <QObject>
#include <QPointer>

class ResultWindow;

// What the program's windows share while it runs: the one result window, while it is open, and
// whether the program is ending. Held by the application object, whose child it is.
class ProgramState : public QObject
{
    Q_OBJECT

public:
    // The running application's state, made with its first use.
    static ProgramState &instance();

    // The next reading is shown in this window while it is open.
    QPointer<ResultWindow> resultWindow;
    // True while the exit appeal's end closes the windows.
    bool ending = false;

private:
    explicit ProgramState(QObject *application);
};
