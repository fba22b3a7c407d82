#include "ui/ProgramState.h"

#include "ui/ResultWindow.h"

#include <QCoreApplication>

ProgramState::ProgramState(QObject *application)
    : QObject(application)
{ }

ProgramState &ProgramState::instance()
{
    QCoreApplication *application = QCoreApplication::instance();
    Q_ASSERT(application);
    auto *state = application->findChild<ProgramState *>(QString(), Qt::FindDirectChildrenOnly);
    return state ? *state : *new ProgramState(application);
}
